// The file layer on real files: open errors and their codes, records, keys, positions,
// driver commands, and closing at exit.
#include "framework/files/data_file.h"

#include <gtest/gtest.h>

#include <cstring>

#include "runtime/base/error_state.h"
#include "runtime/startup/shutdown.h"
#include "tests/framework/files/file_test_support.h"

namespace qor::fw::testing {
namespace {

class DataFileTest : public FileDirectoryTest {
 protected:
  void Put(DataFile& file, const std::string& record) {
    std::memcpy(file.Record().data(), record.data(), file.Record().size());
  }
  std::string Record(DataFile& file) { return std::string(file.Record().begin(), file.Record().end()); }
};

TEST_F(DataFileTest, OpenErrorsSetTheErrorStateAndTheFileName) {
  DataFile missing(PathOf("missing.dat"), 4);
  EXPECT_EQ(missing.Open(2), 2);
  EXPECT_EQ(rt::ErrorCode(), 2);
  EXPECT_EQ(rt::ErrorFileName(), PathOf("missing.dat"));

  WriteFile(PathOf("odd.dat"), "12345");
  EXPECT_EQ(DataFile(PathOf("odd.dat"), 4).Open(2), 36);

  std::filesystem::create_directory(PathOf("dir.dat"));
  EXPECT_EQ(DataFile(PathOf("dir.dat"), 4).Open(0), 90);

  WriteFile(PathOf("ok.dat"), "aaaabbbb");
  DataFile ok(PathOf("ok.dat"), 4);
  EXPECT_EQ(ok.Open(2), 0);
  EXPECT_EQ(ok.RecordCount(), 2u);
  EXPECT_EQ(ok.Open(2), 52);
}

TEST_F(DataFileTest, KeyFileMissingOrStaleIs46UntilRebuilt) {
  WriteFile(PathOf("k.dat"), "bb2aa1cc3");
  DataFile file(PathOf("k.dat"), 3, {{0, 2}, {2, 1}});
  EXPECT_EQ(file.Open(0), 46);
  EXPECT_EQ(file.BuildKeys(), 0);
  std::string keys = ReadFile(file.KeyFileName());
  const uint32_t expected[] = {2, 1, 3, 2, 1, 3};  // by "aa","bb","cc"; by "1","2","3"
  ASSERT_EQ(keys.size(), sizeof expected);
  EXPECT_EQ(std::memcmp(keys.data(), expected, sizeof expected), 0);
  EXPECT_FALSE(std::filesystem::exists(file.KeyFileName() + ".tmp"));
  EXPECT_EQ(file.Open(0), 0);
  file.Close();

  WriteFile(PathOf("k.dat"), "bb2aa1cc3dd0");  // a record added behind the keys' back
  EXPECT_EQ(file.Open(0), 46);
}

TEST_F(DataFileTest, AddGetAndPositions) {
  DataFile file(PathOf("r.dat"), 4, {{0, 4}});
  ASSERT_EQ(file.Create(), 0);
  ASSERT_EQ(file.Open(2), 0);
  EXPECT_EQ(file.Position(), "");
  Put(file, "dddd");
  ASSERT_EQ(file.Add(), 0);
  Put(file, "aaaa");
  ASSERT_EQ(file.Add(), 0);
  EXPECT_EQ(file.Position(), "2");
  EXPECT_EQ(ReadFile(file.Name()), "ddddaaaa");
  EXPECT_EQ(file.Reget("  1  "), 0);
  EXPECT_EQ(Record(file), "dddd");
  EXPECT_EQ(file.Position(), "1");
  EXPECT_EQ(file.Reget("3"), 35);
  EXPECT_EQ(file.Reget("1x"), 35);
  EXPECT_EQ(file.Reget(""), 35);
  file.Close();
  EXPECT_EQ(file.Open(0), 0) << "the keys were kept up to date";
  Put(file, "eeee");
  EXPECT_EQ(file.Add(), 5) << "opened for reading only";
}

TEST_F(DataFileTest, OnlyTheRecoverCommandIsUnderstood) {
  DataFile file(PathOf("c.dat"), 4);
  EXPECT_EQ(file.SendCommand("Recover=10"), 0);
  EXPECT_EQ(file.SendCommand("Recover=-1"), 0);
  EXPECT_EQ(file.SendCommand("Recover="), 80);
  EXPECT_EQ(file.SendCommand("Recover=x"), 80);
  EXPECT_EQ(file.SendCommand("BUSYHANDLING=1"), 80);
  EXPECT_EQ(rt::ErrorCode(), 80);
}

TEST_F(DataFileTest, CreateRefusesAnExistingFileAndAMissingDirectory) {
  WriteFile(PathOf("e.dat"), "");
  EXPECT_EQ(DataFile(PathOf("e.dat"), 4).Create(), 90);
  EXPECT_EQ(DataFile(PathOf("no/such.dat"), 4).Create(), 2);
}

TEST_F(DataFileTest, ReadOnlyFileRefusesWriteAccessWith5) {
  WriteFile(PathOf("ro.dat"), "abcd");
  chmod(PathOf("ro.dat").c_str(), 0444);
  QOR_EXPECT_WITH_FILE_MODES({
    DataFile file(PathOf("ro.dat"), 4);
    EXPECT_EQ(file.Open(0x42), 5);
    EXPECT_EQ(file.Open(0x40), 0);
  });
}

TEST_F(DataFileTest, OpenFilesAreClosedAtExit) {
  WriteFile(PathOf("x.dat"), "abcd");
  EXPECT_EXIT(
      {
        DataFile file(PathOf("x.dat"), 4);
        if (file.Open(0) != 0) std::exit(1);
        rt::CloseAllFiles();
        std::exit(file.IsOpen() ? 2 : 0);
      },
      ::testing::ExitedWithCode(0), "");
}

TEST_F(DataFileTest, TheFileLayerListHoldsEveryFile) {
  size_t before = DataFileListSize();
  {
    DataFile a(PathOf("a.dat"), 1), b(PathOf("b.dat"), 1);
    EXPECT_EQ(DataFileListSize(), before + 2);
  }
  EXPECT_EQ(DataFileListSize(), before);
}

}  // namespace
}  // namespace qor::fw::testing
