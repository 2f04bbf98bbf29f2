// Compiling numeric (@N) and scientific (@E) pictures.
#include <algorithm>
#include <string>

#include "runtime/pictures/picture_builder.h"

namespace qor::rt {
namespace {

constexpr char kGraveAccent = '`';

bool IsDecimalIndicator(char c) { return c == '.' || c == kGraveAccent || c == 'V' || c == 'v'; }

// "$" or a text between two "~".
bool ReadCurrency(std::string_view body, size_t& pos, std::string& currency) {
  if (pos >= body.size()) return false;
  if (body[pos] == '$') {
    currency.assign(1, '$');
    ++pos;
    return true;
  }
  if (body[pos] != '~') return false;
  size_t close = body.find('~', pos + 1);
  if (close == std::string_view::npos) return false;
  currency = std::string(body.substr(pos + 1, close - pos - 1));
  pos = close + 1;
  return true;
}

struct NumericLayout {
  std::string leadingCurrency;
  std::string trailingCurrency;
  char leadingSign = 0;   // '-' or '('
  char trailingSign = 0;  // '-' or ')'
  char fill = 0;          // '0', '_' or '*'
  int width = 0;
  char grouping = 0;      // as written; 0 for none written
  char indicator = 0;     // '.', '`' or 'V'
  int places = 0;
};

bool ParseNumeric(std::string_view body, NumericLayout& n) {
  size_t pos = 0;
  bool hasLeadingCurrency = ReadCurrency(body, pos, n.leadingCurrency);
  if (pos < body.size() && (body[pos] == '-' || body[pos] == '(')) n.leadingSign = body[pos++];
  if (pos < body.size() && (body[pos] == '0' || body[pos] == '_' || body[pos] == '*')) n.fill = body[pos++];
  if (!ReadPictureNumber(body, pos, n.width)) return false;
  if (pos < body.size() && (body[pos] == '.' || body[pos] == kGraveAccent || body[pos] == '_')) {
    bool atEnd = pos + 1 >= body.size();
    if (atEnd || IsDecimalIndicator(body[pos + 1])) n.grouping = body[pos++];
  }
  if (pos < body.size() && IsDecimalIndicator(body[pos])) {
    char indicator = body[pos++];
    if (ReadPictureNumber(body, pos, n.places)) {
      n.indicator = indicator == 'v' ? 'V' : indicator;
    } else if (n.grouping == 0) {
      n.grouping = indicator;
    } else {
      return false;
    }
  }
  if (pos < body.size() && body[pos] == '-' && n.leadingSign == 0) n.trailingSign = body[pos++];
  if (n.leadingSign == '(') {
    if (pos >= body.size() || body[pos] != ')') return false;
    n.trailingSign = body[pos++];
  }
  if (!hasLeadingCurrency) ReadCurrency(body, pos, n.trailingCurrency);
  return pos == body.size() && n.places <= 254;
}

char GroupingCharacter(const NumericLayout& n) {
  if (n.grouping != 0) return MappedPictureChar(n.grouping);
  if (n.fill != 0) return 0;
  return n.indicator == kGraveAccent ? '.' : ',';
}

void AddText(CellList& cells, const std::string& text, uint8_t code) {
  for (char c : text) cells.push_back({static_cast<uint8_t>(c), code});
}

}  // namespace

bool CompileNumeric(std::string_view body, CompiledPicture& picture) {
  NumericLayout n;
  if (!ParseNumeric(body, n)) return false;
  int signCells = (n.leadingSign ? 1 : 0) + (n.trailingSign ? 1 : 0);
  int currencyCells = static_cast<int>(n.leadingCurrency.size() + n.trailingCurrency.size());
  bool shownPoint = n.indicator == '.' || n.indicator == kGraveAccent;
  int integerPositions = n.width - signCells - currencyCells - n.places - (shownPoint ? 1 : 0);
  if (integerPositions < 1) return false;

  char grouping = GroupingCharacter(n);
  bool zeroFill = n.fill == '0' || n.fill == '*';
  char fillChar = n.fill == '*' ? '*' : '0';
  CellList cells;
  AddText(cells, n.leadingCurrency, kCellCurrency);
  if (n.leadingSign) cells.push_back({static_cast<uint8_t>(n.leadingSign), kCellSign});
  for (int position = integerPositions; position >= 2; --position) {
    if (grouping != 0 && position % 4 == 0)
      cells.push_back({static_cast<uint8_t>(grouping), kCellGrouping});
    else if (zeroFill)
      cells.push_back({static_cast<uint8_t>(fillChar), kCellDigit});
    else
      cells.push_back({' ', kCellDigitSuppressed});
  }
  cells.push_back({'0', n.indicator == 'V' ? kCellDigitSuppressed : kCellDigit});
  if (n.indicator == 'V') cells.push_back({'V', kCellImpliedPoint});
  if (shownPoint) cells.push_back({static_cast<uint8_t>(n.indicator == '.' ? '.' : ','), kCellPoint});
  for (int i = 0; i < n.places; ++i) cells.push_back({'0', kCellDigit});
  if (n.trailingSign) cells.push_back({static_cast<uint8_t>(n.trailingSign), kCellSign});
  AddText(cells, n.trailingCurrency, kCellCurrency);
  return StoreCells(picture, cells, n.width);
}

bool CompileScientific(std::string_view body, CompiledPicture& picture) {
  size_t pos = 0;
  int width = 0;
  if (!ReadPictureNumber(body, pos, width) || width < 7 || width > 254) return false;
  char grouping = 0;
  if (pos + 1 < body.size() && (body[pos] == '.' || body[pos] == kGraveAccent || body[pos] == '_') &&
      (body[pos + 1] == '.' || body[pos + 1] == kGraveAccent))
    grouping = body[pos++];
  char indicator = '.';
  int mantissaDigits = 0;
  if (pos < body.size() && (body[pos] == '.' || body[pos] == kGraveAccent)) {
    indicator = body[pos++];
    ReadPictureNumber(body, pos, mantissaDigits);
  }
  if (pos != body.size()) return false;
  char groupChar = grouping ? MappedPictureChar(grouping) : (indicator == kGraveAccent ? '.' : ',');
  int groupCells = mantissaDigits >= 4 ? (mantissaDigits - 1) / 3 : 0;
  int fractionDigits = width - 7 - mantissaDigits - groupCells;
  if (fractionDigits < 0) return false;

  CellList cells;
  cells.push_back({'-', kCellSign});
  for (int d = mantissaDigits; d >= 1; --d) {
    cells.push_back({d == 1 ? uint8_t{'0'} : uint8_t{' '}, d == 1 ? kCellDigit : kCellDigitSuppressed});
    if (groupCells && d > 1 && (d - 1) % 3 == 0) cells.push_back({static_cast<uint8_t>(groupChar), kCellGrouping});
  }
  cells.push_back({static_cast<uint8_t>(indicator == '.' ? '.' : ','), kCellPoint});
  for (int i = 0; i < fractionDigits; ++i) cells.push_back({'0', kCellDigit});
  cells.push_back({'E', kCellLiteral});
  cells.push_back({'+', kCellExponentSign});
  for (int i = 0; i < 3; ++i) cells.push_back({'0', kCellDigit});
  return StoreCells(picture, cells, width);
}

}  // namespace qor::rt
