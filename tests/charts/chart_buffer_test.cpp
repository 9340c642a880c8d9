// The screen image is composed from buffers (the frame with background,
// grid, axes, labels and what is drawn under the series; one per series;
// the axes over the series) that are redrawn only where something changed,
// and only the changed pixels are shown again. After any sequence of
// changes it must equal, pixel for pixel, a complete drawing of every
// point, and the window must show it; so must the clipboard bitmap, and
// printing must leave the screen right. Run again by ctest at 125 %, 150 %
// and 200 %.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QBackingStore>
#include <QWindow>
#include <QPrinterInfo>
#include <random>

#include "chart_test_support.h"
#include "swept_sectors.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

class BufferTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    // Shown and exposed: its repaints reach the window.
    static void showExposed(TChart& chart) {
        chart.show();
        for (int i = 0; i < 100 && !(chart.windowHandle() && chart.windowHandle()->isExposed()); ++i)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::processEvents();
    }

    // Repaints and compares the screen image with a complete drawing, and
    // what the window shows with the screen image.
    void expectSameAsFullDrawing(TChart& chart, const std::string& step) {
        chart.Repaint();
        const QImage screen = chart.ScreenImage().copy();
        expectEqual(screen, chart.RenderImage(chart.devicePixelRatioF()), "on screen", "in the complete drawing", step);
        expectEqual(shown(chart), screen, "in the window", "on screen", step);
    }
    // The chart's pixels in its window's backing store: what the window
    // shows (the chart is a window of its own here).
    static QImage shown(TChart& chart) {
        QPaintDevice* device = chart.backingStore() ? chart.backingStore()->paintDevice() : nullptr;
        if (device == nullptr || device->devType() != QInternal::Image) return {};
        const QImage& store = *static_cast<QImage*>(device);
        const QRect pixels(QPoint(0, 0), chart.ScreenImage().size());
        return store.copy(pixels).convertToFormat(QImage::Format_RGB32);
    }
    void expectEqual(const QImage& a, const QImage& b, const char* aName, const char* bName,
                     const std::string& step) {
        const long d = firstDifference(a, b);
        const int w = std::max(1, a.width());
        EXPECT_EQ(d, -1) << "after " << step << ": " << a.width() << "x" << a.height() << " against "
                         << b.width() << "x" << b.height() << ", pixel (" << d % w << ", " << d / w
                         << ") is " << std::hex << (d < 0 || a.size() != b.size() ? 0 : rgbAt(a, int(d % w), int(d / w)))
                         << " " << aName << ", "
                         << (d < 0 || a.size() != b.size() ? 0 : rgbAt(b.convertToFormat(QImage::Format_RGB32), int(d % w), int(d / w)))
                         << " " << bName;
        if (d != -1 && failures_++ == 0) {
            a.save(QStringLiteral("/tmp/charts-buffer-a.png"));
            b.save(QStringLiteral("/tmp/charts-buffer-b.png"));
        }
    }
    int failures_ = 0;
};

// The map as a run and its user drive it, with the method comparison's lines
// under the trail and swept areas drawn under the series.
TEST_F(BufferTest, MapAfterMixedAddsDeletesClearsZoomsAndResizes) {
    TChart chart;
    TrajectoryMapSeries s = setupTrajectoryMap(chart);
    ComparisonLineSeries lines = addComparisonLines(chart);
    DiscHook hook{chart};
    chart.OnAfterDraw = [&] { hook(); };
    std::vector<QPolygonF> sectors;
    chart.OnDrawUnderSeries = [&](QPainter& p) {
        drawSweptSectors(p, sectors, chart.BottomAxis().Mapping(), chart.LeftAxis().Mapping());
    };
    chart.resize(439, 425);
    showExposed(chart);
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-60000, 60000);  // some outside the range
    bool printed = false;
    chart.setObjectName(QStringLiteral("ChartsBufferTest%1").arg(QCoreApplication::applicationPid()));
    s.series1.AddXY(0, 30000);
    for (int step = 0; step < 400; ++step) {
        const unsigned op = rng() % 106;
        std::string name;
        if (op >= 103) {  // other areas, shown after Invalidate()
            sectors.clear();
            for (int k = rng() % 4; k > 0; --k) {
                sectors.push_back(QPolygonF{{0, 0}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}});
            }
            chart.Invalidate();
            name = "sectors";
        } else if (op >= 100) {  // the comparison's lines, under the trail
            TLineSeries* const all[3] = {&lines.euler, &lines.semiImplicit, &lines.reference};
            TLineSeries& line = *all[rng() % 3];
            if (rng() % 8 == 0) line.Clear();
            for (int i = 0; i < 5; ++i) line.AddXY(coord(rng), coord(rng));
            name = "lines";
        } else if (op < 70) {  // a sample: marker replaced, trail point added
            const double x = coord(rng), y = coord(rng);
            if (s.series1.Count() > 0) s.series1.Delete(s.series1.Count() - 1);
            s.series2.AddXY(x, y);
            s.series1.AddXY(x, y);
            name = "sample";
        } else if (op < 78) {  // several points between two drawings
            for (int i = 0; i < 50; ++i) s.series2.AddXY(coord(rng), coord(rng));
            name = "batch";
        } else if (op < 84 && s.series2.Count() > 0) {
            s.series2.Delete(static_cast<int>(rng() % s.series2.Count()));
            name = "delete";
        } else if (op < 87) {
            s.series2.Clear();
            s.series1.Clear();
            s.series1.AddXY(0, 0);
            name = "clear";
        } else if (op < 93) {
            const double f = rng() % 2 ? 0.5 : 2;
            for (TChartAxis* a : {&chart.BottomAxis(), &chart.LeftAxis()}) {
                a->SetMinimum(f * a->Minimum());
                a->SetMaximum(f * a->Maximum());
            }
            name = "zoom";
        } else if (op < 95) {
            const int side = 300 + static_cast<int>(rng() % 200);
            chart.resize(side, side);
            name = "resize";
        } else if (op < 96) {  // a range of its own, as panning leaves it
            const double lo = -80000 + static_cast<double>(rng() % 40000);
            chart.BottomAxis().SetMinMax(lo, lo + 20000 + static_cast<double>(rng() % 100000));
            chart.LeftAxis().SetMinMax(lo / 2, lo / 2 + 30000 + static_cast<double>(rng() % 90000));
            name = "range";
        } else if (op < 97) {
            chart.CopyToClipboardBitmap();
            const long d = firstDifference(QGuiApplication::clipboard()->image(), chart.RenderImage());
            EXPECT_EQ(d, -1) << "clipboard bitmap #" << step;
            name = "copy";
        } else if (op < 98 && !printed && !QPrinterInfo::defaultPrinter().isNull()) {
            chart.Print();  // one page: a job costs time
            printed = true;
            name = "print";
        } else {
            s.series2.AddXY(coord(rng), coord(rng));
            s.series1.AddXY(coord(rng), coord(rng));  // the impact point after the marker
            name = "impact";
        }
        expectSameAsFullDrawing(chart, name + " #" + std::to_string(step));
        if (name == "sample") {
            // As a run does: a disc on the satellite, outside any drawing;
            // the next drawing must take it away again.
            const int px = chart.BottomAxis().CalcXPosValue(s.series1.XValues()[s.series1.Count() - 1]);
            const int py = chart.LeftAxis().CalcYPosValue(s.series1.YValues()[s.series1.Count() - 1]);
            chart.Canvas().Ellipse(px - 3, py + 3, px + 3, py - 3);
        }
        if (failures_ > 3) break;
    }
}

// Line series (appends at the end and insertions before it), markers with
// fill and outline, a series switched off and on, automatic axes.
TEST_F(BufferTest, LinesMarkersAndAutomaticAxes) {
    TChart chart;
    SpeedChartSeries s = setupSpeedChart(chart);
    TLineSeries& dots = chart.AddSeries(QStringLiteral("Dots"));
    dots.LinePen.Visible = false;
    dots.Pointer.Visible = true;
    dots.Pointer.Style = TPointerStyle::Rectangle;
    dots.SetXOrder(TValuesOrder::Ascending);
    dots.SeriesColor = QColor(0, 0, 255);
    chart.resize(520, 360);
    showExposed(chart);
    std::mt19937 rng(5);
    double t = 0;
    for (int step = 0; step < 300; ++step) {
        const unsigned op = rng() % 100;
        std::string name = "sample";
        if (op < 75) {
            t += 10;
            s.series3.AddXY(t, 7000 + static_cast<double>(rng() % 500));
            s.series4.AddXY(t, static_cast<double>(rng() % 4000) - 2000);
            s.series5.AddXY(t, static_cast<double>(rng() % 4000) - 2000);
        } else if (op < 85) {
            dots.AddXY(static_cast<double>(rng() % 2000), static_cast<double>(rng() % 8000));
            name = "dot";
        } else if (op < 90) {
            s.series3.AddXY(t / 2, 7200);  // insertion inside an ascending line
            name = "insert";
        } else if (op < 95) {
            TLineSeries& v = rng() % 2 ? s.series4 : s.series5;
            v.SetActive(!v.Active());
            name = "toggle";
        } else if (op < 97) {
            for (TLineSeries* v : {&s.series3, &s.series4, &s.series5}) v->Clear();
            t = 0;
            name = "clear";
        } else {
            chart.resize(400 + static_cast<int>(rng() % 200), 300 + static_cast<int>(rng() % 100));
            name = "resize";
        }
        expectSameAsFullDrawing(chart, name + " #" + std::to_string(step));
        if (failures_ > 3) break;
    }
}

}  // namespace
}  // namespace gravitaria
