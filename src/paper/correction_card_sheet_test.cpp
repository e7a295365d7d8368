// SPDX-License-Identifier: MIT
// The card as a person reads it: the values of the days as text, the title naming
// place, zone, standard and summer time, the notes on the marked days and the
// accuracy, in either language; and which cells are shaded or hatched.
#include "paper/correction_card_sheet.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <vector>

#include "clock/zone_names.h"
#include "paper/sheet_testing.h"

namespace {

using paper::testing::InkNearTheEdge;

using paper::testing::SvgText;

sundial::CorrectionCard Card(const char* zone, double longitude, int year = 2026) {
  return sundial::MakeCorrectionCard(year, longitude, *sundial::ZoneNamed(zone));
}

TEST(CorrectionCardSheet, TheTextsSayWhatTheCardIsAndHowToReadIt) {
  const struct {
    const char* zone;
    double longitude;
    int year;
    paper::SheetLanguage language;
    std::vector<QString> texts;
    std::vector<QString> absent;
  } kCases[] = {
      {"Europe/Berlin", 13.4050, 2026, paper::SheetLanguage::kJapanese,
       {"+9:56", "+11:07", "日時計の補正表", "2026年", "13.4050", "Europe/Berlin", "12月", "標準時 UTC+01:00",
        "夏時間 UTC+02:00", "1時間を加えます", "±5 秒以内"},
       {"斜線"}},
      {"Europe/Berlin", 13.4050, 2026, paper::SheetLanguage::kEnglish,
       {"+9:56", "+11:07", "Sundial correction card, 2026", "13.4050", "Europe/Berlin", "Dec",
        "standard time UTC+01:00, summer time UTC+02:00",
        "Shaded days are in summer time (UTC+02:00): add 1 hour more to get the clock's time.",
        "Accuracy: within ±5 s of the transits of an ephemeris"},
       {"hatched"}},
      // The tz data's standard time for Dublin is summer's: the card once said
      // UTC+01:00 and "add −1 hour more" on the winter days.
      {"Europe/Dublin", -6.2603, 2026, paper::SheetLanguage::kEnglish,
       {"+28:37", "standard time UTC+00:00, summer time UTC+01:00", "(UTC+01:00): add 1 hour more"},
       {"\u22121 hour", "hatched"}},
      {"Asia/Tokyo", 139.7667, 2026, paper::SheetLanguage::kEnglish,
       {"standard time UTC+09:00, no summer time"},
       {"Shaded", "hatched"}},
      {"Asia/Tokyo", 139.7667, 2026, paper::SheetLanguage::kJapanese, {"夏時間なし"}, {"網掛け", "斜線"}},
      // Casablanca's hour back for Ramadan is not summer time.
      {"Africa/Casablanca", -7.5898, 2026, paper::SheetLanguage::kEnglish,
       {"standard time UTC+01:00, no summer time",
        "On hatched days the clock keeps UTC+00:00, 1 hour behind standard time: subtract 1 hour"},
       {"Shaded"}},
      {"Africa/Casablanca", -7.5898, 2026, paper::SheetLanguage::kJapanese,
       {"UTC+00:00", "1時間遅れ", "1時間を引きます"}, {"網掛け"}},
      // The seconds were measured for 1700–2200 only.
      {"Europe/Berlin", 13.4050, 2150, paper::SheetLanguage::kEnglish, {"within ±6 s"}, {"±5 s"}},
      {"Europe/Berlin", 13.4050, 1500, paper::SheetLanguage::kEnglish,
       {"measured for 1700–2200; further from the present it grows"}, {"±5 s"}},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.year) +
                 (c.language == paper::SheetLanguage::kJapanese ? " ja" : " en"));
    const QString svg =
        SvgText(paper::EncodeCorrectionCard(Card(c.zone, c.longitude, c.year), paper::SheetFormat::kSvg, c.language));
    for (const QString& text : c.texts) EXPECT_TRUE(svg.contains(text)) << text.toStdString();
    for (const QString& text : c.absent) EXPECT_FALSE(svg.contains(text)) << text.toStdString();
  }
  const QByteArray pdf = paper::EncodeCorrectionCard(Card("Europe/Berlin", 13.4050), paper::SheetFormat::kPdf,
                                                     paper::SheetLanguage::kJapanese);
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]")) << "A4 portrait";
}

// What colour a cell's corner is on the page drawn at 4 dots a millimetre:
// white, the summer shade, or hatched (some pixels of the hatching's grey).
enum class Look { kPlain, kShaded, kHatched };

Look LookOf(const QImage& page, int month, int day) {
  const paper::RectMm cell = paper::CardCellMm(month, day);
  int white = 0;
  int shade = 0;
  int other = 0;
  // The top left corner of the cell, clear of its rules and its text.
  for (double x = cell.left + 0.5; x < cell.left + 2; x += 0.25) {
    for (double y = cell.top + 0.5; y < cell.top + 1.5; y += 0.25) {
      const QColor colour = page.pixelColor(static_cast<int>(x * 4), static_cast<int>(y * 4));
      if (colour == Qt::white) {
        ++white;
      } else if (colour == QColor(210, 210, 210)) {
        ++shade;
      } else {
        ++other;
      }
    }
  }
  if (shade > 0 && white == 0) return Look::kShaded;
  if (other > 0 && white > 0 && shade == 0) return Look::kHatched;
  return white > 0 && other == 0 && shade == 0 ? Look::kPlain : Look::kHatched;
}

TEST(CorrectionCardSheet, SummerDaysShadedAndOtherClocksHatched) {
  const struct {
    const char* zone;
    double longitude;
    int month, day;
    Look look;
  } kCases[] = {
      {"Europe/Berlin", 13.4050, 1, 1, Look::kPlain},
      {"Europe/Berlin", 13.4050, 3, 28, Look::kPlain},
      {"Europe/Berlin", 13.4050, 3, 29, Look::kShaded},
      {"Europe/Berlin", 13.4050, 7, 1, Look::kShaded},
      {"Europe/Berlin", 13.4050, 10, 25, Look::kPlain},
      // Dublin's winter is its standard time, whatever the tz data say.
      {"Europe/Dublin", -6.2603, 1, 1, Look::kPlain},
      {"Europe/Dublin", -6.2603, 7, 1, Look::kShaded},
      {"Europe/Dublin", -6.2603, 12, 31, Look::kPlain},
      {"Australia/Sydney", 151.2093, 1, 1, Look::kShaded},
      {"Australia/Sydney", 151.2093, 7, 1, Look::kPlain},
      {"Africa/Casablanca", -7.5898, 1, 1, Look::kPlain},
      {"Africa/Casablanca", -7.5898, 2, 15, Look::kHatched},
      {"Africa/Casablanca", -7.5898, 3, 22, Look::kPlain},
      {"Asia/Tokyo", 139.7667, 7, 1, Look::kPlain},
  };
  for (const auto& c : kCases) {
    QImage page(210 * 4, 297 * 4, QImage::Format_RGB32);
    QPainter painter(&page);
    paper::DrawCorrectionCard(painter, Card(c.zone, c.longitude), paper::SheetLanguage::kEnglish, 4);
    painter.end();
    EXPECT_EQ(LookOf(page, c.month, c.day), c.look) << c.zone << " " << c.month << "/" << c.day;
  }
}

// Each kind of card says which it is; a mean card names its years and how far it
// lies from each, and shades lightly the days in summer time in some of them; the
// longest lines stay on the page.
TEST(CorrectionCardSheet, TheCardSaysWhichKindItIsAndNothingIsCut) {
  const QTimeZone berlin = *sundial::ZoneNamed("Europe/Berlin");
  const struct {
    int year;
    sundial::CardKind kind;
    paper::SheetLanguage language;
    std::vector<QString> texts;
  } kCases[] = {
      {2026, {true, 1}, paper::SheetLanguage::kEnglish,
       {"Kind: longitude and equation of time", "Sundial correction card, 2026", "the standard-time clock then"}},
      {2026, {false, 1}, paper::SheetLanguage::kEnglish,
       {"Kind: equation of time alone", "each value is −E then, rounded"}},
      {2026, {false, 8}, paper::SheetLanguage::kEnglish,
       {"Sundial correction card, 2026–2033", "the mean of 2026–2033 (8 years), at most",
        "Lightly: in some of the years only", "averaged over the 8 years"}},
      {2026, {true, 4}, paper::SheetLanguage::kJapanese,
       {"日時計の補正表　2026–2029年", "2026–2029年（4年間）の平均：各年の表との差は最大", "薄い網掛けは一部の年だけ"}},
      {1500, {true, 1}, paper::SheetLanguage::kEnglish, {"further from the present it grows"}},
  };
  for (const auto& c : kCases) {
    const sundial::CorrectionCard card = sundial::MakeCorrectionCard(c.year, 13.4050, berlin, c.kind);
    const QString text = SvgText(paper::EncodeCorrectionCard(card, paper::SheetFormat::kSvg, c.language));
    for (const QString& expected : c.texts) EXPECT_TRUE(text.contains(expected)) << expected.toStdString();
    constexpr double kDotsPerMm = 4;
    QImage image(210 * 4, 297 * 4, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    paper::DrawCorrectionCard(painter, card, c.language, kDotsPerMm);
    painter.end();
    // The margins are 15 mm; the version line below the notes comes nearest, 6 mm from the edge.
    EXPECT_FALSE(InkNearTheEdge(image, kDotsPerMm, 5)) << c.texts[0].toStdString() << ": a line runs off the page";
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QGuiApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
