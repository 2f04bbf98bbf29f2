#pragma once
// Pictures: short format strings such as "S30", "n-14" or "D1" that say how a value
// is shown and how typed text is read back. A picture is compiled once into a fixed
// record of output cells; formatting and deformatting then walk the cells.
// Picture texts here are written without the leading "@" (as window definitions
// store them); a leading "@" is accepted and ignored.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace qor::rt {

enum class PictureKind : uint8_t {
  kNumeric = 0,
  kScientific = 1,
  kDate = 2,
  kTime = 3,
  kPattern = 4,
  kString = 5,
  kKeyIn = 6,
};

// Cell codes. The character of a digit cell is what it shows for a leading zero.
enum CellCode : uint8_t {
  kCellLiteral = 0,
  kCellGrouping = 1,
  kCellPoint = 2,
  kCellDigit = 3,
  kCellDigitSuppressed = 4,
  kCellSign = 5,
  kCellCurrency = 6,
  kCellMonth = 7,
  kCellDay = 8,
  kCellYear = 9,
  kCellMonthName = 10,
  kCellHour = 11,
  kCellMinute = 12,
  kCellSecond = 13,
  kCellKeyAny = 14,     // "@"
  kCellKeyUpper = 15,   // "^"
  kCellKeyLower = 16,   // "_"
  kCellKeyQuery = 17,   // "?"
  kCellSeparator = 19,
  kCellAmPm = 20,
  kCellExponentSign = 21,
  kCellImpliedPoint = 22,
  kCellKeyBar = 23,     // "|"
  kCellEnd = 0xFF,      // marks the end of the cells when fewer than 254 are used
};

struct PictureCell {
  uint8_t character = 0;
  uint8_t code = kCellEnd;
};

inline constexpr size_t kPictureCellLimit = 254;
inline constexpr size_t kPictureTextLimit = 254;  // 255 characters or more are invalid
inline constexpr uint8_t kPictureDefaultYearWindow = 80;

struct CompiledPicture {
  uint16_t header = 0;  // bits 0-2 kind, 3-5 kind flags, 6 blank when zero, 7-14 width
  uint8_t yearWindow = kPictureDefaultYearWindow;
  uint8_t number = 0;   // the number after @D or @T
  std::array<PictureCell, kPictureCellLimit> cells{};
  const char* text = nullptr;  // the picture text it was compiled from

  PictureKind Kind() const { return static_cast<PictureKind>(header & 7); }
  int Width() const { return (header >> 7) & 0xFF; }
  bool BlankWhenZero() const { return (header & 0x40) != 0; }
  bool IsValid() const { return Width() != 0; }
  size_t CellCount() const;

  void SetKind(PictureKind kind) { header = static_cast<uint16_t>((header & ~7u) | static_cast<unsigned>(kind)); }
  void SetWidth(int width) { header = static_cast<uint16_t>((header & 0x7F) | ((width & 0xFF) << 7)); }
  void SetBlankWhenZero() { header |= 0x40; }
};

// Compiles a picture text; an invalid one gives width 0. The text must outlive the
// compiled picture only if its `text` field is used.
CompiledPicture CompilePicture(std::string_view text);

// Bytes of storage the picture takes: 0 when invalid, 2 for a string picture,
// otherwise twice the width plus 2.
int PictureStorageSize(const CompiledPicture& picture);

// A number as formatting receives it: significant decimal digits ("12345"), the
// count of integer digits among them (4 for 1234.5, 0 for 0.5, -1 for 0.05) and the
// sign.
struct DigitString {
  std::string digits;
  int exponent = 0;
  bool negative = false;
};

// Parses a plain decimal text ("-12.5", "1.5e2") into digits; anything after the
// number is ignored.
DigitString DigitsFromText(std::string_view text);

// Formats a number through a numeric, scientific, pattern or key-in picture, or a
// standard date or time (its integer part) through a date or time picture; the
// result is exactly the picture's width. A string picture shows the digits as text.
std::string FormatDigits(const CompiledPicture& picture, const DigitString& value);

// Formats a text: a string picture copies (and blank pads) it; a key-in picture
// places its characters in the input positions; other pictures read it as a number.
// An invalid picture returns the text itself.
std::string FormatText(const CompiledPicture& picture, std::string_view text);

// Reads typed text back through a picture: a plain number text, or for dates and
// times the standard date or time in decimal. An invalid picture gives "".
std::string DeformatText(const CompiledPicture& picture, std::string_view text);

}  // namespace qor::rt
