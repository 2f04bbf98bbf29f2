#pragma once
// The entry kind: a QorEdit field that shows its use variable through its picture and
// writes what the user typed back into it. Entries without a use variable keep a private
// 255-character string.
//
// Leaving the field (losing the focus) with an unmodified text posts nothing. A modified
// text is checked against the picture, the variable's type and (for a spin box) its
// limits: a refusal queues EVENT:Rejected with the position of the first bad character
// and leaves the variable, the text and the modified mark alone; an accepted text is
// stored, the mark cleared, EVENT:Accepted posted and the field shown again through the
// picture; a field marked to report completion then sends QUERY_EDITDONE to its window.
// Enter accepts the field the same way and keeps the focus. The control's text (property
// 0x7C00) follows the field's; setting it sets the field's and marks it modified. The
// justification offset becomes the field's margins: left text moves right by it, right
// and decimal text left, centred text right (as a prompt's does).
//
// Showing the variable again keeps a refused text while the variable is unchanged; a
// variable the program changed replaces it. String pictures on text variables show and
// store the text as typed (counted: a 0 byte is a character like any other), at most the
// picture's width of it.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/pictures/picture.h"
#include "window/controls/field_values/accept_check.h"
#include "window/controls/control.h"
#include "window/platform/core/types.h"

namespace qor::win {

// What a check of the field's text came to.
struct EntryOutcome {
  enum Kind : uint8_t { kUnmodified, kStored, kRefused } kind = kUnmodified;
  size_t badPosition = 0;  // zero-based, when refused
};

class EntryControl : public Control {
 public:
  EntryControl(Window& owner, const ControlRecord& record);
  ~EntryControl() override;

  // Makes the QorEdit field at the control's position.
  bool CreateField();

  void Display() override;
  void Changed(ControlChange what) override;
  // A new field in the old one's place, its text, mark, selection and focus kept (the
  // field draws its border itself, so the old one's style no longer shows it).
  bool Recreate() override;
  void Command(uint32_t notification) override;
  void StoreEdit() override;
  bool ContentsValid() override;
  void SetSelection(int32_t first, int32_t last) override;

  // The text the field holds (property 0x7C00); setting it marks it modified.
  std::string FieldText() const;
  void SetFieldText(std::string_view text);
  bool Modified() const;

  // Checks a modified text and stores it when it passes; posts nothing.
  EntryOutcome StoreIfValid();
  // What leaving the field does: StoreIfValid, then EVENT:Rejected or EVENT:Accepted
  // and, when marked, QUERY_EDITDONE. False when the text was refused.
  bool AcceptInPlace() override;
  void SetReportsCompletion(bool reports) { reportsCompletion_ = reports; }

  // The field's messages, before the editor's own handling; nothing to pass one on.
  virtual std::optional<ui::LResult> Message(uint32_t message, ui::WParam wParam, ui::LParam lParam);

  // The variable shown: the use variable, else the private string.
  struct Variable {
    void* address;
    uint8_t typeCode;
    uint32_t size;
  };
  Variable Shown() const;
  const rt::CompiledPicture& Picture() const { return picture_; }

 protected:
  // What the typed text must fit; a spin box adds its limits.
  virtual AcceptTarget Target() const;
  // Stores a checked value text, clears the mark and shows the variable again.
  void StoreValue(std::string_view value);
  // The field's own style bits: alignment and border.
  uint32_t FieldStyle() const;
  // Gives the field margins that move its text by the justification offset.
  void ApplyJustifyOffset();

 private:
  std::string pictureText_;
  bool followingField_ = false;  // the control's text is being brought up to the field's
  rt::CompiledPicture picture_;
  std::unique_ptr<char[]> privateText_;
  bool reportsCompletion_ = false;
};

std::unique_ptr<Control> MakeEntryControl(Window& owner, const ControlRecord& record);

}  // namespace qor::win
