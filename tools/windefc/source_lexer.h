#pragma once
// Tokens of the readable window-definition source: words, numbers, quoted strings and
// braces. "#" starts a comment that runs to the end of the line (outside strings).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor::tool::windefc {

enum class TokenKind { kWord, kNumber, kString, kOpen, kClose, kEnd };

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string text;     // the word, the string's contents, or the number as written
  double number = 0;    // kNumber: its value
  bool integral = true; // kNumber: written without a fraction or exponent
  int line = 0;
};

struct LexResult {
  std::vector<Token> tokens;  // ends with a kEnd token
  std::string error;          // empty when the text was read completely
  int errorLine = 0;
};

LexResult Tokenize(std::string_view source);

// A string as the source writes it: quoted, with \" \\ \t \n and \xHH escapes.
std::string QuoteString(std::string_view text);

}  // namespace qor::tool::windefc
