// SPDX-License-Identifier: MIT
#include "platform/sound/canberra_sound.h"

#include <canberra.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace platform {
namespace {

// What the finish callback hands back to the waiting call.
struct Completion {
  std::mutex mutex;
  std::condition_variable finished;
  bool done = false;
  int error_code = CA_ERROR_INTERNAL;
};

// The sounds still waiting for their finish callback, by sound id. The callback finds
// its completion here rather than through a pointer, so a report that comes after the
// caller gave up, or a second report for the same sound (the ALSA backend sends one
// when a cancel races the end of playback), finds nothing and does no harm.
class PendingSounds {
 public:
  std::pair<std::uint32_t, std::shared_ptr<Completion>> Add() {
    std::lock_guard lock(mutex_);
    // Id 0 is libcanberra's "never cancelled"; skipping it keeps every id cancellable.
    if (++last_id_ == 0) ++last_id_;
    auto completion = std::make_shared<Completion>();
    pending_[last_id_] = completion;
    return {last_id_, std::move(completion)};
  }

  // Removes and returns the completion for `id`, or null if it is already gone.
  std::shared_ptr<Completion> Take(std::uint32_t id) {
    std::lock_guard lock(mutex_);
    const auto found = pending_.find(id);
    if (found == pending_.end()) return nullptr;
    std::shared_ptr<Completion> completion = std::move(found->second);
    pending_.erase(found);
    return completion;
  }

 private:
  std::mutex mutex_;
  std::uint32_t last_id_ = 0;
  std::unordered_map<std::uint32_t, std::shared_ptr<Completion>> pending_;
};

// Never destroyed: a backend thread may still report while static objects are being
// destroyed at exit.
PendingSounds& Pending() {
  static auto* const pending = new PendingSounds;
  return *pending;
}

// One context for the whole process, created on first use and never destroyed.
// Destroying a context unloads its backend module, and the ALSA backend's detached
// player thread can still be returning through that module's code when
// ca_context_destroy comes back: a context per call crashes after a few hundred
// sounds. A shared context also keeps one sound-server connection instead of one per
// sound. libcanberra serialises calls on a context, so several threads may share it.
ca_context* SharedContext() {
  static ca_context* const context = [] {
    ca_context* created = nullptr;
    if (ca_context_create(&created) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
    // Names the stream in the desktop's volume mixer; playing works without it.
    ca_context_change_props(created, CA_PROP_APPLICATION_NAME, "Orvalin", nullptr);
    return created;
  }();
  return context;
}

// Runs on a libcanberra thread, or inside ca_context_cancel on the caller's.
void OnFinished(ca_context* /*context*/, std::uint32_t id, int error_code, void* /*userdata*/) {
  const std::shared_ptr<Completion> completion = Pending().Take(id);
  if (!completion) return;
  std::lock_guard lock(completion->mutex);
  completion->done = true;
  completion->error_code = error_code;
  completion->finished.notify_all();
}

// Only regular files are handed to libcanberra: it opens the file inside
// ca_context_play_full, and opening a FIFO with no writer would block there, out of
// reach of the timeout.
bool IsReadableRegularFile(const std::string& path) {
  struct stat info {};
  return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         ::access(path.c_str(), R_OK) == 0;
}

}  // namespace

bool PlaySoundSynchronously(const std::string& path, const std::string& fallback_event_id,
                            int timeout_ms) {
  const bool play_file = IsReadableRegularFile(path);
  if (!play_file && fallback_event_id.empty()) return false;

  ca_context* const context = SharedContext();
  if (!context) return false;

  ca_proplist* raw_proplist = nullptr;
  if (ca_proplist_create(&raw_proplist) != CA_SUCCESS) return false;
  const std::unique_ptr<ca_proplist, decltype(&ca_proplist_destroy)> proplist(
      raw_proplist, &ca_proplist_destroy);
  const int set_result =
      play_file ? ca_proplist_sets(proplist.get(), CA_PROP_MEDIA_FILENAME, path.c_str())
                : ca_proplist_sets(proplist.get(), CA_PROP_EVENT_ID, fallback_event_id.c_str());
  if (set_result != CA_SUCCESS) return false;

  const auto [id, completion] = Pending().Add();
  // On failure the callback is never called: no device, an unknown event or an
  // undecodable file all end here, without waiting.
  if (ca_context_play_full(context, id, proplist.get(), OnFinished, nullptr) != CA_SUCCESS) {
    Pending().Take(id);
    return false;
  }

  std::unique_lock lock(completion->mutex);
  const bool reported = completion->finished.wait_for(
      lock, std::chrono::milliseconds(std::max(timeout_ms, 0)), [&] { return completion->done; });
  if (!reported) {
    // Cancelling may report on this thread, so the lock must be free meanwhile. A
    // report that still comes later finds no completion.
    lock.unlock();
    ca_context_cancel(context, id);
    Pending().Take(id);
    lock.lock();
  }
  // A sound that ended just as the wait ran out did play to the end.
  return completion->done && completion->error_code == CA_SUCCESS;
}

}  // namespace platform
