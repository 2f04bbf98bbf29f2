#include "framework/error_manager.h"

#include "framework/levels.h"
#include "framework/message_expansion.h"
#include "resources/messages/error_tables.h"
#include "runtime/base/error_state.h"
#include "runtime/errors/halt.h"
#include "runtime/base/ui_service.h"
#include "window/message_box/box_style.h"
#include "window/message_box/box_window_services.h"
#include "window/message_box/message_statement.h"
#include "window/platform/core/host.h"
#include "window/platform/core/styles.h"

namespace qor::fw {
namespace {

constexpr char kUnknownTitle[] = "Unknown Message";

std::string Field(std::string_view text) {
  size_t end = text.find_last_not_of(' ');
  text = end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
  return std::string(text.substr(0, kErrorFieldLimit));
}

}  // namespace

ErrorManager::ErrorManager() = default;
ErrorManager::~ErrorManager() = default;

void ErrorManager::Init() {
  errors_ = std::make_unique<std::vector<MessageDefinition>>();
  AddErrors(res::DefaultErrorTable());
}

void ErrorManager::Kill() {
  errors_.reset();
  current_ = nullptr;
  currentIndex_.reset();
}

void ErrorManager::AddErrors(std::span<const uint8_t> table) {
  if (!errors_) return;
  for (MessageDefinition& d : UnpackMessageTable(table)) errors_->push_back(std::move(d));
}

uint8_t ErrorManager::Raise(uint16_t id) {
  CaptureErrorState();
  SelectMessage(id);
  return DispatchCurrent();
}

void ErrorManager::SelectMessage(uint16_t id) {
  noList_ = !errors_ || errors_->empty();
  for (size_t i = errors_ ? errors_->size() : 0; i-- > 0;) {
    if ((*errors_)[i].id != id) continue;
    currentIndex_ = i;
    current_ = &(*errors_)[i];
    return;
  }
  notice_ = {id, LevelNotify, kUnknownTitle, "Message " + std::to_string(id) + " is not defined."};
  currentIndex_.reset();
  current_ = &notice_;
}

uint8_t ErrorManager::DispatchCurrent() {
  if (!current_) return LevelQuiet;
  if (noList_) {
    HandleNotify();
    return LevelQuiet;
  }
  switch (current_->severity) {
    case LevelQuiet: return HandleQuiet();
    case LevelQuestion:
    case LevelDeclined: return HandleQuestion();
    case LevelProgram: return HandleProgram();
    case LevelFatal: return HandleFatal();
    case LevelNotify:
      HandleNotify();
      return LevelNotify;
    default: return HandleOther();
  }
}

std::string ErrorManager::PreviousText() const {
  if (!errors_ || !currentIndex_) return {};
  for (size_t i = *currentIndex_; i-- > 0;)
    if ((*errors_)[i].id == current_->id) return (*errors_)[i].text;
  return {};
}

std::string ErrorManager::ExpandMessage() const {
  if (!current_) return {};
  PlaceholderValues values{saveErrorCode_, saveError_, saveFileErrorCode_, saveFileError_,
                           fileName_,      messageText_, fieldName_,      PreviousText()};
  return ExpandPlaceholders(current_->text, values);
}

void ErrorManager::CaptureErrorState() {
  saveErrorCode_ = rt::ErrorCode();
  saveError_ = Field(rt::ErrorText());
  int32_t fileCode = rt::FileErrorCode();
  saveFileErrorCode_ = fileCode == 0 ? std::string() : std::to_string(fileCode);
  saveFileError_ = Field(rt::FileErrorText());
}

void ErrorManager::SetFileName(std::string_view name) { fileName_ = Field(name); }
void ErrorManager::SetFieldName(std::string_view name) { fieldName_ = Field(name); }
void ErrorManager::SetMessageText(std::string_view text) { messageText_ = Field(text); }

uint32_t ErrorManager::ShowBox(const std::string& text, uint16_t stockIcon, uint32_t buttons, uint32_t defaultButton) {
  win::MessageArguments arguments{text,   current_ ? current_->title : std::string(), win::StockIconName(stockIcon),
                                  std::to_string(buttons), static_cast<int32_t>(defaultButton), 0};
  return static_cast<uint32_t>(win::Message(arguments));
}

uint32_t ErrorManager::ShowMessage(uint16_t id, uint32_t buttons, uint32_t defaultButton) {
  SelectMessage(id);
  return ShowBox(ExpandMessage(), ui::IDI_QUESTION, buttons, defaultButton);
}

uint8_t ErrorManager::HandleQuiet() { return LevelQuiet; }

uint8_t ErrorManager::HandleQuestion() {
  uint32_t pressed = ShowBox(ExpandMessage(), ui::IDI_QUESTION, win::kButtonYes | win::kButtonNo, win::kButtonYes);
  return pressed == win::kButtonYes ? LevelQuiet : LevelDeclined;
}

uint8_t ErrorManager::HandleNotify() {
  ShowBox(ExpandMessage(), ui::IDI_EXCLAMATION, win::kButtonOk, win::kButtonOk);
  return LevelNotify;
}

uint8_t ErrorManager::HandleFatal() {
  std::string text = ExpandMessage() + std::string(kFatalSuffix);
  std::string title = current_ ? current_->title : std::string();
  if (ui::CurrentHost().HasDisplay()) rt::WriteTitledText(title, text);
  ShowBox(text, ui::IDI_EXCLAMATION, win::kButtonOk, win::kButtonOk);
  rt::HaltWithMessage(0, false, title);
}

uint8_t ErrorManager::HandleProgram() { return HandleFatal(); }
uint8_t ErrorManager::HandleOther() { return HandleProgram(); }

}  // namespace qor::fw
