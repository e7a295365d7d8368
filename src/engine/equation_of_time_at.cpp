// SPDX-License-Identifier: MIT
#include "engine/equation_of_time_at.h"

#include <cmath>

#include "engine/calendar.h"
#include "engine/equation_of_time.h"
#include "engine/solar_elements.h"
#include "platform/core/convert.h"
#include "platform/core/runtime_error.h"

namespace Module1 {

using platform::CheckFloatingPoint;

EotValue SplitMinutes(double minutes) {
  const double magnitude = CheckFloatingPoint(std::fabs(minutes));
  double whole_minutes = std::floor(magnitude);
  const double seconds = CheckFloatingPoint((magnitude - whole_minutes) * 60);
  // One decimal as "#0.0" writes it; the single is the one the window reads back
  // from that text (the nearest double of the decimal, then the nearest single).
  double tenths = platform::RoundToTenths(seconds);
  if (tenths == 600) {  // "60.0": carry a minute
    whole_minutes += 1;
    tenths = 0;
  }
  return {minutes < 0, whole_minutes, static_cast<float>(tenths / 10), minutes};
}

double EquationOfTimeMinutes(int16_t year, double month, double day) {
  const double nine_hours = CheckFloatingPoint(9.0 / 24);
  const double jd = JulianDay(year, month, day + nine_hours);
  const double T = JulianCenturies(jd);
  const double E = EquationOfTime(ElementsAt(T));
  return CheckFloatingPoint(E * 4 * 180 / Pi);  // radians of hour angle to minutes of time
}

EotValue EquationOfTimeValueAt(int16_t year, double month, double day) {
  return SplitMinutes(EquationOfTimeMinutes(year, month, day));
}

std::string MinutesText(const EotValue& value) {
  return (value.negative ? "- " : "+ ") + platform::NumberToText(value.whole_minutes);
}

void EquationOfTimeAt(int16_t year, double month, double day) {
  const EotValue value = EquationOfTimeValueAt(year, month, day);
  EotMinutesText = MinutesText(value);
  EotSeconds = value.seconds;
}

}  // namespace Module1
