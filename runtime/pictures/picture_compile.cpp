#include "runtime/pictures/picture.h"

#include "runtime/pictures/picture_builder.h"

namespace qor::rt {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

bool CompileString(std::string_view body, CompiledPicture& picture) {
  size_t pos = 0;
  int width = 0;
  if (!ReadPictureNumber(body, pos, width)) return false;
  for (; pos < body.size(); ++pos)
    if (body[pos] != ' ') return false;
  if (width < 1 || width > 255) return false;
  picture.SetWidth(width);
  return true;
}

uint8_t KeyInCode(char c) {
  switch (c) {
    case '#': return kCellDigit;
    case '<': return kCellDigitSuppressed;
    case '@': return kCellKeyAny;
    case '^': return kCellKeyUpper;
    case '_': return kCellKeyLower;
    case '?': return kCellKeyQuery;
    case '|': return kCellKeyBar;
    default: return kCellLiteral;
  }
}

// @P...P and @K...K: the text between the kind letter and the same letter at the end.
bool CompilePattern(std::string_view body, char letter, CompiledPicture& picture) {
  if (body.empty() || body.back() != letter) return false;
  body.remove_suffix(1);
  bool keyIn = Lower(letter) == 'k';
  CellList cells;
  for (size_t i = 0; i < body.size(); ++i) {
    char c = body[i];
    if (keyIn && c == '\\' && i + 1 < body.size()) {
      cells.push_back({static_cast<uint8_t>(body[++i]), kCellLiteral});
      continue;
    }
    uint8_t code = KeyInCode(c);
    if (!keyIn && code != kCellDigit && code != kCellDigitSuppressed) code = kCellLiteral;
    char shown = code == kCellDigit ? '0' : (code == kCellLiteral ? c : ' ');
    cells.push_back({static_cast<uint8_t>(shown), code});
  }
  return StoreCells(picture, cells, CellWidth(cells));
}

bool CompileBody(char letter, std::string_view body, CompiledPicture& picture) {
  switch (Lower(letter)) {
    case 'n': picture.SetKind(PictureKind::kNumeric); return CompileNumeric(body, picture);
    case 'e': picture.SetKind(PictureKind::kScientific); return CompileScientific(body, picture);
    case 'd': picture.SetKind(PictureKind::kDate); return CompileDate(body, picture);
    case 't': picture.SetKind(PictureKind::kTime); return CompileTime(body, picture);
    case 'p': picture.SetKind(PictureKind::kPattern); return CompilePattern(body, letter, picture);
    case 'k': picture.SetKind(PictureKind::kKeyIn); return CompilePattern(body, letter, picture);
    case 's': picture.SetKind(PictureKind::kString); return CompileString(body, picture);
    default: return false;
  }
}

}  // namespace

size_t CompiledPicture::CellCount() const {
  size_t n = 0;
  while (n < cells.size() && cells[n].code != kCellEnd) ++n;
  return n;
}

char MappedPictureChar(char written) {
  switch (written) {
    case '_': return ' ';
    case '`': return ',';
    case 'v': return '0';
    default: return written;
  }
}

bool ReadPictureNumber(std::string_view text, size_t& pos, int& value) {
  size_t start = pos;
  value = 0;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    value = value * 10 + (text[pos++] - '0');
    if (value > 9999) value = 9999;
  }
  return pos > start;
}

int CellWidth(const CellList& cells) {
  int width = 0;
  for (const PictureCell& c : cells)
    if (c.code != kCellImpliedPoint) ++width;
  return width;
}

bool StoreCells(CompiledPicture& picture, const CellList& cells, int width) {
  if (cells.size() > kPictureCellLimit || width < 1 || width > 254) return false;
  for (size_t i = 0; i < cells.size(); ++i) picture.cells[i] = cells[i];
  picture.SetWidth(width);
  return true;
}

CompiledPicture CompilePicture(std::string_view text) {
  CompiledPicture picture;
  picture.text = text.data();
  std::string_view body = text;
  if (!body.empty() && body.front() == '@') body.remove_prefix(1);
  if (body.size() < 1 || text.size() > kPictureTextLimit) return picture;
  if (body.size() >= 3 && (body.back() == 'B' || body.back() == 'b')) {
    picture.SetBlankWhenZero();
    body.remove_suffix(1);
  }
  CompiledPicture compiled = picture;
  if (!CompileBody(body.front(), body.substr(1), compiled)) return picture;
  return compiled;
}

int PictureStorageSize(const CompiledPicture& picture) {
  if (!picture.IsValid()) return 0;
  if (picture.Kind() == PictureKind::kString) return 2;
  return 2 * picture.Width() + 2;
}

}  // namespace qor::rt
