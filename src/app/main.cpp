// SPDX-License-Identifier: MIT
// Orvalin: the equation of time over a year, its rate of change, and its value at
// one instant. Starts the year entry window; the windows do the rest.
#include <QApplication>
#include <QFontDatabase>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "windows/program_windows.h"
#include "platform/forms/app_icon.h"
#include "platform/sound/canberra_sound.h"
#include "platform/fonts/fonts.h"
#include "platform/forms/runtime.h"
#include "platform/core/version.h"
#include "platform/forms/toolkit_translation.h"

namespace {

// Qt aborts when it cannot reach a display; say what to do instead.
bool DisplayAvailable() {
  const char* platform_name = std::getenv("QT_QPA_PLATFORM");
  if (platform_name && *platform_name) return true;
  const char* x_display = std::getenv("DISPLAY");
  const char* wayland_display = std::getenv("WAYLAND_DISPLAY");
  return (x_display && *x_display) || (wayland_display && *wayland_display);
}

constexpr const char* kHelp =
    "Usage: orvalin [QT-OPTION]...\n"
    "Charts the equation of time over a year, draws its rate of change and gives its\n"
    "value at one instant, in Japanese windows.\n"
    "\n"
    "Options:\n"
    "  -h, --help      this text\n"
    "  -V, --version   the version\n"
    "Qt's own options (-platform NAME, -display DISPLAY, ...) are passed to Qt.\n"
    "\n"
    "The windows need a display (DISPLAY or WAYLAND_DISPLAY); without one, run\n"
    "xvfb-run -a orvalin. orvalin-cli gives the same values on the command line.\n";

// --help and --version are answered at once, before Qt looks for a display.
// Returns whether one was.
bool AnsweredFromTheCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::fputs(kHelp, stdout);
      return true;
    }
    if (std::strcmp(argv[i], "--version") == 0 || std::strcmp(argv[i], "-V") == 0) {
      std::printf("orvalin %d.%d.%d\n", platform::kVersionMajor, platform::kVersionMinor, platform::kVersionRevision);
      return true;
    }
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (AnsweredFromTheCommandLine(argc, argv)) {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
    std::fprintf(stderr, "orvalin: write error: %s\n", std::strerror(errno));
    return 1;
  }
  if (!DisplayAvailable()) {
    std::fprintf(stderr,
                 "orvalin: no display found (DISPLAY is not set); to run without a screen use: "
                 "xvfb-run -a %s\n",
                 argv[0]);
    return 1;
  }
  std::signal(SIGXFSZ, SIG_IGN);  // a save past `ulimit -f` fails (EFBIG) and is reported, not fatal
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Orvalin"));
  // Lets the desktop match the windows to the menu entry and its icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("io.github.orvalin.orvalin"));
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setWindowIcon(platform::AppIcon());  // message boxes carry it too
  platform::RegisterFontSubstitutions();
  if (const std::string notice = platform::MissingFacesNotice(QFontDatabase::families()); !notice.empty()) {
    std::fprintf(stderr, "%s\n", notice.c_str());
    platform::SilenceMissingFaceWarnings();
  }
  // The notification sound of the desktop's theme stands in when the file is missing.
  platform::Runtime::Get().SetSoundPlayer(
      [](const std::string& path) { platform::PlaySoundSynchronously(path, "dialog-information"); });
  platform::InstallToolkitTranslation();  // without it Qt's own texts stay English

  windows::ProgramWindows windows;
  platform::Runtime::Get().Dispatch(nullptr, [&windows] { windows.session.frm1kin().Show(); });
  if (platform::Runtime::Get().HasEnded()) return 0;
  return QApplication::exec();
}
