// SPDX-License-Identifier: MIT
#include "platform/sound/canberra_sound.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>

namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// A call that has not returned by then is taken to hang.
constexpr milliseconds kHangBound{2000};

struct TimedResult {
  std::optional<bool> played;  // empty when the call did not return within the bound
  milliseconds elapsed;
};

// Runs the call on a thread of its own so that a hang fails the test instead of
// stalling the test run; a hung thread is abandoned.
TimedResult PlayWithinBound(const std::string& path, const std::string& event_id,
                            int timeout_ms = 10000, milliseconds bound = kHangBound) {
  auto promise = std::make_shared<std::promise<bool>>();
  std::future<bool> future = promise->get_future();
  const auto start = std::chrono::steady_clock::now();
  std::thread([promise, path, event_id, timeout_ms] {
    promise->set_value(platform::PlaySoundSynchronously(path, event_id, timeout_ms));
  }).detach();
  const bool returned = future.wait_for(bound) == std::future_status::ready;
  const auto elapsed =
      std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start);
  return {returned ? std::optional<bool>(future.get()) : std::nullopt, elapsed};
}

// 8 kHz, 8-bit mono silence: valid for libcanberra's WAV reader and inaudible if a
// real device does play it.
void WriteSilentWav(const fs::path& file, int duration_ms) {
  const std::uint32_t samples = 8 * static_cast<std::uint32_t>(duration_ms);
  auto u32 = [](std::ofstream& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) out.put(static_cast<char>((v >> (8 * i)) & 0xFF));
  };
  auto u16 = [](std::ofstream& out, std::uint16_t v) {
    out.put(static_cast<char>(v & 0xFF));
    out.put(static_cast<char>(v >> 8));
  };
  std::ofstream out(file, std::ios::binary);
  out.write("RIFF", 4);
  u32(out, 36 + samples);
  out.write("WAVEfmt ", 8);
  u32(out, 16);    // format chunk size
  u16(out, 1);     // PCM
  u16(out, 1);     // channels
  u32(out, 8000);  // sample rate
  u32(out, 8000);  // bytes per second
  u16(out, 1);     // block align
  u16(out, 8);     // bits per sample
  out.write("data", 4);
  u32(out, samples);
  out << std::string(samples, '\x80');
}

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const std::string& value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value.c_str(), 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// With a sound server running, libcanberra plays through it and never consults the
// ALSA configuration these tests set up.
bool SoundServerReachable() {
  if (std::getenv("PULSE_SERVER")) return true;
  const char* runtime_dir = std::getenv("XDG_RUNTIME_DIR");
  return runtime_dir && (fs::exists(fs::path(runtime_dir) / "pulse" / "native") ||
                         fs::exists(fs::path(runtime_dir) / "pipewire-0"));
}

// A scratch directory holding a short silent WAV, a long one, a file that is no
// sound, a FIFO, and an unthemed sound "orvalin-test-silence" that the theme lookup
// finds through XDG_DATA_HOME.
class SoundFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "orvalin-sound-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    fs::create_directories(dir_ / "sounds");
    WriteSilentWav(ShortWav(), 100);
    WriteSilentWav(LongWav(), 30'000);
    WriteSilentWav(dir_ / "sounds" / "orvalin-test-silence.wav", 100);
    std::ofstream(NotASound()) << "not a sound\n";
    ASSERT_EQ(::mkfifo(Fifo().c_str(), 0600), 0);
    xdg_data_home_.emplace("XDG_DATA_HOME", dir_.string());
  }
  void TearDown() override {
    xdg_data_home_.reset();
    if (!dir_.empty()) fs::remove_all(dir_);
  }

  // Points ALSA at a configuration whose only content is `config`.
  void UseAlsaConfig(const std::string& config) {
    std::ofstream(dir_ / "alsa.conf") << config;
    alsa_config_.emplace("ALSA_CONFIG_PATH", (dir_ / "alsa.conf").string());
  }

  fs::path ShortWav() const { return dir_ / "short.wav"; }
  fs::path LongWav() const { return dir_ / "long.wav"; }
  fs::path NotASound() const { return dir_ / "not-a-sound.wav"; }
  fs::path Fifo() const { return dir_ / "fifo.wav"; }
  fs::path Missing() const { return dir_ / "missing.wav"; }
  const fs::path& Dir() const { return dir_; }

 private:
  fs::path dir_;
  std::optional<ScopedEnv> xdg_data_home_;
  std::optional<ScopedEnv> alsa_config_;
};

TEST_F(SoundFiles, NothingPlayableWithoutFallbackReturnsFalsePromptly) {
  const struct {
    const char* what;
    std::string path;
  } kCases[] = {
      {"empty path", ""},
      {"missing file", Missing().string()},
      {"directory", Dir().string()},
      {"FIFO without a writer", Fifo().string()},
  };
  for (const auto& c : kCases) {
    const TimedResult result = PlayWithinBound(c.path, "");
    ASSERT_TRUE(result.played.has_value()) << c.what << " hung";
    EXPECT_FALSE(*result.played) << c.what;
    EXPECT_LT(result.elapsed, milliseconds(1000)) << c.what;
  }
}

class NoSoundDevice : public SoundFiles {
 protected:
  void SetUp() override {
    if (SoundServerReachable()) GTEST_SKIP() << "a sound server bypasses the ALSA setup";
    SoundFiles::SetUp();
    // No "default" PCM: every attempt to open the device fails.
    UseAlsaConfig("");
  }
};

TEST_F(NoSoundDevice, PlayableSoundsReturnFalsePromptly) {
  const struct {
    const char* what;
    std::string path;
    std::string event_id;
  } kCases[] = {
      {"existing file", ShortWav().string(), ""},
      {"existing file with fallback", ShortWav().string(), "orvalin-test-silence"},
      {"missing file, theme fallback", Missing().string(), "orvalin-test-silence"},
  };
  for (const auto& c : kCases) {
    const TimedResult result = PlayWithinBound(c.path, c.event_id);
    ASSERT_TRUE(result.played.has_value()) << c.what << " hung";
    EXPECT_FALSE(*result.played) << c.what;
    EXPECT_LT(result.elapsed, milliseconds(1000)) << c.what;
  }
}

// ALSA's null device accepts samples as fast as they come, so sounds "play to the
// end" at once: this exercises the player thread and the finish callback.
class NullSoundDevice : public SoundFiles {
 protected:
  void SetUp() override {
    if (SoundServerReachable()) GTEST_SKIP() << "a sound server bypasses the ALSA setup";
    SoundFiles::SetUp();
    UseAlsaConfig("pcm.!default { type null }\n");
  }
};

TEST_F(NullSoundDevice, PlaysFileOrElseThemeEvent) {
  const struct {
    const char* what;
    std::string path;
    std::string event_id;
    bool played;
  } kCases[] = {
      {"existing file", ShortWav().string(), "", true},
      {"file wins over an unknown event", ShortWav().string(), "orvalin-no-such-sound", true},
      {"missing file, theme fallback", Missing().string(), "orvalin-test-silence", true},
      {"directory, theme fallback", Dir().string(), "orvalin-test-silence", true},
      {"FIFO, theme fallback", Fifo().string(), "orvalin-test-silence", true},
      {"missing file, unknown event", Missing().string(), "orvalin-no-such-sound", false},
      {"undecodable file", NotASound().string(), "", false},
      // An existing file is the user's choice; a broken one is not covered up.
      {"undecodable file with fallback", NotASound().string(), "orvalin-test-silence", false},
  };
  for (const auto& c : kCases) {
    const TimedResult result = PlayWithinBound(c.path, c.event_id);
    ASSERT_TRUE(result.played.has_value()) << c.what << " hung";
    EXPECT_EQ(*result.played, c.played) << c.what;
  }
}

TEST_F(NullSoundDevice, ExpiredTimeoutReturnsPromptly) {
  // Whether the 30 s sound "finished" before the cancel is a race; returning at all,
  // promptly and without touching freed state (see the sanitizer build), is the point.
  for (const int timeout_ms : {0, -5, 1}) {
    const TimedResult result = PlayWithinBound(LongWav().string(), "", timeout_ms);
    ASSERT_TRUE(result.played.has_value()) << "timeout " << timeout_ms << " hung";
    EXPECT_LT(result.elapsed, milliseconds(1000)) << "timeout " << timeout_ms;
  }
}

// Each finished sound leaves a backend thread winding down; enough calls in a row
// expose one that outlives the code or state it runs on.
TEST_F(NullSoundDevice, RepeatedCallsNeitherHangNorCrash) {
  for (int i = 0; i < 100; ++i) {
    const bool use_file = i % 2 == 0;
    const TimedResult result = PlayWithinBound(use_file ? ShortWav().string() : Missing().string(),
                                               "orvalin-test-silence");
    ASSERT_TRUE(result.played.has_value()) << "call " << i << " hung";
    EXPECT_TRUE(*result.played) << "call " << i;
  }
}

}  // namespace
