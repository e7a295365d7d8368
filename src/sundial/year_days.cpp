// SPDX-License-Identifier: MIT
#include "sundial/year_days.h"

#include <cmath>

#include "engine/module1.h"
#include "sundial/apparent_noon.h"

namespace sundial {

std::vector<CalendarDay> DaysOfYear(int16_t year) {
  std::vector<CalendarDay> days;
  for (int month = 1; month <= 12; ++month) {
    const int days_in_month = Module1::DaysInMonth(year, month);
    for (int day = 1; day <= days_in_month; ++day) days.push_back({month, day});
  }
  return days;
}

double NoonDeclinationDegrees(int16_t year, int month, int day, double longitude_east_degrees) {
  const double noon_ut_hours = ApparentNoonUtHours(year, month, day, longitude_east_degrees);
  return Module1::SunApparentDeclination(Module1::JulianCenturies(Module1::JulianDay(year, month, day + noon_ut_hours / 24)));
}

SeasonIndices SeasonsOf(const std::vector<double>& declinations) {
  SeasonIndices seasons{0, 0, 0, 0};
  for (std::size_t i = 1; i < declinations.size(); ++i) {
    const double before = declinations[i - 1];
    const double after = declinations[i];
    if (after > declinations[seasons.june_solstice]) seasons.june_solstice = i;
    if (after < declinations[seasons.december_solstice]) seasons.december_solstice = i;
    if ((before < 0) != (after < 0)) {
      const std::size_t nearer = std::fabs(before) <= std::fabs(after) ? i - 1 : i;
      (before < 0 ? seasons.march_equinox : seasons.september_equinox) = nearer;
    }
  }
  return seasons;
}

}  // namespace sundial
