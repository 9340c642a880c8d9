// The map's cost per sample while its trail grows, and of one complete
// drawing after a range change, on a 439 x 425 map (offscreen).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>
#include <random>

#include "chart.h"
#include "chart_setup.h"

namespace {

using namespace gravitaria;

struct Map {
    TChart chart;
    TrajectoryMapSeries series = setupTrajectoryMap(chart);
    std::mt19937 rng{42};
    std::uniform_real_distribution<double> coord{-45000, 45000};

    explicit Map(long points) {
        chart.resize(439, 425);
        chart.OnAfterDraw = [this] {  // the attractor disc, as the window draws it
            TCanvas& c = chart.Canvas();
            c.Brush.Color = kAttractorSilver;
            c.Ellipse(chart.BottomAxis().CalcXPosValue(-6380), chart.LeftAxis().CalcYPosValue(6380),
                      chart.BottomAxis().CalcXPosValue(6380), chart.LeftAxis().CalcYPosValue(-6380));
        };
        chart.show();
        series.series1.AddXY(0, 30000);
        for (long i = 0; i < points; ++i) series.series2.AddXY(coord(rng), coord(rng));
        // Warm the glyph and pixmap caches: the figures are the steady cost.
        for (int i = 0; i < 50; ++i) chart.Repaint();
    }
};

void AddXYAndRepaint(benchmark::State& state) {
    Map map(state.range(0));
    for (auto _ : state) {
        map.series.series2.AddXY(map.coord(map.rng), map.coord(map.rng));
        map.chart.Repaint();
    }
    state.counters["points"] = static_cast<double>(map.series.series2.Count());
}

void FullDrawingAfterRangeChange(benchmark::State& state) {
    Map map(state.range(0));
    double f = 2;
    for (auto _ : state) {
        for (TChartAxis* a : {&map.chart.BottomAxis(), &map.chart.LeftAxis()}) {
            a->SetMinimum(f * a->Minimum());
            a->SetMaximum(f * a->Maximum());
        }
        f = 1 / f;
        map.chart.Repaint();
    }
}

BENCHMARK(AddXYAndRepaint)->Arg(0)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
BENCHMARK(FullDrawingAfterRangeChange)->Arg(0)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
