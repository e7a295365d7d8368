// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace platform {

// The one exception type of the program. It carries the runtime's error number and
// its Japanese description; the event dispatcher catches it and reports both in a
// message box captioned with the application title.
class RuntimeError : public std::runtime_error {
 public:
  enum class Kind {
    InvalidOperation,  // a NaN from floating-point arithmetic, or an argument out of its domain
    Overflow,
    SubscriptOutOfRange,
    DivisionByZero,
    TypeMismatch,
  };

  explicit RuntimeError(Kind kind);

  Kind kind() const { return kind_; }
  int number() const { return number_; }
  // UTF-8 description as the runtime words it, e.g. "オーバーフローしました。".
  const std::string& description() const { return description_; }

  static RuntimeError Overflow() { return RuntimeError(Kind::Overflow); }
  static RuntimeError TypeMismatch() { return RuntimeError(Kind::TypeMismatch); }
  static RuntimeError SubscriptOutOfRange() { return RuntimeError(Kind::SubscriptOutOfRange); }
  static RuntimeError DivisionByZero() { return RuntimeError(Kind::DivisionByZero); }
  static RuntimeError InvalidOperation() { return RuntimeError(Kind::InvalidOperation); }

 private:
  Kind kind_;
  int number_;
  std::string description_;
};

// The runtime's floating-point status test after an operation: a NaN raises the
// invalid-operation error, an infinity the overflow error. Returns the value.
inline double CheckFloatingPoint(double value) {
  if (std::isnan(value)) throw RuntimeError::InvalidOperation();
  if (std::isinf(value)) throw RuntimeError::Overflow();
  return value;
}

// The status test after a division: a zero divisor raises division by zero (not the
// overflow or invalid result the quotient would otherwise show).
inline double CheckedDivide(double dividend, double divisor) {
  if (divisor == 0.0) throw RuntimeError::DivisionByZero();
  return CheckFloatingPoint(dividend / divisor);
}

}  // namespace platform
