#include "tools/windefc/source_parser.h"

#include <cmath>
#include <set>
#include <utility>

#include "tools/windefc/source_lexer.h"

namespace qor::tool::windefc {
namespace {

using win::ControlRecord;
using win::RecordLayout;
using win::WindowRecord;

unsigned Bit(RecordLayout layout) {
  return 1u << static_cast<unsigned>(layout);
}

// Where each control attribute may be given.
const unsigned kTextKinds = Bit(RecordLayout::kText) | Bit(RecordLayout::kString);
const unsigned kButtonKinds = Bit(RecordLayout::kButton) | Bit(RecordLayout::kGroup);
const unsigned kFieldKinds = Bit(RecordLayout::kEntry) | Bit(RecordLayout::kCheck) | Bit(RecordLayout::kList) |
                             Bit(RecordLayout::kSpin);
const unsigned kAllKinds = kTextKinds | kButtonKinds | kFieldKinds | Bit(RecordLayout::kOther);

class ParseFailure {
 public:
  int line;
  std::string message;
};

class Parser {
 public:
  explicit Parser(std::vector<Token> tokens) : tokens_(std::move(tokens)) {}

  win::WindowDefinition Definition() {
    win::WindowDefinition definition;
    ExpectWord("definition");
    definition.qualifiedName = ReadString("the qualified name");
    if (definition.qualifiedName.empty()) Fail("the qualified name is empty");
    std::set<std::string> labels;
    while (Peek().kind != TokenKind::kEnd) {
      ExpectWord("window");
      int line = Peek().line;
      definition.windows.push_back(Window());
      if (!labels.insert(definition.windows.back().label).second)
        Fail(line, "a second window labelled " + definition.windows.back().label);
    }
    if (definition.windows.empty()) Fail("a definition holds at least one window");
    return definition;
  }

 private:
  const Token& Peek() const { return tokens_[pos_]; }
  const Token& Next() { return tokens_[pos_ < tokens_.size() - 1 ? pos_++ : pos_]; }

  [[noreturn]] void Fail(int line, std::string message) { throw ParseFailure{line, std::move(message)}; }
  [[noreturn]] void Fail(std::string message) { Fail(Peek().line, std::move(message)); }

  void ExpectWord(std::string_view word) {
    const Token& token = Next();
    if (token.kind != TokenKind::kWord || token.text != word)
      Fail(token.line, "expected " + std::string(word) + ", found " + token.text);
  }

  std::string ReadString(std::string_view what) {
    const Token& token = Next();
    if (token.kind != TokenKind::kString) Fail(token.line, "expected " + std::string(what) + " in quotes");
    return token.text;
  }

  double ReadReal(std::string_view what) {
    const Token& token = Next();
    if (token.kind != TokenKind::kNumber) Fail(token.line, "expected a number for " + std::string(what));
    return token.number;
  }

  long long ReadInteger(std::string_view what, long long low, long long high) {
    const Token& token = Next();
    if (token.kind != TokenKind::kNumber || !token.integral)
      Fail(token.line, "expected a whole number for " + std::string(what));
    if (token.number < static_cast<double>(low) || token.number > static_cast<double>(high))
      Fail(token.line, std::string(what) + " " + token.text + " is out of range");
    return static_cast<long long>(token.number);
  }

  // 32-bit words: either signed or unsigned spelling is taken, as in 0x80000000 or -1.
  uint32_t ReadWord(std::string_view what) {
    return static_cast<uint32_t>(ReadInteger(what, INT32_MIN, UINT32_MAX));
  }

  int32_t ReadCoordinate(std::string_view what) {
    if (Peek().kind == TokenKind::kWord && Peek().text == "auto") {
      Next();
      return win::layout::kNotGiven;
    }
    return static_cast<int32_t>(ReadWord(what));
  }

  win::FontRecord Font() {
    win::FontRecord font;
    font.face = ReadString("the typeface");
    while (Peek().kind == TokenKind::kWord) {
      const std::string& word = Peek().text;
      if (word == "points") {
        Next();
        font.points = static_cast<int32_t>(ReadWord("points"));
      } else if (word == "colour") {
        Next();
        font.colour = ReadWord("colour");
      } else if (word == "style") {
        Next();
        font.style = static_cast<int32_t>(ReadWord("style"));
      } else {
        break;
      }
    }
    return font;
  }

  // Attributes a window and its controls share; false when `word` is none of them.
  template <typename Record>
  bool CommonAttribute(const std::string& word, Record& record) {
    if (word == "at") {
      record.at.x = ReadCoordinate("x");
      record.at.y = ReadCoordinate("y");
    } else if (word == "size") {
      record.at.width = ReadCoordinate("width");
      record.at.height = ReadCoordinate("height");
    } else if (word == "flags") {
      record.flags = ReadWord("flags");
    } else if (word == "font") {
      record.font = Font();
    } else if (word == "item") {
      record.entries.push_back(ReadWord("item"));
    } else if (word == "cursor") {
      record.cursor = ReadString("the cursor name");
    } else {
      return false;
    }
    return true;
  }

  WindowRecord Window() {
    WindowRecord window;
    window.label = ReadString("the window label");
    if (window.label.empty()) Fail("the window label is empty");
    while (Peek().kind == TokenKind::kWord) {
      const Token& token = Next();
      if (CommonAttribute(token.text, window)) continue;
      if (token.text == "title") {
        window.title = ReadString("the title");
      } else if (token.text == "icon") {
        window.icon = ReadString("the icon name");
      } else if (token.text == "flags2") {
        window.flags2 = ReadWord("flags2");
      } else if (token.text == "timer") {
        window.timer = ReadWord("timer");
      } else {
        Fail(token.line, "a window has no attribute " + token.text);
      }
    }
    window.controls = ControlList();
    std::set<int32_t> numbers;
    CheckNumbers(window.controls, numbers);
    return window;
  }

  std::vector<ControlRecord> ControlList() {
    if (Next().kind != TokenKind::kOpen) Fail(tokens_[pos_ - 1].line, "expected {");
    std::vector<ControlRecord> controls;
    while (Peek().kind != TokenKind::kClose) {
      if (Peek().kind == TokenKind::kEnd) Fail("missing }");
      controls.push_back(Control());
    }
    Next();
    return controls;
  }

  ControlRecord Control() {
    const Token& kindToken = Next();
    std::optional<uint8_t> type;
    if (kindToken.kind == TokenKind::kWord) type = win::KindType(kindToken.text);
    if (!type || *type == win::layout::kTypeWindow) Fail(kindToken.line, "expected a control kind, found " + kindToken.text);
    ControlRecord control;
    control.type = *type;
    control.number = static_cast<int32_t>(ReadInteger("the field number", INT32_MIN, INT32_MAX));
    if (control.number == 0) Fail(kindToken.line, "field number 0 is the window itself");
    RecordLayout layout = *win::LayoutOf(control.type);
    bool numericGiven = false;
    while (Peek().kind == TokenKind::kWord && !win::KindType(Peek().text)) {
      const Token& token = Next();
      if (token.text == "numeric") numericGiven = true;
      ControlAttribute(token, layout, control);
    }
    if (win::ShowsVariable(layout) && !control.use)
      Fail(kindToken.line, kindToken.text + " " + std::to_string(control.number) + " needs a use variable");
    if (!numericGiven && layout != RecordLayout::kList) control.numeric = DefaultNumericWord(control);
    if (Peek().kind == TokenKind::kOpen) {
      if (layout != RecordLayout::kGroup) Fail("only a group holds other controls");
      control.children = ControlList();
    }
    return control;
  }

  void Allow(const Token& token, RecordLayout layout, unsigned allowed) {
    if (!(allowed & Bit(layout))) Fail(token.line, "a control of this kind has no attribute " + token.text);
  }

  void ControlAttribute(const Token& token, RecordLayout layout, ControlRecord& control) {
    const std::string& word = token.text;
    if (word == "at" || word == "size" || word == "flags") {
      Allow(token, layout, kAllKinds);
    } else if (word == "font" || word == "cursor") {
      Allow(token, layout, kAllKinds & ~Bit(RecordLayout::kOther));
    } else if (word == "item") {
      Allow(token, layout, kButtonKinds | kFieldKinds);
    }
    if (CommonAttribute(word, control)) return;
    if (word == "text") {
      Allow(token, layout, kTextKinds | kButtonKinds | Bit(RecordLayout::kCheck));
      control.text = ReadString("the text");
    } else if (word == "further") {
      Allow(token, layout, kTextKinds | kButtonKinds | kFieldKinds);
      control.further = ReadString("the further text");
    } else if (word == "alt" || word == "tip" || word == "second") {
      Allow(token, layout, kButtonKinds | kFieldKinds);
      (word == "alt" ? control.altText : word == "tip" ? control.help : control.second) = ReadString(word);
    } else if (word == "value") {
      Allow(token, layout, kButtonKinds | kFieldKinds);
      control.value = ReadWord("value");
    } else {
      FieldAttribute(token, layout, control);
    }
  }

  void FieldAttribute(const Token& token, RecordLayout layout, ControlRecord& control) {
    const std::string& word = token.text;
    if (word == "use") {
      Allow(token, layout, kFieldKinds);
      control.use = Use();
    } else if (word == "picture") {
      Allow(token, layout, kFieldKinds & ~Bit(RecordLayout::kCheck));
      control.picture = ReadString("the picture");
    } else if (word == "numeric") {
      Allow(token, layout, kFieldKinds & ~Bit(RecordLayout::kList));
      control.numeric = ReadWord("numeric");
    } else if (word == "dropdown") {
      Allow(token, layout, Bit(RecordLayout::kList));
      control.dropForm = static_cast<uint8_t>(ReadInteger("dropdown", 0, 255));
    } else if (word == "range") {
      Allow(token, layout, Bit(RecordLayout::kSpin));
      control.low = ReadReal("the range");
      control.high = ReadReal("the range");
    } else if (word == "step") {
      Allow(token, layout, Bit(RecordLayout::kSpin));
      control.step = ReadReal("the step");
    } else if (word == "angle") {
      Allow(token, layout, Bit(RecordLayout::kString));
      control.angle = static_cast<int16_t>(ReadInteger("angle", INT16_MIN, INT16_MAX));
    } else {
      ButtonAttribute(token, layout, control);
    }
  }

  void ButtonAttribute(const Token& token, RecordLayout layout, ControlRecord& control) {
    const std::string& word = token.text;
    if (word != "icon" && word != "buttonflags" && word != "iconplace" && word != "delay" && word != "repeat")
      Fail(token.line, "unknown attribute " + word);
    Allow(token, layout, Bit(RecordLayout::kButton));
    if (word == "icon") {
      control.icon = ReadString("the icon name");
    } else if (word == "buttonflags") {
      control.buttonFlags = ReadWord("buttonflags");
    } else if (word == "iconplace") {
      control.iconPlacement = static_cast<uint8_t>(ReadInteger("iconplace", 0, 255));
    } else if (word == "delay") {
      control.repeatDelay = static_cast<uint16_t>(ReadInteger("delay", 0, UINT16_MAX));
    } else {
      control.repeatInterval = static_cast<uint16_t>(ReadInteger("repeat", 0, UINT16_MAX));
    }
  }

  win::UseDescriptor Use() {
    static const std::pair<const char*, uint8_t> kTypeNames[] = {
        {"byte", 1}, {"long", 6}, {"ulong", 7}, {"string", 18}};
    win::UseDescriptor use;
    if (Peek().kind == TokenKind::kWord) {
      const Token& token = Next();
      bool known = false;
      for (const auto& [name, code] : kTypeNames)
        if (token.text == name) use.typeCode = code, known = true;
      if (!known) Fail(token.line, "unknown variable type " + token.text);
    } else {
      use.typeCode = static_cast<uint8_t>(ReadInteger("the type code", 1, 255));
    }
    use.byteSize = static_cast<uint32_t>(ReadInteger("the variable size", 1, UINT32_MAX));
    return use;
  }

  void CheckNumbers(const std::vector<ControlRecord>& controls, std::set<int32_t>& numbers) {
    for (const ControlRecord& control : controls) {
      if (!numbers.insert(control.number).second)
        Fail(tokens_[pos_ - 1].line, "field number " + std::to_string(control.number) + " is used twice");
      CheckNumbers(control.children, numbers);
    }
  }

  std::vector<Token> tokens_;
  size_t pos_ = 0;
};

}  // namespace

uint32_t DefaultNumericWord(const win::ControlRecord& control) {
  return control.use && control.use->typeCode < 18 ? 1 : 0;
}

ParseResult ParseDefinitionSource(std::string_view source) {
  LexResult lexed = Tokenize(source);
  if (!lexed.error.empty()) return {std::nullopt, lexed.error, lexed.errorLine};
  try {
    return {Parser(std::move(lexed.tokens)).Definition(), {}, 0};
  } catch (const ParseFailure& failure) {
    return {std::nullopt, failure.message, failure.line};
  }
}

}  // namespace qor::tool::windefc
