// SPDX-License-Identifier: MIT
#pragma once

// Where the chart lies in the graph window's client area, in twips from its top
// left corner (y grows downwards). The window's grid, the two curve sweeps and the
// drawings of the chart for files and paper all place things by these numbers.
namespace chart::area {

inline constexpr int kWidthOfAreaTwips = 10050;  // the window's client area: 670 pixels
inline constexpr int kHeightOfAreaTwips = 7065;  // 471 pixels

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

// The fixed frame, in the order the window draws it.
struct FrameLine {
  int x1, y1, x2, y2;  // twips
  bool dotted;
  int width_pixels;
};
inline constexpr FrameLine kFrameLines[] = {
    // Axes: 1 January and the zero line, solid, 2 pixels.
    {kLeftTwips, kTopTwips, kLeftTwips, kBottomTwips, false, 2},
    {kLeftTwips, kZeroLineTwips, kRightTwips, kZeroLineTwips, false, 2},
    // Minute grid every 5 minutes, +20 at the top to −20 at the bottom.
    {kLeftTwips, 120, kRightTwips, 120, true, 1},
    {kLeftTwips, 915, kRightTwips, 915, true, 1},
    {kLeftTwips, 1710, kRightTwips, 1710, true, 1},
    {kLeftTwips, 2505, kRightTwips, 2505, true, 1},
    {kLeftTwips, 4095, kRightTwips, 4095, true, 1},
    {kLeftTwips, 4890, kRightTwips, 4890, true, 1},
    {kLeftTwips, 5685, kRightTwips, 5685, true, 1},
    {kLeftTwips, 6480, kRightTwips, 6480, true, 1},
    // The first of each month (fixed positions, the same for every year) and the end.
    {1599, kTopTwips, 1599, kBottomTwips, true, 1},
    {2285, kTopTwips, 2285, kBottomTwips, true, 1},
    {3044, kTopTwips, 3044, kBottomTwips, true, 1},
    {3779, kTopTwips, 3779, kBottomTwips, true, 1},
    {4538, kTopTwips, 4538, kBottomTwips, true, 1},
    {5278, kTopTwips, 5278, kBottomTwips, true, 1},
    {6032, kTopTwips, 6032, kBottomTwips, true, 1},
    {6791, kTopTwips, 6791, kBottomTwips, true, 1},
    {7526, kTopTwips, 7526, kBottomTwips, true, 1},
    {8285, kTopTwips, 8285, kBottomTwips, true, 1},
    {9020, kTopTwips, 9020, kBottomTwips, true, 1},
    {9780, kTopTwips, 9780, kBottomTwips, true, 1},
};

// The face a caption is set in: the window's own font, the minute labels' or the
// year unit's.
enum class CaptionFont { kWindow, kMinutes, kYearUnit };

struct FrameCaption {
  const char* name;  // the label's name in the window
  const char* text;
  int left, top, width, height;  // twips, as laid out (a wider face grows the box)
  CaptionFont font;
  bool right_aligned;
};
inline constexpr FrameCaption kFrameCaptions[] = {
    // Minutes, right-aligned left of the axis.
    {"Label10", "+20", 240, 0, 492, 252, CaptionFont::kMinutes, true},
    {"Label2", "+15", 240, 780, 492, 252, CaptionFont::kMinutes, true},
    {"Label3", "+10", 240, 1620, 492, 252, CaptionFont::kMinutes, true},
    {"Label4", "+5", 240, 2400, 492, 252, CaptionFont::kMinutes, true},
    {"Label5", "0", 240, 3180, 492, 252, CaptionFont::kMinutes, true},
    {"Label6", "-5", 240, 3960, 492, 252, CaptionFont::kMinutes, true},
    {"Label7", "-10", 240, 4800, 492, 252, CaptionFont::kMinutes, true},
    {"Label8", "-15", 240, 5580, 492, 252, CaptionFont::kMinutes, true},
    {"Label9", "-20", 240, 6360, 492, 252, CaptionFont::kMinutes, true},
    // The first of each month, under the grid.
    {"Label11", "1/1", 720, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label12", "2/1", 1500, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label13", "3/1", 2220, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label14", "4/1", 3000, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label15", "5/1", 3660, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label16", "6/1", 4440, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label17", "7/1", 5160, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label18", "8/1", 5940, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label19", "9/1", 6660, 6660, 252, 252, CaptionFont::kWindow, false},
    {"Label20", "10/1", 7320, 6660, 432, 252, CaptionFont::kWindow, false},
    {"Label21", "11/1", 8100, 6660, 372, 252, CaptionFont::kWindow, false},
    {"Label22", "12/1", 8880, 6660, 372, 252, CaptionFont::kWindow, false},
};

// The year, inside the lower right corner of the grid, and its unit after it.
struct YearBox {
  int left, top, width, height;  // twips
  int max_length;
};
inline constexpr YearBox kYearBox = {8340, 6048, 972, 348, 6};
inline constexpr FrameCaption kYearUnit = {"Label1", "年", 9420, 6080, 312, 252, CaptionFont::kYearUnit, false};
// The longest year the box must show in full.
inline constexpr const char* kLongestYearText = "-32768";

}  // namespace chart::area
