#pragma once
// Translates a window's texts when the window first opens.
namespace qor::fw {

class Translator {
 public:
  virtual ~Translator() = default;
  // `window` 0 names the current window.
  virtual void TranslateWindow(int window) = 0;
};

}  // namespace qor::fw
