#include "runtime/heap/heap_free_list.h"

#include <algorithm>

namespace qor::rt::heap {
namespace {

constexpr uint32_t kNoRun = UINT32_MAX;
constexpr uint32_t kLongestRun = 64;       // a longer run is cut in two
constexpr uint32_t kShortestRun = 8;       // a shorter one joins a neighbour...
constexpr uint32_t kLongestJoinedRun = 48;  // ...when the two together stay this short

}  // namespace

FreeList::FreeList(PageSource& pages) : pages_(pages), runs_{Run{&head_, &head_, 1, 0, 0, 0}}, spareRun_(kNoRun) {}

FreeList::~FreeList() {
  for (void* pool : pools_) pages_.ReleaseRegion(pool, kPoolBytes);
}

bool FreeList::TakePool() {
  void* region = pages_.TakeRegion(kPoolBytes);
  if (region == nullptr) return false;
  try {
    pools_.push_back(region);
  } catch (...) {  // the bookkeeping itself could not grow
    pages_.ReleaseRegion(region, kPoolBytes);
    return false;
  }
  auto* descriptors = static_cast<FreeDescriptor*>(region);
  for (std::size_t i = kDescriptorsPerPool; i-- > 0;) {
    descriptors[i].next = spare_;
    spare_ = &descriptors[i];
  }
  return true;
}

// The rover itself does not fit: the rest of its run, then the runs after it whose
// bound admits the request, then the start of the rover's run up to the rover.
FreeDescriptor* FreeList::FindFitPastRover(uint32_t size) {
  FreeDescriptor* const rover = rover_;
  const uint32_t home = rover->run;
  const bool homeMayFit = runs_[home].sizeBound >= size;
  if (homeMayFit) {
    for (FreeDescriptor* d = rover; d != runs_[home].last;) {
      d = d->next;
      if (d->size >= size) return d;
    }
  }
  for (uint32_t run = runs_[home].next; run != home; run = runs_[run].next) {
    if (runs_[run].sizeBound < size) continue;
    if (FreeDescriptor* d = FindInRun(run, size)) return d;
  }
  if (homeMayFit) {
    for (FreeDescriptor* d = runs_[home].first; d != rover; d = d->next)
      if (d->size >= size) return d;
    FindInRun(home, UINT32_MAX);  // nothing fits anywhere: tighten the home bound
  }
  return nullptr;
}

// The first descriptor of the run that fits; when none does, the run's bound becomes
// its largest size.
FreeDescriptor* FreeList::FindInRun(uint32_t run, uint32_t size) {
  Run& r = runs_[run];
  uint32_t largest = 0;
  for (FreeDescriptor* d = r.first;; d = d->next) {
    if (d->size >= size) return d;
    largest = std::max(largest, d->size);
    if (d == r.last) break;
  }
  r.sizeBound = largest;
  return nullptr;
}

FreeDescriptor* FreeList::Add(Byte* block, uint32_t size) {
  if (spare_ == nullptr && !TakePool()) return nullptr;
  FreeDescriptor* descriptor = spare_;
  spare_ = descriptor->next;
  descriptor->size = size;
  descriptor->block = block;
  descriptor->run = rover_->run;
  descriptor->previous = rover_;
  descriptor->next = rover_->next;
  rover_->next->previous = descriptor;
  rover_->next = descriptor;
  Run& run = runs_[descriptor->run];
  if (run.last == rover_) run.last = descriptor;
  run.sizeBound = std::max(run.sizeBound, size);
  if (++run.count > kLongestRun) SplitRun(descriptor->run);
  return descriptor;
}

void FreeList::Remove(FreeDescriptor* descriptor) {
  if (rover_ == descriptor) rover_ = descriptor->next;
  const uint32_t run = descriptor->run;
  Run& r = runs_[run];
  if (r.first == descriptor) r.first = descriptor->next;
  if (r.last == descriptor) r.last = descriptor->previous;
  descriptor->previous->next = descriptor->next;
  descriptor->next->previous = descriptor->previous;
  descriptor->next = spare_;
  spare_ = descriptor;
  if (--r.count == 0) {
    DropRun(run);
  } else if (r.count < kShortestRun) {
    JoinSmallRun(run);
  }
}

// An unused run, or kNoRun when the bookkeeping cannot grow.
uint32_t FreeList::NewRun() {
  if (spareRun_ != kNoRun) {
    const uint32_t run = spareRun_;
    spareRun_ = runs_[run].next;
    return run;
  }
  try {
    runs_.push_back(Run{});
  } catch (...) {
    return kNoRun;
  }
  return static_cast<uint32_t>(runs_.size() - 1);
}

// Unlinks an emptied run and keeps it for reuse.
void FreeList::DropRun(uint32_t run) {
  Run& r = runs_[run];
  runs_[r.previous].next = r.next;
  runs_[r.next].previous = r.previous;
  r.next = spareRun_;
  spareRun_ = run;
}

// Cuts a long run in two halves, each with its exact bound. Without a run to spare,
// the run simply stays long.
void FreeList::SplitRun(uint32_t run) {
  const uint32_t back = NewRun();
  if (back == kNoRun) return;
  Run& front = runs_[run];
  Run& tail = runs_[back];
  const uint32_t kept = front.count / 2;
  FreeDescriptor* d = front.first;
  uint32_t frontBound = d->size;
  for (uint32_t i = 1; i < kept; ++i) {
    d = d->next;
    frontBound = std::max(frontBound, d->size);
  }
  tail = Run{d->next, front.last, front.count - kept, 0, front.next, run};
  runs_[front.next].previous = back;
  front.next = back;
  front.last = d;
  front.count = kept;
  front.sizeBound = frontBound;
  for (FreeDescriptor* moved = tail.first;; moved = moved->next) {
    moved->run = back;
    tail.sizeBound = std::max(tail.sizeBound, moved->size);
    if (moved == tail.last) break;
  }
}

// A run grown short joins the neighbour after it, or else the one before it, when the
// two together stay short enough.
void FreeList::JoinSmallRun(uint32_t run) {
  const Run& r = runs_[run];
  if (r.next == run) return;  // the only run
  if (r.count + runs_[r.next].count <= kLongestJoinedRun) {
    runs_[r.next].first = r.first;
    MoveMembers(run, r.next);
  } else if (r.count + runs_[r.previous].count <= kLongestJoinedRun) {
    runs_[r.previous].last = r.last;
    MoveMembers(run, r.previous);
  }
}

// Hands every descriptor of `from` to its neighbour `to`, whose ends already take them
// in, and drops `from`.
void FreeList::MoveMembers(uint32_t from, uint32_t to) {
  Run& source = runs_[from];
  Run& target = runs_[to];
  for (FreeDescriptor* d = source.first;; d = d->next) {
    d->run = to;
    if (d == source.last) break;
  }
  target.count += source.count;
  target.sizeBound = std::max(target.sizeBound, source.sizeBound);
  DropRun(from);
}

std::string FreeList::CheckRuns() const {
  std::size_t ringLength = 1;
  for (const FreeDescriptor* d = head_.next; d != &head_; d = d->next) ++ringLength;
  std::size_t covered = 0;
  const uint32_t start = head_.run;
  uint32_t run = start;
  do {
    const Run& r = runs_[run];
    const FreeDescriptor* d = r.first;
    for (uint32_t i = 1; i <= r.count; ++i, d = d->next) {
      if (d->run != run) return "descriptor names another run";
      if (d->size > r.sizeBound) return "run bound below a size";
      if (i == r.count && d != r.last) return "run count or last descriptor wrong";
      if (++covered > ringLength) return "runs overlap";
    }
    if (runs_[r.next].previous != run) return "run links broken";
    if (runs_[r.next].first != r.last->next) return "runs not consecutive";
    run = r.next;
  } while (run != start);
  if (covered != ringLength) return "runs miss descriptors";
  return "";
}

}  // namespace qor::rt::heap
