// SettingsFile on real files: the name it records, where the file lives, round trips
// that keep untouched bytes, modes, and bad files and names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "framework/settings/settings_location.h"
#include "tests/framework/settings/settings_fixture.h"

namespace qor::fw::testing {
namespace {

TEST_F(SettingsTest, InitRecordsTheNameAsGivenCutTo259) {
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  EXPECT_EQ(settings.FileName(), "kzt_asm.INI");
  settings.Init("  name with blanks  ");
  EXPECT_EQ(settings.FileName(), "  name with blanks  ");
  settings.Init(std::string(300, 'n'));
  EXPECT_EQ(settings.FileName(), std::string(259, 'n'));
  settings.Init("");
  EXPECT_EQ(settings.FileName(), "");
}

TEST_F(SettingsTest, BareNameLivesUnderTheConfigurationHome) {
  SettingsFile settings;
  settings.Init("kzt_asm.INI   ");
  EXPECT_EQ(settings.Path(), DefaultPath());

  setenv("XDG_CONFIG_HOME", (root_ + "/xdg").c_str(), 1);
  EXPECT_EQ(settings.Path(), root_ + "/xdg/kzt_asm/kzt_asm.INI");
  setenv("XDG_CONFIG_HOME", "relative/xdg", 1);
  EXPECT_EQ(settings.Path(), DefaultPath());
  setenv("XDG_CONFIG_HOME", "", 1);
  EXPECT_EQ(settings.Path(), DefaultPath());

  settings.Init("noextension");
  EXPECT_EQ(settings.Path(), root_ + "/.config/noextension/noextension");
  settings.Init(".hidden");
  EXPECT_EQ(settings.Path(), root_ + "/.config/.hidden/.hidden");
}

TEST_F(SettingsTest, NameWithASlashIsAPath) {
  EXPECT_EQ(LocateSettingsFile("conf/app.ini").path, "conf/app.ini");
  EXPECT_EQ(LocateSettingsFile("/etc/app.ini ").path, "/etc/app.ini");
  EXPECT_EQ(LocateSettingsFile("/app.ini").directory, "/");
  EXPECT_EQ(LocateSettingsFile("/app.ini").path, "/app.ini");
  EXPECT_EQ(LocateSettingsFile("dir/").error, 90);
  EXPECT_EQ(LocateSettingsFile("   ").error, 90);
}

TEST_F(SettingsTest, NeitherInitNorAReadNorANoOpRemoveCreatesAnything) {
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  EXPECT_EQ(settings.Get("Window", "Left", "7"), "7");
  EXPECT_EQ(rt::ErrorCode(), 0);
  EXPECT_TRUE(settings.Remove("Window", "Left"));
  EXPECT_TRUE(settings.RemoveSection("Window"));
  EXPECT_FALSE(std::filesystem::exists(root_ + "/.config"));
}

TEST_F(SettingsTest, RoundTripCreatesPrivateDirectoriesAndFile) {
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  ASSERT_TRUE(settings.Put("Window", "Left", "10"));
  ASSERT_TRUE(settings.Put("Window", "Title", " padded "));
  ASSERT_TRUE(settings.Put("Other", "x", "1"));
  EXPECT_EQ(ReadFile(DefaultPath()), "[Window]\nLeft=10\nTitle=\" padded \"\n\n[Other]\nx=1\n");
  EXPECT_EQ(settings.Get("window", "title", ""), " padded ");
  EXPECT_EQ(ModeOf(root_ + "/.config"), 0700u);
  EXPECT_EQ(ModeOf(root_ + "/.config/kzt_asm"), 0700u);
  EXPECT_EQ(ModeOf(DefaultPath()), 0600u);
  EXPECT_FALSE(std::filesystem::exists(root_ + "/.config/kzt_asm/.kzt_asm.INI.tmp"));

  ASSERT_TRUE(settings.Remove("Window", "LEFT"));
  ASSERT_TRUE(settings.RemoveSection("other"));
  EXPECT_EQ(ReadFile(DefaultPath()), "[Window]\nTitle=\" padded \"\n\n");
}

TEST_F(SettingsTest, WritesKeepUntouchedBytesAndTheFilesMode) {
  const std::string original = "; hand-written\r\n[Window]\r\nLeft = 1 \r\n\r\n[Colours]\r\nText=\xff\x01\r\n";
  WriteFile(DefaultPath(), original);
  chmod(DefaultPath().c_str(), 0640);
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  ASSERT_TRUE(settings.Put("window", "left", "2"));
  EXPECT_EQ(ReadFile(DefaultPath()), "; hand-written\r\n[Window]\r\nLeft=2\r\n\r\n[Colours]\r\nText=\xff\x01\r\n");
  EXPECT_EQ(ModeOf(DefaultPath()), 0640u);
  EXPECT_EQ(settings.Get("Colours", "Text", ""), "\xff\x01");
}

TEST_F(SettingsTest, InvalidNamesAndValuesWriteNothingAndSet90) {
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  ASSERT_TRUE(settings.Put("S", "k", "v"));
  const std::string before = ReadFile(DefaultPath());
  EXPECT_FALSE(settings.Put("S", "k", ""));
  EXPECT_EQ(rt::ErrorCode(), 90);
  EXPECT_FALSE(settings.Put("S", "a=b", "v"));
  EXPECT_FALSE(settings.Put("S]", "k", "v"));
  EXPECT_FALSE(settings.Put("S", "k", "line\nbreak"));
  EXPECT_FALSE(settings.Put("S", std::string("k\0", 2), "v"));
  EXPECT_FALSE(settings.Put(" ", "k", "v"));
  EXPECT_FALSE(settings.Remove("S", ""));
  EXPECT_FALSE(settings.RemoveSection(""));
  EXPECT_EQ(rt::ErrorCode(), 90);
  EXPECT_EQ(settings.Get("S", "", "dflt"), "dflt");
  EXPECT_EQ(rt::ErrorCode(), 90);
  EXPECT_EQ(ReadFile(DefaultPath()), before);
  settings.Init("");
  EXPECT_EQ(settings.Get("S", "k", "d"), "d");
  EXPECT_EQ(rt::ErrorCode(), 90);
  EXPECT_FALSE(settings.Put("S", "k", "v"));
}

TEST_F(SettingsTest, OversizedFileGivesTheDefaultWith36AndIsNotRewritten) {
  std::string big = "[S]\nk=v\n" + std::string(1 << 20, ';');
  WriteFile(DefaultPath(), big);
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  EXPECT_EQ(settings.Get("S", "k", "d"), "d");
  EXPECT_EQ(rt::ErrorCode(), 36);
  EXPECT_EQ(rt::ErrorFileName(), DefaultPath());
  EXPECT_FALSE(settings.Put("S", "k", "w"));
  EXPECT_EQ(rt::ErrorCode(), 36);
  EXPECT_EQ(ReadFile(DefaultPath()), big);
}

TEST_F(SettingsTest, DirectoryInPlaceOfTheFileGives5) {
  std::filesystem::create_directories(DefaultPath());
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  EXPECT_EQ(settings.Get("S", "k", "d"), "d");
  EXPECT_EQ(rt::ErrorCode(), 5);
  EXPECT_FALSE(settings.Put("S", "k", "v"));
  EXPECT_EQ(rt::ErrorCode(), 5);
  EXPECT_TRUE(std::filesystem::is_directory(DefaultPath()));
}

TEST_F(SettingsTest, UnreadableFileGives5AndIsNotRewritten) {
  if (geteuid() == 0) GTEST_SKIP() << "mode 000 does not stop root";
  WriteFile(DefaultPath(), "[S]\nk=v\n");
  chmod(DefaultPath().c_str(), 0);
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  EXPECT_EQ(settings.Get("S", "k", "d"), "d");
  EXPECT_EQ(rt::ErrorCode(), 5);
  EXPECT_FALSE(settings.Put("S", "k", "w"));
  EXPECT_EQ(rt::ErrorCode(), 5);
  chmod(DefaultPath().c_str(), 0600);
  EXPECT_EQ(ReadFile(DefaultPath()), "[S]\nk=v\n");
}

TEST_F(SettingsTest, CorruptTextIsReadAroundAndKept) {
  const std::string corrupt = std::string("garbage\0bytes\n[S\nk=1\n[S]\n=novalue\nk=2\n\xfe\xff", 40);
  WriteFile(DefaultPath(), corrupt);
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  EXPECT_EQ(settings.Get("S", "k", "d"), "2");
  ASSERT_TRUE(settings.Put("S", "new", "3"));
  EXPECT_EQ(ReadFile(DefaultPath()), corrupt.substr(0, 38) + "new=3\n" + corrupt.substr(38));
}

}  // namespace
}  // namespace qor::fw::testing
