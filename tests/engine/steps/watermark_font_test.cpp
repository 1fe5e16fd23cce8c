#include "engine/steps/watermark_font.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QStringList>

namespace tavrosine {
namespace {

ConversionSettings Face(const std::string& face, int size = 14) {
  ConversionSettings settings;
  settings.wm_font = face;
  settings.wm_font_size = size;
  return settings;
}

TEST(WatermarkFont, InstalledFamiliesAndConfiguredAliasesLoad) {
  // Arial is not installed here; the font configuration maps it to a metric-compatible family.
  for (const char* face : {"Arial", "arial", "DejaVu Sans", "dejavu serif"}) {
    const auto font = LoadWatermarkFont(Face(face));
    ASSERT_NE(font, nullptr) << face;
    EXPECT_TRUE(QFontDatabase::families().contains(QString::fromStdString(font->family),
                                                   Qt::CaseInsensitive))
        << face << " resolved to " << font->family;
  }
}

TEST(WatermarkFont, UnknownFacesFail) {
  for (const char* face : {"", "   ", "Zqxw Nonexistent Sans", "Arial Wobbly Extended 7"}) {
    EXPECT_EQ(LoadWatermarkFont(Face(face)), nullptr) << "'" << face << "'";
  }
}

TEST(WatermarkFont, SizesOutsideTheSaneRangeFail) {
  struct Case {
    int points;
    int pixels;  // 0: refused
  } cases[] = {{14, 19},    {1, 1},   {kMaxFontPoints, 1333},
               {0, 0},      {-12, 0}, {kMaxFontPoints + 1, 0},
               {1000000, 0}};
  for (const Case& c : cases) {
    const auto font = LoadWatermarkFont(Face("DejaVu Sans", c.points));
    if (c.pixels == 0) {
      EXPECT_EQ(font, nullptr) << c.points;
    } else {
      ASSERT_NE(font, nullptr) << c.points;
      EXPECT_EQ(font->pixel_size, c.pixels) << c.points;
    }
  }
}

TEST(WatermarkFont, StyleAndEffectFlags) {
  struct Case {
    int style, effect;
    bool bold, italic, underline, strike_out;
  } cases[] = {{0, 0, false, false, false, false},
               {1, 0, true, false, false, false},
               {2, 1, false, true, true, false},
               {3, 2, true, true, false, true},
               {7, 9, false, false, false, false}};
  for (const Case& c : cases) {
    ConversionSettings settings = Face("Arial");
    settings.wm_font_style = c.style;
    settings.wm_font_effect = c.effect;
    const auto font = LoadWatermarkFont(settings);
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(font->bold, c.bold) << c.style;
    EXPECT_EQ(font->italic, c.italic) << c.style;
    EXPECT_EQ(font->underline, c.underline) << c.effect;
    EXPECT_EQ(font->strike_out, c.strike_out) << c.effect;
    const QFont qfont = MakeQFont(*font, false);
    EXPECT_EQ(qfont.bold(), c.bold);
    EXPECT_EQ(qfont.strikeOut(), c.strike_out);
    EXPECT_EQ(qfont.styleStrategy(), QFont::NoAntialias);
  }
}

}  // namespace
}  // namespace tavrosine
