// The map on a scaled screen (QT_SCALE_FACTOR set by ctest: 1.25, 1.5, 2):
// the screen image and the series buffers have the screen's pixels, every
// ink pixel sits where the 1.0 drawing's sits, scaled (within a pixel), the
// drawing is made at that resolution rather than enlarged, and the
// clipboard bitmap is the 1.0 drawing exactly. Pictures of each factor are
// saved in the test's build folder (charts-high-dpi-*.png).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <cmath>

#include "chart_test_support.h"
#include "ink_compare.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

class HighDpiMapTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        chart.resize(439, 425);
        chart.OnAfterDraw = [this] { hook(); };
        chart.show();
        // A trail of crosses on an ellipse around the disc.
        for (int i = 0; i < 60; ++i) {
            const double a = i * 0.1;
            series.series2.AddXY(30000 * std::cos(a), 20000 * std::sin(a));
        }
        chart.Repaint();
    }
    qreal expectedRatio() const { return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble(); }
    void save(const QImage& image, const char* what) {
        image.save(QStringLiteral(GRAVITARIA_ARTIFACT_DIR "/charts-high-dpi-%1-%2.png")
                       .arg(expectedRatio()).arg(QLatin1String(what)));
    }
    TChart chart;
    TrajectoryMapSeries series = setupTrajectoryMap(chart);
    DiscHook hook{chart};
};

TEST_F(HighDpiMapTest, ScreenImageIsDrawnAtTheScreensResolution) {
    const qreal ratio = chart.devicePixelRatioF();
    ASSERT_DOUBLE_EQ(ratio, expectedRatio());
    const QImage screen = chart.ScreenImage().copy();
    EXPECT_EQ(screen.devicePixelRatio(), ratio);
    EXPECT_EQ(screen.size(), (QSizeF(439, 425) * ratio).toSize());
    // The buffered screen is a complete drawing at that resolution.
    const QImage full = chart.RenderImage(ratio);
    EXPECT_EQ(firstDifference(screen, full), -1);

    const QImage one = chart.RenderImage(1.0);
    save(screen, "screen");
    save(one, "1.0");
    // Ink where the 1.0 drawing has it, scaled, both ways, and no region
    // whose ink went missing.
    const int reach = static_cast<int>(std::ceil(ratio));
    const InkComparison down = compareInk(one, screen, ratio, reach);
    EXPECT_GT(down.ink, 1000);
    EXPECT_LE(down.unmatched, down.ink / 50) << down.unmatched << " of " << down.ink << " ink pixels of the 1.0 drawing";
    EXPECT_TRUE(down.lostCells.empty()) << cellsText(down.lostCells).toStdString();
    const InkComparison up = compareInk(screen, one, 1.0 / ratio, 1, reach * 12);
    EXPECT_LE(up.unmatched, up.ink / 50) << up.unmatched << " of " << up.ink << " ink pixels at " << ratio;
    EXPECT_TRUE(up.lostCells.empty()) << cellsText(up.lostCells).toStdString();

    // Drawn, not enlarged: the 1.0 picture scaled up is not what is shown.
    if (ratio == 1.0) return;
    const QImage enlarged = one.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_NE(firstDifference(screen.convertToFormat(QImage::Format_RGB32), enlarged), -1);
}

TEST_F(HighDpiMapTest, OnePixelLinesKeepTheirWeightOnWholeScreenPixels) {
    // Across the disc's outline on the horizontal line through the centre:
    // a run of black screen pixels as wide as one unit, rounded.
    const qreal ratio = chart.devicePixelRatioF();
    const QImage screen = chart.ScreenImage();
    const int cy = static_cast<int>(chart.LeftAxis().CalcYPosValue(0) * ratio + ratio / 2);
    const int right = static_cast<int>(chart.BottomAxis().CalcXPosValue(6380) * ratio);
    int run = 0, best = 0;
    for (int x = right - 4 * static_cast<int>(ratio) - 4; x <= right + 4 * static_cast<int>(ratio) + 4; ++x) {
        run = (rgbAt(screen, x, cy) == 0) ? run + 1 : 0;
        best = std::max(best, run);
    }
    EXPECT_EQ(best, std::max(1, qRound(ratio)));
}

TEST_F(HighDpiMapTest, ClipboardBitmapIsTheUnscaledDrawing) {
    const QImage screenBefore = chart.ScreenImage().copy();
    chart.CopyToClipboardBitmap();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), QSize(439, 425));
    EXPECT_EQ(firstDifference(copied, chart.RenderImage(1.0)), -1);
    save(copied, "clipboard");
    // The screen's buffers are untouched by the copy.
    EXPECT_EQ(firstDifference(chart.ScreenImage(), screenBefore), -1);
}

}  // namespace
}  // namespace gravitaria
