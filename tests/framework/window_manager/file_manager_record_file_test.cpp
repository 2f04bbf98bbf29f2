// A file manager as a record form's file: positions travel over the string stack and
// leave nothing on it.
#include "framework/window_manager/file_manager_record_file.h"

#include <gtest/gtest.h>

#include <string>

#include "runtime/values/value_stack.h"
#include "tests/framework/files/file_test_support.h"

namespace qor::fw::testing {
namespace {

class QuietErrors : public FileErrors {
 public:
  void SetFileName(std::string_view) override {}
  void CaptureErrorState() override {}
  uint8_t Raise(uint16_t) override { return 5; }
};

using FileManagerRecordFileTest = FileDirectoryTest;

TEST_F(FileManagerRecordFileTest, ThePositionOfTheCurrentRecordBringsItBack) {
  WriteFile(PathOf("r.dat"), "aaaabbbbcccc");
  DataFile data(PathOf("r.dat"), 4);
  QuietErrors errors;
  FileManager manager(data, errors);
  FileManagerRecordFile file(manager);
  const int32_t stackBefore = rt::StrCount();
  ASSERT_EQ(manager.OpenFile(true, true, false), 0);
  ASSERT_EQ(data.Get(2), 0);
  const std::string position = file.CurrentPosition();
  ASSERT_EQ(data.Get(3), 0);
  file.Reposition(position);
  EXPECT_EQ(std::string(data.Record().begin(), data.Record().end()), "bbbb");
  EXPECT_EQ(rt::StrCount(), stackBefore);
}

}  // namespace
}  // namespace qor::fw::testing
