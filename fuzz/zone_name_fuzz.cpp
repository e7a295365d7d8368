// SPDX-License-Identifier: MIT
// Property of the zone names: a name is accepted only when the system has that
// zone id (Qt lists it, or a zone file of that relative path exists outside the
// posix/ and right/ copies, and not posixrules, localtime or Factory) or it is UTC
// or UTC±hh[:mm]; a fixed offset is the offset written. Checked here without the
// product's own helpers.

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <cstddef>
#include <cstdint>
#include <regex>
#include <string>
#include <sys/stat.h>

#include "fuzz_check.h"
#include "clock/zone_names.h"

namespace {

bool SystemHasZoneFile(const std::string& name) {
  if (name.empty() || name.front() == '/' || name.find("//") != std::string::npos || name.back() == '/') return false;
  if (name.find('\0') != std::string::npos) return false;
  const std::string padded = "/" + name + "/";
  if (padded.find("/../") != std::string::npos || padded.find("/./") != std::string::npos) return false;
  if (name.rfind("posix/", 0) == 0 || name.rfind("right/", 0) == 0) return false;
  struct stat status {};
  return stat(("/usr/share/zoneinfo/" + name).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string name(reinterpret_cast<const char*>(data), size);
  fuzz::InputScope scope(name);
  const std::optional<QTimeZone> zone = sundial::ZoneNamed(name);
  if (!zone) return 0;
  FUZZ_CHECK(zone->isValid(), "an accepted zone is valid");

  static const std::regex offset_form("UTC(([+-])([0-9]{2})(:([0-9]{2}))?)?");
  std::smatch parts;
  if (std::regex_match(name, parts, offset_form)) {
    const int hours = parts[3].matched ? std::stoi(parts[3]) : 0;
    const int minutes = parts[5].matched ? std::stoi(parts[5]) : 0;
    FUZZ_CHECK(minutes < 60 && hours * 60 + minutes <= 14 * 60, "an offset within 14 hours");
    const int expected = (parts[2] == "-" ? -1 : 1) * (hours * 3600 + minutes * 60);
    const QDateTime instant(QDate(2026, 1, 1), QTime(0, 0), QTimeZone::utc());
    FUZZ_CHECK(zone->offsetFromUtc(instant) == expected, "the offset as written");
    return 0;
  }
  for (const char* placeless : {"posixrules", "localtime", "Factory"}) {
    FUZZ_CHECK(name != placeless, "accepted a file of the zone folder that is no place's zone");
  }
  const bool listed = QTimeZone::isTimeZoneIdAvailable(QByteArray::fromStdString(name));
  FUZZ_CHECK(listed || SystemHasZoneFile(name), "accepted only an id the system has");
  return 0;
}
