// The flight report's texts under French and C separators: the foreseen
// orbit, the last flight's measures, and the flights' table as the window
// shows it and as the clipboard receives it.
#include "flight_report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace gravitaria {
namespace {

const NumberSeparators French{",", "\u202F"};
const NumberSeparators C{".", ","};
const QString NB = QStringLiteral("\u202F");
const QString Dash = QStringLiteral("\u2014");
constexpr long double EarthMass = 6e24L;
const long double Mu = 6.67e-11L * EarthMass;

TEST(FlightReport, EarthPresetPrediction) {
    const OrbitElements o = orbitElements({EarthMass, 30000, 40000, 0, 0});
    const PredictionTexts fr = predictionTexts(o, 6380, 20000, French);
    EXPECT_EQ(fr.distance, "50" + NB + "000 km");
    EXPECT_EQ(fr.speed, "0 m/s");
    EXPECT_EQ(fr.kind, "chute radiale");
    EXPECT_EQ(fr.eccentricity, "1");
    EXPECT_EQ(fr.perigee, "0 km (h = -6" + NB + "380 km)");
    EXPECT_EQ(fr.apogee, "50" + NB + "000 km (h = 43" + NB + "620 km)");
    EXPECT_EQ(fr.semiMajorAxis, "25" + NB + "000 km");
    EXPECT_TRUE(fr.meetsAttractor);
    // sqrt(mu / r0) = 2829,13 m/s, sqrt(2 mu / r0) = 4001,0 m/s; a = 25 000 km,
    // T = 2 pi sqrt(a^3 / mu) = 39 260,1 s, and 20 000 s / T = 0,509423.
    EXPECT_EQ(fr.circularSpeed, "2" + NB + "829,13 m/s");
    EXPECT_EQ(fr.escapeSpeed, "4" + NB + "001 m/s");
    EXPECT_EQ(fr.period, "39" + NB + "260,1 s");
    EXPECT_EQ(fr.flightOverPeriod, "0,509423");
    const PredictionTexts c = predictionTexts(o, 6380, 20000, C);
    EXPECT_EQ(c.circularSpeed, "2,829.13 m/s");
    EXPECT_EQ(c.flightOverPeriod, "0.509423");
}

TEST(FlightReport, WhatDoesNotApplyShowsTheDash) {
    // A parabola: no a, no apogee, no period.
    const long double r = 10000e3L;
    const PredictionTexts p =
        predictionTexts(orbitElements({EarthMass, 10000, 0, 0, std::sqrt(2 * Mu / r)}), 6380, 20000, C);
    EXPECT_EQ(p.kind, "parabole");
    EXPECT_EQ(p.semiMajorAxis, Dash);
    EXPECT_EQ(p.apogee, Dash);
    EXPECT_EQ(p.period, Dash);
    EXPECT_EQ(p.flightOverPeriod, Dash);
    EXPECT_EQ(p.perigee, "10,000 km (h = 3,620 km)");
    EXPECT_FALSE(p.meetsAttractor);
    // At the centre only the start and the kind.
    const PredictionTexts centre = predictionTexts(orbitElements({EarthMass, 0, 0, 300, 0}), 6380, 20000, C);
    EXPECT_EQ(centre.kind, "au centre");
    EXPECT_EQ(centre.distance, "0 km");
    EXPECT_EQ(centre.speed, "300 m/s");
    for (const QString& s : {centre.circularSpeed, centre.escapeSpeed, centre.semiMajorAxis,
                             centre.eccentricity, centre.perigee, centre.apogee, centre.period,
                             centre.flightOverPeriod})
        EXPECT_EQ(s, Dash);
    EXPECT_TRUE(centre.meetsAttractor);
}

TEST(FlightReport, PeriodsInDaysAboveTwoDays) {
    EXPECT_EQ(secondsText(172800, French), "172" + NB + "800 s");
    EXPECT_EQ(secondsText(31557600, French), "31" + NB + "557" + NB + "600 s (365,25 j)");
    EXPECT_EQ(secondsText(5829.4632L, C), "5,829.46 s");
}

TEST(FlightReport, LastFlightTexts) {
    // Samples on a circle of 7000 km, one turn in 12 steps.
    const double r = 7000e3, T = 1200, v = 2 * M_PI * r / T;
    std::vector<FlightSample> s;
    for (int k = 0; k <= 13; ++k) {
        const double a = 2 * M_PI * k / 12;
        s.push_back({k * 100.0, r * std::cos(a), r * std::sin(a), -v * std::sin(a), v * std::cos(a)});
    }
    FlightMeasures m = measureFlight(s, Mu, 6380e3, false);
    LastFlightTexts t = lastFlightTexts(m, s, Mu, 600, French);
    EXPECT_EQ(t.samples, "14");
    EXPECT_EQ(t.distances, "7" + NB + "000 km / 7" + NB + "000 km");
    EXPECT_EQ(t.period, "1" + NB + "200 s");
    EXPECT_EQ(t.semiMajorAxis, "7" + NB + "000 km");
    EXPECT_EQ(t.periodSquaredOverCube, "4,19825E-6 s²/km³");  // 1200^2 / 7000^3
    // 4 pi^2 / (400 200 km^3/s^2); these made-up samples turn far too fast.
    EXPECT_EQ(t.keplerConstant, "9,86467E-5 s²/km³");
    EXPECT_EQ(t.keplerGap, "-95,7 %");
    EXPECT_TRUE(t.energyDrift.endsWith(" %"));
    EXPECT_TRUE(t.areaDeviation.endsWith(" %"));
    EXPECT_TRUE(t.impact.isEmpty());
    // Ec = m v^2 / 2, Ep = -mu m / r.
    // v = 2 pi 7000 km / 1200 s = 36 651,9 m/s: Ec = 4,0301E11 J, Ep = -3,4303E10 J.
    EXPECT_EQ(t.startEnergies, (std::array<QString, 3>{"4,0301E11", "-3,4303E10", "3,6871E11"}));
    EXPECT_EQ(t.endEnergies, t.startEnergies);

    // Without a satellite mass the energies show the dash, the drifts stay.
    t = lastFlightTexts(m, s, Mu, 0, C);
    EXPECT_EQ(t.startEnergies[0], Dash);
    EXPECT_EQ(t.endEnergies[2], Dash);
    EXPECT_EQ(t.keplerGap, "-95.7 %");
    EXPECT_TRUE(t.energyDrift.endsWith(" %"));

    // A collision.
    m.impact = Impact{19232.46, 8123.456};
    EXPECT_EQ(lastFlightTexts(m, s, Mu, 600, French).impact, "Impact à t = 19" + NB + "232,5 s à 8" + NB + "123,46 m/s");
    m.impact = Impact{std::nullopt, 8123.456};
    EXPECT_EQ(lastFlightTexts(m, s, Mu, 600, C).impact, "Impact à t = " + Dash + " s à 8,123.46 m/s");
}

TEST(FlightReport, FlightsTableAndClipboardText) {
    const StartConditions earth{EarthMass, 30000, 40000, 0, 0};
    const OrbitElements fall = orbitElements(earth);
    FlightMeasures fallMeasures;
    fallMeasures.energyDrift = 1.234567891e-9;
    const FlightRow first = flightRow(1, earth, 200, 100, fall, fallMeasures, true);

    const StartConditions orbit{EarthMass, 7000, 0, 0, 7561};
    const OrbitElements circle = orbitElements(orbit);
    FlightMeasures circleMeasures;
    circleMeasures.period = 5829.123456;
    circleMeasures.periodSquaredOverCube = 9.8641234e-5;
    circleMeasures.energyDrift = 2e-8;
    const FlightRow second = flightRow(2, orbit, 10, 1000, circle, circleMeasures, false);

    EXPECT_EQ(flightTableHeader().join("|"),
              "Vol|X0 (km)|Y0 (km)|Vx0 (m/s)|Vy0 (m/s)|dt (s)|Positions|Trajectoire|a (km)|e|"
              "T prévue (s)|T mesurée (s)|T²/a³ (s²/km³)|Dérive Em (%)|Collision");
    const QString text = flightTableText({first, second}, French);
    const QStringList lines = text.split('\n');
    ASSERT_EQ(lines.size(), 4);  // header, two flights, the empty rest after the last line feed
    EXPECT_EQ(lines[0], flightTableHeader().join('\t'));
    EXPECT_EQ(lines[1], "1\t30000\t40000\t0\t0\t200\t100\tchute radiale\t25000\t1\t39260,09\t" + Dash +
                            "\t" + Dash + "\t1,234568E-7\toui");
    const QStringList cells = lines[2].split('\t');
    ASSERT_EQ(cells.size(), 15);
    EXPECT_EQ(cells[0], "2");
    EXPECT_EQ(cells[1], "7000");
    EXPECT_EQ(cells[4], "7561");
    EXPECT_EQ(cells[7], "cercle");  // 7561 m/s is within 0,2 m/s of the circular speed
    EXPECT_EQ(cells[11], "5829,123");
    EXPECT_EQ(cells[12], "9,864123E-5");
    EXPECT_EQ(cells[13], "2E-6");   // below 0,0001: scientific
    EXPECT_EQ(cells[14], "non");
    EXPECT_TRUE(lines[3].isEmpty());

    // The window groups the same numbers; the C locale uses its own marks.
    EXPECT_EQ(flightRowCells(first, true, French)[1], "30" + NB + "000");
    EXPECT_EQ(flightRowCells(second, true, C)[11], "5,829.123");
    EXPECT_EQ(flightTableText({second}, C).split('\n')[1].split('\t')[11], "5829.123");
    EXPECT_EQ(flightTableText({}, C), flightTableHeader().join('\t') + "\n");
}

}  // namespace
}  // namespace gravitaria
