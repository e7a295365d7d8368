// SPDX-License-Identifier: MIT
#include "cli/io/sheet_options.h"

#include <unistd.h>

#include <algorithm>

#include "cli/io/echo.h"
#include "cli/io/errors.h"

namespace cli {
namespace {

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// "svg, pdf or csv".
std::string Alternatives(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " or " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace

std::string ReadSheetFormatName(const ParsedCommand& parsed, const std::vector<std::string>& formats,
                                const std::string& fallback) {
  if (parsed.Has("format")) {
    const std::string name = Lowercase(parsed.Value("format"));
    if (std::find(formats.begin(), formats.end(), name) == formats.end()) {
      throw ValueError{"--format " + Echo(parsed.Value("format")) + " is not " + Alternatives(formats)};
    }
    return name;
  }
  if (parsed.Has("output")) {
    const std::string& path = parsed.Value("output");
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && path.find('/', dot) == std::string::npos) {
      const std::string extension = Lowercase(path.substr(dot + 1));
      if (std::find(formats.begin(), formats.end(), extension) != formats.end()) return extension;
    }
  }
  return fallback;
}

paper::SheetFormat SheetFormatNamed(const std::string& name) {
  return name == "svg" ? paper::SheetFormat::kSvg : paper::SheetFormat::kPdf;
}

paper::SheetLanguage ReadSheetLanguage(const ParsedCommand& parsed) {
  if (!parsed.Has("lang") || parsed.Value("lang") == "ja") return paper::SheetLanguage::kJapanese;
  if (parsed.Value("lang") == "en") return paper::SheetLanguage::kEnglish;
  throw ValueError{"--lang " + Echo(parsed.Value("lang")) + " is not ja or en"};
}

paper::PaperSize ReadPaper(const ParsedCommand& parsed) {
  const std::string name = parsed.Has("paper") ? Lowercase(parsed.Value("paper")) : "a4";
  if (name == "a4") return paper::PaperSize::kA4;
  if (name == "a3") return paper::PaperSize::kA3;
  if (name == "letter") return paper::PaperSize::kLetter;
  throw ValueError{"--paper " + Echo(parsed.Value("paper")) + " is not a4, a3 or letter"};
}

bool ToStandardOutput(const ParsedCommand& parsed) { return !parsed.Has("output") || parsed.Value("output") == "-"; }

void RefusePageToTerminal(const std::string& command, const ParsedCommand& parsed, bool has_text_format) {
  if (!ToStandardOutput(parsed) || !isatty(STDOUT_FILENO)) return;
  throw UsageError{command + " writes a page, not text: give --output FILE" +
                   (has_text_format ? ", redirect standard output, or --format csv"
                                    : ", or redirect standard output")};
}

}  // namespace cli
