// qor format PICTURE VALUE and qor deformat PICTURE TEXT.
#include <cstdio>
#include <string>

#include "runtime/pictures/picture.h"
#include "runtime/values/decimal_stack.h"
#include "tools/qor/command.h"
#include "tools/qor/decimal_io.h"
#include "tools/qor/locale_setup.h"

namespace qor::tool {
namespace {

int RunFormat(std::span<const std::string_view> args);
int RunDeformat(std::span<const std::string_view> args);

const QorCommand formatCommand(
    "format", "format PICTURE VALUE",
    "VALUE formatted through @PICTURE (a number; a standard date or time for @D/@T; any text for @S/@K)",
    RunFormat);
const QorCommand deformatCommand("deformat", "deformat PICTURE TEXT",
                                 "the value that TEXT reads back as through @PICTURE", RunDeformat);

bool TakesAnyText(const rt::CompiledPicture& picture) {
  return !picture.IsValid() || picture.Kind() == rt::PictureKind::kString ||
         picture.Kind() == rt::PictureKind::kKeyIn;
}

// The runtime takes any picture text; one it cannot compile has width 0 and shows nothing.
void WarnIfInvalid(const rt::CompiledPicture& picture, std::string_view text) {
  if (picture.IsValid()) return;
  std::fprintf(stderr, "qor: warning: the picture %.*s is not valid (it compiles to width 0)\n",
               static_cast<int>(text.size()), text.data());
}

bool CheckPicture(std::string_view picture, const QorCommand& command, int& status) {
  if (!picture.empty() && picture.front() == '@') return true;
  status = UsageError("a PICTURE starts with \"@\": " + std::string(picture), &command);
  return false;
}

void PrintLine(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
}

int RunFormat(std::span<const std::string_view> args) {
  if (args.size() != 2) return UsageError("format takes a PICTURE and a VALUE", &formatCommand);
  int status = 0;
  if (!CheckPicture(args[0], formatCommand, status)) return status;
  EnsureLocale();
  rt::CompiledPicture picture = rt::CompilePicture(args[0]);
  WarnIfInvalid(picture, args[0]);
  if (!TakesAnyText(picture)) {  // the value goes in as a number: say when it is not one
    PushDecimalOperand(args[1]);
    rt::DecPop();
  }
  PrintLine(rt::FormatText(picture, args[1]));
  return 0;
}

int RunDeformat(std::span<const std::string_view> args) {
  if (args.size() != 2) return UsageError("deformat takes a PICTURE and a TEXT", &deformatCommand);
  int status = 0;
  if (!CheckPicture(args[0], deformatCommand, status)) return status;
  EnsureLocale();
  rt::CompiledPicture picture = rt::CompilePicture(args[0]);
  WarnIfInvalid(picture, args[0]);
  PrintLine(rt::DeformatText(picture, args[1]));
  return 0;
}

}  // namespace
}  // namespace qor::tool
