#pragma once
// The private window messages through which the runtime's windows and controls talk to
// each other, and the thread message that brings the thread's active window to the top.
#include <cstdint>

namespace qor::win {

inline constexpr uint32_t QUERY_SETUSE = 0x2401;
inline constexpr uint32_t QUERY_SELECTED = 0x2402;
inline constexpr uint32_t QUERY_COMMAND = 0x2403;   // a control's command; buttons make it Accepted
inline constexpr uint32_t QUERY_HOTCHANGE = 0x2404;
inline constexpr uint32_t QUERY_HELP = 0x2405;
inline constexpr uint32_t QUERY_QUIT = 0x2406;
inline constexpr uint32_t QUERY_REPLY = 0x2407;
inline constexpr uint32_t QUERY_LOSEFOCUS = 0x2408;
inline constexpr uint32_t QUERY_PSCREEN = 0x2409;
inline constexpr uint32_t QUERY_PFIELD = 0x240A;    // reply: the window's or control's object
inline constexpr uint32_t QUERY_COLOR = 0x240C;
inline constexpr uint32_t QUERY_HSCROLL = 0x240E;
inline constexpr uint32_t QUERY_NOTIFY = 0x2410;
inline constexpr uint32_t QUERY_LOCATE = 0x2412;
inline constexpr uint32_t QUERY_CONTINUETHREAD = 0x241C;
inline constexpr uint32_t QUERY_EDITDONE = 0x241D;

// Posted to a thread: bring its active window to the top.
inline constexpr uint32_t kBringToTopMessage = 0x2415;

}  // namespace qor::win
