#include "presets.h"

#include "parameter_rules.h"

namespace gravitaria {

namespace {

// The masses as the program's number conversion gives them, so that the
// stored value and the one the mass fields recompute are the same bits.
long double massOf(const char* text) {
    return convertDecimalText(QString::fromLatin1(text), QLatin1Char('.'));
}

const std::array<AttractorPreset, kAttractorCount>& attractorTable() {
    static const std::array<AttractorPreset, kAttractorCount> table{{
        {QStringLiteral("Terre"), massOf("6E24"), 6.0, QStringLiteral("24"), QStringLiteral("6380"),
         QStringLiteral(" km"), AttractorPreset::Start{50000.0, 30000, 40000, 0, 0, 200},
         QStringLiteral("100"), 4, false},
        {QStringLiteral("Soleil"), massOf("1.99E30"), 1.99, QStringLiteral("30"), QStringLiteral("1392000"),
         QStringLiteral(" Millions de km"), AttractorPreset::Start{2.0e8, 0, 150, 22000, 0, 86400},
         QStringLiteral("365"), 2, true},
        {QStringLiteral("Lune"), massOf("3E21"), 3.0, QStringLiteral("21"), QStringLiteral("3500"),
         QStringLiteral(" km"), AttractorPreset::Start{10000.0, 4000, 4000, 0, 0, 500},
         QStringLiteral("100"), 4, false},
        {QStringLiteral("Autre"), massOf("1E21"), 1.0, QStringLiteral("21"), QStringLiteral("1500"),
         QStringLiteral(" km"), std::nullopt, QStringLiteral("100"), 4, false},
    }};
    return table;
}

const std::array<DurationPreset, kDurationCount>& durationTable() {
    static const std::array<DurationPreset, kDurationCount> table{{
        {QStringLiteral("à une journée"), 100, 864},
        {QStringLiteral("à une journée sidérale"), 100, 861},
        {QStringLiteral("à une année"), 365, 86400},
        {QStringLiteral("à dix années"), 365, 864000},
        {QStringLiteral("non ajustée"), 100, 200},
    }};
    return table;
}

}  // namespace

const AttractorPreset* attractorPreset(int index) {
    if (index < 0 || index >= kAttractorCount) return nullptr;
    return &attractorTable()[static_cast<std::size_t>(index)];
}

std::array<QString, kAttractorCount> attractorNames() {
    std::array<QString, kAttractorCount> names;
    for (int i = 0; i < kAttractorCount; ++i) names[static_cast<std::size_t>(i)] = attractorTable()[static_cast<std::size_t>(i)].name;
    return names;
}

const DurationPreset* durationPreset(int index) {
    if (index < 0 || index >= kDurationCount) return nullptr;
    return &durationTable()[static_cast<std::size_t>(index)];
}

std::array<QString, kDurationCount> durationNames() {
    std::array<QString, kDurationCount> names;
    for (int i = 0; i < kDurationCount; ++i) names[static_cast<std::size_t>(i)] = durationTable()[static_cast<std::size_t>(i)].name;
    return names;
}

}  // namespace gravitaria
