// SPDX-License-Identifier: MIT
#include "cli/card_command.h"

#include <unistd.h>

#include <cstdint>
#include <optional>

#include "cli/drawing_commands.h"
#include "cli/echo.h"
#include "cli/errors.h"
#include "cli/output_file.h"
#include "cli/values.h"
#include "cli/zone_argument.h"
#include "paper/correction_card_sheet.h"

namespace cli {
namespace {

std::string Lowercase(std::string text) {
  for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return text;
}

// --format, else the extension of --output, else PDF.
paper::SheetFormat FormatOf(const ParsedCommand& parsed) {
  std::string name;
  if (parsed.Has("format")) {
    name = Lowercase(parsed.Value("format"));
  } else if (parsed.Has("output")) {
    const std::string& path = parsed.Value("output");
    const std::size_t dot = path.rfind('.');
    if (dot != std::string::npos && path.find('/', dot) == std::string::npos) name = Lowercase(path.substr(dot + 1));
    if (name != "pdf" && name != "svg") name = "pdf";
  } else {
    name = "pdf";
  }
  if (name == "pdf") return paper::SheetFormat::kPdf;
  if (name == "svg") return paper::SheetFormat::kSvg;
  throw ValueError{"--format " + Echo(parsed.Value("format")) + " is not pdf or svg"};
}

paper::SheetLanguage LanguageOf(const ParsedCommand& parsed) {
  if (!parsed.Has("lang") || parsed.Value("lang") == "ja") return paper::SheetLanguage::kJapanese;
  if (parsed.Value("lang") == "en") return paper::SheetLanguage::kEnglish;
  throw ValueError{"--lang " + Echo(parsed.Value("lang")) + " is not ja or en"};
}

}  // namespace

Command CardCommand(std::function<void()> start_gui) {
  Command command = CardCommandDescription();
  command.run = [start_gui](const ParsedCommand& parsed, CommandOutput& out) {
    if (!parsed.Has("longitude")) throw UsageError{"card needs --longitude DEG"};
    const paper::SheetFormat format = FormatOf(parsed);
    const paper::SheetLanguage language = LanguageOf(parsed);
    const int16_t year = ReadYear("YEAR", parsed.operands[0]);
    if (year < 1) throw ValueError{"YEAR " + Echo(parsed.operands[0]) + " is before year 1, where time zones end"};
    const double longitude = ReadLongitude("--longitude", parsed.Value("longitude"));
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    const bool to_standard_output = !parsed.Has("output") || parsed.Value("output") == "-";
    if (to_standard_output && isatty(STDOUT_FILENO)) {
      throw UsageError{"card writes a page, not text: give --output FILE, or redirect standard output"};
    }
    start_gui();
    const sundial::CorrectionCard card = sundial::MakeCorrectionCard(year, longitude, zone);
    const QByteArray page = paper::EncodeCorrectionCard(card, format, language);
    const std::string bytes(page.constData(), static_cast<std::size_t>(page.size()));
    DeliverOutput(to_standard_output ? "-" : parsed.Value("output"), bytes, out);
  };
  return command;
}

}  // namespace cli
