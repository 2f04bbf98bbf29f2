#pragma once
// The keys of a data file: each key a slice (offset, length) of the fixed-length
// record. The key file "<name>.key" holds, key after key, the record numbers (1-based,
// 32-bit little-endian) in the key's order: by the slice's bytes, then by record
// number. There is no header; a file without keys has no key file.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qor::fw {

struct KeySlice {
  uint32_t offset = 0;
  uint32_t length = 0;
};

// The key file's contents for the records in `data` (a whole number of records).
std::string BuildKeyFileContents(std::string_view data, uint32_t recordLength, const std::vector<KeySlice>& keys);

// Writes the key file through a temporary file, fsync and rename: a reader sees the old
// file or the new one, never a part. 0, or errno.
int WriteKeyFileAtomically(const std::string& path, const std::string& contents);

}  // namespace qor::fw
