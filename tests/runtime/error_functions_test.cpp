#include "runtime/builtins/error_functions.h"

#include <gtest/gtest.h>

#include <string>

#include "os/module.h"
#include "resources/messages/error_messages.h"
#include "runtime/base/error_state.h"
#include "runtime/values/value_stack.h"

namespace qor::rt {
namespace {

std::string PopText() {
  ValueEntry entry = StrTakeTop();
  CountedText text = TextOf(entry);
  std::string result(text.text, static_cast<size_t>(text.length));
  ReleaseValueEntry(entry);
  return result;
}

TEST(ErrorFunctionsTest, ReadTheErrorStateWithoutTrailingBlanks) {
  res::RegisterErrorMessages(os::ExecutableModule());
  SetError(78);  // its text ends in a blank
  SetFileError(17, "driver detail   ");
  SetErrorFileName("data.tps");
  const int before = StrCount();
  EXPECT_EQ(LanguageErrorCode(), 78);
  EXPECT_EQ(LanguageFileErrorCode(), 17);
  PushLanguageError();
  EXPECT_EQ(PopText(), "Invalid Number Of Parameters");
  PushLanguageFileError();
  EXPECT_EQ(PopText(), "driver detail");
  PushLanguageErrorFile();
  EXPECT_EQ(PopText(), "data.tps");
  ClearError();
  PushLanguageError();
  EXPECT_EQ(PopText(), "");
  EXPECT_EQ(StrCount(), before);
}

}  // namespace
}  // namespace qor::rt
