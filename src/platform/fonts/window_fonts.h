// SPDX-License-Identifier: MIT
#pragma once

#include "platform/fonts/fonts.h"

// The faces and sizes the windows' layouts were drawn with, by their Windows names;
// RegisterFontSubstitutions maps the names to the faces installed here.
namespace platform::fonts {

inline constexpr FontSpec kPGothic975{"ＭＳ Ｐゴシック", 9.75};
inline constexpr FontSpec kPGothic105{"ＭＳ Ｐゴシック", 10.5};
inline constexpr FontSpec kPGothic1125{"ＭＳ Ｐゴシック", 11.25};
inline constexpr FontSpec kPGothic12{"ＭＳ Ｐゴシック", 12};
inline constexpr FontSpec kPGothic135{"ＭＳ Ｐゴシック", 13.5};
inline constexpr FontSpec kPGothic1425{"ＭＳ Ｐゴシック", 14.25};
inline constexpr FontSpec kGothic1125{"ＭＳ ゴシック", 11.25};
inline constexpr FontSpec kHeiseiGothic12{"ＤＦ平成ゴシック体W5", 12};

}  // namespace platform::fonts
