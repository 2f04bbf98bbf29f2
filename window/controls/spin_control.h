#pragma once
// The spin kind: an entry field with UpDown arrows at its right edge. Each step of the
// arrows, and Up and Down pressed in the field, adds or takes the record's step from the
// base value (the field's text when it reads validly, else the variable), clamped to the
// record's limits and to what the variable's type holds. An unchanged value only
// selects the text again; a changed one is stored, shown, wholly selected and
// EVENT:NewSelection is posted. A click on an arrow first gives the field the focus.
// A spin given a list steps through it instead: up to the entry before, down to the one
// after, held at the first and the last. Typed values must lie within the limits too.
#include <memory>
#include <string>
#include <vector>

#include "window/controls/entry_control.h"
#include "window/controls/field_values/spin_step.h"

namespace qor::win {

class SpinControl : public EntryControl {
 public:
  SpinControl(Window& owner, const ControlRecord& record);
  ~SpinControl() override;

  // Makes the field and its arrows within the control's box.
  bool CreateSpin();
  void Changed(ControlChange what) override;
  ui::Hwnd Arrows() const { return arrows_; }

  // One step: +1 up, -1 down.
  void Step(int direction);
  // Steps through these texts instead of numbers.
  void SetList(std::vector<std::string> entries) { list_ = std::move(entries); }

  std::optional<ui::LResult> Message(uint32_t message, ui::WParam wParam, ui::LParam lParam) override;

 protected:
  AcceptTarget Target() const override;

 private:
  double BaseValue() const;
  void StepList(int direction);
  void ShowChange(std::string_view value);
  void FollowField(uint32_t message, ui::WParam wParam);
  // Narrows the field, which fills the control's box, to leave the arrows their strip.
  void SplitBox();

  SpinRange range_;
  ui::Hwnd arrows_;
  std::vector<std::string> list_;
};

std::unique_ptr<Control> MakeSpinControl(Window& owner, const ControlRecord& record);

// The list entry a step reaches from `index` (-1 when the text is none of them).
int ListStep(int index, int count, int direction);

}  // namespace qor::win
