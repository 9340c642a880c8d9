#pragma once
// The scenario presets: one per attractor of the "Système" page and one per
// flight duration of the "Chrono" page. Constants only; the window applies
// them through its fields so that the fields' handlers follow.
#include <QString>
#include <array>
#include <cstdint>
#include <optional>

namespace gravitaria {

// What choosing an attractor sets. The map range and the start values are
// absent for "Autre", which keeps the current ones.
struct AttractorPreset {
    QString name;                // the radio item's text
    long double mass;            // kg, stored before the fields follow
    double mantissa;             // NumMasseMantisse.Value
    QString exponentText;        // NumMasseExp.Text
    QString radiusText;          // NumRayon.Text, km (may exceed its bound)
    QString unite;               // distance unit of the start fields
    struct Start {
        double mapHalfRange;     // map axes from -r to +r, km
        std::int32_t x, y;       // start position, in `unite`
        std::int32_t vx, vy;     // start velocity, m/s
        std::int32_t dt;         // time step, s
    };
    std::optional<Start> start;
    QString pointsText;          // NumNombrePoints.Text
    int durationIndex;           // RadioGroup1.ItemIndex
    // The Sun selects its duration before setting dt and N; the others
    // select it last, so that preset's values win when the selection moves.
    bool durationFirst;
};

inline constexpr int kAttractorCount = 4;   // Terre, Soleil, Lune, Autre

// The preset of radio item `index`, or nullptr for any other index.
const AttractorPreset* attractorPreset(int index);

// The radio items' texts, in order.
std::array<QString, kAttractorCount> attractorNames();

struct DurationPreset {
    QString name;
    std::int32_t points;         // NumNombrePoints.Value
    std::int32_t dt;             // NumDt.Value, s
};

inline constexpr int kDurationCount = 5;
inline constexpr int kDurationUnadjusted = 4;   // "non ajustée"

// The duration preset of radio item `index`, or nullptr for any other index.
const DurationPreset* durationPreset(int index);

std::array<QString, kDurationCount> durationNames();

}  // namespace gravitaria
