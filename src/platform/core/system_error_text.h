// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace platform {

// Why a file could not be opened or written, in Japanese, for the windows' messages:
// the meaning of errno `error`, whatever the locale (strerror() would answer in the
// user's language, and Qt's error strings come from it). A number without a text of
// its own is given as "エラー番号 N".
std::string SystemErrorText(int error);

}  // namespace platform
