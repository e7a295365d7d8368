// SPDX-License-Identifier: MIT
#pragma once

#include <clocale>
#include <cstdlib>
#include <string>

namespace platform::testing {

// Puts the whole process under a C library locale (LC_ALL) for one test, as the
// windows' toolkit does from the environment at start-up, and restores the locale
// that was in effect before.
class ScopedLocale {
 public:
  explicit ScopedLocale(const char* name) : saved_(std::setlocale(LC_ALL, nullptr)) {
    active_ = std::setlocale(LC_ALL, name) != nullptr;
  }
  ~ScopedLocale() { std::setlocale(LC_ALL, saved_.c_str()); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;

  // False when the locale is not installed here; the process locale is unchanged.
  bool Active() const { return active_; }

 private:
  std::string saved_;
  bool active_ = false;
};

// CI sets ORVALIN_REQUIRE_LOCALES: there a missing locale fails the test instead of
// skipping it (scripts/install-deps makes the locales).
inline bool LocalesRequired() { return std::getenv("ORVALIN_REQUIRE_LOCALES") != nullptr; }

}  // namespace platform::testing
