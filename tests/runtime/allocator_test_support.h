#pragma once
// Shared helpers of the allocator tests: a page source that counts and refuses on
// demand, a heap over it, and a trace sink that writes to standard error (so that
// death tests can see what a diagnostic logs).
#include <gtest/gtest.h>

#include <cstdio>
#include <string_view>

#include "runtime/base/trace_log.h"
#include "runtime/heap/checked_heap.h"
#include "runtime/heap/heap_block.h"
#include "runtime/heap/heap_check.h"
#include "runtime/heap/heap_page_source.h"

namespace qor::rt::testing {

class ScriptedPageSource : public PageSource {
 public:
  void* TakeRegion(std::size_t bytes) override {
    if (refuseAll_ || regionsLeft_ == 0) {
      ++refused_;
      return nullptr;
    }
    if (regionsLeft_ > 0) --regionsLeft_;
    ++taken_;
    return OsPageSource().TakeRegion(bytes);
  }
  void ReleaseRegion(void* base, std::size_t bytes) override {
    ++released_;
    OsPageSource().ReleaseRegion(base, bytes);
  }

  void RefuseAll(bool refuse) { refuseAll_ = refuse; }
  void AllowRegions(int count) { regionsLeft_ = count; }  // then refuse; -1: no limit
  int Taken() const { return taken_; }
  int Released() const { return released_; }
  int Refused() const { return refused_; }

 private:
  bool refuseAll_ = false;
  int regionsLeft_ = -1;
  int taken_ = 0;
  int released_ = 0;
  int refused_ = 0;
};

class StderrTraceSink : public TraceSink {
 public:
  void WriteLine(std::string_view line) override {
    std::fprintf(stderr, "%.*s\n", static_cast<int>(line.size()), line.data());
  }
};

// A fresh heap per test, checked after every test.
class HeapTest : public ::testing::Test {
 protected:
  void TearDown() override { ExpectConsistent(); }

  void ExpectConsistent() {
    const HeapCensus census = CheckHeap(heap_);
    EXPECT_EQ(census.fault, "");
  }

  HeapCensus Census() { return CheckHeap(heap_); }

  static heap::Byte* Bytes(void* p) { return static_cast<heap::Byte*>(p); }
  static uint32_t SizeOf(void* p) { return heap::SizeWord(Bytes(p)); }
  static heap::Byte TagOf(void* p) { return heap::LeadingTag(Bytes(p)); }

  ScriptedPageSource pages_;
  CheckedHeap heap_{pages_};
};

}  // namespace qor::rt::testing
