// SPDX-License-Identifier: MIT
#include "cli/io/drawing_module.h"

#include <dlfcn.h>
#include <unistd.h>

#include "cli/io/echo.h"
#include "cli/io/errors.h"

namespace cli {
namespace {

Drawing* used_drawing = nullptr;

std::string ModulePath() {
  std::string self(4096, '\0');
  const ssize_t length = readlink("/proc/self/exe", self.data(), self.size());
  if (length <= 0 || static_cast<std::size_t>(length) >= self.size()) return ORVALIN_DRAWING_MODULE;
  self.resize(static_cast<std::size_t>(length));
  return self.substr(0, self.rfind('/') + 1) + ORVALIN_DRAWING_MODULE;
}

// dlerror()'s text without the path it starts with, which the message names already.
std::string LoadError(const std::string& path) {
  const char* text = dlerror();
  std::string reason = text ? text : "unknown error";
  if (reason.compare(0, path.size() + 2, path + ": ") == 0) reason.erase(0, path.size() + 2);
  return "cannot load the drawing module " + Echo(path) + ": " + reason;
}

}  // namespace

Drawing& LoadedDrawing() {
  if (used_drawing) return *used_drawing;
  const std::string path = ModulePath();
  // Loaded once and kept to the end: the GUI it starts lives as long as the process.
  void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!module) throw ValueError{LoadError(path)};
  using EntryPoint = Drawing* (*)();
  const auto entry = reinterpret_cast<EntryPoint>(dlsym(module, kDrawingEntryPoint));
  if (!entry) throw ValueError{LoadError(path)};
  used_drawing = entry();
  return *used_drawing;
}

void UseDrawing(Drawing& drawing) { used_drawing = &drawing; }

}  // namespace cli
