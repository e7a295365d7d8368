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

PublishedMinutes PublishMinutes(double minutes) {
  const char* sign_text = minutes >= 0 ? "+ " : "- ";
  const double magnitude = CheckFloatingPoint(std::fabs(minutes));
  double whole_minutes = std::floor(magnitude);
  const double seconds = CheckFloatingPoint((magnitude - whole_minutes) * 60);
  // One decimal as the "#0.0" pattern writes it (halves away from zero), held as
  // the single nearest that decimal.
  std::string seconds_text = platform::FormatFixedOneDecimal(seconds);
  if (seconds_text == "60.0") {
    whole_minutes += 1;
    seconds_text = "0.0";
  }
  return {sign_text + platform::NumberToText(whole_minutes), platform::TextToSingle(seconds_text)};
}

double EquationOfTimeMinutes(int16_t year, double month, double day) {
  const double nine_hours = CheckFloatingPoint(9.0 / 24);
  const double jd = JulianDay(year, month, day + nine_hours);
  const double T = JulianCenturies(jd);
  const double E = EquationOfTime(ElementsAt(T));
  return CheckFloatingPoint(E * 4 * 180 / Pi);
}

void EquationOfTimeAt(int16_t year, double month, double day) {
  PublishedMinutes published = PublishMinutes(EquationOfTimeMinutes(year, month, day));
  EotMinutesText = std::move(published.minutes_text);
  EotSeconds = published.seconds;
}

}  // namespace Module1
