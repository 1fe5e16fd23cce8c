#include "engine/steps/watermark_text.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <ctime>
#include <set>

#include "engine/steps/watermark.h"
#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::BoundingBox;
using testing::Box;
using testing::ReadPixel;
using testing::Rgba;
using testing::SolidImage;

constexpr Rgba kWhite{255, 255, 255};
constexpr Rgba kBlue{0, 0, 255};

TEST(ExpandWatermarkText, FillsTheMaskPlaceholdersForThisFile) {
  FileContext file;
  file.input_file = "/in/a%n%.dds";
  file.target_depth = 24;
  file.output_width = 800;
  file.output_height = 600;
  file.counter = 3;
  file.random_number = 42;
  const std::time_t now = std::time(nullptr);
  const std::string year = std::to_string(std::localtime(&now)->tm_year + 1900);
  struct Case {
    const char* text;
    std::string expected;
  } cases[] = {
      {"100%", "100%"},
      {"Converted", "Converted"},
      {"Made %yyyy%", "Made " + year},
      {"%WIDTH%x%Height%", "800x600"},
      {"%bpp% bits, %ext[u]%, #%n% (%rnd%)", "24 bits, JPG, #00003 (00042)"},
      {"%unknown% stays", "%unknown% stays"},
      // A value is only searched by the placeholders the text itself uses.
      {"%filename%", "a%n%"},
      {"%filename% %n%", "a00003 00003"},
  };
  for (const Case& c : cases) EXPECT_EQ(ExpandWatermarkText(c.text, file, "jpg"), c.expected);
}

TEST(WatermarkTextLayout, LinesSplitAtEolInAnyCase) {
  EXPECT_EQ(SplitWatermarkLines("Line one%EOL%Line two"), QStringList({"Line one", "Line two"}));
  EXPECT_EQ(SplitWatermarkLines("a%eol%%Eol%b"), QStringList({"a", "", "b"}));
  EXPECT_EQ(SplitWatermarkLines("single"), QStringList({"single"}));
}

TEST(WatermarkTextLayout, AlignmentWithinTheBox) {
  ConversionSettings settings;
  settings.wm_text_padding = 3;
  struct Case {
    int alignment;
    int64_t line, box, x;
  } cases[] = {{0, 10, 21, 3}, {1, 10, 21, 6}, {1, 11, 21, 5}, {2, 10, 21, 8}, {5, 10, 21, 0}};
  for (const Case& c : cases) {
    settings.wm_text_alignment = c.alignment;
    EXPECT_EQ(AlignedLineX(settings, c.line, c.box), c.x) << c.alignment << " " << c.line;
  }
}

TEST(WatermarkTextLayout, BoxSizeAndLinePositions) {
  ConversionSettings settings;
  settings.wm_text_padding = 2;
  settings.wm_font_leading = 3;
  settings.wm_text_alignment = 1;  // CENTER
  // One line: its own size plus padding, drawn at the padding whatever the alignment.
  TextBlock block = LayOutTextBlock({40}, 19, {40}, settings);
  EXPECT_EQ(block.width, 44);
  EXPECT_EQ(block.height, 23);
  EXPECT_EQ(block.origins, (std::vector<QPoint>{{2, 2}}));

  // Two lines: step = height + leading; the shorter line is centred, halves rounding up.
  block = LayOutTextBlock({40, 25}, 19, {40, 25}, settings);
  EXPECT_EQ(block.width, 44);
  EXPECT_EQ(block.height, 19 + 22 + 4);
  EXPECT_EQ(block.origins, (std::vector<QPoint>{{2, 2}, {10, 24}}));

  // Several lines never make a box below 10 × 10 before padding, nor a step below 10.
  settings.wm_font_leading = 0;
  block = LayOutTextBlock({4, 6, 0}, 8, {4, 6, 0}, settings);
  EXPECT_EQ(block.width, 14);
  EXPECT_EQ(block.height, 10 + 2 * 10 + 4);
  EXPECT_EQ(block.origins[2].y(), 22);
}

class TextWatermarkTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ConversionSettings settings;
    font_ = LoadWatermarkFont(settings);
    ASSERT_NE(font_, nullptr);
  }
  static void TearDownTestSuite() { font_.reset(); }

  TextWatermarkTest() {
    settings_.do_watermark = kWatermarkText;
    settings_.wm_text = "Tavrosine";
    settings_.wm_font_color = "FFFFFF";
    settings_.wm_back_color = "0000FF";
    settings_.wm_back_opacity = 255;
  }

  Bitmap Watermark(Bitmap image) {
    const WatermarkContext context{file_, font_.get(), "jpg"};
    return ApplyWatermark(std::move(image), settings_, context);
  }

  // The text box as drawn: whatever is no longer the white picture.
  Box DrawnBox(int width = 400, int height = 300) {
    const Bitmap result = Watermark(SolidImage(width, height, 24, kWhite));
    return BoundingBox(result, [](const Rgba& c) { return !(c == kWhite); });
  }

  static QFontMetrics RasterMetrics() { return QFontMetrics(MakeQFont(*font_, false)); }

  static inline std::shared_ptr<const WatermarkFont> font_;
  FileContext file_;
  ConversionSettings settings_;
};

TEST_F(TextWatermarkTest, OneLineBoxSitsAtTheDefaultCornerWithItsMeasuredSize) {
  const QFontMetrics metrics = RasterMetrics();
  const int w = metrics.horizontalAdvance("Tavrosine");
  const int h = metrics.height();
  EXPECT_EQ(DrawnBox(), (Box{390 - w, 290 - h, 390, 290}));
  settings_.wm_text_padding = 4;
  EXPECT_EQ(DrawnBox(), (Box{390 - w - 8, 290 - h - 8, 390, 290}));
}

TEST_F(TextWatermarkTest, RasterTextWritesExactlyTwoColours) {
  const Bitmap result = Watermark(SolidImage(400, 300, 24, kWhite));
  const Box box = BoundingBox(result, [](const Rgba& c) { return !(c == kWhite); });
  int text_pixels = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      const Rgba c = ReadPixel(result, x, y);
      ASSERT_TRUE(c == kBlue || c == kWhite) << c << " at " << x << "," << y;
      text_pixels += c == kWhite ? 1 : 0;
    }
  }
  EXPECT_GT(text_pixels, 50);

  // Anti-aliased text blends its edges into the box.
  settings_.wm_text_antialiasing = 1;
  const Bitmap smooth = Watermark(SolidImage(400, 300, 24, kWhite));
  std::set<int> blues;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) blues.insert(ReadPixel(smooth, x, y).red);
  }
  EXPECT_GT(blues.size(), 10u);
}

TEST_F(TextWatermarkTest, EolSplitsLinesThatStandOneStepApart) {
  settings_.wm_text = "Line one%EOL%Line two";
  settings_.wm_font_leading = 6;
  settings_.wm_text_position = 0;
  const QFontMetrics metrics = RasterMetrics();
  const int widest =
      std::max(metrics.horizontalAdvance("Line one"), metrics.horizontalAdvance("Line two"));
  const int step = std::max(10, metrics.height()) + 6;
  EXPECT_EQ(DrawnBox(), (Box{10, 10, 10 + widest, 10 + std::max(10, metrics.height()) + step}));
}

TEST_F(TextWatermarkTest, WidthAndHeightAreThoseOfTheImageBeingWritten) {
  settings_.wm_text = "%width%x%height%";
  const Bitmap expanded = Watermark(SolidImage(800, 600, 24, kWhite));
  settings_.wm_text = "800x600";
  const Bitmap literal = Watermark(SolidImage(800, 600, 24, kWhite));
  EXPECT_TRUE(testing::SamePixels(expanded, literal));
  settings_.wm_text = "600x800";
  EXPECT_FALSE(testing::SamePixels(expanded, Watermark(SolidImage(800, 600, 24, kWhite))));
}

TEST_F(TextWatermarkTest, RotationTurnsTheBox) {
  settings_.wm_text_position = 0;
  const Box flat = DrawnBox();
  settings_.wm_text_rotation = 90;
  const Box turned = DrawnBox();
  EXPECT_EQ(turned.right - turned.left, flat.bottom - flat.top);
  EXPECT_EQ(turned.bottom - turned.top, flat.right - flat.left);
}

TEST_F(TextWatermarkTest, OpacitiesGoIntoTheCompositing) {
  settings_.wm_back_opacity = 1;  // the default: a nearly invisible box
  settings_.wm_font_color = "000000";
  const Bitmap result = Watermark(SolidImage(400, 300, 24, kWhite));
  EXPECT_LT(BoundingBox(result, [](const Rgba& c) { return c.red < 128; }).left, 390);
  // The box's bottom-right corner, below and beside the last glyph: blue at alpha 1.
  const Rgba corner = ReadPixel(result, 389, 289);
  EXPECT_TRUE(testing::Near(corner, kWhite, 2)) << corner;
  EXPECT_LT(corner.red, corner.blue);

  settings_.wm_text_opacity = 64;
  const Bitmap faint = Watermark(SolidImage(400, 300, 24, kWhite));
  EXPECT_EQ(BoundingBox(faint, [](const Rgba& c) { return c.red < 128; }), Box{});
  EXPECT_LT(BoundingBox(faint, [](const Rgba& c) { return c.red < 230; }).left, 390);
}

TEST_F(TextWatermarkTest, NothingIsDrawnWithoutAFontOrForAnOversizedBox) {
  const WatermarkContext no_font{file_, nullptr, "jpg"};
  const Bitmap plain = ApplyWatermark(SolidImage(40, 30, 32, kWhite), settings_, no_font);
  ASSERT_TRUE(plain);
  EXPECT_EQ(Bpp(plain), 24u);
  EXPECT_EQ(BoundingBox(plain, [](const Rgba& c) { return !(c == kWhite); }), Box{});

  for (const int padding : {100000, -1000}) {
    settings_.wm_text_padding = padding;
    EXPECT_EQ(DrawnBox(), Box{}) << padding;
  }
  settings_.wm_text_padding = 0;
  settings_.wm_font_leading = 2000000000;
  settings_.wm_text = "a%eol%b%eol%c";
  EXPECT_EQ(DrawnBox(), Box{});
}

}  // namespace
}  // namespace tavrosine
