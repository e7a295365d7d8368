// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace platform {

// Plays a sound synchronously: returns when it has finished, could not be played, or
// after `timeout_ms`. If `path` names an existing readable regular file it is played;
// otherwise the desktop theme's event sound `fallback_event_id` (for example
// "dialog-information") is played, if non-empty. Every failure (no sound device,
// no such file, no theme) is silent. Returns true if a sound actually played to the end.
//
// Blocks the calling thread for the length of the sound, so call it off the GUI thread.
bool PlaySoundSynchronously(const std::string& path, const std::string& fallback_event_id,
                            int timeout_ms = 10000);

}  // namespace platform
