#include "tools/windefc/source_writer.h"

#include <cmath>
#include <cstdio>

#include "tools/windefc/source_lexer.h"
#include "tools/windefc/source_parser.h"

namespace qor::tool::windefc {
namespace {

using win::ControlRecord;
using win::RecordLayout;
namespace L = win::layout;

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%X", value);
  return text;
}

std::string Real(double value) {
  char text[40];
  if (value == std::floor(value) && std::fabs(value) < 1e15)
    std::snprintf(text, sizeof text, "%.0f", value);
  else
    std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string Coordinate(int32_t value) {
  return value == L::kNotGiven ? "auto" : std::to_string(value);
}

class Writer {
 public:
  explicit Writer(bool withOffsets) : withOffsets_(withOffsets) {}

  std::string Definition(const win::WindowDefinition& definition) {
    out_ = "definition " + QuoteString(definition.qualifiedName) + "\n";
    for (const win::WindowRecord& window : definition.windows) Window(window);
    return out_;
  }

 private:
  void Word(const std::string& text) { out_ += " " + text; }
  void Text(const char* name, const std::string& text) {
    if (!text.empty()) Word(std::string(name) + " " + QuoteString(text));
  }
  void Number(const char* name, uint32_t value, bool hex = false) {
    if (value != 0) Word(std::string(name) + " " + (hex ? Hex(value) : std::to_string(value)));
  }
  void Continue(int indent) { out_ += "\n" + std::string(indent + 4, ' '); }
  void Offset(uint32_t at, int indent) {
    if (withOffsets_) out_ += std::string(indent, ' ') + "# record at buffer offset " + std::to_string(at) + "\n";
  }

  void Placement(const win::Placement& at) {
    if (at.x != L::kNotGiven || at.y != L::kNotGiven) Word("at " + Coordinate(at.x) + " " + Coordinate(at.y));
    if (at.width != L::kNotGiven || at.height != L::kNotGiven)
      Word("size " + Coordinate(at.width) + " " + Coordinate(at.height));
  }

  void Font(const std::optional<win::FontRecord>& font) {
    if (!font) return;
    Text("font", font->face);
    if (font->face.empty()) Word("font \"\"");
    Number("points", static_cast<uint32_t>(font->points));
    if (font->colour != L::kDefaultColour) Word("colour " + Hex(font->colour));
    if (font->style != L::kDefaultStyle) Word("style " + std::to_string(font->style));
  }

  void Items(const std::vector<uint32_t>& items) {
    for (uint32_t item : items) Word("item " + std::to_string(item));
  }

  void Window(const win::WindowRecord& window) {
    out_ += "\n";
    Offset(window.offset.value, 0);
    out_ += "window " + QuoteString(window.label);
    Number("flags", window.flags, true);
    Placement(window.at);
    Font(window.font);
    Number("timer", window.timer);
    Number("flags2", window.flags2, true);
    Text("icon", window.icon);
    Text("cursor", window.cursor);
    Items(window.entries);
    if (!window.title.empty()) {
      Continue(0);
      out_ += "title " + QuoteString(window.title);
    }
    out_ += " {\n";
    Controls(window.controls, 2);
    out_ += "}\n";
  }

  void Controls(const std::vector<ControlRecord>& controls, int indent) {
    for (const ControlRecord& control : controls) Control(control, indent);
  }

  void Control(const ControlRecord& control, int indent) {
    RecordLayout layout = win::LayoutOf(control.type).value_or(RecordLayout::kOther);
    Offset(control.offset.value, indent);
    out_ += std::string(indent, ' ') + win::KindName(control.type) + " " + std::to_string(control.number);
    Placement(control.at);
    Number("flags", control.flags, true);
    if (control.use) Use(*control.use);
    Text("picture", control.picture);
    if (layout != RecordLayout::kList && control.numeric != DefaultNumericWord(control))
      Word("numeric " + std::to_string(control.numeric));
    Number("dropdown", control.dropForm);
    if (control.low != 0 || control.high != 0) Word("range " + Real(control.low) + " " + Real(control.high));
    if (control.step != 0) Word("step " + Real(control.step));
    Font(control.font);
    if (control.angle != 0) Word("angle " + std::to_string(control.angle));
    ButtonFields(control);
    Text("cursor", control.cursor);
    Number("value", control.value);
    Items(control.entries);
    Text("text", control.text);
    LongTexts(control, indent);
    if (control.type == L::kTypeGroup) {
      out_ += " {\n";
      Controls(control.children, indent + 2);
      out_ += std::string(indent, ' ') + "}";
    }
    out_ += "\n";
  }

  void ButtonFields(const ControlRecord& control) {
    Text("icon", control.icon);
    Number("buttonflags", control.buttonFlags, true);
    Number("iconplace", control.iconPlacement);
    Number("delay", control.repeatDelay);
    Number("repeat", control.repeatInterval);
  }

  // Texts that are usually long go on lines of their own.
  void LongTexts(const ControlRecord& control, int indent) {
    const std::pair<const char*, const std::string*> texts[] = {
        {"tip", &control.help}, {"alt", &control.altText}, {"second", &control.second}, {"further", &control.further}};
    for (const auto& [name, text] : texts) {
      if (text->empty()) continue;
      Continue(indent);
      out_ += std::string(name) + " " + QuoteString(*text);
    }
  }

  void Use(const win::UseDescriptor& use) {
    const char* name = use.typeCode == 1 ? "byte" : use.typeCode == 6 ? "long" : use.typeCode == 7 ? "ulong"
                     : use.typeCode == 18 ? "string" : nullptr;
    Word("use " + (name ? std::string(name) : std::to_string(use.typeCode)) + " " + std::to_string(use.byteSize));
  }

  bool withOffsets_;
  std::string out_;
};

}  // namespace

std::string WriteDefinitionSource(const win::WindowDefinition& definition, bool withOffsets) {
  return Writer(withOffsets).Definition(definition);
}

}  // namespace qor::tool::windefc
