// The collision rule on its own: positions in metres, radius in km.
#include <gtest/gtest.h>

#include <cmath>

#include "collision.h"

namespace gravitaria {
namespace {

PlanePoint km(long double x, long double y) { return {x * 1000, y * 1000}; }

TEST(Collision, SegmentBetweenTheTwoSamples) {
    struct Case {
        const char* what;
        PlanePoint previous, current;
        bool struck;
    };
    const Case cases[] = {
        {"through the body, ends farther", km(-20000, 1000), km(21000, 1000), true},
        {"through the body, ends nearer", km(-21000, 1000), km(20000, 1000), true},
        {"straight out along the radius", km(0, 6400), km(0, 7200), false},
        {"straight in, still outside", km(0, 7200), km(0, 6400), false},
        {"straight in, now inside", km(0, 7200), km(0, 6000), true},
        {"closest approach beyond the current sample", km(-30000, 1000), km(-20000, 1000), false},
        {"closest approach before the previous sample", km(20000, 1000), km(30000, 1000), false},
        {"passes just outside the radius", km(-20000, 6400), km(21000, 6400), false},
        {"passes just inside the radius", km(-20000, 6370), km(21000, 6370), true},
        {"two samples at the same place", km(10000, 0), km(10000, 0), false},
        {"the centre exactly at the previous sample (u = 0)", km(0, 0), km(10000, 0), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hasStruck(c.previous, c.current, 1, 6380), c.struck) << c.what;
        EXPECT_EQ(hasStruck(c.previous, c.current, 500, 6380), c.struck) << c.what;
    }
}

TEST(Collision, FirstSampleIgnoresThePreviousPosition) {
    // Row n - 1 does not exist for the start: only the current position counts.
    EXPECT_FALSE(hasStruck(km(-20000, 0), km(20000, 0), 0, 6380));
    EXPECT_TRUE(hasStruck(km(20000, 0), km(6000, 0), 0, 6380));
    EXPECT_TRUE(hasStruck({}, {}, 0, 6380));   // start at the centre
    EXPECT_FALSE(hasStruck({}, {}, 0, 0));     // no body, no collision
}

TEST(Collision, SurfaceIsOutsideAndDistanceIsTheTableColumn) {
    // Exactly on the surface is no collision (strict comparison).
    EXPECT_FALSE(hasStruck({}, km(6380, 0), 0, 6380));
    EXPECT_FALSE(hasStruck(km(7000, 0), km(6380, 0), 3, 6380));
    EXPECT_TRUE(hasStruck({}, km(6379.999L, 0), 0, 6380));

    const CollisionVerdict start = judgeCollision({}, km(30000, 40000), 0, 6380);
    EXPECT_FALSE(start.struck);
    EXPECT_EQ(start.distanceKm, 50000.0L);
    const CollisionVerdict later = judgeCollision(km(0, 7000), km(3000, 4000), 2, 6380);
    EXPECT_TRUE(later.struck);
    EXPECT_EQ(later.distanceKm, 5000.0L);
    EXPECT_TRUE(std::isfinite(static_cast<double>(later.distanceKm)));
}

TEST(Collision, WhereTheSegmentEntersTheDisc) {
    struct Case {
        double x0, y0, x1, y1;
        std::optional<long double> s;
    };
    const Case cases[] = {
        {3, 0, 1, 0, 0.5},                 // radial, straight in
        {-3, 0.6, 3, 0.6, (3 - std::sqrt(3.64)) / 6},  // a chord: y = 0.6 meets x = -sqrt(3.64)
        {3, 0, 5, 0, std::nullopt},        // moving away
        {3, 2.5, -3, 2.5, std::nullopt},   // passes above the circle
        {0.5, 0, 3, 0, 0.0},               // starts inside
        {2.5, 0, 2.5, 0, std::nullopt},    // no motion, outside
        {3, 0, 2.5, 0, std::nullopt},      // stops short
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        const auto s = segmentEntersDisc({c.x0, c.y0}, {c.x1, c.y1}, 2);
        ASSERT_EQ(s.has_value(), c.s.has_value()) << i;
        if (s) {
            EXPECT_NEAR(*s, *c.s, 1e-12) << i;
        }
    }
}

}  // namespace
}  // namespace gravitaria
