#pragma once
// Whether this test program, and so the programs it starts, is built with
// AddressSanitizer, whose allocator answers differently and costs memory of its own;
// and a way for a death test's child to end on purpose with its objects still alive.

#if defined(__SANITIZE_ADDRESS__)
#define QOR_TEST_LEAK_CHECKER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QOR_TEST_LEAK_CHECKER 1
#endif
#endif
#if defined(QOR_TEST_LEAK_CHECKER)
#include <sanitizer/lsan_interface.h>
#endif

namespace qor::test {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitized = true;
#else
inline constexpr bool kAddressSanitized = false;
#endif
#else
inline constexpr bool kAddressSanitized = false;
#endif

// A program ended by a fatal error leaves its windows and their state alive, as it
// should; the leak checker would count them and change the exit code. Allocations the
// calling thread makes from here on are not leaks.
inline void IgnoreLeaksFromHere() {
#if defined(QOR_TEST_LEAK_CHECKER)
  __lsan_disable();
#endif
}

}  // namespace qor::test
