#pragma once
// ErrorManager: turns a message number into a shown message. It holds the message
// definitions (number, severity, title, text) loaded from packed tables; Raise finds the
// newest definition with the number, fills the placeholders of its text from the last
// run-time error and the values set here, and acts by the severity: nothing (0), a
// Yes/No question (1 and 4: 0 for Yes, 4 for No), a notice with OK (5), or a fatal
// notice after which the program halts with exit code 0 (3; 2 and any other severity
// are handled as fatal too). Its boxes go through the message statement, so a
// replacement handler sees them.
//
// Without a definition for the number, a notice "Unknown Message" says so and Raise
// returns 5; with no definitions at all (before Init, after Kill, or an empty table) it
// shows the same notice and returns 0. Tables are copied when they are loaded.
//
// Overridable methods, in method-table order: AddErrors, HandleQuiet, HandleFatal,
// HandleNotify, HandleOther, HandleProgram, HandleQuestion.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/message_table/message_table.h"

namespace qor::fw {

inline constexpr size_t kErrorFieldLimit = 254;  // characters kept of each text field
inline constexpr std::string_view kFatalSuffix = "  Press OK to end this application";

class ErrorManager {
 public:
  ErrorManager();
  virtual ~ErrorManager();
  ErrorManager(const ErrorManager&) = delete;
  ErrorManager& operator=(const ErrorManager&) = delete;

  // Appends one definition per whole entry of a packed table, in table order; later
  // definitions take precedence. Does nothing before Init or after Kill.
  virtual void AddErrors(std::span<const uint8_t> table);
  virtual uint8_t HandleQuiet();
  virtual uint8_t HandleFatal();
  virtual uint8_t HandleNotify();
  virtual uint8_t HandleOther();
  virtual uint8_t HandleProgram();
  virtual uint8_t HandleQuestion();

  // Makes the list and loads the default table.
  void Init();
  // Disposes of the list.
  void Kill();
  uint8_t Raise(uint16_t id);
  // The expanded text with the definition's title, the question icon and the caller's
  // buttons and default; returns the bit of the button pressed. Ignores the severity.
  uint32_t ShowMessage(uint16_t id, uint32_t buttons, uint32_t defaultButton);
  void SelectMessage(uint16_t id);
  uint8_t DispatchCurrent();
  // The current definition's text with its placeholders filled.
  std::string ExpandMessage() const;
  void CaptureErrorState();
  void SetFileName(std::string_view name);

  // The values of "%Field" and "%Message" (nothing in the program sets them).
  void SetFieldName(std::string_view name);
  void SetMessageText(std::string_view text);

  // The fields, as the descriptor names them.
  bool HasErrors() const { return errors_ != nullptr; }
  size_t DefinitionCount() const { return errors_ ? errors_->size() : 0; }
  const std::string& FieldName() const { return fieldName_; }
  const std::string& FileName() const { return fileName_; }
  const std::string& MessageText() const { return messageText_; }
  const std::string& SaveError() const { return saveError_; }
  int32_t SaveErrorCode() const { return saveErrorCode_; }
  const std::string& SaveFileError() const { return saveFileError_; }
  const std::string& SaveFileErrorCode() const { return saveFileErrorCode_; }

 protected:
  // The current definition (after SelectMessage); null before any.
  const MessageDefinition* Current() const { return current_; }
  // Shows a box through the message statement with the current title.
  uint32_t ShowBox(const std::string& text, uint16_t stockIcon, uint32_t buttons, uint32_t defaultButton);

 private:
  std::string PreviousText() const;

  std::unique_ptr<std::vector<MessageDefinition>> errors_;
  std::string fieldName_;
  std::string fileName_;
  std::string messageText_;
  std::string saveError_;
  int32_t saveErrorCode_ = 0;
  std::string saveFileError_;
  std::string saveFileErrorCode_;

  const MessageDefinition* current_ = nullptr;
  std::optional<size_t> currentIndex_;  // in the list; none for the notice
  MessageDefinition notice_;            // "Unknown Message"
  bool noList_ = false;                 // the notice stands for an empty list
};

}  // namespace qor::fw
