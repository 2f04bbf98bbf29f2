// The layering check: every #include of the product's source folders must point down the
// order of layers (app, framework, window runtime, language runtime and windowing core,
// OS services) and, inside a layer that is split into folders by concern, down the order
// of its folders. A detail/ folder is private to the folder that holds it. The few edges
// kept on purpose are listed, each with its reason, in allowed_edges.txt beside this file.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A folder by concern and what it may include besides itself.
struct Unit {
  std::string path;                  // relative to the source root, no trailing slash
  std::vector<std::string> mayUse;   // units (paths) it may include
};

const std::vector<std::string> kRuntimeOrder = {
    "runtime/base",     "runtime/locale",   "runtime/heap",    "runtime/values",
    "runtime/builtins", "runtime/environment", "runtime/pictures", "runtime/startup",
    "runtime/errors",   "runtime/bindings"};
const std::vector<std::string> kPlatformOrder = {
    "window/platform/core",     "window/platform/draw",
    "window/platform/resources", "window/platform/defaults",
    "window/platform/system_controls", "window/platform/dialogs",
    "window/platform/hosts",    "window/platform/hosts/sdl"};

// Builds the table of units: each folder of an ordered chain may use the folders before
// it in its chain and every unit of the layers below.
std::vector<Unit> Units() {
  std::vector<Unit> units;
  auto chain = [&](const std::vector<std::string>& order, std::vector<std::string> below) {
    for (size_t i = 0; i < order.size(); ++i) {
      Unit unit{order[i], below};
      unit.mayUse.insert(unit.mayUse.end(), order.begin(), order.begin() + i);
      units.push_back(unit);
    }
  };
  std::vector<std::string> os = {"os"};
  units.push_back({"os", {}});
  chain(kRuntimeOrder, os);
  chain(kPlatformOrder, os);
  std::vector<std::string> belowWindow = os;
  belowWindow.insert(belowWindow.end(), kRuntimeOrder.begin(), kRuntimeOrder.end());
  belowWindow.insert(belowWindow.end(), kPlatformOrder.begin(), kPlatformOrder.end());
  units.push_back({"window/definition", belowWindow});
  std::vector<std::string> windowRuntime = belowWindow;
  windowRuntime.push_back("window/definition");
  units.push_back({"window", windowRuntime});  // the window runtime's own folders
  std::vector<std::string> belowFramework = windowRuntime;
  belowFramework.push_back("window");
  units.push_back({"framework", belowFramework});
  std::vector<std::string> belowApp = belowFramework;
  belowApp.push_back("framework");
  belowApp.push_back("resources");
  units.push_back({"app", belowApp});
  return units;
}

bool IsUnder(const std::string& path, const std::string& folder) {
  return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 &&
         path[folder.size()] == '/';
}

// The most specific unit holding the path; nullptr for files outside the checked folders.
const Unit* UnitOf(const std::vector<Unit>& units, const std::string& path) {
  const Unit* best = nullptr;
  for (const Unit& unit : units)
    if (IsUnder(path, unit.path) && (!best || unit.path.size() > best->path.size()))
      best = &unit;
  return best;
}

// "a/b/detail/c.h" -> "a/b"; empty when the path has no detail/ part.
std::string DetailOwner(const std::string& path) {
  size_t at = path.find("/detail/");
  return at == std::string::npos ? std::string() : path.substr(0, at);
}

std::map<std::string, std::string> AllowedEdges(const fs::path& file) {
  std::map<std::string, std::string> allowed;  // "from -> to" to its reason
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    size_t hash = line.find('#');
    std::string edge = line.substr(0, hash);
    edge.erase(edge.find_last_not_of(' ') + 1);
    allowed[edge] = hash == std::string::npos ? "" : line.substr(hash + 1);
  }
  return allowed;
}

struct Violation {
  std::string from, includeLine, why;
};

TEST(Layering, IncludesPointDownTheOrderAndStayOutOfOtherFoldersDetails) {
  const fs::path root = QOR_SOURCE_DIR;
  const std::vector<Unit> units = Units();
  std::map<std::string, std::string> allowed =
      AllowedEdges(root / "tests/layering/allowed_edges.txt");
  std::set<std::string> used;
  std::vector<Violation> violations;
  const std::regex include(R"re(^\s*#\s*include\s+"([^"]+)")re");
  size_t filesRead = 0;
  for (const char* top : {"os", "runtime", "window", "framework", "app"}) {
    for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
      std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      std::string from = fs::relative(entry.path(), root).generic_string();
      const Unit* unit = UnitOf(units, from);
      if (!unit) continue;
      ++filesRead;
      std::ifstream in(entry.path());
      std::string line;
      std::smatch match;
      while (std::getline(in, line)) {
        if (!std::regex_search(line, match, include)) continue;
        std::string to = match[1];
        const Unit* target = UnitOf(units, to);
        std::string owner = DetailOwner(to);
        std::string why;
        if (!owner.empty() && !IsUnder(from, owner))
          why = "reaches into " + owner + "/detail/";
        else if (target && target != unit &&
                 std::find(unit->mayUse.begin(), unit->mayUse.end(), target->path) ==
                     unit->mayUse.end())
          why = unit->path + " may not use " + target->path;
        else if (!target && (IsUnder(to, "tools") || IsUnder(to, "tests") || IsUnder(to, "bench")))
          why = "the product includes " + to;
        if (why.empty()) continue;
        std::string edge = unit->path + " -> " + to;
        if (allowed.count(edge)) {
          used.insert(edge);
          continue;
        }
        violations.push_back({from, to, why});
      }
    }
  }
  EXPECT_GT(filesRead, 200u);
  for (const Violation& v : violations)
    ADD_FAILURE() << v.from << " includes \"" << v.includeLine << "\": " << v.why;
  for (const auto& [edge, reason] : allowed)
    EXPECT_TRUE(used.count(edge)) << "allowed_edges.txt lists an edge no file has: " << edge;
}

}  // namespace
