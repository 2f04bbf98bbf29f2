#pragma once
// Whole-file reading and writing for the build-time compilers (windefc, msgtablec).
#include <cstddef>
#include <string>

namespace qor::tool {

// False when the file cannot be read.
bool ReadWholeFile(const std::string& path, std::string& text);
// Replaces the file's content; false when it cannot be written.
bool WriteWholeFile(const std::string& path, const void* data, size_t size);

}  // namespace qor::tool
