// SPDX-License-Identifier: MIT
#pragma once

// What the targets for orvalin-cli's readers share: a reader's value, or no value
// when it refused, with the refusal checked to be one printable line.

#include <optional>

#include "cli/io/errors.h"
#include "fuzz_check.h"

namespace fuzz {

template <typename F>
auto Read(F&& read) -> std::optional<decltype(read())> {
  try {
    return read();
  } catch (const cli::ValueError& error) {
    FUZZ_CHECK(!error.message.empty(), "a refusal says why");
    for (const char c : error.message) {
      const auto byte = static_cast<unsigned char>(c);
      FUZZ_CHECK(byte >= 0x20 && byte != 0x7F, "no control byte in " + Escaped(error.message));
    }
    return std::nullopt;
  }
}

}  // namespace fuzz
