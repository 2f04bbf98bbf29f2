// The pieces of start-up and shutdown that can be checked inside one process.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "runtime/base/fatal_hooks.h"
#include "runtime/base/flags.h"
#include "runtime/base/module_list.h"
#include "runtime/base/ui_service.h"
#include "runtime/startup/initialisers.h"
#include "runtime/startup/shutdown.h"

namespace qor::rt {
namespace {

std::string trail;
void Note(const char* what) { trail += what; }
void One(int32_t) { Note("1"); }
void Two(int32_t) { Note("2"); }
void Three(int32_t) { Note("3"); }
void Four(int32_t) { Note("4"); }

TEST(InitialiserOrderTest, HighestPriorityFirstAndEqualOnesInTableOrder) {
  const InitRecord records[] = {{5, One}, {255, Two}, {5, Three}, {16, Four}, {16, nullptr}};
  EXPECT_EQ(StartOrder(records), (std::vector<InitRoutine>{Two, Four, One, Three}));
  trail.clear();
  RunStartRoutines(ModuleDescriptor{records});
  EXPECT_EQ(trail, "2413");
  EXPECT_TRUE(StartOrder({}).empty());
}

TEST(ModuleListTest, NewestFirstAndUnlinkedByDescriptor) {
  ModuleDescriptor first, second;
  os::ModuleHandle a = os::CreateModule("a"), b = os::CreateModule("b");
  LoadedModule* before = LoadedModules();
  RegisterModule(first, a);
  RegisterModule(second, b);
  ASSERT_EQ(LoadedModules()->descriptor, &second);
  EXPECT_EQ(LoadedModules()->instance, b);
  EXPECT_EQ(LoadedModules()->next->descriptor, &first);
  EXPECT_EQ(second.previous, LoadedModules()->next);
  EXPECT_EQ(first.previous, before);
  EXPECT_TRUE(UnregisterModule(first));
  EXPECT_FALSE(UnregisterModule(first));
  EXPECT_EQ(LoadedModules()->next, before);
  EXPECT_TRUE(UnregisterModule(second));
  EXPECT_EQ(LoadedModules(), before);
}

TEST(ModuleListTest, FirstRegistrationFixesTheResourceInstance) {
  SetResourceInstance(nullptr);  // as before anything registered
  EXPECT_EQ(ResourceInstance(), os::ExecutableModule());
  ModuleDescriptor first, second;
  RegisterModule(first, nullptr);
  EXPECT_EQ(LoadedModules()->instance, os::ExecutableModule());
  RegisterModule(second, os::CreateModule("later"));
  EXPECT_EQ(ResourceInstance(), os::ExecutableModule());
  UnregisterModule(second);
  UnregisterModule(first);
  os::ModuleHandle chosen = os::CreateModule("chosen");
  SetResourceInstance(chosen);
  EXPECT_EQ(ResourceInstance(), chosen);
  SetResourceInstance(nullptr);
}

class RecordingDisplay : public UiService {
 public:
  bool display = true;
  std::string seen;
  bool HasDisplay() const override { return display; }
  uint32_t ShowBox(const BoxRequest& r) override {
    seen = std::string(r.title) + "|" + std::string(r.text);
    return kBoxYes;
  }
};

TEST(UiServiceTest, TheTextGoesToStandardErrorAndToTheBoxWhenThereIsADisplay) {
  BoxRequest request{"box text", "Title", BoxIcon::Stop, kBoxYes | kBoxNo, kBoxNo};
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowRuntimeBox(request, "console text"), kBoxNo);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Title: console text\n");

  RecordingDisplay display;
  InstallUiService(&display);
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowRuntimeBox(request, "console text"), kBoxYes);
  EXPECT_EQ(display.seen, "Title|box text");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Title: console text\n");  // and the box shows
  display.display = false;
  display.seen.clear();
  testing::internal::CaptureStderr();
  EXPECT_EQ(ShowRuntimeBox(request, "console text"), kBoxNo);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Title: console text\n");
  EXPECT_EQ(display.seen, "");
  InstallUiService(nullptr);
}

// Shutdown and closing files change the process for good: each runs in a child.
void CloseFile(void* file) { Note(static_cast<const char*>(file)); }
void CloseAllHookNote() { Note("hook "); }
void StepWindows() { Note(RuntimeActive() ? "windows " : "late "); }
void StepThreads() { Note("threads "); }
void StepTimer() { Note(RuntimeActive() ? "early " : "timer "); }
void StepClasses() { Note("classes "); }

[[noreturn]] void ShutdownAndReport() {
  trail.clear();
  static char f1[] = "f1 ", f2[] = "f2 ", f3[] = "f3 ";
  SetShutdownRoutine(ShutdownStep::ReleaseClasses, StepClasses);
  SetShutdownRoutine(ShutdownStep::StopTimer, StepTimer);
  SetShutdownRoutine(ShutdownStep::ReleaseThreads, StepThreads);
  SetShutdownRoutine(ShutdownStep::CloseWindows, StepWindows);
  SetCloseAllHook(CloseAllHookNote);
  TrackOpenFile(f1, CloseFile);
  TrackOpenFile(f2, CloseFile);
  TrackOpenFile(f3, CloseFile);
  UntrackOpenFile(f2);
  Shutdown();
  CloseAllFiles();  // once only
  std::fprintf(stderr, "%s", trail.c_str());
  std::_Exit(RuntimeActive() ? 1 : 0);
}

TEST(ShutdownDeathTest, RunsTheStepsInOrderThenClosesFilesNewestFirst) {
  EXPECT_EXIT(ShutdownAndReport(), testing::ExitedWithCode(0),
              "^windows threads timer classes hook f3 f1 $");
}

TEST(RuntimeFlagsTest, ActiveFromTheStartAndNotHalted) {
  EXPECT_TRUE(RuntimeActive());
  EXPECT_FALSE(Halted());
}

TEST(RuntimeFlagsTest, TheFlagWordStartsAtZeroWithEverySettingOff) {
  EXPECT_EQ(RuntimeFlagWord(), 0u);
  SetRuntimeFlagWord(kNewLookFlag | kAlternativeCaptionFlag);
  EXPECT_EQ(RuntimeFlagWord(), 0x0Au);
  SetRuntimeFlagWord(0);
}

}  // namespace
}  // namespace qor::rt
