// A 1000-position flight through the main window at delay 0, offscreen, the
// map at its initial size: on an empty map, with 100 000 trail points
// already on it, and with the "Vitesse" page in front. Each sample repaints
// the map at once, so the per-sample cost shows whether drawing grows with
// the points already there. The drawing of one sample on each chart alone:
// the map's, and the speed chart's with its automatic axes following the
// points, repainted at every sample as it is when the delay leaves time.
// The yardstick, measured in the same run: drawing one map-sized ARGB image
// onto the window's backing store; the ratios are printed last. And the
// flight report's computation at the end of a 1001-sample flight.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>

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

// A child of the window over the map that draws one ARGB image of the map's
// size (a picture with alpha, so it is blended, as a layer of the map
// would be) each time it is repainted.
class BlitProbe : public QWidget {
public:
    explicit BlitProbe(QWidget* parent, QSize size) : QWidget(parent) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(size);
        image_ = QImage((QSizeF(size) * devicePixelRatioF()).toSize(), QImage::Format_ARGB32_Premultiplied);
        image_.setDevicePixelRatio(devicePixelRatioF());
        QPainter p(&image_);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(QRect(QPoint(0, 0), size), QColor(255, 255, 255, 255));
        for (int y = 0; y < size.height(); y += 8)
            p.fillRect(QRect(0, y, size.width(), 4), QColor(0x80, 0x80, 0x80, 160));
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, image_);
    }

private:
    QImage image_;
};

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

void perSampleCounter(benchmark::State& state) {
    state.counters["per_sample"] =
        benchmark::Counter(kSamples, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void showPage(TSatelliteForm& f, QWidget* page) {
    f.PageControl1->setCurrentWidget(page);
    QApplication::processEvents();
}

void runOnMap(benchmark::State& state, int trailPoints, bool speedPageInFront) {
    TSatelliteForm& f = window();
    showPage(f, speedPageInFront ? f.TabSheet4 : f.TabSheet2);
    for (auto _ : state) {
        state.PauseTiming();
        f.ButtonEffacerClick(f.ButtonEffacer);
        addTrail(f, trailPoints);
        f.Chart1->Repaint();
        QApplication::processEvents();
        state.ResumeTiming();
        f.ButtonEulerClick(f.ButtonEuler);
    }
    showPage(f, f.TabSheet2);
    if (f.Series3->Count() != kSamples) state.SkipWithError("the flight did not run its 1000 positions");
    perSampleCounter(state);
}

void BM_WindowRun_EmptyMap(benchmark::State& state) { runOnMap(state, 0, false); }
void BM_WindowRun_Trail100k(benchmark::State& state) { runOnMap(state, 100000, false); }
void BM_WindowRun_SpeedPage(benchmark::State& state) { runOnMap(state, 0, true); }

// The samples of the window run's orbit: time, position (km), speed.
struct Sample {
    double t, xk, yk, v, vx, vy;
};
Sample orbitSample(int k) {
    const double r = 42000, v = 3087, w = v / (r * 1000), t = 200.0 * k;
    return {t, r * std::cos(w * t), r * std::sin(w * t), v, -v * std::sin(w * t), v * std::cos(w * t)};
}

// Untimed: the map and the charts emptied as "Effacer" does, and drawn.
void clearCharts(benchmark::State& state, TSatelliteForm& f) {
    state.PauseTiming();
    f.ButtonEffacerClick(f.ButtonEffacer);
    f.Chart1->Repaint();
    f.Chart2->Repaint();
    QApplication::processEvents();
    state.ResumeTiming();
}

// What a sample does to the map: the marker moved to the new point, the
// point added to the trail, the map repainted, the disc on the satellite.
void BM_MapSampleDrawing(benchmark::State& state) {
    TSatelliteForm& f = window();
    showPage(f, f.TabSheet2);
    for (auto _ : state) {
        clearCharts(state, f);
        f.Series1->AddXY(42000, 0);  // the marker at the start
        for (int k = 0; k < kSamples; ++k) {
            const Sample s = orbitSample(k);
            f.Series1->Delete(f.Series1->Count() - 1);
            f.Series2->AddXY(s.xk, s.yk);
            f.Series1->AddXY(s.xk, s.yk);
            f.Chart1->Repaint();
            const int px = f.Chart1->BottomAxis().CalcXPosValue(s.xk);
            const int py = f.Chart1->LeftAxis().CalcYPosValue(s.yk);
            f.Chart1->Canvas().Ellipse(px - 3, py + 3, px + 3, py - 3);
        }
    }
    perSampleCounter(state);
}

// What a sample does to the speed chart in front: V, Vx and Vy get a
// point each and the chart is repainted, its axes following the points.
void BM_SpeedChartSampleDrawing(benchmark::State& state) {
    TSatelliteForm& f = window();
    showPage(f, f.TabSheet4);
    for (auto _ : state) {
        clearCharts(state, f);
        for (int k = 0; k < kSamples; ++k) {
            const Sample s = orbitSample(k);
            f.Series3->AddXY(s.t, s.v + 0.01 * k);  // a speed that changes a little
            f.Series4->AddXY(s.t, s.vx);
            f.Series5->AddXY(s.t, s.vy);
            f.Chart2->Repaint();
        }
    }
    showPage(f, f.TabSheet2);
    perSampleCounter(state);
}

void BM_BlitMapSizedImage(benchmark::State& state) {
    TSatelliteForm& f = window();
    BlitProbe probe(f.Chart1->parentWidget(), f.Chart1->size());
    probe.move(f.Chart1->pos());
    probe.show();
    probe.raise();
    for (int i = 0; i < 50; ++i) probe.repaint();
    for (auto _ : state) probe.repaint();
}

BENCHMARK(BM_BlitMapSizedImage)->Unit(benchmark::kMicrosecond)->MinTime(2.0);
BENCHMARK(BM_WindowRun_EmptyMap)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_WindowRun_Trail100k)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_WindowRun_SpeedPage)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_MapSampleDrawing)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_SpeedChartSampleDrawing)->Unit(benchmark::kMillisecond)->MinTime(2.0);

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

// The console output, then the ratios of the CPU times per sample.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            if (r.iterations == 0 || r.error_occurred || r.run_type != Run::RT_Iteration) continue;
            // CPU time per iteration, in microseconds.
            double us = r.GetAdjustedCPUTime();
            if (r.time_unit == benchmark::kMillisecond) us *= 1000;
            if (r.time_unit == benchmark::kNanosecond) us /= 1000;
            perIterationUs_[r.benchmark_name()] = us;
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Finalize() override {
        ConsoleReporter::Finalize();
        const auto find = [&](const char* prefix) -> double {
            for (const auto& [name, us] : perIterationUs_)
                if (name.rfind(prefix, 0) == 0) return us;
            return 0;
        };
        const double blit = find("BM_BlitMapSizedImage");
        const double empty = find("BM_WindowRun_EmptyMap") / kSamples;
        const double trail = find("BM_WindowRun_Trail100k") / kSamples;
        const double speedPage = find("BM_WindowRun_SpeedPage") / kSamples;
        const double map = find("BM_MapSampleDrawing") / kSamples;
        const double speed = find("BM_SpeedChartSampleDrawing") / kSamples;
        if (blit <= 0 || empty <= 0) return;
        std::printf("\nCPU time per sample: run on the empty map %.1f us, with 100 000 trail points "
                    "%.1f us, with the speed page in front %.1f us; one map-sized ARGB blit %.1f us\n",
                    empty, trail, speedPage, blit);
        std::printf("drawing of one sample alone: map %.1f us, speed chart %.1f us\n", map, speed);
        std::printf("run sample / blit                %.2f (target <= 3)\n", empty / blit);
        std::printf("100k trail / empty map           %.2f (target <= 1.1)\n", trail / empty);
        std::printf("speed page / empty map           %.2f\n", speedPage / empty);
        if (map > 0) std::printf("speed chart / map, one sample    %.2f (target <= 1)\n", speed / map);
    }

private:
    std::map<std::string, double> perIterationUs_;
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    form.reset();
    return 0;
}
