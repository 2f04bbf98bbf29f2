#include "runtime/environment/environment_file.h"

#include <vector>

#include "os/file.h"
#include "os/module.h"
#include "runtime/base/error_state.h"
#include "runtime/environment/environment_settings.h"
#include "runtime/locale/case_tables.h"

namespace qor::rt {
namespace {

constexpr uint8_t kCtrlZ = 0x1A;
constexpr uint8_t kCR = 0x0D;
constexpr uint8_t kLF = 0x0A;
constexpr int kLargestEscape = 255;

// Walks the bytes of an environment file.
class EnvironmentScanner {
 public:
  explicit EnvironmentScanner(std::string_view bytes) : bytes_(bytes) {}

  bool AtEnd() const { return pos_ >= bytes_.size() || Peek() == kCtrlZ; }
  uint8_t Peek() const { return static_cast<uint8_t>(bytes_[pos_]); }
  bool AtLineEnd() const { return AtEnd() || Peek() == kCR || Peek() == kLF; }

  void SkipLineBreaks() {
    while (!AtEnd() && (Peek() == kCR || Peek() == kLF)) ++pos_;
  }

  void SkipRestOfLine() {
    while (!AtLineEnd()) ++pos_;
  }

  // Collects a name; true when it ends in "=" (which is consumed).
  bool ReadName(std::string& name) {
    name.clear();
    while (!AtEnd()) {
      uint8_t c = Peek();
      if (c < 0x20) return false;
      ++pos_;
      if (c == '=') return true;
      if (c != ' ' && name.size() < kEnvironmentNameLimit) name += static_cast<char>(c);
    }
    return false;
  }

  std::string ReadValue() {
    std::string value;
    while (!AtLineEnd()) {
      uint8_t c = Peek();
      ++pos_;
      if (c == '<') {
        AppendEscape(value);
      } else {
        Append(value, static_cast<char>(c));
      }
    }
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
    return value;
  }

 private:
  static void Append(std::string& value, char c) {
    if (value.size() < kEnvironmentValueLimit) value += c;
  }

  // After a "<": "<<" is one "<"; "<" and digits is the character of that code, the
  // character ending the digits dropped; a code above 255 has no character and
  // stays as written; a "<" before anything else stays with it.
  void AppendEscape(std::string& value) {
    if (AtLineEnd()) {
      Append(value, '<');
      return;
    }
    if (Peek() == '<') {
      ++pos_;
      Append(value, '<');
      return;
    }
    size_t digitsStart = pos_;
    int code = 0;
    while (!AtLineEnd() && Peek() >= '0' && Peek() <= '9') {
      if (code <= kLargestEscape) code = code * 10 + (Peek() - '0');
      ++pos_;
    }
    if (pos_ == digitsStart) {
      Append(value, '<');
      return;
    }
    size_t end = AtLineEnd() ? pos_ : pos_ + 1;  // the ending character goes with it
    if (code > kLargestEscape) {
      Append(value, '<');
      for (size_t i = digitsStart; i < end; ++i) Append(value, bytes_[i]);
    } else {
      Append(value, static_cast<char>(code));
    }
    pos_ = end;
  }

  std::string_view bytes_;
  size_t pos_ = 0;
};

constexpr int32_t kInvalidDataFile = 36;

bool ReadWholeEnvironment(const std::string& path, std::string& bytes) {
  os::InputFile file;
  if (!file.Open(path)) {
    SetError(file.LastError() ? file.LastError() : os::kErrorFileNotFound);
    return false;
  }
  if (file.Size() > static_cast<int64_t>(kEnvironmentFileLimit)) {
    SetError(kInvalidDataFile);
    return false;
  }
  std::vector<char> buffer(kEnvironmentReadBuffer);
  for (;;) {
    std::ptrdiff_t n = file.Read(buffer.data(), buffer.size());
    if (n <= 0) break;  // a failed read counts as the end of the file
    bytes.append(buffer.data(), static_cast<size_t>(n));
    if (bytes.size() > kEnvironmentFileLimit) {  // grew while it was read
      bytes.clear();
      SetError(kInvalidDataFile);
      return false;
    }
  }
  return true;
}

}  // namespace

void ParseEnvironmentText(std::string_view bytes,
                          const std::function<void(const std::string& name, const std::string& value)>& apply) {
  EnvironmentScanner scanner(bytes);
  std::string name;
  while (!scanner.AtEnd()) {
    scanner.SkipLineBreaks();
    if (scanner.AtEnd()) break;
    if (scanner.ReadName(name)) {
      std::string value = scanner.ReadValue();
      apply(name, value);
    }
    scanner.SkipRestOfLine();
  }
}

bool ReadEnvironment(std::string_view fileName, const EnvironmentObserver& observer) {
  ClearError();
  if (fileName.empty()) return false;
  if (UpperText(fileName) == "WINDOWS") {
    ApplyPlatformEnvironment(observer);
    return true;
  }
  std::string bytes;
  if (!ReadWholeEnvironment(std::string(fileName), bytes)) return false;
  EnvironmentReader reader(observer);
  ParseEnvironmentText(bytes, [&reader](const std::string& name, const std::string& value) {
    reader.Apply(name, value);
  });
  return true;
}

std::string EnvironmentFileFor(std::string_view executablePath) {
  size_t slash = executablePath.rfind('/');
  size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
  size_t dot = executablePath.rfind('.');
  std::string_view stem = executablePath;
  if (dot != std::string_view::npos && dot >= nameStart) stem = executablePath.substr(0, dot);
  return std::string(stem) + ".ENV";
}

void ReadStartupEnvironment() {
  ReadEnvironment(EnvironmentFileFor(os::ExecutablePath()));
  ClearError();
}

}  // namespace qor::rt
