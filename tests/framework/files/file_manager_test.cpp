// FileManager against real files, with a scripted error manager that logs each call:
// every branch of OpenFile, lazy opens, snapshots, positions and inserts.
#include "framework/files/file_manager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "runtime/base/error_state.h"
#include "runtime/values/value_stack.h"
#include "tests/framework/files/file_test_support.h"

namespace qor::fw::testing {
namespace {

// Logs one line per call; Raise answers with the level scripted for the id (5 unless
// told otherwise).
class ScriptedErrors : public FileErrors {
 public:
  void SetFileName(std::string_view name) override { fileName = name; }
  void CaptureErrorState() override { log.push_back("capture " + std::to_string(rt::ErrorCode())); }
  uint8_t Raise(uint16_t id) override {
    log.push_back("raise " + std::to_string(id));
    return id == 2 ? 0 : 5;
  }
  std::string fileName;
  std::vector<std::string> log;
};

using Log = std::vector<std::string>;

class FileManagerTest : public FileDirectoryTest {
 protected:
  void TearDown() override {
    while (rt::StrCount() > 0) rt::StrDiscard();
    FileDirectoryTest::TearDown();
  }
  static void Put(DataFile& file, const std::string& record) {
    std::memcpy(file.Record().data(), record.data(), std::min(record.size(), file.Record().size()));
  }
  static std::string Record(DataFile& file) { return std::string(file.Record().begin(), file.Record().end()); }
  std::string PopText() {
    rt::CountedText text = rt::StrTextAtDepth(1);
    std::string out(text.text, static_cast<size_t>(text.length));
    rt::StrDiscard();
    return out;
  }

  ScriptedErrors errors_;
};

TEST_F(FileManagerTest, PlainOpenCountsAndGivesTheNameToTheErrorManager) {
  WriteFile(PathOf("p.dat"), "abcd");
  DataFile file(PathOf("p.dat"), 4);
  FileManager manager(file, errors_);
  EXPECT_EQ(manager.OpenFile(true, true, false), 0);
  EXPECT_EQ(errors_.fileName, PathOf("p.dat"));
  EXPECT_EQ(manager.CurrentThreadOpen().opened, 1);
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 1);
  EXPECT_EQ(manager.OpenFile(true, true, false), 0) << "counted, not opened again";
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 2);
  EXPECT_EQ(errors_.log, Log{});
}

TEST_F(FileManagerTest, MissingFileWithoutCreateRaises23OrReturns5) {
  DataFile file(PathOf("none.dat"), 4);
  FileManager manager(file, errors_);
  EXPECT_EQ(manager.OpenFile(false, true, false), 5);
  EXPECT_EQ(manager.OpenFile(true, true, false), 5);
  EXPECT_EQ(errors_.log, (Log{"capture 2", "capture 2", "raise 23"}));
  EXPECT_EQ(manager.CurrentThreadOpen().lastErrorId, 23);
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 0);
}

TEST_F(FileManagerTest, MissingFileIsCreatedWhenAsked) {
  DataFile file(PathOf("new.dat"), 4, {{0, 2}});
  FileManager manager(file, errors_);
  manager.createIfMissing = true;
  EXPECT_EQ(manager.OpenFile(true, true, false), 0);
  EXPECT_TRUE(file.IsOpen());
  EXPECT_TRUE(std::filesystem::exists(PathOf("new.dat.key")));
  EXPECT_EQ(errors_.log, Log{});
}

TEST_F(FileManagerTest, FailedCreateRaises10) {
  DataFile file(PathOf("no/such/dir.dat"), 4);
  FileManager manager(file, errors_);
  manager.createIfMissing = true;
  EXPECT_EQ(manager.OpenFile(true, true, false), 5);
  EXPECT_EQ(errors_.log, (Log{"capture 2", "raise 10"}));
  errors_.log.clear();
  EXPECT_EQ(manager.OpenFile(false, true, false), 5);
  EXPECT_EQ(errors_.log, (Log{"capture 2"}));
}

TEST_F(FileManagerTest, StaleKeyFileRaises27AndIsRebuilt) {
  WriteFile(PathOf("k.dat"), "b1a2");
  DataFile file(PathOf("k.dat"), 2, {{0, 1}});
  FileManager manager(file, errors_);
  EXPECT_EQ(manager.OpenFile(false, true, false), 5) << "without raising, no rebuild";
  EXPECT_EQ(manager.OpenFile(true, true, false), 0);
  EXPECT_EQ(errors_.log, (Log{"capture 46", "capture 46", "raise 27"}));
  EXPECT_TRUE(file.IsOpen());
}

TEST_F(FileManagerTest, KeysThatCannotBeBuiltRaise26) {
  WriteFile(PathOf("k.dat"), "b1a2");
  std::filesystem::create_directory(PathOf("k.dat.key"));
  DataFile file(PathOf("k.dat"), 2, {{0, 1}});
  FileManager manager(file, errors_);
  EXPECT_EQ(manager.OpenFile(true, true, false), 5);
  EXPECT_EQ(errors_.log, (Log{"capture 46", "raise 27", "raise 26"}));
}

TEST_F(FileManagerTest, OtherErrorsRaise23) {
  WriteFile(PathOf("odd.dat"), "abc");
  DataFile file(PathOf("odd.dat"), 2);
  FileManager manager(file, errors_);
  EXPECT_EQ(manager.OpenFile(true, true, false), 5);
  EXPECT_EQ(errors_.log, (Log{"capture 36", "raise 23"}));
}

TEST_F(FileManagerTest, ReadOnlyFileIsRetriedReadOnlyAfterMessage2) {
  WriteFile(PathOf("ro.dat"), "abcd");
  chmod(PathOf("ro.dat").c_str(), 0444);
  QOR_EXPECT_WITH_FILE_MODES({
    DataFile file(PathOf("ro.dat"), 4);
    ScriptedErrors errors;
    FileManager manager(file, errors);
    manager.openMode = 0x42;
    EXPECT_EQ(manager.OpenFile(true, true, false), 0);
    EXPECT_EQ(errors.log, Log{"raise 2"});
    EXPECT_EQ(manager.openMode, 0x40);
    EXPECT_TRUE(file.IsOpen());
  });
}

TEST_F(FileManagerTest, ReadOnlyAccessRefusedStopsAtOnce) {
  WriteFile(PathOf("none.dat"), "abcd");
  chmod(PathOf("none.dat").c_str(), 0);
  QOR_EXPECT_WITH_FILE_MODES({
    DataFile file(PathOf("none.dat"), 4);
    ScriptedErrors errors;
    FileManager manager(file, errors);
    manager.openMode = 0x40;
    EXPECT_EQ(manager.OpenFile(true, true, false), 5);
    EXPECT_EQ(errors.log, (Log{"capture 5", "raise 23"}));
  });
}

TEST_F(FileManagerTest, AnotherManagerOfAnOpenFileCountsItsOpen) {
  WriteFile(PathOf("s.dat"), "abcd");
  DataFile file(PathOf("s.dat"), 4);
  FileManager first(file, errors_), second(file, errors_);
  EXPECT_EQ(first.OpenFile(true, true, false), 0);
  EXPECT_EQ(second.OpenFile(true, true, false), 0) << "52, already open, counts as opened";
  EXPECT_EQ(second.CurrentThreadOpen().opened, 1);
  EXPECT_EQ(errors_.log, Log{});
}

TEST_F(FileManagerTest, LazyOpensOnlyCountUntilTheFileIsUsed) {
  WriteFile(PathOf("l.dat"), "abcd");
  DataFile file(PathOf("l.dat"), 4);
  FileManager manager(file, errors_);
  manager.lazyOpen = true;
  EXPECT_EQ(manager.OpenFile(true, true, false), 0);
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 1);
  Put(file, "keep");
  EXPECT_EQ(manager.UseFile(), 0);
  EXPECT_TRUE(file.IsOpen());
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 1) << "the real open is not counted";
  EXPECT_EQ(Record(file), "keep") << "the buffer survives the real open";
  EXPECT_EQ(manager.SnapshotRecords(), 0u);
}

TEST_F(FileManagerTest, LazyFileUsedBeforeAnyOpenRaises39) {
  DataFile file(PathOf("l.dat"), 4);
  FileManager manager(file, errors_);
  manager.lazyOpen = true;
  EXPECT_EQ(manager.UseFile(), 5);
  EXPECT_EQ(errors_.log, Log{"raise 39"});
}

TEST_F(FileManagerTest, OpenCountSaturatesInsteadOfWrapping) {
  WriteFile(PathOf("c.dat"), "abcd");
  DataFile file(PathOf("c.dat"), 4);
  FileManager manager(file, errors_);
  manager.lazyOpen = true;
  for (int i = 0; i < 70000; ++i) manager.OpenFile(true, true, false);
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 65535);
  EXPECT_EQ(manager.UseFile(), 0) << "no message 39 after many opens";
  EXPECT_EQ(errors_.log, Log{});
}

int32_t SecondThread() { return 2; }

TEST_F(FileManagerTest, FilesOpenedPerThreadKeepARecordForEachThread) {
  WriteFile(PathOf("t.dat"), "abcd");
  DataFile file(PathOf("t.dat"), 4);
  file.SetPerThread(true);
  FileManager manager(file, errors_);
  manager.lazyOpen = true;
  manager.OpenFile(true, true, false);
  FileManager::SetThreadNumberSource(SecondThread);
  manager.SelectThread();
  EXPECT_EQ(manager.CurrentThreadOpen().thread, 2);
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 0);
  FileManager::SetThreadNumberSource(nullptr);
  manager.SelectThread();
  EXPECT_EQ(manager.CurrentThreadOpen().openCount, 1);
}

TEST_F(FileManagerTest, SnapshotsWithTwoLargeObjectFields) {
  DataFile file(PathOf("lob.dat"), 4, {}, 2);
  FileManager manager(file, errors_);
  Put(file, "orig");
  file.LargeObjects() = {"memo one", "blob two"};
  uint16_t first = manager.TakeSnapshot();
  uint16_t second = manager.TakeSnapshot();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 4);
  EXPECT_TRUE(manager.BufferEqualsSnapshot(first));
  Put(file, "edit");
  file.LargeObjects()[1] = "changed";
  EXPECT_FALSE(manager.BufferEqualsSnapshot(first));
  manager.RestoreSnapshot(first, true);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(Record(file), "orig");
  EXPECT_EQ(file.LargeObjects()[1], "blob two");

  uint16_t zero = 0;
  manager.RestoreSnapshot(zero, true);
  uint16_t again = 1;
  Put(file, "edit");
  manager.RestoreSnapshot(again, true);
  EXPECT_EQ(Record(file), "edit") << "snapshot 1 was released: restoring it again changes nothing";
  EXPECT_FALSE(manager.BufferEqualsSnapshot(0));
  EXPECT_FALSE(manager.BufferEqualsSnapshot(1));
  manager.RestoreSnapshot(second, false);
  EXPECT_EQ(manager.SnapshotRecords(), 0u);
}

TEST_F(FileManagerTest, PositionsGoThroughTheValueStack) {
  DataFile file(PathOf("pos.dat"), 4);
  FileManager manager(file, errors_);
  manager.createIfMissing = true;
  ASSERT_EQ(manager.OpenFile(true, true, false), 0);
  for (const char* record : {"one.", "two.", "thr."}) {
    Put(file, record);
    ASSERT_EQ(manager.Insert(), 0);
  }
  manager.PushPosition();
  EXPECT_EQ(PopText(), "3");
  rt::StrPushCopy("2   ", 4);  // as a blank-padded field holds it
  EXPECT_EQ(manager.Reposition(), 0);
  EXPECT_EQ(Record(file), "two.");
  rt::StrPushCopy("9", 1);
  EXPECT_EQ(manager.Reposition(), 5);
  EXPECT_EQ(rt::StrCount(), 0);
  EXPECT_EQ(manager.AfterInsertQuery(), 0);
}

TEST_F(FileManagerTest, PositionsOfAFileThatCannotBeUsed) {
  DataFile file(PathOf("lazy.dat"), 4);
  FileManager manager(file, errors_);
  manager.lazyOpen = true;
  manager.PushPosition();
  EXPECT_EQ(PopText(), "");
  rt::StrPushCopy("1", 1);
  EXPECT_EQ(manager.Reposition(), 3);
  EXPECT_EQ(rt::StrCount(), 0);
}

TEST_F(FileManagerTest, FailedInsertRaises4) {
  WriteFile(PathOf("ins.dat"), "");
  DataFile file(PathOf("ins.dat"), 4);
  FileManager manager(file, errors_);
  manager.openMode = 0x40;
  ASSERT_EQ(manager.OpenFile(true, true, false), 0);
  EXPECT_NE(manager.Insert(), 0);
  EXPECT_EQ(errors_.log, (Log{"capture 5", "raise 4"}));
}

TEST_F(FileManagerTest, TheGlobalListHoldsEveryManager) {
  DataFile file(PathOf("g.dat"), 4);
  size_t before = FileManagerListSize();
  {
    FileManager a(file, errors_), b(file, errors_);
    EXPECT_EQ(FileManagerListSize(), before + 2);
  }
  EXPECT_EQ(FileManagerListSize(), before);
}

}  // namespace
}  // namespace qor::fw::testing
