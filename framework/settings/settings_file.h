#pragma once
// SettingsFile: names the application's settings file and reads and writes values in
// it. `Init` records the name as given (cut to 259 characters); neither `Init` nor a
// read creates anything. Where the file lives and its format: settings_location.h and
// settings_text.h; how it is written: settings_store.h.
//
// Every operation clears the error state first. Failures set it and return:
//   5  the file cannot be read (no permission, a directory);
//   36 the file is larger than 1 MiB;
//   90 an invalid section, key, value or file name, or a failed write.
// A read that fails gives the default; a write to a file that cannot be read writes
// nothing.
#include <string>
#include <string_view>

namespace qor::fw {

inline constexpr size_t kSettingsNameLimit = 259;

class SettingsFile {
 public:
  // FILENAME = the name as given, without removing blanks, cut to 259 characters.
  void Init(std::string_view fileName);
  // The same with the name popped from the value stack.
  void InitFromValueStack();
  const std::string& FileName() const { return fileName_; }

  // The file's path; empty (error set) when the name gives none.
  std::string Path() const;

  std::string Get(std::string_view section, std::string_view key, std::string_view defaultValue) const;
  bool Put(std::string_view section, std::string_view key, std::string_view value);
  bool Remove(std::string_view section, std::string_view key);
  bool RemoveSection(std::string_view section);

 private:
  std::string fileName_;
};

}  // namespace qor::fw
