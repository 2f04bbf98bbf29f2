#include "app/driver/state_lines.h"

#include <string_view>

#include "app/driver/output_escape.h"

namespace qor::app::drv {
namespace {

std::string Line(std::string_view name, const std::string& value) { return std::string(name) + "\t" + value; }
std::string Text(const char* bytes, size_t size) { return EscapeOutput(std::string_view(bytes, size)); }

void AddRegister(std::vector<std::string>& lines, const std::string& prefix, const RegisterRecord& reg) {
  lines.push_back(Line(prefix + ":U", std::to_string(reg.U)));
  lines.push_back(Line(prefix + ":L", std::to_string(reg.L)));
  lines.push_back(Line(prefix + ":B1", std::to_string(reg.BG.B1)));
  lines.push_back(Line(prefix + ":B2", std::to_string(reg.BG.B2)));
  lines.push_back(Line(prefix + ":B3", std::to_string(reg.BG.B3)));
  lines.push_back(Line(prefix + ":B4", std::to_string(reg.BG.B4)));
  lines.push_back(Line(prefix + ":H", Text(reg.H, sizeof reg.H)));
  lines.push_back(Line(prefix + ":B", Text(reg.B, sizeof reg.B)));
}

}  // namespace

std::vector<std::string> StateLines(const TesterState& state) {
  std::vector<std::string> lines;
  AddRegister(lines, "V1", state.V1);
  AddRegister(lines, "V2", state.V2);
  AddRegister(lines, "V3", state.V3);
  lines.push_back(Line("ButtonDelay", std::to_string(state.ButtonDelay)));
  lines.push_back(Line("ButtonRepeat", std::to_string(state.ButtonRepeat)));
  lines.push_back(Line("G1S", std::to_string(state.G1S)));
  lines.push_back(Line("G1", Text(state.G1, sizeof state.G1)));
  lines.push_back(Line("SH1", Text(state.SH1, sizeof state.SH1)));
  lines.push_back(Line("G2", Text(state.G2, sizeof state.G2)));
  lines.push_back(Line("G2S", std::to_string(state.G2S)));
  lines.push_back(Line("GL", std::to_string(state.GL)));
  lines.push_back(Line("FlashCount", std::to_string(state.FlashCount)));
  return lines;
}

}  // namespace qor::app::drv
