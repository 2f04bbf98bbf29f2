// The script reader: what a script may say, read into commands, and one table of the
// scripts it refuses with the line and message it reports.
#include <gtest/gtest.h>

#include "app/driver/control_sets.h"
#include "app/driver/script_reader.h"
#include "window/platform/core/keys.h"

namespace qor::app::drv {
namespace {

ScriptReading Read(std::string_view text) { return ReadScript("s.txt", text, TesterControlSets()); }

std::vector<Command> Commands(std::string_view text) {
  ScriptReading reading = Read(text);
  EXPECT_TRUE(reading.script) << ScriptErrorLine("s.txt", reading.error);
  return reading.script ? reading.script->commands : std::vector<Command>{};
}

TEST(ControlSets, ComeFromTheStoredWindow) {
  const ControlSets& sets = TesterControlSets();
  EXPECT_EQ(sets.buttons.size(), 63u);
  EXPECT_EQ(sets.entries.size(), 32u);
  EXPECT_EQ(sets.spins, (std::set<int32_t>{10, 21, 54, 64, 66, 92, 100, 103}));
  EXPECT_EQ(sets.lastControl, 121);
  EXPECT_TRUE(sets.buttons.count(31) && sets.buttons.count(50));  // inside group box 30
}

TEST(ScriptReader, ReadsEveryCommandWithItsArguments) {
  std::vector<Command> commands = Commands(
      "press 81\n"
      "hold 67 350\n"
      "spin 92 up\n"
      "spin 64 down 12\n"
      "key ctrl+SHIFT+tab\n"
      "wait 0\n"
      "read 0\n"
      "tip 121\n"
      "color 62\n"
      "prop 62 0x7c12\n"
      "prop 0 7C86\n"
      "focus\n"
      "state\n"
      "shot out/a.png\n"
      "shown b.png\n"
      "close\n");
  ASSERT_EQ(commands.size(), 16u);
  EXPECT_EQ(commands[0].kind, CommandKind::Press);
  EXPECT_EQ(commands[0].control, 81);
  EXPECT_EQ(commands[1].milliseconds, 350u);
  EXPECT_TRUE(commands[2].up);
  EXPECT_EQ(commands[2].count, 1u);
  EXPECT_FALSE(commands[3].up);
  EXPECT_EQ(commands[3].count, 12u);
  EXPECT_EQ(commands[4].key, (KeyChord{ui::VK_TAB, true, true, false}));
  EXPECT_EQ(commands[9].property, 0x7C12u);
  EXPECT_EQ(commands[10].property, 0x7C86u);
  EXPECT_EQ(commands[13].text, "out/a.png");
  EXPECT_EQ(commands[15].kind, CommandKind::Close);
  EXPECT_EQ(commands[15].line, 16);
}

TEST(ScriptReader, SkipsBlanksCommentsAndCarriageReturnsAndCountsEveryLine) {
  std::vector<Command> commands = Commands("# first\r\n\r\n   \t\n\t  press   6 \t # zero\r\nwait 5");  // no LF at the end
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].line, 4);
  EXPECT_EQ(commands[0].control, 6);
  EXPECT_EQ(commands[1].line, 5);
  EXPECT_EQ(commands[1].milliseconds, 5u);
}

TEST(ScriptReader, TypeTakesTheRestOfTheLineAsCodePageText) {
  std::vector<Command> commands = Commands(
      "type 94 a # b  \n"        // no comment inside type; trailing blanks kept
      "type 95\n"                 // empty: deletes the selection
      "type 10  12\n"             // one separator: the second blank is typed
      "type 94 \\\\x\\x41\\xff\n" // escapes
      "type 94 \xE2\x82\xAC\xC3\xA9\r\n");  // euro sign and e acute, CR dropped
  ASSERT_EQ(commands.size(), 5u);
  EXPECT_EQ(commands[0].text, "a # b  ");
  EXPECT_EQ(commands[1].text, "");
  EXPECT_EQ(commands[2].text, " 12");
  EXPECT_EQ(commands[3].text, "\\xA\xFF");
  EXPECT_EQ(commands[4].text, "\x80\xE9");
}

TEST(ScriptReader, KeyNamesTakeModifiersInAnyOrderAndAnyCase) {
  std::vector<Command> commands = Commands("key F12\nkey alt+f4\nkey Shift+Ctrl+Alt+pagedown\nkey 7\nkey q\n");
  ASSERT_EQ(commands.size(), 5u);
  EXPECT_EQ(commands[0].key, (KeyChord{ui::VK_F12, false, false, false}));
  EXPECT_EQ(commands[1].key, (KeyChord{ui::VK_F4, false, false, true}));
  EXPECT_EQ(commands[2].key, (KeyChord{ui::VK_NEXT, true, true, true}));
  EXPECT_EQ(commands[3].key.keyCode, static_cast<uint32_t>('7'));
  EXPECT_EQ(commands[4].key.keyCode, static_cast<uint32_t>('Q'));
}

TEST(ScriptReader, AnEmptyScriptHasNoCommands) {
  EXPECT_TRUE(Commands("").empty());
  EXPECT_TRUE(Commands("# only a comment\n\n").empty());
}

struct Refusal {
  const char* script;
  int line;
  const char* message;
};

TEST(ScriptReader, RefusesWithTheLineAndWhatIsWrong) {
  const Refusal refusals[] = {
      {"frob 1\n", 1, "unknown command \"frob\""},
      {"Press 6\n", 1, "unknown command \"Press\""},
      {"\n\npress\n", 3, "press: missing control number"},
      {"press 10\n", 1, "press: control 10 is not a button"},
      {"press 122\n", 1, "press: control number 122 is out of range 0..121"},
      {"press +6\n", 1, "press: \"+6\" is not a number"},
      {"press 6 7\n", 1, "press: unexpected \"7\""},
      {"read 10#x\n", 1, "read: \"10#x\" is not a number"},
      {"hold 6\n", 1, "hold: missing time"},
      {"hold 6 86400001\n", 1, "hold: time 86400001 is out of range 0..86400000"},
      {"wait 99999999999999999999999\n", 1, "wait: time 99999999999999999999999 is out of range 0..86400000"},
      {"wait -1\n", 1, "wait: \"-1\" is not a number"},
      {"spin 94 up\n", 1, "spin: control 94 is not a spin box"},
      {"spin 92 sideways\n", 1, "spin: expected up or down, not \"sideways\""},
      {"spin 92 up 0\n", 1, "spin: click count 0 is out of range 1..1000"},
      {"spin 92 up 1001\n", 1, "spin: click count 1001 is out of range 1..1000"},
      {"type 81 x\n", 1, "type: control 81 is not an entry or spin box"},
      {"type\n", 1, "type: missing control number"},
      {"type 94 a\\b\n", 1, "type: bad escape (\\\\ or \\xHH with HH 20 to FF)"},
      {"type 94 \\x1F\n", 1, "type: bad escape (\\\\ or \\xHH with HH 20 to FF)"},
      {"type 94 \\x4\n", 1, "type: bad escape (\\\\ or \\xHH with HH 20 to FF)"},
      {"type 94 \xC4\x80\n", 1, "type: character U+0100 is not in code page 1252"},
      {"type 94 a\tb\n", 1, "type: character U+0009 is not in code page 1252"},
      {"type 94 \xC2\x81\n", 1, "type: character U+0081 is not in code page 1252"},
      {"type 94 \xC3\n", 1, "type: the text is not valid UTF-8"},
      {"type 94 \xC0\xAF\n", 1, "type: the text is not valid UTF-8"},  // overlong "/"
      {"key\n", 1, "key: missing key name"},
      {"key Ctrl+\n", 1, "key: unknown key name \"Ctrl+\""},
      {"key Shift+Shift+A\n", 1, "key: unknown key name \"Shift+Shift+A\""},
      {"key F13\n", 1, "key: unknown key name \"F13\""},
      {"key Win+A\n", 1, "key: unknown key name \"Win+A\""},
      {"tip 0\n", 1, "tip: control number 0 is out of range 1..121"},
      {"color 0\n", 1, "color: control number 0 is out of range 1..121"},
      {"prop 62\n", 1, "prop: missing property number"},
      {"prop 62 0x12345\n", 1, "prop: \"0x12345\" is not a property number (1 to 4 hex digits)"},
      {"prop 62 0x\n", 1, "prop: \"0x\" is not a property number (1 to 4 hex digits)"},
      {"prop 62 7g\n", 1, "prop: \"7g\" is not a property number (1 to 4 hex digits)"},
      {"focus 1\n", 1, "focus: unexpected \"1\""},
      {"shot\n", 1, "shot: missing file name"},
      {"shot a.jpg\n", 1, "shot: \"a.jpg\" does not end in .png"},
      {"shown a.PNG\n", 1, "shown: \"a.PNG\" does not end in .png"},
      {"close\n# fine\n\nwait 1\n", 4, "nothing may follow close"},
      {"press 6\x01\n", 1, "press: \"6\\x01\" is not a number"},
  };
  for (const Refusal& refusal : refusals) {
    SCOPED_TRACE(refusal.script);
    ScriptReading reading = Read(refusal.script);
    ASSERT_FALSE(reading.script);
    EXPECT_EQ(reading.error.line, refusal.line);
    EXPECT_EQ(reading.error.message, refusal.message);
  }
}

TEST(ScriptReader, ReportsInTheProgramsErrorForm) {
  EXPECT_EQ(ScriptErrorLine("-", ScriptError{7, "wait: missing time"}), "kzt_asm: -:7: wait: missing time");
}

}  // namespace
}  // namespace qor::app::drv
