#pragma once
// The levels the class library's handlers return, and the severities of messages.
#include <cstdint>

namespace qor::fw {

inline constexpr uint8_t LevelQuiet = 0;
inline constexpr uint8_t LevelQuestion = 1;
inline constexpr uint8_t LevelProgram = 2;
inline constexpr uint8_t LevelFatal = 3;
inline constexpr uint8_t LevelDeclined = 4;
inline constexpr uint8_t LevelNotify = 5;

}  // namespace qor::fw
