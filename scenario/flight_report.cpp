#include "flight_report.h"

#include <cmath>

namespace gravitaria {

namespace {

constexpr int kShownDigits = 6;      // significant digits of the page's values
constexpr int kPercentDigits = 3;
constexpr int kTableDigits = 7;      // significant digits of the flights' table
constexpr long double kDay = 86400.0L;

QString text(const std::string& s) { return QString::fromStdString(s); }

QString general(long double v, int digits, const NumberSeparators& seps) {
    return text(generalText(v, digits, true, seps));
}

template <class T, class Format>
QString orDash(const std::optional<T>& v, Format format) {
    return v ? format(*v) : kNotApplicable;
}

// "7 000 km (h = 620 km)": the distance from the centre and the altitude
// above the surface.
QString distanceAndAltitude(long double metres, std::int32_t radiusKm, const NumberSeparators& seps) {
    return kmText(metres, seps) + QStringLiteral(" (h = ") +
           kmText(metres - static_cast<long double>(radiusKm) * 1000, seps) + QStringLiteral(")");
}

std::array<QString, 3> energiesTexts(const std::optional<SampleEnergies>& e, const NumberSeparators& seps) {
    if (!e) return {kNotApplicable, kNotApplicable, kNotApplicable};
    return {joulesText(e->kinetic, seps), joulesText(e->potential, seps), joulesText(e->mechanical, seps)};
}

std::optional<SampleEnergies> energiesOf(std::span<const FlightSample> samples, bool last,
                                         long double mu, long double massKg) {
    if (samples.empty() || !(massKg > 0.0L)) return std::nullopt;
    const FlightSample& s = last ? samples.back() : samples.front();
    if (s.x == 0.0 && s.y == 0.0) return std::nullopt;
    const SampleEnergies e = sampleEnergies(s, mu, massKg);
    if (!std::isfinite(e.kinetic) || !std::isfinite(e.potential) || !std::isfinite(e.mechanical))
        return std::nullopt;
    return e;
}

template <class T>
std::optional<long double> finiteOrEmpty(const std::optional<T>& v) {
    if (!v || !std::isfinite(static_cast<long double>(*v))) return std::nullopt;
    return static_cast<long double>(*v);
}

}  // namespace

QString trajectoryText(std::optional<TrajectoryKind> kind) {
    if (!kind) return kNotApplicable;
    const std::string_view k = trajectoryKindText(*kind);
    return QString::fromUtf8(k.data(), static_cast<qsizetype>(k.size()));
}

QString kmText(long double metres, const NumberSeparators& seps) {
    return general(metres / 1000, kShownDigits, seps) + QStringLiteral(" km");
}

QString speedText(long double v, const NumberSeparators& seps) {
    return general(v, kShownDigits, seps) + QStringLiteral(" m/s");
}

QString secondsText(long double seconds, const NumberSeparators& seps) {
    QString out = general(seconds, kShownDigits, seps) + QStringLiteral(" s");
    if (seconds > 2 * kDay) out += QStringLiteral(" (") + general(seconds / kDay, kShownDigits, seps) + QStringLiteral(" j)");
    return out;
}

QString ratioText(long double v, const NumberSeparators& seps) { return general(v, kShownDigits, seps); }

QString percentText(long double fraction, const NumberSeparators& seps) {
    return general(fraction * 100, kPercentDigits, seps) + QStringLiteral(" %");
}

QString joulesText(long double joules, const NumberSeparators& seps) {
    return text(groupedText(joules, 5, seps));
}

PredictionTexts predictionTexts(const OrbitElements& o, std::int32_t radiusKm,
                                long double plannedFlightSeconds, const NumberSeparators& seps) {
    PredictionTexts t;
    t.distance = kmText(o.r0, seps);
    t.speed = speedText(o.v0, seps);
    const auto km = [&](long double m) { return kmText(m, seps); };
    const auto speed = [&](long double v) { return speedText(v, seps); };
    const auto altitude = [&](long double m) { return distanceAndAltitude(m, radiusKm, seps); };
    t.circularSpeed = orDash(o.circularSpeed, speed);
    t.escapeSpeed = orDash(o.escapeSpeed, speed);
    t.kind = trajectoryText(o.kind);
    t.semiMajorAxis = orDash(o.semiMajorAxis, km);
    t.eccentricity = orDash(o.eccentricity, [&](long double e) { return ratioText(e, seps); });
    t.perigee = orDash(o.perigee, altitude);
    t.apogee = orDash(o.apogee, altitude);
    t.period = orDash(o.period, [&](long double s) { return secondsText(s, seps); });
    t.flightOverPeriod = kNotApplicable;
    if (o.period && *o.period > 0.0L) t.flightOverPeriod = ratioText(plannedFlightSeconds / *o.period, seps);
    t.meetsAttractor = meetsAttractor(o, static_cast<long double>(radiusKm) * 1000);
    return t;
}

SampleEnergies sampleEnergies(const FlightSample& s, long double mu, long double massKg) {
    SampleEnergies e;
    const long double vx = s.vx, vy = s.vy;
    e.kinetic = massKg * (vx * vx + vy * vy) / 2;
    e.potential = -mu * massKg / std::hypot(static_cast<long double>(s.x), static_cast<long double>(s.y));
    e.mechanical = e.kinetic + e.potential;
    return e;
}

LastFlightTexts emptyLastFlightTexts() {
    LastFlightTexts t;
    for (QString* s : {&t.samples, &t.distances, &t.period, &t.semiMajorAxis, &t.periodSquaredOverCube,
                       &t.keplerConstant, &t.keplerGap, &t.energyDrift, &t.momentumDrift,
                       &t.areaDeviation})
        *s = kNotApplicable;
    t.startEnergies = t.endEnergies = {kNotApplicable, kNotApplicable, kNotApplicable};
    return t;
}

LastFlightTexts lastFlightTexts(const FlightMeasures& m, std::span<const FlightSample> samples,
                                long double mu, long double satelliteMassKg,
                                const NumberSeparators& seps) {
    LastFlightTexts t;
    t.samples = QString::number(m.sampleCount);
    t.distances = m.distances ? kmText(m.distances->min, seps) + QStringLiteral(" / ") +
                                    kmText(m.distances->max, seps)
                              : kNotApplicable;
    t.period = orDash(m.period, [&](double s) { return secondsText(s, seps); });
    t.semiMajorAxis = orDash(m.semiMajorAxis, [&](double a) { return kmText(a, seps); });
    const QString perKm3 = QStringLiteral(" s²/km³");
    t.periodSquaredOverCube =
        orDash(m.periodSquaredOverCube, [&](double v) { return general(v, kShownDigits, seps) + perKm3; });
    t.keplerConstant = kNotApplicable;
    t.keplerGap = kNotApplicable;
    if (mu > 0.0L) {
        const long double k = keplerThirdLawConstant(mu);
        if (std::isfinite(k)) {
            t.keplerConstant = general(k, kShownDigits, seps) + perKm3;
            if (m.periodSquaredOverCube) t.keplerGap = percentText((*m.periodSquaredOverCube - k) / k, seps);
        }
    }
    const auto percent = [&](double f) { return percentText(f, seps); };
    t.energyDrift = orDash(m.energyDrift, percent);
    t.momentumDrift = orDash(m.momentumDrift, percent);
    t.areaDeviation = orDash(m.areaDeviation, percent);
    if (m.impact) {
        t.impact = QStringLiteral("Impact à t = ") +
                   (m.impact->time ? general(*m.impact->time, kShownDigits, seps) : kNotApplicable) +
                   QStringLiteral(" s à ") + general(m.impact->speed, kShownDigits, seps) +
                   QStringLiteral(" m/s");
    }
    t.startEnergies = energiesTexts(energiesOf(samples, false, mu, satelliteMassKg), seps);
    t.endEnergies = energiesTexts(energiesOf(samples, true, mu, satelliteMassKg), seps);
    return t;
}

FlightRow flightRow(int number, const StartConditions& start, std::int32_t timeStep,
                    std::int32_t positions, const OrbitElements& foreseen,
                    const FlightMeasures& measured, bool collision) {
    FlightRow r;
    r.number = number;
    r.x0Km = start.xKm;
    r.y0Km = start.yKm;
    r.vx0 = static_cast<std::int32_t>(start.vx);
    r.vy0 = static_cast<std::int32_t>(start.vy);
    r.timeStep = timeStep;
    r.positions = positions;
    r.kind = foreseen.kind;
    if (foreseen.kind != TrajectoryKind::AtCentre) {
        if (foreseen.semiMajorAxis) r.semiMajorAxisKm = *foreseen.semiMajorAxis / 1000;
        r.eccentricity = foreseen.eccentricity;
        r.plannedPeriod = foreseen.period;
    }
    r.measuredPeriod = finiteOrEmpty(measured.period);
    r.periodSquaredOverCube = finiteOrEmpty(measured.periodSquaredOverCube);
    if (measured.energyDrift) r.energyDriftPercent = finiteOrEmpty(std::optional<double>(*measured.energyDrift * 100));
    r.collision = collision;
    return r;
}

QStringList flightTableHeader() {
    return {QStringLiteral("Vol"),          QStringLiteral("X0 (km)"),
            QStringLiteral("Y0 (km)"),      QStringLiteral("Vx0 (m/s)"),
            QStringLiteral("Vy0 (m/s)"),    QStringLiteral("dt (s)"),
            QStringLiteral("Positions"),    QStringLiteral("Trajectoire"),
            QStringLiteral("a (km)"),       QStringLiteral("e"),
            QStringLiteral("T prévue (s)"), QStringLiteral("T mesurée (s)"),
            QStringLiteral("T²/a³ (s²/km³)"), QStringLiteral("Dérive Em (%)"),
            QStringLiteral("Collision")};
}

QStringList flightRowCells(const FlightRow& row, bool grouped, const NumberSeparators& seps) {
    const auto number = [&](long double v) { return text(generalText(v, kTableDigits, grouped, seps)); };
    const auto optional = [&](const std::optional<long double>& v) { return v ? number(*v) : kNotApplicable; };
    const QString kind = trajectoryText(row.kind);
    return {number(row.number),
            number(row.x0Km),
            number(row.y0Km),
            number(row.vx0),
            number(row.vy0),
            number(row.timeStep),
            number(row.positions),
            kind,
            optional(row.semiMajorAxisKm),
            optional(row.eccentricity),
            optional(row.plannedPeriod),
            optional(row.measuredPeriod),
            optional(row.periodSquaredOverCube),
            optional(row.energyDriftPercent),
            row.collision ? QStringLiteral("oui") : QStringLiteral("non")};
}

QString flightTableText(const std::vector<FlightRow>& rows, const NumberSeparators& seps) {
    const QString tab = QStringLiteral("\t");
    QString out = flightTableHeader().join(tab) + QLatin1Char('\n');
    for (const FlightRow& r : rows) out += flightRowCells(r, false, seps).join(tab) + QLatin1Char('\n');
    return out;
}

}  // namespace gravitaria
