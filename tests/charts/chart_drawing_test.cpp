// The chart's drawing: layout from every drawing, drawing order, the
// after-draw hook and the canvas, synchronous repaint, hiding.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

#include "chart_test_support.h"
#include "errors.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

const QColor kSilver = kAttractorSilver;
const QColor kGrey(0x80, 0x80, 0x80);
const QColor kBlack(0, 0, 0);

class MapTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override {
        chart.resize(439, 425);
        chart.OnAfterDraw = [this] { hook(); };
        chart.show();
        chart.Repaint();
    }
    TChart chart;
    TrajectoryMapSeries series = setupTrajectoryMap(chart);
    DiscHook hook{chart};
};

TEST_F(MapTest, AxisErrorRefusesAnInvertedRangeAndChangesNothing) {
    TChartAxis& x = chart.BottomAxis();
    EXPECT_THROW(x.SetMinimum(50001), GeneralError);
    EXPECT_THROW(x.SetMaximum(-50001), GeneralError);
    EXPECT_THROW(x.SetMinMax(2, 1), GeneralError);
    EXPECT_THROW(x.SetMaximum(std::nan("")), GeneralError);
    EXPECT_EQ(x.Minimum(), -50000);
    EXPECT_EQ(x.Maximum(), 50000);
    try {
        x.SetMinimum(60000);
    } catch (const GeneralError& e) {
        EXPECT_STREQ(e.what(),
                     "La valeur minimale de l'axe doit être inférieure ou égale à sa valeur maximale");
    }
    // The zoom's order of settings (minimum first) passes both ways.
    for (double f : {2.0, 0.5, 0.5}) {
        for (TChartAxis* a : {&chart.BottomAxis(), &chart.LeftAxis()}) {
            a->SetMinimum(f * a->Minimum());
            a->SetMaximum(f * a->Maximum());
        }
    }
    EXPECT_EQ(chart.LeftAxis().Minimum(), -25000);
    EXPECT_EQ(chart.LeftAxis().Maximum(), 25000);
    x.SetMinimum(25000);  // equal ends are allowed
    EXPECT_EQ(x.Minimum(), 25000);
}

TEST_F(MapTest, EveryDrawingLaysOutTheAxesAndMappingUsesTheLastOne) {
    const TChartAxis& x = chart.BottomAxis();
    const TChartAxis& y = chart.LeftAxis();
    EXPECT_GT(x.IStartPos(), 3 + 20);          // margin and label band
    EXPECT_LE(x.IEndPos(), 439 - 8);
    EXPECT_GT(y.IStartPos(), 4);
    EXPECT_LT(y.IEndPos(), 425 - 4 - 30);      // band of turned labels below
    EXPECT_EQ(x.IAxisSize(), x.IEndPos() - x.IStartPos());
    EXPECT_EQ(x.CalcPosPoint(x.IStartPos()), -50000);
    EXPECT_EQ(x.CalcPosPoint(x.IEndPos()), 50000);
    EXPECT_EQ(y.CalcPosPoint(y.IStartPos()), 50000);
    EXPECT_EQ(y.CalcPosPoint(y.IEndPos()), -50000);
    // A change of size or range takes effect in the mapping at the next drawing.
    const int end = x.IEndPos();
    chart.resize(300, 300);
    chart.BottomAxis().SetMinMax(-100000, 100000);
    EXPECT_EQ(x.IEndPos(), end);
    EXPECT_EQ(x.CalcPosPoint(x.IEndPos()), 50000);
    chart.Repaint();
    EXPECT_LT(x.IEndPos(), end);
    EXPECT_EQ(x.CalcPosPoint(x.IEndPos()), 100000);
}

// Series first, then the axes over them, then the hook over everything.
TEST_F(MapTest, GridIsDrawnOverThePointsAndTheDiscOverAll) {
    series.series2.AddXY(0, 35000);  // on the vertical grid line of label 0 only
    series.series2.AddXY(25000, 25000);
    chart.Repaint();
    const QImage img = chart.ScreenImage();
    const int px = chart.BottomAxis().CalcXPosValue(0);
    const int py = chart.LeftAxis().CalcYPosValue(35000);
    EXPECT_EQ(rgbAt(img, px, py), kGrey.rgb() & 0xFFFFFF);       // grid over the cross centre
    EXPECT_EQ(rgbAt(img, px - 1, py), kBlack.rgb() & 0xFFFFFF);  // its arms show beside it
    EXPECT_EQ(rgbAt(img, px + 1, py), kBlack.rgb() & 0xFFFFFF);
    const int qx = chart.BottomAxis().CalcXPosValue(25000);
    const int qy = chart.LeftAxis().CalcYPosValue(25000);
    EXPECT_EQ(rgbAt(img, qx, qy), kBlack.rgb() & 0xFFFFFF);
    const int cx = chart.BottomAxis().CalcXPosValue(0);
    const int cy = chart.LeftAxis().CalcYPosValue(0);
    EXPECT_EQ(rgbAt(img, cx + 5, cy + 5), kSilver.rgb() & 0xFFFFFF);  // disc over the grid
}

TEST_F(MapTest, RepaintIsSynchronousAndCallsTheHookOncePerDrawing) {
    const int before = hook.calls;
    series.series1.AddXY(15000, -15000);
    chart.Repaint();
    EXPECT_EQ(hook.calls, before + 1);
    const QImage img = chart.grab().toImage();
    const int px = chart.BottomAxis().CalcXPosValue(15000);
    const int py = chart.LeftAxis().CalcYPosValue(-15000);
    EXPECT_EQ(rgbAt(img, px, py), kMapMarkerFill.rgb() & 0xFFFFFF);
    EXPECT_EQ(rgbAt(img, px - 4, py), kMapMarkerOutline.rgb() & 0xFFFFFF);
    // The canvas is reset for the hook, and the hook's settings outlast it.
    chart.Canvas().Pen.Width = 3;
    chart.Canvas().Brush.Style = TBrushStyle::Clear;
    TPen seen;
    TBrush seenBrush;
    chart.OnAfterDraw = [&] {
        seen = chart.Canvas().Pen;
        seenBrush = chart.Canvas().Brush;
        hook();
    };
    chart.Repaint();
    EXPECT_EQ(seen.Width, 1);
    EXPECT_EQ(seen.Color, kBlack);
    EXPECT_EQ(seen.Style, TPenStyle::Solid);
    EXPECT_EQ(seenBrush.Color, QColor(255, 255, 255));
    EXPECT_EQ(seenBrush.Style, TBrushStyle::Solid);
    EXPECT_EQ(chart.Canvas().Brush.Color, kSilver);
}

TEST_F(MapTest, CanvasOutsideADrawingShowsAtOnceAndGoesAtTheNextDrawing) {
    series.series2.AddXY(30000, 0);
    chart.Repaint();
    const int px = chart.BottomAxis().CalcXPosValue(30000);
    const int py = chart.LeftAxis().CalcYPosValue(0);
    chart.Canvas().Brush.Color = QColor(0, 0, 255);
    chart.Canvas().Ellipse(px - 3, py + 3, px + 3, py - 3);  // the run's satellite disc
    const QRect around(px - 4, py - 4, 9, 9);
    EXPECT_GE(countColour(chart.grab().toImage(), QColor(0, 0, 255), around), 8);
    EXPECT_EQ(countColour(chart.grab().toImage(), QColor(0, 0, 255), QRect(px + 3, py - 4, 2, 9)), 0);
    chart.Repaint();
    EXPECT_EQ(countColour(chart.grab().toImage(), QColor(0, 0, 255), around), 0);
}

TEST_F(MapTest, HiddenChartDoesNotDrawAndIsDrawnOnceWhenShown) {
    chart.hide();
    const int before = hook.calls;
    for (TChartAxis* a : {&chart.BottomAxis(), &chart.LeftAxis()}) {
        a->SetMinimum(2 * a->Minimum());
        a->SetMaximum(2 * a->Maximum());
    }
    series.series2.AddXY(1, 1);
    chart.Repaint();
    QApplication::processEvents();
    EXPECT_EQ(hook.calls, before);
    chart.show();
    QApplication::processEvents();
    EXPECT_EQ(hook.calls, before + 1);
    EXPECT_EQ(chart.BottomAxis().CalcPosPoint(chart.BottomAxis().IEndPos()), 100000);
    // Shown again without a change: still drawn afresh, without what the
    // canvas drew on the image while the chart was hidden.
    chart.hide();
    chart.Canvas().Brush.Color = QColor(0, 0, 255);
    chart.Canvas().Ellipse(100, 100, 120, 120);
    chart.show();
    QApplication::processEvents();
    EXPECT_EQ(hook.calls, before + 2);
    EXPECT_EQ(countColour(chart.grab().toImage(), QColor(0, 0, 255), QRect(100, 100, 20, 20)), 0);
}

// Zoomed in far beyond the radius: the disc covers plot, axes and margins.
TEST_F(MapTest, HookIsNotClippedAndShowsInTheClipboardBitmap) {
    for (TChartAxis* a : {&chart.BottomAxis(), &chart.LeftAxis()}) a->SetMinMax(-1000, 1000);
    chart.Repaint();
    const QImage screen = chart.ScreenImage();
    EXPECT_EQ(rgbAt(screen, 1, 1), kSilver.rgb() & 0xFFFFFF);
    EXPECT_EQ(rgbAt(screen, 437, 423), kSilver.rgb() & 0xFFFFFF);
    for (TChartAxis* a : {&chart.BottomAxis(), &chart.LeftAxis()}) a->SetMinMax(-50000, 50000);
    series.series2.AddXY(-40000, 10000);
    chart.Repaint();
    const int calls = hook.calls;
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    chart.CopyToClipboardBitmap();
    EXPECT_EQ(hook.calls, calls + 2);  // the bitmap, then the screen again
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), chart.size());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
    EXPECT_EQ(firstDifference(copied, chart.grab().toImage()), -1);
    const int cx = chart.BottomAxis().CalcXPosValue(0);
    const int cy = chart.LeftAxis().CalcYPosValue(0);
    EXPECT_EQ(rgbAt(copied.convertToFormat(QImage::Format_RGB32), cx, cy), kSilver.rgb() & 0xFFFFFF);
}

TEST(ChartLayoutTest, MarginsInPixelsOrPercentAndTitleLinesWithTheirAlignment) {
    ensureApplication();
    TChart chart;
    chart.resize(500, 400);
    chart.BottomAxis().SetMinMax(0, 100);
    chart.LeftAxis().SetMinMax(0, 100);
    chart.show();
    chart.MarginUnits = TMarginUnits::Pixels;
    chart.MarginLeft = 3;
    chart.MarginTop = 4;
    chart.Repaint();
    const int left = chart.BottomAxis().IStartPos();
    const int top = chart.LeftAxis().IStartPos();
    chart.MarginUnits = TMarginUnits::Percent;
    chart.MarginLeft = 10;  // 50 pixels of 500
    chart.MarginTop = 5;    // 20 pixels of 400
    chart.Repaint();
    EXPECT_EQ(chart.BottomAxis().IStartPos() - left, 50 - 3);
    EXPECT_EQ(chart.LeftAxis().IStartPos() - top, 20 - 4);

    chart.Title.Visible = true;
    chart.Title.Text = QStringList{QStringLiteral("Première ligne"), QStringLiteral("Deuxième")};
    chart.Title.Alignment = Qt::AlignRight;
    chart.Repaint();
    const int titledTop = chart.LeftAxis().IStartPos();
    EXPECT_GT(titledTop, top + 20 - 4 + 2 * 10);  // two text lines above the plot
    const QImage img = chart.ScreenImage();
    const QRect titleBand(0, 20, 500, titledTop - 20 - 8);
    QRect ink;
    for (int y = titleBand.top(); y <= titleBand.bottom(); ++y)
        for (int x = 0; x < 500; ++x)
            if (qGray(img.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GT(ink.left(), 250);  // right-aligned
    EXPECT_GE(ink.right(), 500 - 3 * 5 - 3);
}

}  // namespace
}  // namespace gravitaria
