#include "window/platform/draw/detail/context_pool.h"

#include <deque>
#include <memory>
#include <mutex>
#include <unordered_set>
#include <vector>

namespace qor::ui::detail {

namespace {

struct ContextPool {
  std::mutex mutex;
  std::vector<std::unique_ptr<DeviceContext>> records;
  std::unordered_set<const DeviceContext*> handedOut;
  std::deque<DeviceContext*> released;  // oldest first
};

ContextPool& Pool() {
  static ContextPool pool;
  return pool;
}

const std::shared_ptr<Canvas>& NoPixels() {
  static const auto none = std::make_shared<Canvas>(0, 0);
  return none;
}

}  // namespace

DeviceContext* TakeContextRecord() {
  ContextPool& pool = Pool();
  std::lock_guard lock(pool.mutex);
  DeviceContext* dc = nullptr;
  if (pool.released.size() > kQuarantine) {
    dc = pool.released.front();
    pool.released.pop_front();
  } else {
    pool.records.push_back(std::make_unique<DeviceContext>());
    dc = pool.records.back().get();
  }
  *dc = DeviceContext{};
  pool.handedOut.insert(dc);
  return dc;
}

bool GiveBackContextRecord(Hwnd hwnd, DeviceContext* dc) {
  ContextPool& pool = Pool();
  std::lock_guard lock(pool.mutex);
  if (!pool.handedOut.contains(dc) || dc->window != hwnd) return false;
  pool.handedOut.erase(dc);
  *dc = DeviceContext{};
  dc->canvas = NoPixels();
  pool.released.push_back(dc);
  return true;
}

}  // namespace qor::ui::detail
