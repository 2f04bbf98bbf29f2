#include "window/platform/draw/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <mutex>

namespace qor::ui {

namespace {

struct Alias {
  const char* asked;
  const char* installed;
};

// Faces of the old desktop and what stands in for them here (compared without case).
constexpr Alias kAliases[] = {
    {"arial", "Liberation Sans"},       {"helvetica", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"}, {"ms shell dlg", "Liberation Sans"},
    {"helv", "Liberation Sans"},        {"system", "Liberation Sans"},
    {"courier new", "Liberation Mono"}, {"courier", "Liberation Mono"},
    {"times new roman", "Liberation Serif"}, {"tms rmn", "Liberation Serif"},
};

std::string Lower(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
  return lower;
}

std::string InstalledFamily(std::string_view face) {
  std::string lower = Lower(face);
  for (const Alias& alias : kAliases) {
    if (lower == alias.asked) return alias.installed;
  }
  return face.empty() ? "Liberation Sans" : std::string(face);
}

std::string PatternString(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
  return reinterpret_cast<const char*>(value);
}

}  // namespace

std::optional<FontFile> MatchFontFile(std::string_view face, int weight, bool italic) {
  static std::mutex mutex;  // fontconfig's configuration is not shared safely between threads
  std::lock_guard lock(mutex);
  if (!FcInit()) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  std::string family = InstalledFamily(face);
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>("sans-serif"));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(std::clamp(weight, 1, 1000)));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return std::nullopt;
  FontFile file{PatternString(match, FC_FILE), PatternString(match, FC_FAMILY)};
  FcPatternDestroy(match);
  if (file.path.empty()) return std::nullopt;
  return file;
}

}  // namespace qor::ui
