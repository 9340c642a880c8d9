#pragma once
// The settings of the two charts of the main window: the trajectory map
// (Chart1 with Series1, the satellite marker, and Series2, the trail) and
// the speed chart (Chart2 with Series3 V, Series4 Vx, Series5 Vy). The window
// creates the controls and calls these once; the handlers do the rest.
#include "chart.h"

namespace gravitaria {

struct TrajectoryMapSeries {
    TLineSeries& series1;  // current position: orange circle, insertion order
    TLineSeries& series2;  // trail: tiny black crosses, ascending X
};

// Names the chart "Chart1", fixed axes -50000..50000 km, labels, grid,
// pixel margins, print margins 15/10/15/10 stretched, cross cursor, no
// rectangle zoom, right-button panning; leaves the map hidden (the first
// preset shows it). Creates Series1 and Series2.
TrajectoryMapSeries setupTrajectoryMap(TChart& chart);

// The map's lines of the methods compared with RK4, one colour each, drawn
// in time order under the trail and the marker (Euler lowest, the reference
// highest); empty and visible at start.
struct ComparisonLineSeries {
    TLineSeries& euler;         // red
    TLineSeries& semiImplicit;  // blue
    TLineSeries& reference;     // green
};
ComparisonLineSeries addComparisonLines(TChart& map);

struct SpeedChartSeries {
    TLineSeries& series3;  // V, red, active
    TLineSeries& series4;  // Vx, green, inactive
    TLineSeries& series5;  // Vy, brown, inactive
};

// Names the chart "Chart2": right-aligned title, automatic axes with their
// titles, legend below with check boxes. Creates Series3 to Series5.
SpeedChartSeries setupSpeedChart(TChart& chart);

struct EnergyChartSeries {
    TLineSeries& kinetic;     // Ec
    TLineSeries& potential;   // Ep
    TLineSeries& mechanical;  // Em
};

// The flights window's energy chart: title, automatic axes in s and J,
// legend below with check boxes; Ec, Ep and Em as lines, all active.
EnergyChartSeries setupEnergyChart(TChart& chart);
inline const QString kEnergyChartTitle = QStringLiteral("Énergies au cours du temps");

// The texts and colours the two charts use, for the window and the tests.
inline const QString kSpeedChartTitle =
    QStringLiteral("Graphe de la vitesse V(m/s) au cours du temps t (s)");
inline const QColor kMapMarkerFill = QColor(0xFF, 0x80, 0x00);
inline const QColor kMapMarkerOutline = QColor(0x80, 0x00, 0x00);
inline const QColor kAttractorSilver = QColor(0xC0, 0xC0, 0xC0);
inline const QColor kEulerLine = QColor(0xFF, 0x00, 0x00);
inline const QColor kSemiImplicitLine = QColor(0x00, 0x00, 0xFF);
inline const QColor kReferenceLine = QColor(0x00, 0x80, 0x00);

}  // namespace gravitaria
