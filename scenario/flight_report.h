#pragma once
// The texts of the flight report: the orbit foreseen from the start
// conditions, the measures of the last flight, and the table of the flights
// since the map was last cleared (one row per run, copied for a spreadsheet
// as TAB-separated text). Pure functions of the numbers computed in orbit/.
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "flight_measures.h"
#include "number_text.h"
#include "orbit_elements.h"

namespace gravitaria {

// What a value that does not apply shows.
inline const QString kNotApplicable = QStringLiteral("\u2014");
inline const QString kMeetsAttractorWarning = QStringLiteral("La trajectoire rencontre l'astre.");

// ---- Number texts of the report (the locale's separators, grouped).
// A distance in m shown in km; a speed in m/s; a time in s, with days
// beside it above two days; a ratio; a fraction shown in %; an energy in J.
QString kmText(long double metres, const NumberSeparators& seps);
QString speedText(long double metresPerSecond, const NumberSeparators& seps);
QString secondsText(long double seconds, const NumberSeparators& seps);
QString ratioText(long double v, const NumberSeparators& seps);
QString percentText(long double fraction, const NumberSeparators& seps);
QString joulesText(long double joules, const NumberSeparators& seps);
// The trajectory kind's text; the dash when there is none.
QString trajectoryText(std::optional<TrajectoryKind> kind);

// ---- "Prévision (conditions initiales)".
struct PredictionTexts {
    QString distance;          // "Distance r0"
    QString speed;             // "Vitesse v0"
    QString circularSpeed;     // "Vitesse circulaire"
    QString escapeSpeed;       // "Vitesse de libération"
    QString kind;              // "Trajectoire"
    QString semiMajorAxis;     // "Demi-grand axe a"
    QString eccentricity;      // "Excentricité e"
    QString perigee;           // "Périgée": distance and altitude, km
    QString apogee;            // "Apogée"
    QString period;            // "Période T"
    QString flightOverPeriod;  // "Durée de vol / T"
    bool meetsAttractor = false;  // the red warning line is shown
};

PredictionTexts predictionTexts(const OrbitElements& o, std::int32_t radiusKm,
                                long double plannedFlightSeconds, const NumberSeparators& seps);

// ---- "Dernier vol".
struct LastFlightTexts {
    QString samples;           // "Échantillons"
    QString distances;         // "Distance min / max"
    QString period;            // "Période mesurée"
    QString semiMajorAxis;     // "Demi-grand axe mesuré"
    QString periodSquaredOverCube;  // "T²/a³ mesuré"
    QString keplerConstant;    // "4π²/GM"
    QString keplerGap;         // the gap of the measured T²/a³ from it, in %
    QString energyDrift;       // "Dérive de l'énergie"
    QString momentumDrift;     // "Dérive du moment cinétique"
    QString areaDeviation;     // "Aire balayée par pas (2e loi)"
    QString impact;            // "Impact à t = … s à … m/s"; empty without a collision
    // Ec, Ep and Em (J) at the first and at the last sample.
    std::array<QString, 3> startEnergies;
    std::array<QString, 3> endEnergies;
};

// The energies in J use the satellite mass (kg); with a mass <= 0 they show
// the dash (the drifts do not depend on it).
LastFlightTexts lastFlightTexts(const FlightMeasures& m, std::span<const FlightSample> samples,
                                long double mu, long double satelliteMassKg,
                                const NumberSeparators& seps);

// The texts of the group before any flight.
LastFlightTexts emptyLastFlightTexts();

// Kinetic, potential and mechanical energy (J) of one sample for a mass.
struct SampleEnergies {
    long double kinetic = 0.0L;
    long double potential = 0.0L;
    long double mechanical = 0.0L;
};
SampleEnergies sampleEnergies(const FlightSample& s, long double mu, long double massKg);

// ---- The table of flights.
struct FlightRow {
    int number = 0;                  // "Vol", from 1 since the last clearing
    long double x0Km = 0.0L, y0Km = 0.0L;
    std::int32_t vx0 = 0, vy0 = 0;   // m/s
    std::int32_t timeStep = 0;       // s
    std::int32_t positions = 0;      // the number of positions asked for
    std::optional<TrajectoryKind> kind;
    std::optional<long double> semiMajorAxisKm;
    std::optional<long double> eccentricity;
    std::optional<long double> plannedPeriod;     // s, foreseen
    std::optional<long double> measuredPeriod;    // s
    std::optional<long double> periodSquaredOverCube;  // s^2/km^3, measured
    std::optional<long double> energyDriftPercent;
    bool collision = false;
};

// The row of a run: the start conditions and the foreseen orbit, the
// measures of its samples.
FlightRow flightRow(int number, const StartConditions& start, std::int32_t timeStep,
                    std::int32_t positions, const OrbitElements& foreseen,
                    const FlightMeasures& measured, bool collision);

// "Vol", "X0 (km)", ... "Collision".
QStringList flightTableHeader();

// The cells of a row: numbers as G(v) rounded to 7 significant digits,
// grouped (the window) or not (the clipboard); the dash where a value does
// not apply; "oui"/"non" for the collision.
QStringList flightRowCells(const FlightRow& row, bool grouped, const NumberSeparators& seps);

// The header line, then a line per flight, TAB-separated, each line ended
// by a line feed.
QString flightTableText(const std::vector<FlightRow>& rows, const NumberSeparators& seps);

}  // namespace gravitaria
