// A 1000-position flight through the main window at delay 0, offscreen, the
// map at its initial size: on an empty map, and with 100 000 trail points
// already on it. Each sample repaints the map at once, so the per-sample
// cost shows whether drawing grows with the points already there. And the
// flight report's computation at the end of a 1001-sample flight.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <cstdlib>
#include <memory>

#include "chart.h"
#include "flight_measures.h"
#include "flight_report.h"
#include "orbit_elements.h"
#include "satellite_form.h"
#include "spin_edit.h"
#include "swept_sectors.h"

namespace {

using gravitaria::TSatelliteForm;

constexpr int kPositions = 1000;
constexpr int kSamples = kPositions + 1;

// The window lives while the application does: main() destroys it before
// the QApplication goes.
std::unique_ptr<TSatelliteForm> form;

TSatelliteForm& window() {
    if (!form) form = [] {
        auto f = std::make_unique<TSatelliteForm>();
        f->show();
        if (!QTest::qWaitForWindowExposed(f.get())) std::abort();
        // A near-circular orbit at 42 000 km: no impact in 1000 positions.
        f->NumX->setValue(42000);
        f->NumY->setValue(0);
        f->NumVox->setValue(0);
        f->NumVoy->setValue(3087);
        f->NumNombrePoints->setValue(kPositions);
        return f;
    }();
    return *form;
}

// Trail points spread over the whole map, added in ascending X so that
// setting them up stays cheap.
void addTrail(TSatelliteForm& f, int count) {
    for (int i = 0; i < count; ++i) {
        const double x = -48000.0 + 96000.0 * i / count;
        f.Series2->AddXY(x, 45000.0 * std::sin(i * 0.37));
    }
}

void runOnMap(benchmark::State& state, int trailPoints) {
    TSatelliteForm& f = window();
    for (auto _ : state) {
        state.PauseTiming();
        f.ButtonEffacerClick(f.ButtonEffacer);
        addTrail(f, trailPoints);
        f.Chart1->Repaint();
        state.ResumeTiming();
        f.ButtonEulerClick(f.ButtonEuler);
    }
    if (f.Series3->Count() != kSamples) state.SkipWithError("the flight did not run its 1000 positions");
    state.counters["per_sample"] =
        benchmark::Counter(kSamples, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_WindowRun_EmptyMap(benchmark::State& state) { runOnMap(state, 0); }
void BM_WindowRun_Trail100k(benchmark::State& state) { runOnMap(state, 100000); }

BENCHMARK(BM_WindowRun_EmptyMap)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_WindowRun_Trail100k)->Unit(benchmark::kMillisecond)->MinTime(3.0);

// The end of a run's report for 1001 samples: the foreseen orbit, the
// measures, the texts of the page and of the flights' row, the swept areas.
void BM_FlightReport_EndOfRun1001Samples(benchmark::State& state) {
    using namespace gravitaria;
    const long double mass = 6e24L;
    const double mu = 6.67e-11 * 6e24, r = 42000e3, v = std::sqrt(mu / r);
    const double w = v / r;
    static FlightLog log;
    log.clear();
    for (int k = 0; k < kSamples; ++k) {
        const double t = 200.0 * k;
        log.add({t, r * std::cos(w * t), r * std::sin(w * t), -v * std::sin(w * t), v * std::cos(w * t)});
    }
    const StartConditions start{mass, r / 1000, 0, 0, v};
    const NumberSeparators seps{",", "\u202F"};
    for (auto _ : state) {
        const OrbitElements foreseen = orbitElements(start);
        const FlightMeasures m = measureFlight(log.samples(), foreseen.mu, 6380e3, false);
        const PredictionTexts p = predictionTexts(foreseen, 6380, 200000, seps);
        const LastFlightTexts t = lastFlightTexts(m, log.samples(), foreseen.mu, 600, seps);
        const FlightRow row = flightRow(1, start, 200, kPositions, foreseen, m, false);
        const QStringList cells = flightRowCells(row, true, seps);
        const auto sectors = sweptSectors(log.samples(), sectorGroupSize(m.period, 200, 200000));
        benchmark::DoNotOptimize(p);
        benchmark::DoNotOptimize(t);
        benchmark::DoNotOptimize(cells);
        benchmark::DoNotOptimize(sectors);
    }
    state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_FlightReport_EndOfRun1001Samples)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    form.reset();
    return 0;
}
