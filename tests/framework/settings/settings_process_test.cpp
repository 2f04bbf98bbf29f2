// Writers in real processes: one killed just before its rename, and two writing at
// once under the directory lock.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "framework/settings/settings_store.h"
#include "tests/framework/settings/settings_fixture.h"

namespace qor::fw::testing {
namespace {

void KillSelf() { raise(SIGKILL); }

template <typename Body>
pid_t Fork(Body body) {
  pid_t pid = fork();
  if (pid == 0) {
    body();
    _exit(0);
  }
  return pid;
}

int WaitFor(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return status;
}

TEST_F(SettingsTest, WriteKilledBeforeTheRenameLeavesTheOldFileWhole) {
  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  ASSERT_TRUE(settings.Put("S", "kept", "old"));
  const std::string before = ReadFile(DefaultPath());
  const std::string temporary = root_ + "/.config/kzt_asm/.kzt_asm.INI.tmp";

  int status = WaitFor(Fork([&] {
    SetSettingsBeforeRenameHook(KillSelf);
    settings.Put("S", "kept", "new");
  }));
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(WTERMSIG(status), SIGKILL);
  EXPECT_EQ(ReadFile(DefaultPath()), before);
  EXPECT_EQ(ReadFile(temporary), "[S]\nkept=new\n") << "the killed write got as far as its temporary file";

  EXPECT_EQ(settings.Get("S", "kept", ""), "old");
  ASSERT_TRUE(settings.Put("S", "other", "1"));
  EXPECT_FALSE(std::filesystem::exists(temporary)) << "the next write removes what a crash left";
  EXPECT_EQ(ReadFile(DefaultPath()), "[S]\nkept=old\nother=1\n");
}

TEST_F(SettingsTest, TwoProcessesPutting200KeysEachKeepAll400) {
  auto writer = [&](char tag) {
    return Fork([tag] {
      SettingsFile settings;
      settings.Init("kzt_asm.INI");
      for (int i = 0; i < 200; ++i)
        if (!settings.Put(std::string("P") + tag, "key" + std::to_string(i), std::to_string(i))) _exit(1);
    });
  };
  pid_t first = writer('a');
  pid_t second = writer('b');
  EXPECT_EQ(WaitFor(first), 0);
  EXPECT_EQ(WaitFor(second), 0);

  SettingsFile settings;
  settings.Init("kzt_asm.INI");
  int found = 0;
  for (char tag : {'a', 'b'})
    for (int i = 0; i < 200; ++i)
      found += settings.Get(std::string("P") + tag, "key" + std::to_string(i), "") == std::to_string(i);
  EXPECT_EQ(found, 400);
}

}  // namespace
}  // namespace qor::fw::testing
