#include "window/platform/resources/icon_file.h"

#include <charconv>

#include "os/file.h"
#include "window/platform/resources/detail/icon_decode.h"

namespace qor::ui {

using detail::DoubleWord;
using detail::Word;

namespace {

constexpr size_t kDirectorySize = 6;
constexpr size_t kEntrySize = 16;
constexpr uint16_t kIconType = 1;
constexpr uint16_t kCursorType = 2;  // the same layout; the hot spot sits where planes and depth are

void Report(std::string* error, const std::string& reason) {
  if (error) *error = reason;
}

std::optional<int> EntryCount(std::span<const uint8_t> data, std::string& error) {
  if (data.size() < kDirectorySize) {
    error = "not an icon file: too short";
    return std::nullopt;
  }
  uint16_t type = Word(data, 2);
  if (Word(data, 0) != 0 || (type != kIconType && type != kCursorType)) {
    error = "not an icon file: bad directory header";
    return std::nullopt;
  }
  uint16_t count = Word(data, 4);
  if (kDirectorySize + size_t{count} * kEntrySize > data.size()) {
    error = "icon directory cut short";
    return std::nullopt;
  }
  if (count == 0) {
    error = "icon file holds no image";
    return std::nullopt;
  }
  return count;
}

// The bytes of the image at a directory entry, checked to lie inside the data.
std::optional<std::span<const uint8_t>> EntryBytes(std::span<const uint8_t> data, int index, std::string& error) {
  size_t entry = kDirectorySize + size_t(index) * kEntrySize;
  uint64_t size = DoubleWord(data, entry + 8);
  uint64_t offset = DoubleWord(data, entry + 12);
  if (size == 0 || offset + size > data.size()) {
    error = "icon image " + std::to_string(index) + " lies outside the file";
    return std::nullopt;
  }
  return data.subspan(offset, size);
}

std::optional<IconImage> DecodeEntry(std::span<const uint8_t> data, int index, std::string& error) {
  auto bytes = EntryBytes(data, index, error);
  if (!bytes) return std::nullopt;
  std::optional<IconImage> image =
      detail::LooksLikePng(*bytes) ? detail::DecodeIconPng(*bytes, error) : detail::DecodeIconBitmap(*bytes, error);
  if (!image) error = "icon image " + std::to_string(index) + ": " + error;
  return image;
}

bool ReadFile(const std::string& path, std::string& bytes, std::string* error) {
  if (os::ReadWholeFile(path, bytes)) return true;
  Report(error, "cannot read " + path);
  return false;
}

std::span<const uint8_t> AsBytes(const std::string& bytes) {
  return {reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()};
}

}  // namespace

std::optional<int> CountIconImages(std::span<const uint8_t> data, std::string* error) {
  std::string reason;
  std::optional<int> count = EntryCount(data, reason);
  if (!count) Report(error, reason);
  return count;
}

std::optional<IconImage> ReadIconImage(std::span<const uint8_t> data, int index, std::string* error) {
  std::string reason;
  std::optional<int> count = EntryCount(data, reason);
  if (count && (index < 0 || index >= *count)) {
    reason = "no icon image " + std::to_string(index) + " (the file holds " + std::to_string(*count) + ")";
    count.reset();
  }
  std::optional<IconImage> image = count ? DecodeEntry(data, index, reason) : std::nullopt;
  if (!image) Report(error, reason);
  return image;
}

std::optional<std::vector<IconImage>> ReadIconImages(std::span<const uint8_t> data, std::string* error) {
  std::string reason;
  std::optional<int> count = EntryCount(data, reason);
  if (!count) {
    Report(error, reason);
    return std::nullopt;
  }
  std::vector<IconImage> images;
  for (int index = 0; index < *count; ++index) {
    std::optional<IconImage> image = DecodeEntry(data, index, reason);
    if (!image) {
      Report(error, reason);
      return std::nullopt;
    }
    images.push_back(std::move(*image));
  }
  return images;
}

IconHandle LoadIconFile(const std::string& path, std::string* error) {
  std::string bytes;
  if (!ReadFile(path, bytes, error)) return IconHandle::None;
  std::optional<std::vector<IconImage>> images = ReadIconImages(AsBytes(bytes), error);
  return images ? CreateIconFromImages(std::move(*images)) : IconHandle::None;
}

IconHandle ExtractIcon(const std::string& path, int index, std::string* error) {
  std::string bytes;
  if (!ReadFile(path, bytes, error)) return IconHandle::None;
  std::optional<IconImage> image = ReadIconImage(AsBytes(bytes), index, error);
  if (!image) return IconHandle::None;
  std::vector<IconImage> images;
  images.push_back(std::move(*image));
  return CreateIconFromImages(std::move(images));
}

int ExtractIconCount(const std::string& path, std::string* error) {
  std::string bytes;
  if (!ReadFile(path, bytes, error)) return -1;
  return CountIconImages(AsBytes(bytes), error).value_or(-1);
}

IconHandle LoadIconFromFileName(std::string_view name, std::string* error) {
  size_t open = name.rfind('[');
  if (name.empty() || name.back() != ']' || open == std::string_view::npos) {
    return LoadIconFile(std::string(name), error);
  }
  std::string_view digits = name.substr(open + 1, name.size() - open - 2);
  int index = 0;
  auto [end, problem] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
  if (digits.empty() || problem != std::errc() || end != digits.data() + digits.size()) {
    Report(error, "bad icon index in " + std::string(name));
    return IconHandle::None;
  }
  return ExtractIcon(std::string(name.substr(0, open)), index, error);
}

}  // namespace qor::ui
