#pragma once
// Saved copies of a file's record buffer, so that a form can undo changes. A snapshot
// of a record with k large-object fields takes k+1 consecutive ids: n for the buffer,
// n+1 ... n+k for the fields. Ids are 16-bit, from 1, growing from the highest id in
// use; when that would pass 65,535 the lowest free run of k+1 ids is reused, and when
// there is none the snapshot is not taken (id 0). Id 0 means "no snapshot" everywhere.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qor::fw {

inline constexpr uint32_t kMaxSnapshotId = 65535;

class SnapshotStore {
 public:
  // Copies the buffer and each large-object content; the new id, or 0.
  uint16_t Take(std::span<const uint8_t> buffer, const std::vector<std::string>& largeObjects);
  // Restores and releases snapshot `id`: with copy-back, the buffer gets the copy
  // (blank padded, never written past its end) and each large-object field its saved
  // content. An id that is not a held snapshot (0, unknown, or one of a snapshot's
  // field ids) is skipped. Sets `id` to 0.
  void Restore(uint16_t& id, bool copyBack, std::span<uint8_t> buffer, std::vector<std::string>& largeObjects);
  // True when snapshot `id` holds exactly the buffer and the field contents; an id of 0
  // or one not held counts as different.
  bool Equals(uint16_t id, std::span<const uint8_t> buffer, const std::vector<std::string>& largeObjects) const;

  size_t Count() const { return entries_.size(); }  // records held, field copies included
  void Clear() {
    entries_.clear();
    highest_ = 0;
  }

 private:
  struct Entry {
    uint16_t id;
    bool isBuffer;  // false: a large-object field's copy
    std::string copy;
  };

  uint16_t NextId(size_t run) const;
  void NoteReleased();  // finds the highest id held again
  std::vector<Entry>::iterator Find(uint16_t id);
  std::vector<Entry>::const_iterator Find(uint16_t id) const;

  std::vector<Entry> entries_;  // in the order taken
  uint16_t highest_ = 0;        // the highest id held
};

}  // namespace qor::fw
