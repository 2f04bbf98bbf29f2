#include "app/driver/script_reader.h"

#include <functional>
#include <map>
#include <vector>

#include "app/driver/key_names.h"
#include "app/driver/output_escape.h"
#include "app/driver/script_text.h"

namespace qor::app::drv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string Quoted(std::string_view word) { return "\"" + EscapeOutput(word) + "\""; }

// The words of a line, up to a word starting "#".
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t at = 0;
  while (at < text.size()) {
    while (at < text.size() && IsBlank(text[at])) ++at;
    size_t end = at;
    while (end < text.size() && !IsBlank(text[end])) ++end;
    if (end == at) break;
    std::string_view word = text.substr(at, end - at);
    if (word[0] == '#') break;
    words.push_back(word);
    at = end;
  }
  return words;
}

// The arguments of one command, taken in order; the first failure is kept.
class Arguments {
 public:
  Arguments(std::string_view command, std::vector<std::string_view> words, const ControlSets& controls)
      : command_(command), words_(std::move(words)), controls_(controls) {}

  std::optional<std::string_view> Word(const char* what) {
    if (next_ >= words_.size()) return Fail(std::string("missing ") + what), std::nullopt;
    return words_[next_++];
  }

  // A plain decimal number in low..high.
  std::optional<uint32_t> Number(const char* what, uint64_t low, uint64_t high) {
    std::optional<std::string_view> word = Word(what);
    if (!word) return std::nullopt;
    uint64_t value = 0;
    for (char c : *word) {
      if (c < '0' || c > '9') return Fail(Quoted(*word) + " is not a number"), std::nullopt;
      value = value > high ? value : value * 10 + static_cast<uint64_t>(c - '0');
    }
    if (value < low || value > high) {
      return Fail(std::string(what) + " " + std::string(*word) + " is out of range " + std::to_string(low) + ".." +
                  std::to_string(high)),
             std::nullopt;
    }
    return static_cast<uint32_t>(value);
  }

  std::optional<int32_t> Control(const std::set<int32_t>& kind, const char* kindName) {
    std::optional<uint32_t> number = Number("control number", 0, static_cast<uint64_t>(controls_.lastControl));
    if (!number) return std::nullopt;
    if (!kind.count(static_cast<int32_t>(*number))) {
      return Fail("control " + std::to_string(*number) + " is not " + kindName), std::nullopt;
    }
    return static_cast<int32_t>(*number);
  }

  std::optional<int32_t> AnyControl(uint32_t lowest) {
    std::optional<uint32_t> number = Number("control number", lowest, static_cast<uint64_t>(controls_.lastControl));
    if (!number) return std::nullopt;
    return static_cast<int32_t>(*number);
  }

  bool More() const { return next_ < words_.size(); }
  bool End() {
    if (!More()) return true;
    return Fail("unexpected " + Quoted(words_[next_]));
  }
  bool Fail(const std::string& message) {
    if (error_.empty()) error_ = std::string(command_) + ": " + message;
    return false;
  }
  const std::string& Error() const { return error_; }
  const ControlSets& Controls() const { return controls_; }

 private:
  std::string_view command_;
  std::vector<std::string_view> words_;
  size_t next_ = 0;
  const ControlSets& controls_;
  std::string error_;
};

using Parser = std::function<bool(Arguments&, Command&)>;

bool ParsePngFile(Arguments& args, Command& command) {
  std::optional<std::string_view> file = args.Word("file name");
  if (!file) return false;
  if (!file->ends_with(".png")) return args.Fail(Quoted(*file) + " does not end in .png");
  command.text = std::string(*file);
  return args.End();
}

bool ParseProperty(Arguments& args, Command& command) {
  std::optional<std::string_view> word = args.Word("property number");
  if (!word) return false;
  std::string_view digits = *word;
  if (digits.starts_with("0x") || digits.starts_with("0X")) digits.remove_prefix(2);
  bool valid = !digits.empty() && digits.size() <= 4;
  uint32_t value = 0;
  for (char c : digits) {
    int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
    valid = valid && digit >= 0;
    value = value * 16 + static_cast<uint32_t>(digit < 0 ? 0 : digit);
  }
  if (!valid) return args.Fail(Quoted(*word) + " is not a property number (1 to 4 hex digits)");
  command.property = value;
  return true;
}

bool ParseSpin(Arguments& args, Command& command) {
  std::optional<int32_t> control = args.Control(args.Controls().spins, "a spin box");
  if (!control) return false;
  command.control = *control;
  std::optional<std::string_view> arrow = args.Word("up or down");
  if (!arrow) return false;
  if (*arrow != "up" && *arrow != "down") return args.Fail("expected up or down, not " + Quoted(*arrow));
  command.up = *arrow == "up";
  if (args.More()) {
    std::optional<uint32_t> count = args.Number("click count", 1, kMostSpinClicks);
    if (!count) return false;
    command.count = *count;
  }
  return args.End();
}

const std::map<std::string_view, std::pair<CommandKind, Parser>>& Parsers() {
  auto button = [](Arguments& a, Command& c) {
    std::optional<int32_t> n = a.Control(a.Controls().buttons, "a button");
    return n && (c.control = *n, true);
  };
  auto anyFrom = [](uint32_t lowest) {
    return [lowest](Arguments& a, Command& c) {
      std::optional<int32_t> n = a.AnyControl(lowest);
      return n && (c.control = *n, a.End());
    };
  };
  auto time = [](Arguments& a, Command& c) {
    std::optional<uint32_t> ms = a.Number("time", 0, kLongestWait);
    return ms && (c.milliseconds = *ms, a.End());
  };
  static const std::map<std::string_view, std::pair<CommandKind, Parser>> parsers = {
      {"press", {CommandKind::Press, [=](Arguments& a, Command& c) { return button(a, c) && a.End(); }}},
      {"hold", {CommandKind::Hold, [=](Arguments& a, Command& c) { return button(a, c) && time(a, c); }}},
      {"spin", {CommandKind::Spin, ParseSpin}},
      {"key", {CommandKind::Key,
               [](Arguments& a, Command& c) {
                 std::optional<std::string_view> name = a.Word("key name");
                 if (!name) return false;
                 std::optional<KeyChord> key = ParseKeyName(*name);
                 if (!key) return a.Fail("unknown key name " + Quoted(*name));
                 c.key = *key;
                 return a.End();
               }}},
      {"wait", {CommandKind::Wait, time}},
      {"read", {CommandKind::Read, anyFrom(0)}},
      {"tip", {CommandKind::Tip, anyFrom(1)}},
      {"color", {CommandKind::Color, anyFrom(1)}},
      {"prop", {CommandKind::Prop,
                [](Arguments& a, Command& c) {
                  std::optional<int32_t> n = a.AnyControl(0);
                  return n && (c.control = *n, ParseProperty(a, c)) && a.End();
                }}},
      {"focus", {CommandKind::Focus, [](Arguments& a, Command&) { return a.End(); }}},
      {"state", {CommandKind::State, [](Arguments& a, Command&) { return a.End(); }}},
      {"heap", {CommandKind::Heap, [](Arguments& a, Command&) { return a.End(); }}},
      {"shot", {CommandKind::Shot, ParsePngFile}},
      {"shown", {CommandKind::Shown, ParsePngFile}},
      {"close", {CommandKind::Close, [](Arguments& a, Command&) { return a.End(); }}},
  };
  return parsers;
}

// `type N TEXT`: no comments; TEXT is the rest of the line after one separator.
bool ParseType(std::string_view rest, const ControlSets& controls, Command& command, std::string& error) {
  size_t at = 0;
  while (at < rest.size() && IsBlank(rest[at])) ++at;
  size_t end = at;
  while (end < rest.size() && !IsBlank(rest[end])) ++end;
  std::vector<std::string_view> words;
  if (end > at) words.push_back(rest.substr(at, end - at));
  Arguments args("type", words, controls);
  std::optional<int32_t> control = args.Control(controls.entries, "an entry or spin box");
  if (!control) return error = args.Error(), false;
  command.control = *control;
  std::string_view text = end < rest.size() ? rest.substr(end + 1) : std::string_view{};
  std::string textError;
  std::optional<std::string> bytes = DecodeScriptText(text, &textError);
  if (!bytes) return error = "type: " + textError, false;
  command.text = std::move(*bytes);
  return true;
}

// One non-empty, non-comment line: its command, or false with `error`.
bool ParseLine(std::string_view line, const ControlSets& controls, Command& command, std::string& error) {
  size_t end = 0;
  while (end < line.size() && !IsBlank(line[end])) ++end;
  std::string_view name = line.substr(0, end);
  if (name == "type") {
    command.kind = CommandKind::Type;
    return ParseType(line.substr(end), controls, command, error);
  }
  auto found = Parsers().find(name);
  if (found == Parsers().end()) return error = "unknown command " + Quoted(name), false;
  command.kind = found->second.first;
  Arguments args(name, Words(line.substr(end)), controls);
  if (!found->second.second(args, command)) return error = args.Error(), false;
  return true;
}

}  // namespace

ScriptReading ReadScript(std::string_view name, std::string_view text, const ControlSets& controls) {
  ScriptReading reading;
  Script script;
  script.name = std::string(name);
  int lineNumber = 0;
  bool closed = false;
  size_t at = 0;
  while (at < text.size()) {
    size_t end = text.find('\n', at);
    bool ended = end != std::string_view::npos;
    std::string_view line = text.substr(at, (ended ? end : text.size()) - at);
    at = ended ? end + 1 : text.size();
    ++lineNumber;
    if (ended && line.ends_with('\r')) line.remove_suffix(1);
    while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
    if (line.empty() || line.front() == '#') continue;
    Command command;
    command.line = lineNumber;
    std::string error = closed ? "nothing may follow close" : "";
    if (error.empty()) ParseLine(line, controls, command, error);
    if (!error.empty()) {
      reading.error = ScriptError{lineNumber, error};
      return reading;
    }
    closed = command.kind == CommandKind::Close;
    script.commands.push_back(std::move(command));
  }
  reading.script = std::move(script);
  return reading;
}

const char* CommandName(CommandKind kind) {
  if (kind == CommandKind::Type) return "type";
  for (const auto& [name, parser] : Parsers()) {
    if (parser.first == kind) return name.data();
  }
  return "?";
}

std::string ScriptErrorLine(std::string_view name, const ScriptError& error) {
  return "kzt_asm: " + std::string(name) + ":" + std::to_string(error.line) + ": " + error.message;
}

}  // namespace qor::app::drv
