#pragma once
// Internal: decoding one image of an icon file, a bitmap with its mask or a PNG image.
// The span is exactly the image's bytes; nothing outside it is read.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "window/platform/resources/icon.h"

namespace qor::ui::detail {

std::optional<IconImage> DecodeIconBitmap(std::span<const uint8_t> data, std::string& error);
std::optional<IconImage> DecodeIconPng(std::span<const uint8_t> data, std::string& error);
bool LooksLikePng(std::span<const uint8_t> data);

// Little-endian fields; the caller has checked that they lie inside the data.
inline uint16_t Word(std::span<const uint8_t> data, size_t at) {
  return static_cast<uint16_t>(data[at] | (data[at + 1] << 8));
}
inline uint32_t DoubleWord(std::span<const uint8_t> data, size_t at) {
  return static_cast<uint32_t>(Word(data, at)) | (static_cast<uint32_t>(Word(data, at + 2)) << 16);
}

}  // namespace qor::ui::detail
