#pragma once
// The script reader: a driver script's whole text in, its checked command list or its
// first error out. It touches nothing else, so a script is refused before any window
// exists. Rules: lines end at LF (a CR before it is dropped); leading blanks and tabs
// are skipped; empty lines and lines starting "#" are ignored; words are separated by
// runs of blanks or tabs; outside `type`, a word starting "#" begins a comment;
// commands are lower case, numbers plain decimal. `close` must be the last command.
#include <optional>
#include <string>
#include <string_view>

#include "app/driver/control_sets.h"
#include "app/driver/script_command.h"

namespace qor::app::drv {

inline constexpr uint32_t kLongestWait = 86400000;  // a day, in milliseconds
inline constexpr uint32_t kMostSpinClicks = 1000;

struct ScriptError {
  int line = 0;
  std::string message;
};

struct ScriptReading {
  std::optional<Script> script;  // nullopt: `error` says why
  ScriptError error;
};

ScriptReading ReadScript(std::string_view name, std::string_view text, const ControlSets& controls);

// The command's name as scripts write it ("press").
const char* CommandName(CommandKind kind);

// "kzt_asm: NAME:LINE: MESSAGE", the form every script error is reported in.
std::string ScriptErrorLine(std::string_view name, const ScriptError& error);

}  // namespace qor::app::drv
