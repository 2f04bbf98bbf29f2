// Snapshots without files: ids with large-object fields, restoring 0, twice, or an id
// not held, buffers of another size, and ids running out at 65,535.
#include "framework/files/snapshot_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qor::fw {
namespace {

std::vector<uint8_t> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

TEST(SnapshotStore, IdsOneAndFourWithTwoLargeObjectFields) {
  SnapshotStore store;
  std::vector<uint8_t> buffer = Bytes("abcd");
  std::vector<std::string> fields{"first", "second"};
  EXPECT_EQ(store.Take(buffer, fields), 1);
  EXPECT_EQ(store.Take(buffer, fields), 4);
  EXPECT_EQ(store.Count(), 6u);
}

TEST(SnapshotStore, RestoreCopiesBackAndReleases) {
  SnapshotStore store;
  std::vector<uint8_t> buffer = Bytes("abcd");
  std::vector<std::string> fields{"one", "two"};
  uint16_t id = store.Take(buffer, fields);
  buffer = Bytes("wxyz");
  fields = {"changed", ""};
  EXPECT_FALSE(store.Equals(id, buffer, fields));
  store.Restore(id, true, buffer, fields);
  EXPECT_EQ(id, 0);
  EXPECT_EQ(buffer, Bytes("abcd"));
  EXPECT_EQ(fields, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(store.Count(), 0u);
}

TEST(SnapshotStore, RestoringZeroOrTwiceOrAFieldIdChangesNothing) {
  SnapshotStore store;
  std::vector<uint8_t> buffer = Bytes("abcd");
  std::vector<std::string> fields{"f1", "f2"};
  uint16_t first = store.Take(buffer, fields);
  uint16_t again = first;
  buffer = Bytes("zzzz");
  store.Restore(first, false, buffer, fields);
  EXPECT_EQ(buffer, Bytes("zzzz")) << "no copy-back";
  store.Restore(again, true, buffer, fields);
  EXPECT_EQ(again, 0);
  EXPECT_EQ(buffer, Bytes("zzzz")) << "released before: skipped";

  uint16_t kept = store.Take(Bytes("kept"), fields);
  uint16_t zero = 0;
  store.Restore(zero, true, buffer, fields);
  uint16_t fieldId = kept + 1;
  store.Restore(fieldId, true, buffer, fields);
  EXPECT_EQ(fieldId, 0);
  EXPECT_EQ(buffer, Bytes("zzzz"));
  EXPECT_EQ(store.Count(), 3u) << "a field's id is no snapshot of its own";
}

TEST(SnapshotStore, ShortCopyIsBlankPaddedAndALongOneNeverWritesPastTheBuffer) {
  SnapshotStore store;
  std::vector<std::string> none;
  uint16_t shortId = store.Take(Bytes("ab"), none);
  uint16_t longId = store.Take(Bytes("abcdefgh"), none);
  std::vector<uint8_t> buffer = Bytes("wxyz");
  store.Restore(shortId, true, buffer, none);
  EXPECT_EQ(buffer, Bytes("ab  "));
  std::vector<uint8_t> guarded = Bytes("1234####");
  store.Restore(longId, true, std::span<uint8_t>(guarded.data(), 4), none);
  EXPECT_EQ(guarded, Bytes("abcd####"));
}

TEST(SnapshotStore, EqualityNeedsAHeldIdAndTheSameFields) {
  SnapshotStore store;
  std::vector<uint8_t> buffer = Bytes("same");
  std::vector<std::string> fields{"x"};
  uint16_t id = store.Take(buffer, fields);
  EXPECT_TRUE(store.Equals(id, buffer, fields));
  EXPECT_FALSE(store.Equals(0, buffer, fields));
  EXPECT_FALSE(store.Equals(99, buffer, fields));
  EXPECT_FALSE(store.Equals(id + 1, buffer, fields));
  fields[0] = "y";
  EXPECT_FALSE(store.Equals(id, buffer, fields));
}

TEST(SnapshotStore, IdsNearTheTopReuseTheLowestFreeRunOrGiveZero) {
  SnapshotStore store;
  std::vector<uint8_t> buffer = Bytes("b");
  std::vector<std::string> none;
  std::vector<std::string> two{"1", "2"};
  std::vector<uint16_t> ids;
  for (uint32_t i = 1; i <= kMaxSnapshotId; ++i) ids.push_back(store.Take(buffer, none));
  EXPECT_EQ(ids.back(), 65535);
  EXPECT_EQ(store.Take(buffer, none), 0) << "every id in use";
  for (uint16_t n : {5, 7, 8, 9, 10}) {
    uint16_t id = n;
    store.Restore(id, false, buffer, none);
  }
  EXPECT_EQ(store.Take(buffer, two), 7) << "the lowest run of three free ids";
  EXPECT_EQ(store.Take(buffer, none), 5);
  EXPECT_EQ(store.Take(buffer, none), 10);
  EXPECT_EQ(store.Take(buffer, none), 0);
}

}  // namespace
}  // namespace qor::fw
