#pragma once
// A plain model of where the allocator places small blocks: the free list as a ring of
// holes in list order with a head entry of size 0, a rover that a search walks hole by
// hole, and the same rules for splitting, merging and moving the rover. It knows
// addresses only, never touches memory, and takes each new arena's first block from
// the caller, so that it can run beside a real heap and predict every address.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <list>
#include <map>

namespace qor::rt::testing {

class NextFitModel {
 public:
  using Address = std::uintptr_t;

  // nextArena gives the user address of the block of the next arena the heap takes.
  explicit NextFitModel(std::function<Address()> nextArena);

  // Requests of 1 to 53,240 bytes (the small heap) only.
  Address Allocate(std::size_t n);
  void Free(Address p);
  Address Reallocate(Address p, std::size_t n);

  // The start of the hole the rover is on; 0 for the head.
  Address RoverStart() const { return rover_->start; }
  std::size_t HoleCount() const { return ring_.size() - 1; }

 private:
  struct Hole {
    Address start;
    uint32_t size;
  };
  using Ring = std::list<Hole>;
  using Position = Ring::iterator;

  Position Next(Position hole);
  Position FindFit(uint32_t size);
  Position AddAfterRover(Address start, uint32_t size);
  void Remove(Position hole);
  void MoveStart(Position hole, Address start, uint32_t size);
  Address Carve(Position hole, uint32_t size);
  Position HoleEndingAt(Address end);
  Position HoleStartingAt(Address start);
  bool GrowInPlace(Address p, uint32_t oldSize, uint32_t newSize);
  void ShrinkInPlace(Address p, uint32_t oldSize, uint32_t newSize);

  std::function<Address()> nextArena_;
  Ring ring_;
  Position rover_;
  std::map<Address, Position> holesByStart_;
  std::map<Address, uint32_t> used_;  // start -> size S
};

}  // namespace qor::rt::testing
