// SPDX-License-Identifier: MIT
#include "platform/core/runtime_error.h"

namespace platform {
namespace {

struct ErrorText {
  int number;
  const char* description;
};

// Numbers and wording of the forms runtime's own error reports. An invalid
// floating-point operation has no number of its own there; it is reported as the
// runtime reports an invalid argument to a math function.
ErrorText TextOf(RuntimeError::Kind kind) {
  switch (kind) {
    case RuntimeError::Kind::InvalidOperation:
      return {5, "プロシージャの呼び出し、または引数が不正です。"};
    case RuntimeError::Kind::Overflow:
      return {6, "オーバーフローしました。"};
    case RuntimeError::Kind::SubscriptOutOfRange:
      return {9, "インデックスが有効範囲にありません。"};
    case RuntimeError::Kind::DivisionByZero:
      return {11, "0 で除算しました。"};
    case RuntimeError::Kind::TypeMismatch:
      return {13, "型が一致しません。"};
  }
  return {0, ""};
}

}  // namespace

RuntimeError::RuntimeError(Kind kind)
    : std::runtime_error(TextOf(kind).description),
      kind_(kind),
      number_(TextOf(kind).number),
      description_(TextOf(kind).description) {}

}  // namespace platform
