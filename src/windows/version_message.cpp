// SPDX-License-Identifier: MIT
#include "windows/version_message.h"

#include "platform/core/convert.h"

namespace windows {

std::string VersionMessageText(int major, int minor, int revision) {
  using platform::NumberToText;
  const std::string cr = "\r";
  const std::string lf = "\n";
  const std::string ideographic_space = "\u3000";
  std::string text = "        Orvalin  Ver.  ";
  text += NumberToText(major) + "." + NumberToText(minor) + "." + NumberToText(revision);
  text += cr + cr + lf;
  text += ideographic_space + "均時差（視太陽時－平均太陽時）の計算とグラフ表示";
  text += cr + cr + lf;
  text += "       " + ideographic_space + " " + "使い方：同梱の README.md をご覧ください";
  text += cr + lf;
  text += "  " + ideographic_space + ideographic_space + ideographic_space + ideographic_space +
          "問題の報告：README.md の「問題の報告」をご覧ください";
  return text;
}

}  // namespace windows
