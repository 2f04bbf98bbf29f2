#pragma once
// The TEXT of a `type` command: UTF-8 with two escapes, turned into the bytes of the
// window's code page (1252). "\\" is a backslash, "\xHH" (HH 20 to FF) the byte HH;
// every other character must be one the code page holds, from 20h up.
#include <optional>
#include <string>
#include <string_view>

namespace qor::app::drv {

// The code-page bytes, or nullopt with `error` saying what is wrong.
std::optional<std::string> DecodeScriptText(std::string_view utf8, std::string* error);

}  // namespace qor::app::drv
