// The flight report of the main window: the orbit foreseen from the start
// conditions (page "Bilan", recomputed through the fields' change
// notifications), the measures of each flight from its own samples when it
// ends, the table of flights and the energies in the window "Bilan des
// vols", and the swept areas drawn on the map under the trail.
#include <QCheckBox>
#include <QPainter>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <vector>

#include "bilan_page.h"
#include "chart.h"
#include "error_report.h"
#include "flight_measures.h"
#include "flight_report.h"
#include "flight_run.h"
#include "flights_form.h"
#include "locale_separators.h"
#include "method_comparison_panel.h"
#include "orbit_elements.h"
#include "parameter_rules.h"
#include "satellite_flight_report.h"
#include "satellite_form.h"
#include "spin_edit.h"
#include "swept_sectors.h"

namespace gravitaria {

namespace {

StartConditions startConditions(const TSatelliteForm& f) {
    return {f.orbit.AttractorMass, f.orbit.PosX, f.orbit.PosY,
            static_cast<long double>(f.NumVox->Value()), static_cast<long double>(f.NumVoy->Value())};
}

}  // namespace

void TSatelliteForm::createBilanPage() {
    report_ = std::make_unique<FlightReport>();
    TabSheet6 = new TBilanPage;
    PageControl1->insertTab(PageControl1->indexOf(TabSheet5), TabSheet6, QStringLiteral("Bilan"));
    report_->window = std::make_unique<TFlightsForm>();
    FlightsForm = report_->window.get();
    // The comparison of the integration methods sits under the flights table.
    MethodComparison = new TMethodComparisonPanel(*this, FlightsForm);
    FlightsForm->Panels->addWidget(MethodComparison);
    connect(TabSheet6->CheckBoxAires, &QCheckBox::toggled, this,
            [this] { runHandler([this] { CheckBoxAiresClick(TabSheet6->CheckBoxAires); }); });
    connect(TabSheet6->ButtonBilanVols, &QPushButton::clicked, this,
            [this] { runHandler([this] { ButtonBilanVolsClick(TabSheet6->ButtonBilanVols); }); });
    Chart1->OnDrawUnderSeries = [this](QPainter& p) { Chart1DrawUnderSeries(p); };
}

void TSatelliteForm::refreshPrediction() {
    // During a run PosX and PosY hold the last sample in metres.
    if (!TabSheet6 || report_->running) return;
    const OrbitElements o = orbitElements(startConditions(*this));
    const long double planned =
        static_cast<long double>(NumDt->Value()) * static_cast<long double>(NumNombrePoints->Value());
    TabSheet6->showPrediction(predictionTexts(o, NumRayon->Value(), planned, systemSeparators()));
}

void TSatelliteForm::beginFlightReport() {
    FlightReport& r = *report_;
    r.running = true;
    r.start = startConditions(*this);
    r.timeStep = NumDt->Value();
    r.positions = NumNombrePoints->Value();
    r.radiusKm = NumRayon->Value();
    r.satelliteMassKg = NumVide->Value();
    r.log.clear();
    r.collided = false;
    // The areas shown belong to the flight that ended; the new one's come
    // when it ends.
    if (!r.sectors.empty()) {
        r.sectors.clear();
        Chart1->Invalidate();
    }
}

void TSatelliteForm::logFlightSample(const SampleRecord& rec) {
    report_->log.add({rec.t, rec.x, rec.y, rec.vx, rec.vy});
}

void TSatelliteForm::logFlightCollision() { report_->collided = true; }

void TSatelliteForm::endFlightReport() {
    FlightReport& r = *report_;
    if (!r.running) return;
    r.running = false;
    const std::span<const FlightSample> samples = r.log.samples();
    const OrbitElements foreseen = orbitElements(r.start);
    const FlightMeasures measured =
        measureFlight(samples, foreseen.mu, static_cast<double>(r.radiusKm) * 1000, r.collided);
    const NumberSeparators seps = systemSeparators();
    TabSheet6->showLastFlight(lastFlightTexts(measured, samples, foreseen.mu, r.satelliteMassKg, seps));

    // A flight that returned no sample (a parameter error) is no flight.
    if (!samples.empty()) {
        r.flights.push_back(flightRow(static_cast<int>(r.flights.size()) + 1, r.start, r.timeStep,
                                      r.positions, foreseen, measured, r.collided));
        FlightsForm->showFlights(r.flights);
    }
    FlightsForm->showEnergies(samples, foreseen.mu, r.satelliteMassKg);

    const std::optional<double> period =
        measured.period ? measured.period
                        : (foreseen.period ? std::optional<double>(static_cast<double>(*foreseen.period))
                                           : std::nullopt);
    const double duration = samples.empty() ? 0.0 : samples.back().t - samples.front().t;
    r.sectors = sweptSectors(samples, sectorGroupSize(period, r.timeStep, duration));
    if (TabSheet6->CheckBoxAires->isChecked()) Chart1->Invalidate();
    refreshPrediction();
}

void TSatelliteForm::abandonFlightReport() {
    report_->running = false;
    refreshPrediction();
}

void TSatelliteForm::clearFlightReport() {
    FlightReport& r = *report_;
    r.flights.clear();
    r.log.clear();
    r.collided = false;
    r.sectors.clear();
    FlightsForm->showFlights(r.flights);
    FlightsForm->showEnergies({}, 0, 0);
    TabSheet6->showLastFlight(emptyLastFlightTexts());
    Chart1->Invalidate();
}

void TSatelliteForm::CheckBoxAiresClick(QObject* /*Sender*/) { Chart1->Invalidate(); }

void TSatelliteForm::ButtonBilanVolsClick(QObject* /*Sender*/) {
    FlightsForm->show();
    FlightsForm->raise();
    FlightsForm->activateWindow();
}

void TSatelliteForm::Chart1DrawUnderSeries(QPainter& painter) {
    // Unticked, the map is drawn exactly as without the report.
    if (!TabSheet6 || !TabSheet6->CheckBoxAires->isChecked() || report_->sectors.empty()) return;
    drawSweptSectors(painter, report_->sectors, Series1->GetHorizAxis().Mapping(),
                     Series1->GetVertAxis().Mapping());
}

}  // namespace gravitaria
