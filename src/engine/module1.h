// SPDX-License-Identifier: MIT
#pragma once

// Module1: the equation-of-time engine. Calendar arithmetic, the Sun's mean
// elements, the five-term equation of time and its evaluation at a civil instant,
// and the Sun's declination: pure functions of doubles returning values
// (EquationOfTimeValueAt, DaysInMonth, SunApparentDeclination), and the day argument
// the detail window and the command line evaluate at (DayArgument). The three shared
// results MonthDays, EotMinutesText and EotSeconds are thin wrappers for the
// detail window (IsLeapYear, EquationOfTimeAt). No Qt.

#include "engine/calendar.h"
#include "engine/day_argument.h"
#include "engine/equation_of_time.h"
#include "engine/equation_of_time_at.h"
#include "engine/month_days.h"
#include "engine/solar_declination.h"
#include "engine/solar_elements.h"
