#pragma once
// Whether this test program, and so the programs it starts, is built with
// AddressSanitizer, whose allocator answers differently and costs memory of its own.

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

}  // namespace qor::test
