#include "presets.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "parameter_rules.h"

namespace gravitaria {
namespace {

TEST(AttractorPresets, StoredMassesAreTheFieldMassesBitForBit) {
    const std::uint16_t words[] = {0x4051, 0x4063, 0x4046, 0x4044};
    const std::uint64_t significands[] = {0x9ED194DB19B238C0ULL, 0xC8F04B5A127626CBULL,
                                          0xA2A15D09519BE000ULL, 0xD8D726B7177A8000ULL};
    for (int i = 0; i < kAttractorCount; ++i) {
        const AttractorPreset& p = *attractorPreset(i);
        std::uint64_t significand = 0;
        std::uint16_t word = 0;
        std::memcpy(&significand, &p.mass, 8);
        std::memcpy(&word, reinterpret_cast<const char*>(&p.mass) + 8, 2);
        EXPECT_EQ(word, words[i]) << i;
        EXPECT_EQ(significand, significands[i]) << i;
        // The mass fields recompute the same value from the preset's texts.
        const QString mantissa = QString::number(p.mantissa, 'f', 2);
        EXPECT_EQ(attractorMassFromTexts(mantissa, p.exponentText, QChar(u'.')), p.mass) << i;
    }
}

TEST(AttractorPresets, Table) {
    const AttractorPreset& sun = *attractorPreset(1);
    EXPECT_EQ(sun.unite, kUniteMillionsKm);
    ASSERT_TRUE(sun.start);
    EXPECT_EQ(sun.start->mapHalfRange, 2.0e8);
    EXPECT_EQ(sun.start->y, 150);
    EXPECT_EQ(sun.start->vx, 22000);
    EXPECT_TRUE(sun.durationFirst);
    EXPECT_EQ(sun.durationIndex, 2);
    EXPECT_EQ(sun.radiusText, QStringLiteral("1392000"));

    const AttractorPreset& moon = *attractorPreset(2);
    ASSERT_TRUE(moon.start);
    EXPECT_EQ(moon.start->dt, 500);
    EXPECT_EQ(moon.start->mapHalfRange, 10000.0);
    EXPECT_FALSE(moon.durationFirst);

    const AttractorPreset& other = *attractorPreset(3);
    EXPECT_FALSE(other.start);   // map and start values kept
    EXPECT_EQ(other.unite, kUniteKm);
    EXPECT_EQ(other.durationIndex, kDurationUnadjusted);

    EXPECT_EQ(attractorPreset(-1), nullptr);
    EXPECT_EQ(attractorPreset(4), nullptr);
    const auto names = attractorNames();
    EXPECT_EQ(names[0], QStringLiteral("Terre"));
    EXPECT_EQ(names[3], QStringLiteral("Autre"));
}

TEST(DurationPresets, PlannedFlightTimes) {
    const std::int32_t planned[kDurationCount] = {86400, 86100, 31536000, 315360000, 20000};
    for (int i = 0; i < kDurationCount; ++i) {
        const DurationPreset& d = *durationPreset(i);
        EXPECT_EQ(plannedFlightSeconds(d.dt, d.points), planned[i]) << i;
        // Every row lies inside the fields' bounds.
        EXPECT_GE(d.dt, 1);
        EXPECT_LE(d.dt, 864000);
        EXPECT_GE(d.points, 100);
        EXPECT_LE(d.points, 1000);
    }
    EXPECT_EQ(durationPreset(5), nullptr);
    EXPECT_EQ(durationPreset(-1), nullptr);
    EXPECT_EQ(durationNames()[1], QStringLiteral("à une journée sidérale"));
    EXPECT_EQ(durationNames()[4], QStringLiteral("non ajustée"));
}

}  // namespace
}  // namespace gravitaria
