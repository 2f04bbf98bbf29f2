#include "tools/windefc/source_lexer.h"

#include <cctype>
#include <cstdlib>

namespace qor::tool::windefc {
namespace {

bool IsWordChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

class Lexer {
 public:
  explicit Lexer(std::string_view source) : source_(source) {}

  LexResult Run() {
    while (result_.error.empty()) {
      SkipBlanksAndComments();
      if (pos_ >= source_.size()) break;
      char c = source_[pos_];
      if (c == '{' || c == '}') {
        Push(c == '{' ? TokenKind::kOpen : TokenKind::kClose, std::string(1, c));
        ++pos_;
      } else if (c == '"') {
        ReadString();
      } else if (c == '-' || c == '+' || std::isdigit(static_cast<unsigned char>(c))) {
        ReadNumber();
      } else if (IsWordChar(c)) {
        size_t start = pos_;
        while (pos_ < source_.size() && IsWordChar(source_[pos_])) ++pos_;
        Push(TokenKind::kWord, std::string(source_.substr(start, pos_ - start)));
      } else {
        Fail(std::string("unexpected character '") + c + "'");
      }
    }
    Push(TokenKind::kEnd, "end of file");
    return std::move(result_);
  }

 private:
  void SkipBlanksAndComments() {
    while (pos_ < source_.size()) {
      char c = source_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == '#') {
        while (pos_ < source_.size() && source_[pos_] != '\n') ++pos_;
      } else if (std::isspace(static_cast<unsigned char>(c))) {
        ++pos_;
      } else {
        return;
      }
    }
  }

  void ReadString() {
    std::string text;
    ++pos_;
    while (pos_ < source_.size() && source_[pos_] != '"') {
      char c = source_[pos_++];
      if (c == '\n') return Fail("string runs past the end of the line");
      if (c != '\\') {
        text += c;
        continue;
      }
      if (pos_ >= source_.size()) break;
      char escape = source_[pos_++];
      if (escape == '"' || escape == '\\') {
        text += escape;
      } else if (escape == 'n') {
        text += '\n';
      } else if (escape == 't') {
        text += '\t';
      } else if (escape == 'x' && pos_ + 1 < source_.size() && HexValue(source_[pos_]) >= 0 &&
                 HexValue(source_[pos_ + 1]) >= 0) {
        int value = HexValue(source_[pos_]) * 16 + HexValue(source_[pos_ + 1]);
        if (value == 0) return Fail("a string cannot hold a NUL");
        text += static_cast<char>(value);
        pos_ += 2;
      } else {
        return Fail(std::string("unknown escape \\") + escape);
      }
    }
    if (pos_ >= source_.size()) return Fail("string without its closing quote");
    ++pos_;
    Push(TokenKind::kString, std::move(text));
  }

  void ReadNumber() {
    size_t start = pos_;
    if (source_[pos_] == '-' || source_[pos_] == '+') ++pos_;
    while (pos_ < source_.size() && (IsWordChar(source_[pos_]) || source_[pos_] == '.' || IsExponentSign(start))) ++pos_;
    std::string text(source_.substr(start, pos_ - start));
    Token token{TokenKind::kNumber, text, 0, true, line_};
    std::string digits = text[0] == '-' || text[0] == '+' ? text.substr(1) : text;
    bool negative = text[0] == '-';
    char* end = nullptr;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
      token.number = static_cast<double>(std::strtoull(digits.c_str() + 2, &end, 16));
      if (digits.size() > 18) end = nullptr;  // more than 64 bits
    } else {
      token.number = std::strtod(digits.c_str(), &end);
      token.integral = digits.find_first_of(".eE") == std::string::npos;
    }
    if (digits.empty() || !std::isdigit(static_cast<unsigned char>(digits[0])) || !end || *end != '\0')
      return Fail("bad number " + text);
    if (negative) token.number = -token.number;
    result_.tokens.push_back(std::move(token));
  }

  // A sign right after the "e" of a decimal number's exponent, as in 1e+300.
  bool IsExponentSign(size_t start) const {
    char c = source_[pos_];
    if ((c != '+' && c != '-') || pos_ == start) return false;
    char before = source_[pos_ - 1];
    std::string_view soFar = source_.substr(start, pos_ - start);
    return (before == 'e' || before == 'E') && soFar.find_first_of("xX") == std::string_view::npos;
  }

  void Push(TokenKind kind, std::string text) { result_.tokens.push_back({kind, std::move(text), 0, true, line_}); }

  void Fail(std::string message) {
    result_.error = std::move(message);
    result_.errorLine = line_;
  }

  std::string_view source_;
  size_t pos_ = 0;
  int line_ = 1;
  LexResult result_;
};

}  // namespace

LexResult Tokenize(std::string_view source) {
  return Lexer(source).Run();
}

std::string QuoteString(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (byte < 0x20 || byte >= 0x7F) {
      out += "\\x";
      out += kHex[byte >> 4];
      out += kHex[byte & 15];
    } else {
      out += c;
    }
  }
  return out + "\"";
}

}  // namespace qor::tool::windefc
