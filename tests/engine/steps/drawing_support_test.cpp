#include "engine/steps/drawing_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <thread>
#include <vector>

#include "engine/steps/frame.h"
#include "engine/steps/watermark.h"
#include "step_test_util.h"

namespace tavrosine {
namespace {

using testing::ReadPixel;
using testing::Rgba;
using testing::SamePixels;
using testing::SolidImage;

ConversionSettings FrameAndText() {
  ConversionSettings settings;
  settings.do_frame = 1;
  settings.fr_solid_left = settings.fr_solid_top = 6;
  settings.fr_solid_left_color = "FF0000";
  settings.do_watermark = kWatermarkText;
  settings.wm_text = "Frame %width%x%height%%eol%second line";
  settings.wm_back_opacity = 128;
  settings.wm_text_rotation = 15;
  return settings;
}

Bitmap Decorate(Bitmap image, const ConversionSettings& settings, const WatermarkFont* font) {
  const FileContext file;
  const WatermarkContext context{file, font, "jpg"};
  return ApplyWatermark(ApplyFrame(std::move(image), settings), settings, context);
}

TEST(DrawingSupport, CanvasPixelsReachFreeImageUnchanged) {
  QImage canvas = NewCanvas(3, 2);
  ASSERT_FALSE(canvas.isNull());
  EXPECT_EQ(canvas.pixel(2, 1), qRgba(0, 0, 0, 0));
  canvas.setPixel(0, 0, qRgba(10, 20, 30, 40));
  canvas.setPixel(2, 1, qRgba(200, 100, 50, 255));
  const Bitmap bitmap = CanvasToBitmap(canvas);
  ASSERT_TRUE(bitmap);
  EXPECT_EQ(Bpp(bitmap), 32u);
  EXPECT_EQ(ReadPixel(bitmap, 0, 0), (Rgba{10, 20, 30, 40}));
  EXPECT_EQ(ReadPixel(bitmap, 2, 1), (Rgba{200, 100, 50, 255}));
  EXPECT_EQ(ReadPixel(bitmap, 1, 0), (Rgba{0, 0, 0, 0}));

  EXPECT_TRUE(NewCanvas(0, 5).isNull());
  EXPECT_TRUE(NewCanvas(5, -1).isNull());
  EXPECT_TRUE(NewCanvas(int64_t{1} << 40, 1).isNull());
}

TEST(DrawingSupport, ScaleAlphaKeepsColoursAndClampsTheOpacity) {
  struct Case {
    int opacity;
    int alpha;
  } cases[] = {{255, 200}, {128, 100}, {1, 1}, {0, 0}, {-7, 0}, {999, 200}};
  for (const Case& c : cases) {
    QImage canvas = NewCanvas(1, 1);
    canvas.setPixel(0, 0, qRgba(9, 99, 199, 200));
    ScaleAlpha(canvas, c.opacity);
    EXPECT_EQ(canvas.pixel(0, 0), qRgba(9, 99, 199, c.alpha)) << c.opacity;
  }
}

// A console batch may run on a machine without a display or desktop session, and must keep
// stderr to its own lines.
TEST(DrawingSupportDeathTest, WorksHeadlessWithoutAWordOnStderr) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  const auto run = [] {
    for (const char* name :
         {"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"}) {
      unsetenv(name);
    }
    if (!PrepareDrawing()) std::exit(2);
    ConversionSettings settings = FrameAndText();
    const auto font = LoadWatermarkFont(settings);
    if (!font) std::exit(3);
    const Bitmap result = Decorate(SolidImage(200, 100, 32, {255, 255, 255}), settings, font.get());
    const testing::Box marked = testing::BoundingBox(result, [](const Rgba& c) {
      return !(c == Rgba{255, 255, 255});
    });
    const bool drawn = result && ReadPixel(result, 1, 50) == Rgba{255, 0, 0} && marked.right > 150;
    std::exit(drawn ? 0 : 4);
  };
  EXPECT_EXIT(run(), ::testing::ExitedWithCode(0), "^$");
}

TEST(DrawingSupport, StepsDrawTheSameOnSeveralThreadsAtOnce) {
  ConversionSettings settings = FrameAndText();
  const auto font = LoadWatermarkFont(settings);
  ASSERT_NE(font, nullptr);
  std::vector<Bitmap> expected;
  for (const int antialiasing : {0, 1}) {
    settings.wm_text_antialiasing = antialiasing;
    expected.push_back(Decorate(SolidImage(160, 90, 24, {30, 60, 90}), settings, font.get()));
  }

  constexpr int kThreads = 4;
  std::vector<Bitmap> results(kThreads * 2);
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t) {
    threads.emplace_back([&settings, &font, &results, t] {
      ConversionSettings own = settings;
      for (int round = 0; round < 2; ++round) {
        own.wm_text_antialiasing = round;
        results[static_cast<size_t>(t * 2 + round)] =
            Decorate(SolidImage(160, 90, 24, {30, 60, 90}), own, font.get());
      }
    });
  }
  for (std::thread& thread : threads) thread.join();
  for (size_t i = 0; i < results.size(); ++i) {
    EXPECT_TRUE(SamePixels(results[i], expected[i % 2])) << "thread " << i / 2;
  }
}

}  // namespace
}  // namespace tavrosine
