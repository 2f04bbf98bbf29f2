#include "window/platform/draw/text_layout.h"

#include <algorithm>

namespace qor::ui {

namespace {

// A paragraph as it is shown: the "&" marks taken out, and where the mnemonics are.
struct ShownText {
  std::string chars;
  std::vector<size_t> marked;
};

// "&x" marks x, "&&" shows one "&", and a lone "&" at the end marks nothing.
ShownText TakeOutPrefixes(std::string_view text, bool literal) {
  ShownText shown;
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (!literal && c == '&') {
      if (++i == text.size()) break;
      c = text[i];
      if (c != '&') shown.marked.push_back(shown.chars.size());
    }
    shown.chars += c;
  }
  return shown;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Measures runs of a line, tabs going to the next stop when they are expanded.
class LineMeasure {
 public:
  LineMeasure(const TextMeasure& measure, bool expandTabs)
      : measure_(measure), tabWidth_(expandTabs ? kTabStopChars * measure.averageCharWidth : 0) {}

  // The pieces between tabs, each at its place from the line's start.
  std::vector<TextPiece> Pieces(std::string_view line) const {
    std::vector<TextPiece> pieces;
    Walk(line, &pieces);
    return pieces;
  }

  int Width(std::string_view line) const { return Walk(line, nullptr); }

 private:
  // Goes along the line, collecting its pieces when asked; returns where it ends.
  int Walk(std::string_view line, std::vector<TextPiece>* pieces) const {
    int x = 0;
    size_t start = 0;
    for (size_t tab = NextTab(line, 0); tab != std::string_view::npos; tab = NextTab(line, start)) {
      x = AddPiece(pieces, x, line.substr(start, tab - start));
      x = (x / tabWidth_ + 1) * tabWidth_;
      start = tab + 1;
    }
    return AddPiece(pieces, x, line.substr(start));
  }

  size_t NextTab(std::string_view line, size_t from) const {
    return tabWidth_ > 0 ? line.find('\t', from) : std::string_view::npos;
  }

  int AddPiece(std::vector<TextPiece>* pieces, int x, std::string_view text) const {
    if (text.empty()) return x;
    if (pieces) pieces->push_back({x, std::string(text)});
    return x + measure_.width(text);
  }

  const TextMeasure& measure_;
  int tabWidth_;
};

// Where the line that starts at `begin` ends: after the last word that still fits in
// `width`, or after the first word when even that one does not.
size_t WrappedLineEnd(std::string_view text, size_t begin, int width, const LineMeasure& measure) {
  size_t fitting = std::string_view::npos;
  for (size_t i = begin; i <= text.size(); ++i) {
    bool wordEnd = i == text.size() || (i > begin && IsBlank(text[i]) && !IsBlank(text[i - 1]));
    if (!wordEnd) continue;
    if (measure.Width(text.substr(begin, i - begin)) > width) return fitting != std::string_view::npos ? fitting : i;
    fitting = i;
  }
  return text.size();
}

int AlignedX(int lineWidth, int boxWidth, unsigned format) {
  if (format & DT_CENTER) return (boxWidth - lineWidth) / 2;
  if (format & DT_RIGHT) return boxWidth - lineWidth;
  return 0;
}

TextLine MakeLine(const ShownText& shown, size_t begin, size_t end, const LineMeasure& measure) {
  std::string_view line = std::string_view(shown.chars).substr(begin, end - begin);
  TextLine made{0, 0, measure.Width(line), measure.Pieces(line), {}};
  for (size_t mark : shown.marked) {
    if (mark < begin || mark >= end) continue;
    int x = measure.Width(line.substr(0, mark - begin));
    made.underlines.push_back({x, measure.Width(line.substr(0, mark - begin + 1)) - x});
  }
  return made;
}

// The lines one paragraph makes, broken at words when `wrapWidth` is given.
void AddParagraphLines(const ShownText& shown, const LineMeasure& measure, const int* wrapWidth,
                       std::vector<TextLine>& lines) {
  std::string_view chars = shown.chars;
  size_t begin = 0;
  do {
    size_t end = wrapWidth ? WrappedLineEnd(chars, begin, *wrapWidth, measure) : chars.size();
    lines.push_back(MakeLine(shown, begin, end, measure));
    begin = end;
    while (begin < chars.size() && IsBlank(chars[begin])) ++begin;
  } while (begin < chars.size());
}

}  // namespace

std::vector<std::string_view> SplitParagraphs(std::string_view text) {
  std::vector<std::string_view> paragraphs;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    paragraphs.push_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) paragraphs.push_back(text.substr(start));
  return paragraphs;
}

TextLayout LayoutText(std::string_view text, Size box, unsigned format, const TextMeasure& measure) {
  const bool singleLine = format & DT_SINGLELINE;
  const LineMeasure lineMeasure(measure, format & DT_EXPANDTABS);
  const int* wrapWidth = (format & DT_WORDBREAK) && !singleLine ? &box.cx : nullptr;
  TextLayout layout;
  const std::vector<std::string_view> paragraphs = singleLine ? std::vector{text} : SplitParagraphs(text);
  for (std::string_view paragraph : paragraphs) {
    AddParagraphLines(TakeOutPrefixes(paragraph, format & DT_NOPREFIX), lineMeasure, wrapWidth, layout.lines);
  }
  int y = 0;
  if (singleLine && (format & DT_VCENTER)) {
    y = (box.cy - measure.lineHeight) / 2;
  } else if (singleLine && (format & DT_BOTTOM)) {
    y = box.cy - measure.lineHeight;
  }
  for (TextLine& line : layout.lines) {
    line.x = AlignedX(line.width, box.cx, format);
    line.y = y;
    y += measure.lineHeight;
    layout.extent.cx = std::max(layout.extent.cx, line.width);
  }
  layout.extent.cy = static_cast<int>(layout.lines.size()) * measure.lineHeight;
  layout.drawnBottom = layout.lines.empty() ? 0 : y;
  return layout;
}

}  // namespace qor::ui
