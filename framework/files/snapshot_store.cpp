#include "framework/files/snapshot_store.h"

#include <algorithm>
#include <cstring>

namespace qor::fw {

uint16_t SnapshotStore::NextId(size_t run) const {
  uint32_t next = highest_ + 1u;
  if (next + run - 1 <= kMaxSnapshotId) return static_cast<uint16_t>(next);
  std::vector<bool> used(kMaxSnapshotId + 1, false);
  for (const Entry& entry : entries_) used[entry.id] = true;
  size_t free = 0;
  for (uint32_t id = 1; id <= kMaxSnapshotId; ++id) {
    free = used[id] ? 0 : free + 1;
    if (free == run) return static_cast<uint16_t>(id - run + 1);
  }
  return 0;
}

uint16_t SnapshotStore::Take(std::span<const uint8_t> buffer, const std::vector<std::string>& largeObjects) {
  uint16_t id = NextId(largeObjects.size() + 1);
  if (id == 0) return 0;
  entries_.push_back({id, true, std::string(buffer.begin(), buffer.end())});
  for (size_t i = 0; i < largeObjects.size(); ++i)
    entries_.push_back({static_cast<uint16_t>(id + i + 1), false, largeObjects[i]});
  highest_ = std::max<uint16_t>(highest_, static_cast<uint16_t>(id + largeObjects.size()));
  return id;
}

std::vector<SnapshotStore::Entry>::iterator SnapshotStore::Find(uint16_t id) {
  return std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
}

std::vector<SnapshotStore::Entry>::const_iterator SnapshotStore::Find(uint16_t id) const {
  return std::find_if(entries_.begin(), entries_.end(), [id](const Entry& e) { return e.id == id; });
}

void SnapshotStore::Restore(uint16_t& id, bool copyBack, std::span<uint8_t> buffer,
                            std::vector<std::string>& largeObjects) {
  auto held = id == 0 ? entries_.end() : Find(id);
  if (held == entries_.end() || !held->isBuffer) {
    id = 0;
    return;
  }
  if (copyBack) {
    size_t n = std::min(held->copy.size(), buffer.size());
    std::memcpy(buffer.data(), held->copy.data(), n);
    std::memset(buffer.data() + n, ' ', buffer.size() - n);
  }
  entries_.erase(held);
  for (size_t i = 0; i < largeObjects.size(); ++i) {
    auto field = Find(static_cast<uint16_t>(id + i + 1));
    if (field == entries_.end() || field->isBuffer) continue;
    if (copyBack) largeObjects[i] = field->copy;
    entries_.erase(field);
  }
  id = 0;
  NoteReleased();
}

void SnapshotStore::NoteReleased() {
  highest_ = 0;
  for (const Entry& entry : entries_) highest_ = std::max(highest_, entry.id);
}

bool SnapshotStore::Equals(uint16_t id, std::span<const uint8_t> buffer,
                           const std::vector<std::string>& largeObjects) const {
  auto held = id == 0 ? entries_.end() : Find(id);
  if (held == entries_.end() || !held->isBuffer) return false;
  if (held->copy.size() != buffer.size() || std::memcmp(held->copy.data(), buffer.data(), buffer.size()) != 0)
    return false;
  for (size_t i = 0; i < largeObjects.size(); ++i) {
    auto field = Find(static_cast<uint16_t>(id + i + 1));
    if (field == entries_.end() || field->isBuffer || field->copy != largeObjects[i]) return false;
  }
  return true;
}

}  // namespace qor::fw
