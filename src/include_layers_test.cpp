// SPDX-License-Identifier: MIT
// The layers of the product, read from its sources: a folder under src/ is one
// library and one layer, and its files include headers of its own folder and of the
// folders below it only. Inside a folder no two files include each other, directly
// or round a circle. CMake lets a folder include only what it links (each library
// exports its folder alone); this test names the layers a newcomer must respect,
// and finds what CMake cannot: a circle between the files of one folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// Each folder and the folders it may use directly; what they may use, it may use
// too. Lowest first.
const std::map<std::string, std::set<std::string>>& Layers() {
  static const std::map<std::string, std::set<std::string>> layers = {
      // Qt-free
      {"platform/core", {}},
      {"engine", {"platform/core"}},
      {"advance", {"engine"}},             // the detail window's one-day advance
      {"sundial", {"engine"}},             // dial geometry
      {"sheet_layout", {"sundial"}},       // sheets laid out and cut into pages
      {"chart", {"engine"}},               // the chart as values
      // QtCore
      {"clock", {"sundial"}},              // zones, clock noon, the card's values
      // QtGui
      {"platform/fonts", {"platform/core"}},
      {"paper", {"sheet_layout", "clock", "platform/fonts"}},
      {"chart_drawing", {"chart", "platform/fonts"}},
      // libcanberra
      {"platform/sound", {}},
      // QtWidgets
      {"platform/forms", {"platform/fonts"}},
      {"windows", {"chart_drawing", "advance", "platform/forms"}},
      // programs and the command line
      {"app", {"windows", "platform/sound"}},
      {"cli/io", {"clock", "chart", "sheet_layout"}},
      {"cli/commands", {"cli/io"}},
      {"cli/drawing", {"cli/io", "paper", "chart_drawing"}},
      {"cli", {"cli/commands", "cli/drawing"}},  // orvalin-cli, its module and their tests
  };
  return layers;
}

std::set<std::string> Reachable(const std::string& folder) {
  std::set<std::string> reached;
  std::function<void(const std::string&)> visit = [&](const std::string& from) {
    for (const std::string& to : Layers().at(from)) {
      if (reached.insert(to).second) visit(to);
    }
  };
  visit(folder);
  return reached;
}

struct SourceFile {
  fs::path path;            // from src/
  std::string folder;       // "cli/io"; "windows/testing" for test support
  std::string unit;         // the folder and the stem shared by a .h and its .cpp
  bool is_test;             // a test or test support: may include test support
  std::vector<std::string> includes;  // of the product's own headers
};

// The header of an `#include "..."` line, else empty.
std::string QuotedInclude(const std::string& line) {
  std::size_t at = line.find_first_not_of(" \t");
  if (at == std::string::npos || line[at] != '#') return {};
  at = line.find_first_not_of(" \t", at + 1);
  if (at == std::string::npos || line.compare(at, 7, "include") != 0) return {};
  const std::size_t open = line.find_first_not_of(" \t", at + 7);
  if (open == std::string::npos || line[open] != '"') return {};
  const std::size_t close = line.find('"', open + 1);
  return close == std::string::npos ? std::string() : line.substr(open + 1, close - open - 1);
}

std::vector<SourceFile> ReadSources() {
  const fs::path root = ORVALIN_SOURCE_ROOT;
  std::vector<SourceFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    const std::string extension = entry.path().extension().string();
    if (!entry.is_regular_file() || (extension != ".h" && extension != ".cpp" && extension != ".in")) continue;
    SourceFile file;
    file.path = fs::relative(entry.path(), root);
    file.folder = file.path.parent_path().generic_string();
    std::string stem = file.path.filename().string();
    stem = stem.substr(0, stem.find('.'));
    const bool test_file = stem.size() > 5 && stem.compare(stem.size() - 5, 5, "_test") == 0;
    const bool support = file.folder.size() >= 7 && file.folder.compare(file.folder.size() - 7, 7, "testing") == 0;
    file.is_test = test_file || support || stem == "include_layers_test";
    file.unit = file.folder + "/" + stem;
    std::ifstream in(entry.path());
    std::string line;
    while (std::getline(in, line)) {
      const std::string header = QuotedInclude(line);
      if (header.find('/') != std::string::npos) file.includes.push_back(header);
    }
    files.push_back(std::move(file));
  }
  return files;
}

// "windows/testing" → "windows": test support belongs to the folder it serves.
std::string LayerOf(const std::string& folder) {
  const std::size_t at = folder.rfind("/testing");
  return at != std::string::npos && at + 8 == folder.size() ? folder.substr(0, at) : folder;
}

TEST(IncludeLayers, EveryFolderHasALayer) {
  for (const SourceFile& file : ReadSources()) {
    if (file.folder.empty()) continue;  // this test
    EXPECT_TRUE(Layers().count(LayerOf(file.folder)) > 0)
        << file.path << ": the folder " << file.folder << " has no layer in include_layers_test.cpp";
  }
}

TEST(IncludeLayers, AFolderIncludesOnlyItselfAndTheFoldersBelowIt) {
  for (const SourceFile& file : ReadSources()) {
    const std::string layer = LayerOf(file.folder);
    if (!Layers().count(layer)) continue;
    std::set<std::string> allowed = Reachable(layer);
    allowed.insert(layer);
    for (const std::string& header : file.includes) {
      const std::string folder = fs::path(header).parent_path().generic_string();
      // Test support (a testing/ folder) serves the tests of its layer and above.
      const bool test_support = LayerOf(folder) != folder;
      const bool may = allowed.count(LayerOf(folder)) > 0 && (!test_support || file.is_test);
      EXPECT_TRUE(may) << file.path << " includes " << header << ", which " << layer << " may not use";
    }
  }
}

TEST(IncludeLayers, NoCircleBetweenTheFilesOfAFolder) {
  std::map<std::string, std::set<std::string>> uses;  // unit → units of its own folder
  for (const SourceFile& file : ReadSources()) {
    if (file.is_test) continue;
    for (const std::string& header : file.includes) {
      const fs::path included(header);
      if (included.parent_path().generic_string() != file.folder) continue;
      const std::string stem = included.filename().string().substr(0, included.filename().string().find('.'));
      const std::string unit = file.folder + "/" + stem;
      if (unit != file.unit) uses[file.unit].insert(unit);
    }
  }
  // Depth-first search; a unit met again while on the path closes a circle.
  std::map<std::string, int> state;  // 1 on the path, 2 done
  std::vector<std::string> path;
  std::function<void(const std::string&)> visit = [&](const std::string& unit) {
    state[unit] = 1;
    path.push_back(unit);
    for (const std::string& next : uses[unit]) {
      if (state[next] == 1) {
        std::string circle;
        for (auto it = std::find(path.begin(), path.end(), next); it != path.end(); ++it) circle += *it + " → ";
        ADD_FAILURE() << "files include each other: " << circle << next;
      } else if (state[next] == 0) {
        visit(next);
      }
    }
    path.pop_back();
    state[unit] = 2;
  };
  for (const auto& [unit, used] : uses) {
    if (state[unit] == 0) visit(unit);
  }
}

}  // namespace
