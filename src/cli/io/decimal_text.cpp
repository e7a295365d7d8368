// SPDX-License-Identifier: MIT
#include "cli/io/decimal_text.h"

#include <charconv>
#include <system_error>

namespace cli {

std::string Fixed(double value, int decimals) {
  char text[400];
  const auto [end, error] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
  std::string result(text, error == std::errc() ? end : text);
  if (result.find_first_not_of("-0.") == std::string::npos && !result.empty() && result[0] == '-') result.erase(0, 1);
  return result;
}

}  // namespace cli
