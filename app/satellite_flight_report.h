#pragma once
// The main window's flight report state (satellite_bilan.cpp): the run
// going on and the flights since the map was last cleared.
#include <QPolygonF>
#include <cstdint>
#include <memory>
#include <vector>

#include "flight_measures.h"
#include "flight_report.h"
#include "flights_form.h"
#include "orbit_elements.h"
#include "satellite_form.h"

namespace gravitaria {

// What the report keeps between runs: the run going on (its start and
// samples) and the flights since the map was last cleared.
struct TSatelliteForm::FlightReport {
    bool running = false;
    StartConditions start;
    std::int32_t timeStep = 0;
    std::int32_t positions = 0;
    std::int32_t radiusKm = 0;
    long double satelliteMassKg = 0.0L;
    FlightLog log;
    bool collided = false;
    std::vector<FlightRow> flights;
    std::vector<QPolygonF> sectors;  // the last flight's, km
    // The window "Bilan des vols", a top-level window of its own.
    std::unique_ptr<TFlightsForm> window;
};

}  // namespace gravitaria
