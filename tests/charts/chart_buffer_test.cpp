// The screen image is kept in buffers that draw only what was added since
// the last drawing. After any sequence of changes it must equal, pixel for
// pixel, a complete drawing of every point.
#include <gtest/gtest.h>

#include <random>

#include "chart_test_support.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

class BufferTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    // Repaints and compares the screen with a complete drawing.
    void expectSameAsFullDrawing(TChart& chart, const std::string& step) {
        chart.Repaint();
        const QImage screen = chart.ScreenImage().copy();
        const QImage full = chart.RenderImage(chart.devicePixelRatioF());
        const long d = firstDifference(screen, full);
        const int w = screen.width();
        EXPECT_EQ(d, -1) << "after " << step << ": pixel (" << d % w << ", " << d / w << ") is "
                         << std::hex << (d < 0 ? 0 : rgbAt(screen, int(d % w), int(d / w)))
                         << " on screen, "
                         << (d < 0 ? 0 : rgbAt(full.convertToFormat(QImage::Format_RGB32), int(d % w), int(d / w)))
                         << " in the complete drawing";
        if (d != -1 && failures_++ == 0) {
            screen.save(QStringLiteral("/tmp/charts-buffer-screen.png"));
            full.save(QStringLiteral("/tmp/charts-buffer-full.png"));
        }
    }
    int failures_ = 0;
};

TEST_F(BufferTest, MapAfterMixedAddsDeletesClearsZoomsAndResizes) {
    TChart chart;
    TrajectoryMapSeries s = setupTrajectoryMap(chart);
    DiscHook hook{chart};
    chart.OnAfterDraw = [&] { hook(); };
    chart.resize(439, 425);
    chart.show();
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-60000, 60000);  // some outside the range
    s.series1.AddXY(0, 30000);
    for (int step = 0; step < 400; ++step) {
        const unsigned op = rng() % 100;
        std::string name;
        if (op < 70) {  // a sample: marker replaced, trail point added
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
        } else if (op < 97) {
            const int side = 300 + static_cast<int>(rng() % 200);
            chart.resize(side, side);
            name = "resize";
        } else {
            s.series2.AddXY(coord(rng), coord(rng));
            s.series1.AddXY(coord(rng), coord(rng));  // the impact point after the marker
            name = "impact";
        }
        expectSameAsFullDrawing(chart, name + " #" + std::to_string(step));
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
    chart.show();
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
