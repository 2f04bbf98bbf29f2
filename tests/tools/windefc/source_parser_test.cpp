#include "tools/windefc/source_parser.h"

#include <gtest/gtest.h>

#include "tools/windefc/source_lexer.h"
#include "tools/windefc/source_writer.h"
#include "window/definition/layout.h"

namespace qor::tool::windefc {
namespace {

namespace L = win::layout;

win::WindowDefinition Parse(std::string_view source) {
  ParseResult result = ParseDefinitionSource(source);
  EXPECT_TRUE(result.definition.has_value()) << "line " << result.errorLine << ": " << result.error;
  return result.definition.value_or(win::WindowDefinition{});
}

// The line and message of a source that must be refused.
std::pair<int, std::string> Refused(std::string_view source) {
  ParseResult result = ParseDefinitionSource(source);
  EXPECT_FALSE(result.definition.has_value());
  return {result.errorLine, result.error};
}

TEST(DefinitionSource, ReadsWindowAndControls) {
  win::WindowDefinition definition = Parse(R"(
    definition "kzt_asm$KZT_A001"   # a comment
    window "P1$WINDOW" flags 0x800 size 531 295 font "Arial" points 8 timer 500 flags2 0x3040
        title "Someone's \"Tester\"" item 7 {
      prompt 1 at 206 13 text "Hihgest BYTE to lowest BYTE"
      string 87 at -7 83 size 25 90 font "" points 11 colour 0xFF0000 style 700 angle 900 text "x"
      spin 10 at 87 26 size 54 10 use ulong 4 picture "n_10" range -9999999999 9999999999 step 0.5
      entry 16 flags 0x24 use string 11 picture "s11"
      group 30 at 86 52 size 438 14 text "Number" {
        button 31 at 87 54 size 17 10 flags 0x4000 text "0" tip "t" icon "A.ICO" buttonflags 0x10
            iconplace 1 delay 20 repeat 10 alt "~" second "s" further "f" value 3 item 1 item 2 cursor "C"
      }
      list 5 use string 40 dropdown 1
      check 6 use byte 1 text "&Keep" numeric 0
      type5 7 at 1 2 size 3 4
    })");
  EXPECT_EQ(definition.qualifiedName, "kzt_asm$KZT_A001");
  ASSERT_EQ(definition.windows.size(), 1u);
  const win::WindowRecord& window = definition.windows[0];
  EXPECT_EQ(window.flags, 0x800u);
  EXPECT_EQ(window.at, (win::Placement{L::kNotGiven, L::kNotGiven, 531, 295}));
  EXPECT_EQ(window.font, (win::FontRecord{"Arial", 8, L::kDefaultColour, L::kDefaultStyle}));
  EXPECT_EQ(window.title, "Someone's \"Tester\"");
  EXPECT_EQ(window.entries, std::vector<uint32_t>{7});
  ASSERT_EQ(window.controls.size(), 8u);
  EXPECT_EQ(window.controls[0].at, (win::Placement{206, 13, L::kNotGiven, L::kNotGiven}));
  EXPECT_EQ(window.controls[1].font, (win::FontRecord{"", 11, 0xFF0000, 700}));
  EXPECT_EQ(window.controls[1].angle, 900);
  const win::ControlRecord& spin = window.controls[2];
  EXPECT_EQ(spin.use, (win::UseDescriptor{7, 4}));
  EXPECT_EQ(spin.low, -9999999999.0);
  EXPECT_EQ(spin.step, 0.5);
  EXPECT_EQ(spin.numeric, 1u);                 // a numeric variable
  EXPECT_EQ(window.controls[3].numeric, 0u);   // a string
  const win::ControlRecord& button = window.controls[4].children.at(0);
  EXPECT_EQ(button.help, "t");
  EXPECT_EQ(button.buttonFlags, 0x10u);
  EXPECT_EQ(button.repeatDelay, 20);
  EXPECT_EQ(button.repeatInterval, 10);
  EXPECT_EQ(button.entries, (std::vector<uint32_t>{1, 2}));
  EXPECT_EQ(window.controls[5].dropForm, 1);
  EXPECT_EQ(window.controls[6].numeric, 0u);   // given, against the default
  EXPECT_EQ(window.controls[7].type, 5);
}

TEST(DefinitionSource, WriterOutputReadsBackToTheSameRecords) {
  win::WindowDefinition definition = Parse(R"(
    definition "QFX"
    window "A" title "T" cursor "C" icon "I" at 1 auto {
      entry 1000 use 22 7 picture "s7" numeric 5 font "Courier New" tip "a\\b\tc\x01"
      spin 2 use long 4 range 0.25 1e300
      drop 3 use string 2
      custom 4 text "Cls" further "param"
      panel 5 text "p" font "" style 400
    }
    window "B" {
    })");
  for (bool offsets : {false, true}) {
    std::string written = WriteDefinitionSource(definition, offsets);
    EXPECT_EQ(Parse(written), definition) << written;
  }
}

TEST(DefinitionSource, ErrorsNameTheirLine) {
  EXPECT_EQ(Refused("definition \"x\"\nwindow \"W\" {\n  prompt 1 range 1 2\n}").first, 3);
  EXPECT_EQ(Refused("definition \"x\"\nwindow \"W\" {\n  entry 1 picture \"s1\"\n}").first, 3);
  EXPECT_EQ(Refused("definition \"x\"\nwindow \"W\" {\n  prompt 1\n  prompt 1\n}").second,
            "field number 1 is used twice");
  EXPECT_EQ(Refused("definition \"x\"\n\n\nwindow \"W\" {\n  prompt 1 text \"open\n}").first, 5);
  EXPECT_EQ(Refused("definition \"x\"\nwindow \"W\" {\n  widget 1\n}").first, 3);
}

TEST(DefinitionSource, RefusesWhatCannotBeStored) {
  const char* kBad[] = {
      "",                                                          // no definition
      "definition \"x\"",                                          // no window
      "definition \"\" window \"W\" {}",                           // empty name
      "definition \"x\" window \"\" {}",                           // empty label
      "definition \"x\" window \"W\" {} window \"W\" {}",          // label twice
      "definition \"x\" window \"W\" { prompt 0 }",                // 0 is the window
      "definition \"x\" window \"W\" { button 1 { } }",            // only groups hold controls
      "definition \"x\" window \"W\" { group 1 { prompt 1 } }",    // number twice across levels
      "definition \"x\" window \"W\" { prompt 1 at 1 2147483648 }",// beyond 32 bits signed... as a word
      "definition \"x\" window \"W\" { prompt 1 at 1 4294967296 }",// beyond 32 bits
      "definition \"x\" window \"W\" { button 1 delay 65536 }",    // beyond 16 bits
      "definition \"x\" window \"W\" { string 1 angle 1.5 }",      // not whole
      "definition \"x\" window \"W\" { entry 1 use float 4 }",     // unknown type name
      "definition \"x\" window \"W\" { prompt 1 text \"a\\x00b\" }",// a NUL in a string
      "definition \"x\" window \"W\" { prompt 1 text \"a\\qb\" }", // unknown escape
      "definition \"x\" window \"W\" { prompt 1 at 1x 2 }",        // bad number
      "definition \"x\" window \"W\" { prompt 1 ",                 // no closing brace
      "definition \"x\" window \"W\" { type9 1 }",                 // a button has its own name
      "definition \"x\" window \"W\" { window 1 }",                // windows do not nest
      "definition \"x\" window \"W\" timer { }",                   // a value is missing
      "definition \"x\" window \"W\" { prompt 1 } extra",          // text after the last window
  };
  for (const char* source : kBad) {
    SCOPED_TRACE(source);
    ParseResult result = ParseDefinitionSource(source);
    if (std::string_view(source).find("2147483648") != std::string_view::npos) {
      // 0x80000000 is a legal word: "not given" spelled as a number.
      EXPECT_TRUE(result.definition.has_value());
      continue;
    }
    EXPECT_FALSE(result.definition.has_value());
    EXPECT_FALSE(result.error.empty());
  }
}

TEST(DefinitionSource, QuotingRoundTripsEveryByteButNul) {
  std::string text;
  for (int c = 1; c < 256; ++c) text += static_cast<char>(c);
  LexResult lexed = Tokenize(QuoteString(text));
  ASSERT_TRUE(lexed.error.empty()) << lexed.error;
  ASSERT_EQ(lexed.tokens.size(), 2u);
  EXPECT_EQ(lexed.tokens[0].kind, TokenKind::kString);
  EXPECT_EQ(lexed.tokens[0].text, text);
}

}  // namespace
}  // namespace qor::tool::windefc
