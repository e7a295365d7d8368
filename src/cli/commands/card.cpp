// SPDX-License-Identifier: MIT
// `orvalin-cli card`: the correction card that hangs beside a dial, one A4 page.
#include <QTimeZone>
#include <optional>

#include "cli/commands/command_table.h"
#include "cli/io/drawing_module.h"
#include "cli/io/echo.h"
#include "cli/io/errors.h"
#include "cli/io/option_parser.h"
#include "cli/io/output_file.h"
#include "cli/io/sheet_options.h"
#include "cli/io/values.h"
#include "cli/io/zone_argument.h"
#include "clock/correction_card.h"

namespace cli {

Command CardCommand() {
  Command command;
  command.name = "card";
  command.synopsis =
      "YEAR --longitude DEG [--zone ZONE] [--no-longitude] [--mean-years N] [--output FILE] [--format pdf|svg] "
      "[--lang ja|en]";
  command.summary = "the correction card beside a sundial, one A4 page";
  command.help =
      "One A4 portrait page with a row for each day 1..31 and a column for each month:\n"
      "in each cell the minutes and seconds to add to the dial's reading to get the\n"
      "zone's standard time at the dial's noon, signed (+9:56, -3:05): the values of\n"
      "noon read on the standard-time clock. Standard time is the clock of winter: the\n"
      "lower of the offsets at the two solstices of YEAR (Europe/Dublin: UTC+00:00,\n"
      "though its tz data call UTC+01:00 standard). Days in summer time are shaded, and\n"
      "a note says how much more to add then; days the clock keeps another offset\n"
      "(Casablanca's hour back for Ramadan) are hatched, with a note of their own. The\n"
      "title names the longitude, the zone, its standard and summer time and the year;\n"
      "a line names the kind of card, and lines state the accuracy measured against an\n"
      "ephemeris and the method. YEAR is 1..32767; DEG and ZONE as for noon (the\n"
      "default zone is TZ's, or the system's).\n"
      "--no-longitude: for a dial whose hour lines carry the longitude correction\n"
      "already (they show the zone's standard time but for the equation of time), the\n"
      "card gives the equation of time alone, -E at the dial's noon; DEG still says\n"
      "when that noon is.\n"
      "--mean-years N: each day the mean of the N years from YEAR (N 1..400), a card\n"
      "that lasts; the card prints its largest difference from the card of any one of\n"
      "those years, and shades lightly the days that are in summer time in some of\n"
      "them only.\n"
      "The page goes to FILE, or to standard output when --output is not given (not to\n"
      "a terminal). The format is --format, else FILE's extension (.pdf, .svg), else\n"
      "PDF. The text is Japanese unless --lang en.\n";
  command.options = {{"longitude", "l", "DEG", "the dial's longitude, degrees east (west negative)"},
                     {"zone", "z", "ZONE", "the clock's time zone (default: TZ, or the system's)"},
                     {"no-longitude", "", "", "the equation of time alone, for a dial corrected for longitude"},
                     {"mean-years", "", "N", "the mean of N years from YEAR (default 1)"},
                     {"output", "o", "FILE", "where the page goes (default: standard output)"},
                     {"format", "f", "FORMAT", "pdf or svg (default: from FILE's extension, else pdf)"},
                     {"lang", "", "LANG", "ja (default) or en"}};
  command.min_operands = 1;
  command.max_operands = 1;
  command.operands_usage = "YEAR";
  command.run = [](const ParsedCommand& parsed, CommandOutput& out) {
    RequireOptions("card", parsed, {{"longitude", "DEG"}});
    const paper::SheetFormat format = SheetFormatNamed(ReadSheetFormatName(parsed, {"pdf", "svg"}, "pdf"));
    const paper::SheetLanguage language = ReadSheetLanguage(parsed);
    const int16_t year = ReadYear("YEAR", parsed.operands[0]);
    if (year < 1) throw ValueError{"YEAR " + Echo(parsed.operands[0]) + " is before year 1, where time zones end"};
    const double longitude = ReadLongitude("--longitude", parsed.Value("longitude"));
    sundial::CardKind kind;
    kind.with_longitude = !parsed.Has("no-longitude");
    if (parsed.Has("mean-years")) {
      kind.mean_years = ReadWholeInRange("--mean-years", parsed.Value("mean-years"), 1, 400);
      if (year + kind.mean_years - 1 > 32767) {
        throw ValueError{"--mean-years " + Echo(parsed.Value("mean-years")) + " runs past the year 32767"};
      }
    }
    const QTimeZone zone =
        ReadZone(parsed.Has("zone") ? std::optional<std::string>(parsed.Value("zone")) : std::nullopt);
    RefusePageToTerminal("card", parsed, false);
    const sundial::CorrectionCard card = sundial::MakeCorrectionCard(year, longitude, zone, kind);
    DeliverOutput(ToStandardOutput(parsed) ? "-" : parsed.Value("output"),
                  LoadedDrawing().CorrectionCard(card, format, language), out);
  };
  return command;
}

}  // namespace cli
