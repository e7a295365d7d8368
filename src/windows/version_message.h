// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace windows {

// The text of the version box: "        Orvalin  Ver.  2.0.18", then the credit line
// and two contact lines. The version line and the credit line, and the credit line
// and the first contact line, are separated by CR CR LF; the contact lines by CR LF.
std::string VersionMessageText(int major, int minor, int revision);

inline constexpr const char* kVersionTitle = "バージョン情報";

// Where the notification sound is looked for after the box closes. It is not a path
// on Linux; the desktop's own notification sound plays instead.
inline constexpr const char* kSoundFolder = "c:\\windows\\media\\";
inline constexpr const char* kSoundFile = "notify.wav";

}  // namespace windows
