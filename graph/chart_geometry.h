// SPDX-License-Identifier: MIT
#pragma once

// Where the chart lies in the graph window's client area, in twips from its top
// left corner (y grows downwards). The window's grid, the two curve sweeps and the
// exported images all place things by these numbers.
namespace graph::chart {

inline constexpr int kLeftTwips = 840;        // the 1 January axis
inline constexpr int kRightTwips = 9780;      // 365.25 days later
inline constexpr int kTopTwips = 120;         // +20 minutes
inline constexpr int kBottomTwips = 6480;     // −20 minutes
inline constexpr int kZeroLineTwips = 3300;   // 0 minutes
inline constexpr int kWidthTwips = 8940;      // kRightTwips − kLeftTwips
inline constexpr double kSpanDays = 365.25;   // the days kWidthTwips stands for

// The equation of time: kMinutesToEdge minutes is kTwipsToEdge twips from the zero
// line (159 twips a minute).
inline constexpr int kMinutesToEdge = 20;
inline constexpr int kTwipsToEdge = 3180;

// The rate of change: twips per minute-per-day (+0.5 is 2250 twips up).
inline constexpr int kRateTwipsPerMinutePerDay = 4500;

}  // namespace graph::chart
