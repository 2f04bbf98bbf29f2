#include "os/last_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace qor::os {
namespace {

TEST(LastErrorTest, MapsErrnoToTheMessageTableNumbering) {
  EXPECT_EQ(ErrorFromErrno(0), 0u);
  EXPECT_EQ(ErrorFromErrno(ENOENT), 2u);
  EXPECT_EQ(ErrorFromErrno(ENOTDIR), 3u);
  EXPECT_EQ(ErrorFromErrno(EMFILE), 4u);
  EXPECT_EQ(ErrorFromErrno(EACCES), 5u);
  EXPECT_EQ(ErrorFromErrno(EPERM), 5u);
  EXPECT_EQ(ErrorFromErrno(EBADF), 6u);
  EXPECT_EQ(ErrorFromErrno(ENOMEM), 8u);
  EXPECT_EQ(ErrorFromErrno(EROFS), 19u);
  EXPECT_EQ(ErrorFromErrno(ENOSPC), 39u);
  EXPECT_EQ(ErrorFromErrno(EEXIST), 80u);
  EXPECT_EQ(ErrorFromErrno(EINVAL), 87u);
}

TEST(LastErrorTest, EveryCodeStaysBelow100SoThatPlus300IsAnOsMessage) {
  for (int e = 1; e < 200; ++e) EXPECT_LT(ErrorFromErrno(e), 100u) << "errno " << e;
  EXPECT_EQ(ErrorFromErrno(ECHILD), kErrorUnknown);
}

TEST(LastErrorTest, ReadsTheCurrentErrno) {
  errno = EACCES;
  EXPECT_EQ(LastError(), 5u);
  errno = 0;
  EXPECT_EQ(LastError(), 0u);
}

}  // namespace
}  // namespace qor::os
