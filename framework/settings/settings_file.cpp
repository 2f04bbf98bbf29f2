#include "framework/settings/settings_file.h"

#include "framework/settings/settings_location.h"
#include "framework/settings/settings_store.h"
#include "framework/settings/settings_text.h"
#include "runtime/base/error_state.h"
#include "runtime/values/value_stack.h"

namespace qor::fw {
namespace {

constexpr int32_t kErrorInvalid = 90;

bool Fail(int32_t code, const std::string& path) {
  rt::SetError(code);
  if (!path.empty()) rt::SetErrorFileName(path);
  return false;
}

// The location, with the error set when the name gives none.
SettingsLocation Locate(const std::string& fileName) {
  rt::ClearError();
  SettingsLocation location = LocateSettingsFile(fileName);
  if (location.error) Fail(location.error, "");
  return location;
}

bool Rewrite(const SettingsLocation& location, const SettingsEdit& edit) {
  int32_t error = RewriteSettingsFile(location, edit);
  return error == 0 || Fail(error, location.path);
}

}  // namespace

void SettingsFile::Init(std::string_view fileName) {
  fileName_ = std::string(fileName.substr(0, kSettingsNameLimit));
}

void SettingsFile::InitFromValueStack() {
  rt::ValueEntry entry = rt::StrTakeTop();
  rt::CountedText name = rt::TextOf(entry);
  Init(std::string_view(name.text, static_cast<size_t>(name.length)));
  rt::ReleaseValueEntry(entry);
}

std::string SettingsFile::Path() const { return Locate(fileName_).path; }

std::string SettingsFile::Get(std::string_view section, std::string_view key, std::string_view defaultValue) const {
  SettingsLocation location = Locate(fileName_);
  if (location.error) return std::string(defaultValue);
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!IsValidSectionName(section) || !IsValidKeyName(key)) {
    Fail(kErrorInvalid, location.path);
    return std::string(defaultValue);
  }
  SettingsRead read = ReadSettingsFile(location.path);
  if (read.error) {
    Fail(read.error, location.path);
    return std::string(defaultValue);
  }
  std::optional<std::string> value = FindSetting(read.text, section, key);
  return value ? *value : std::string(defaultValue);
}

bool SettingsFile::Put(std::string_view section, std::string_view key, std::string_view value) {
  SettingsLocation location = Locate(fileName_);
  if (location.error) return false;
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!IsValidSectionName(section) || !IsValidKeyName(key) || !IsValidValue(value))
    return Fail(kErrorInvalid, location.path);
  return Rewrite(location, [&](const std::string& text) { return WithSetting(text, section, key, value); });
}

bool SettingsFile::Remove(std::string_view section, std::string_view key) {
  SettingsLocation location = Locate(fileName_);
  if (location.error) return false;
  section = TrimBlanks(section);
  key = TrimBlanks(key);
  if (!IsValidSectionName(section) || !IsValidKeyName(key)) return Fail(kErrorInvalid, location.path);
  return Rewrite(location, [&](const std::string& text) { return WithoutSetting(text, section, key); });
}

bool SettingsFile::RemoveSection(std::string_view section) {
  SettingsLocation location = Locate(fileName_);
  if (location.error) return false;
  section = TrimBlanks(section);
  if (!IsValidSectionName(section)) return Fail(kErrorInvalid, location.path);
  return Rewrite(location, [&](const std::string& text) { return WithoutSection(text, section); });
}

}  // namespace qor::fw
