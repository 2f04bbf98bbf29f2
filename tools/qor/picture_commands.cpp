// qor format PICTURE VALUE and qor deformat PICTURE TEXT.
#include <cstdio>
#include <string>

#include "runtime/pictures/picture.h"
#include "tools/qor/command.h"
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

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// [-] digits [. digits] [e [+|-] digits], at least one digit before any exponent.
bool IsDecimalText(std::string_view text) {
  size_t pos = 0, digits = 0;
  if (pos < text.size() && text[pos] == '-') ++pos;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) ++digits;
  if (pos < text.size() && text[pos] == '.')
    for (++pos; pos < text.size() && IsDigit(text[pos]); ++pos) ++digits;
  if (digits == 0) return false;
  if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
    ++pos;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) ++pos;
    size_t start = pos;
    while (pos < text.size() && IsDigit(text[pos])) ++pos;
    if (pos == start) return false;
  }
  return pos == text.size();
}

bool TakesAnyText(const rt::CompiledPicture& picture) {
  return !picture.IsValid() || picture.Kind() == rt::PictureKind::kString ||
         picture.Kind() == rt::PictureKind::kKeyIn;
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
  if (!TakesAnyText(picture) && !IsDecimalText(args[1]))
    return UsageError("VALUE must be a decimal number for this picture: " + std::string(args[1]), &formatCommand);
  PrintLine(rt::FormatText(picture, args[1]));
  return 0;
}

int RunDeformat(std::span<const std::string_view> args) {
  if (args.size() != 2) return UsageError("deformat takes a PICTURE and a TEXT", &deformatCommand);
  int status = 0;
  if (!CheckPicture(args[0], deformatCommand, status)) return status;
  EnsureLocale();
  PrintLine(rt::DeformatText(rt::CompilePicture(args[0]), args[1]));
  return 0;
}

}  // namespace
}  // namespace qor::tool
