// SPDX-License-Identifier: MIT
#pragma once

// Shared pieces of the fuzz targets: property checks that abort with a readable
// message (libFuzzer then keeps the input as a crash artifact), and a wrapper that
// turns a conversion into "value or runtime error number".

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeinfo>

#include "platform/core/runtime_error.h"

namespace fuzz {

inline constexpr int kInvalidOperation = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kSubscriptOutOfRange = 9;
inline constexpr int kTypeMismatch = 13;

// The input under test, printed with every failure.
inline std::string_view current_input;

struct InputScope {
  explicit InputScope(std::string_view input) { current_input = input; }
  ~InputScope() { current_input = {}; }
};

// Printable ASCII as is, everything else as \xHH, so NULs and broken UTF-8 show.
inline std::string Escaped(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f && c != '"' && c != '\\') {
      out += c;
    } else {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\x%02X", byte);
      out += hex;
    }
  }
  return out + "\"";
}

// Shortest text that reads back as the same double, for messages.
inline std::string Exact(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

[[noreturn]] inline void Fail(const char* file, int line, const char* condition, const std::string& detail) {
  std::fprintf(stderr, "\n%s:%d: property failed: %s\n  input: %s\n  %s\n", file, line, condition,
               Escaped(current_input).c_str(), detail.c_str());
  std::abort();
}

#define FUZZ_CHECK(condition, detail)                                  \
  do {                                                                 \
    if (!(condition)) ::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
  } while (false)

// A conversion's result: the value, or the number of the runtime error it raised.
template <typename T>
struct Outcome {
  std::optional<T> value;
  int error = 0;

  std::string Describe() const {
    if (!value) return "error " + std::to_string(error);
    if constexpr (std::is_floating_point_v<T>) return Exact(static_cast<double>(*value));
    else return std::to_string(*value);
  }
};

// Runs `convert`; a runtime error becomes its number, any other exception is a
// finding of its own (the dispatcher only knows how to report runtime errors).
template <typename F>
auto Run(F&& convert) -> Outcome<decltype(convert())> {
  try {
    return {convert(), 0};
  } catch (const platform::RuntimeError& error) {
    return {std::nullopt, error.number()};
  } catch (const std::exception& error) {
    Fail(__FILE__, __LINE__, "only runtime errors escape",
         std::string("caught ") + typeid(error).name() + ": " + error.what());
  } catch (...) {
    Fail(__FILE__, __LINE__, "only runtime errors escape", "caught a non-standard exception");
  }
}

// Same value down to the sign of zero, or the same error.
template <typename T>
bool SameOutcome(const Outcome<T>& a, const Outcome<T>& b) {
  if (a.value.has_value() != b.value.has_value()) return false;
  if (!a.value) return a.error == b.error;
  if constexpr (std::is_floating_point_v<T>) {
    return *a.value == *b.value && std::signbit(*a.value) == std::signbit(*b.value);
  } else {
    return *a.value == *b.value;
  }
}

// Every ASCII character that has a full-width twin (digits, + - . and the blank)
// replaced by it; a number reads the same either way. Only whole ASCII bytes are
// replaced, which never splits or completes a multi-byte sequence.
inline std::string ToFullWidth(std::string_view text) {
  std::string out;
  for (const char c : text) {
    if (c >= '0' && c <= '9') {
      out += "\xEF\xBC";
      out += static_cast<char>(0x90 + (c - '0'));
    } else if (c == '+') {
      out += "\xEF\xBC\x8B";
    } else if (c == '-') {
      out += "\xEF\xBC\x8D";
    } else if (c == '.') {
      out += "\xEF\xBC\x8E";
    } else if (c == ' ') {
      out += "\xE3\x80\x80";
    } else {
      out += c;
    }
  }
  return out;
}

// What is wrong with `text` as the general form of a value of that sign, or "":
// a minus sign exactly for negatives, no blanks, at most `max_digits` significant
// digits, and no trailing zeros or bare full stop after a decimal part.
inline std::string GeneralFormFault(const std::string& text, bool negative, int max_digits) {
  if (text.empty()) return "empty text";
  if (text.find_first_of(" \t") != std::string::npos) return "blank in the text";
  if ((text[0] == '-') != negative) return "sign does not match the value";
  std::string_view mantissa = text;
  if (mantissa[0] == '-') mantissa.remove_prefix(1);
  mantissa = mantissa.substr(0, mantissa.find('E'));
  if (mantissa.empty()) return "no digits";
  if (mantissa.find('.') != std::string_view::npos && (mantissa.back() == '0' || mantissa.back() == '.')) {
    return "trailing zero or full stop";
  }
  int digits = 0;
  bool significant = false;
  for (const char c : mantissa) {
    if (c == '.') continue;
    if (c < '0' || c > '9') return "foreign character in the mantissa";
    significant = significant || c != '0';
    if (significant) ++digits;
  }
  if (digits > max_digits) return std::to_string(digits) + " significant digits";
  return "";
}

}  // namespace fuzz
