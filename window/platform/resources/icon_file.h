#pragma once
// Icon files (.ico): a directory of images of one icon at several sizes and colour
// depths. Each image is either a device-independent bitmap (1, 4, 8, 24 or 32 bits a
// pixel, with its one-bit transparency mask below it) or a PNG image. Bad input is
// refused with a reason; nothing is read outside the data.
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "window/platform/resources/icon.h"

namespace qor::ui {

// Images larger than this on either side are refused.
inline constexpr int kLargestIconSide = 1024;

// The number of images in the directory; nullopt (with the reason) when the data is not
// an icon file.
std::optional<int> CountIconImages(std::span<const uint8_t> data, std::string* error);
// One image, by its place in the directory (from 0).
std::optional<IconImage> ReadIconImage(std::span<const uint8_t> data, int index, std::string* error);
// Every image; fails if any of them is bad.
std::optional<std::vector<IconImage>> ReadIconImages(std::span<const uint8_t> data, std::string* error);

// From a file: the whole icon (every image), or only the image at `index`, or how many
// images the file holds (-1 when it cannot be read or is not an icon file).
IconHandle LoadIconFile(const std::string& path, std::string* error = nullptr);
IconHandle ExtractIcon(const std::string& path, int index, std::string* error = nullptr);
int ExtractIconCount(const std::string& path, std::string* error = nullptr);
// A file name as the runtime's icon names give it: "name.ico" for the whole icon,
// "name.ico[2]" for the image with that index.
IconHandle LoadIconFromFileName(std::string_view name, std::string* error = nullptr);

}  // namespace qor::ui
