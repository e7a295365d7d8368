// SPDX-License-Identifier: MIT
#include "cli/commands/command_table.h"
#include "clock/zone_names.h"

namespace cli {

Command ZonesCommand() {
  Command command;
  command.name = "zones";
  command.synopsis = "";
  command.summary = "the time-zone names ZONE may be, one a line";
  command.help =
      "Lists the ids of the system's time-zone data that --zone accepts, sorted: the\n"
      "canonical ids (Asia/Tokyo, Europe/Berlin) and the other names the zone files\n"
      "carry (Japan, US/Pacific, Etc/GMT-9). ZONE may also be UTC, UTC+hh or\n"
      "UTC+hh:mm (or with -), two digits each, at most 14 hours. Abbreviations (JST,\n"
      "CEST) and city names alone (Berlin) are not zone names: they are refused with\n"
      "a suggestion. The posix/ and right/ copies of the data are not listed.\n";
  command.min_operands = 0;
  command.max_operands = 0;
  command.operands_usage = "no arguments";
  command.run = [](const ParsedCommand&, CommandOutput& out) {
    for (const std::string& id : sundial::ZoneIds()) out += id + '\n';
  };
  return command;
}

}  // namespace cli
