#include "window/message_box/box_text.h"

#include <algorithm>

namespace qor::win {
namespace {

constexpr std::string_view kEllipsis = "...";
constexpr unsigned kLineFormat = ui::DT_SINGLELINE | ui::DT_EXPANDTABS | ui::DT_NOPREFIX;

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

class LineBreaker {
 public:
  LineBreaker(int width, const ui::TextMeasure& measure) : width_(width), measure_(measure) {}

  int Width(std::string_view line) const { return ui::LayoutText(line, {}, kLineFormat, measure_).extent.cx; }

  // Adds the lines of one paragraph.
  void Add(std::string_view paragraph, std::vector<std::string>& lines) const {
    size_t begin = 0;
    do {
      size_t end = LineEnd(paragraph, begin);
      lines.emplace_back(paragraph.substr(begin, end - begin));
      begin = end;
      while (begin < paragraph.size() && IsBlank(paragraph[begin])) ++begin;
    } while (begin < paragraph.size());
  }

  // Shortens a line until it fits with "..." after it.
  std::string WithEllipsis(std::string line) const {
    while (!line.empty() && Width(line + std::string(kEllipsis)) > width_) line.pop_back();
    return line + std::string(kEllipsis);
  }

 private:
  // After the last word that fits; inside the first word when even that one does not.
  size_t LineEnd(std::string_view text, size_t begin) const {
    size_t fitting = std::string_view::npos;
    for (size_t i = begin; i <= text.size(); ++i) {
      bool wordEnd = i == text.size() || (i > begin && IsBlank(text[i]) && !IsBlank(text[i - 1]));
      if (!wordEnd) continue;
      if (Width(text.substr(begin, i - begin)) > width_) {
        return fitting != std::string_view::npos ? fitting : FittingPart(text, begin, i);
      }
      fitting = i;
    }
    return text.size();
  }

  // The end of the longest start of text[begin, end) that fits (at least one character).
  size_t FittingPart(std::string_view text, size_t begin, size_t end) const {
    size_t fits = begin + 1;
    while (fits < end && Width(text.substr(begin, fits + 1 - begin)) <= width_) ++fits;
    return fits;
  }

  int width_;
  const ui::TextMeasure& measure_;
};

}  // namespace

std::string BoxText::Joined() const {
  std::string joined;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) joined += "\r\n";
    joined += lines[i];
  }
  return joined;
}

BoxText BreakBoxText(std::string_view text, int width, int maxLines, const ui::TextMeasure& measure) {
  LineBreaker breaker(std::max(width, 1), measure);
  BoxText box;
  for (std::string_view paragraph : ui::SplitParagraphs(text)) {
    breaker.Add(paragraph, box.lines);
    if (static_cast<int>(box.lines.size()) > maxLines) break;
  }
  if (maxLines > 0 && static_cast<int>(box.lines.size()) > maxLines) {
    box.lines.resize(static_cast<size_t>(maxLines));
    box.lines.back() = breaker.WithEllipsis(box.lines.back());
  }
  for (const std::string& line : box.lines) box.extent.cx = std::max(box.extent.cx, breaker.Width(line));
  box.extent.cy = static_cast<int>(box.lines.size()) * measure.lineHeight;
  return box;
}

}  // namespace qor::win
