#include "next_fit_model.h"

#include <utility>

#include "runtime/heap/heap_block.h"

namespace qor::rt::testing {

using namespace heap;

NextFitModel::NextFitModel(std::function<Address()> nextArena) : nextArena_(std::move(nextArena)) {
  ring_.push_back(Hole{0, 0});  // the head
  rover_ = ring_.begin();
}

NextFitModel::Position NextFitModel::Next(Position hole) {
  ++hole;
  return hole == ring_.end() ? ring_.begin() : hole;
}

NextFitModel::Position NextFitModel::FindFit(uint32_t size) {
  Position hole = rover_;
  do {
    if (hole->size >= size) return hole;
    hole = Next(hole);
  } while (hole != rover_);
  return ring_.end();
}

NextFitModel::Position NextFitModel::AddAfterRover(Address start, uint32_t size) {
  Position added = ring_.insert(std::next(rover_), Hole{start, size});
  holesByStart_[start] = added;
  return added;
}

void NextFitModel::Remove(Position hole) {
  if (rover_ == hole) rover_ = Next(hole);
  holesByStart_.erase(hole->start);
  ring_.erase(hole);
}

void NextFitModel::MoveStart(Position hole, Address start, uint32_t size) {
  holesByStart_.erase(hole->start);
  hole->start = start;
  hole->size = size;
  holesByStart_[start] = hole;
}

NextFitModel::Address NextFitModel::Carve(Position hole, uint32_t size) {
  const Address p = hole->start;
  const uint32_t leftover = hole->size - size;
  if (leftover < kSplitThreshold) {
    size = hole->size;
    rover_ = Next(hole);
    Remove(hole);
  } else {
    MoveStart(hole, p + size, leftover);
    rover_ = hole;
  }
  used_[p] = size;
  return p;
}

NextFitModel::Address NextFitModel::Allocate(std::size_t n) {
  const uint32_t size = BlockSizeFor(n);
  Position hole = FindFit(size);
  if (hole == ring_.end()) hole = AddAfterRover(nextArena_(), kArenaBlockBytes);
  return Carve(hole, size);
}

NextFitModel::Position NextFitModel::HoleEndingAt(Address end) {
  auto after = holesByStart_.upper_bound(end);
  if (after == holesByStart_.begin()) return ring_.end();
  Position hole = std::prev(after)->second;
  return hole->start + hole->size == end ? hole : ring_.end();
}

NextFitModel::Position NextFitModel::HoleStartingAt(Address start) {
  auto found = holesByStart_.find(start);
  return found == holesByStart_.end() ? ring_.end() : found->second;
}

void NextFitModel::Free(Address p) {
  const uint32_t size = used_.at(p);
  used_.erase(p);
  Position previous = HoleEndingAt(p);
  Position next = HoleStartingAt(p + size);
  if (previous != ring_.end()) {
    uint32_t total = previous->size + size;
    if (next != ring_.end()) {
      total += next->size;
      Remove(next);
    }
    previous->size = total;
    rover_ = Next(previous);
  } else if (next != ring_.end()) {
    MoveStart(next, p, next->size + size);
    rover_ = Next(next);
  } else {
    AddAfterRover(p, size);
  }
}

bool NextFitModel::GrowInPlace(Address p, uint32_t oldSize, uint32_t newSize) {
  Position next = HoleStartingAt(p + oldSize);
  if (next == ring_.end() || oldSize + next->size < newSize) return false;
  const uint32_t leftover = oldSize + next->size - newSize;
  if (leftover >= kSplitThreshold) {
    MoveStart(next, p + newSize, leftover);
    used_[p] = newSize;
  } else {
    used_[p] = oldSize + next->size;
    Remove(next);
  }
  return true;
}

void NextFitModel::ShrinkInPlace(Address p, uint32_t oldSize, uint32_t newSize) {
  if (oldSize - newSize < kSplitThreshold) return;
  const Address tail = p + newSize;
  const uint32_t tailSize = oldSize - newSize;
  Position next = HoleStartingAt(p + oldSize);
  if (next != ring_.end()) {
    MoveStart(next, tail, next->size + tailSize);
    rover_ = Next(next);
  } else {
    AddAfterRover(tail, tailSize);
  }
  used_[p] = newSize;
}

NextFitModel::Address NextFitModel::Reallocate(Address p, std::size_t n) {
  const uint32_t oldSize = used_.at(p);
  const uint32_t newSize = BlockSizeFor(n);
  if (newSize <= oldSize) {
    ShrinkInPlace(p, oldSize, newSize);
    return p;
  }
  if (GrowInPlace(p, oldSize, newSize)) return p;
  const Address moved = Allocate(n);
  Free(p);
  return moved;
}

}  // namespace qor::rt::testing
