// The comparison of the four methods from a run's fields: its measures, the
// TAB text for a spreadsheet (French and C separators) and the sentence
// built from the numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "gravity.h"
#include "method_comparison.h"

namespace gravitaria {
namespace {

const NumberSeparators French{",", "\u202F"};
const NumberSeparators Plain{".", ","};

std::vector<std::string> split(const std::string& text, char sep) {
    std::vector<std::string> out(1);
    for (char ch : text) {
        if (ch == sep) out.emplace_back();
        else out.back() += ch;
    }
    return out;
}

OrbitState earth(long double xKm, long double yKm) {
    OrbitState s;
    s.AttractorMass = 6e24L;
    s.PosX = xKm;
    s.PosY = yKm;
    return s;
}

RunInputs inputs(std::int32_t dt, std::int32_t n, std::int32_t vx, std::int32_t vy) {
    RunInputs in;
    in.timeStep = dt;
    in.numberOfPoints = n;
    in.startVx = vx;
    in.startVy = vy;
    in.radiusKm = 6380;
    return in;
}

// 7000 km, v = sqrt(mu / r) = 7549 m/s: about 5825 s a turn; 60 s x 1000
// samples is a little over ten turns.
MethodComparison circle() { return compareMethods(earth(7000, 0), inputs(60, 1000, 0, 7549)); }

const MethodMeasures& row(const MethodComparison& c, ComparedMethod m) { return c.measure(m); }

TEST(MethodComparison, MeasuresOnACircle) {
    const MethodComparison c = circle();
    ASSERT_EQ(c.error, 0);
    const auto& euler = row(c, ComparedMethod::Euler);
    const auto& semi = row(c, ComparedMethod::SemiImplicitEuler);
    const auto& rk4 = row(c, ComparedMethod::RK4);
    const auto& ref = row(c, ComparedMethod::Reference);

    EXPECT_EQ(euler.accelerationEvaluations, 2000);
    EXPECT_EQ(semi.accelerationEvaluations, 2000);
    EXPECT_EQ(rk4.accelerationEvaluations, 8004);
    EXPECT_GT(ref.accelerationEvaluations, 0);

    // Distances to the reference, at the last sample (t = 60000 s).
    EXPECT_EQ(ref.finalGapKm, 0.0);
    EXPECT_EQ(ref.maxGapKm, 0.0);
    EXPECT_EQ(euler.lastCommonTime, 60000.0);
    EXPECT_GT(euler.finalGapKm, semi.finalGapKm);
    EXPECT_GT(semi.finalGapKm, rk4.finalGapKm);
    EXPECT_GE(euler.maxGapKm, euler.finalGapKm);
    EXPECT_LT(rk4.maxGapKm, 10.0);

    // Drifts: Euler far above RK4; the reference keeps both to 1e-9 %.
    ASSERT_TRUE(euler.energyDriftPercent && rk4.energyDriftPercent && ref.energyDriftPercent);
    EXPECT_GT(*euler.energyDriftPercent, 1e4 * *rk4.energyDriftPercent);
    EXPECT_LT(*ref.energyDriftPercent, 1e-8);
    ASSERT_TRUE(ref.momentumDriftPercent);
    EXPECT_LT(*ref.momentumDriftPercent, 1e-8);
    EXPECT_GT(*euler.momentumDriftPercent, *semi.momentumDriftPercent);

    // One turn closes to within metres for the reference and RK4 (the radius
    // interpolated on the start direction), by kilometres for Euler.
    ASSERT_TRUE(ref.closureKm && rk4.closureKm && euler.closureKm);
    EXPECT_LT(*ref.closureKm, 0.05);
    EXPECT_LT(*rk4.closureKm, 0.05);
    EXPECT_GT(*euler.closureKm, 100.0);
    for (const MethodMeasures& m : c.measures) EXPECT_FALSE(m.collision);
}

TEST(MethodComparison, RadialFallOfTheEarthDefaults) {
    // At rest at 50000 km: every method falls; no angular momentum and no
    // turn, so those columns do not apply.
    const MethodComparison c = compareMethods(earth(30000, 40000), inputs(200, 100, 0, 0));
    ASSERT_EQ(c.error, 0);
    EXPECT_TRUE(row(c, ComparedMethod::RK4).collision);
    EXPECT_EQ(row(c, ComparedMethod::RK4).collisionTime, 19400.0);
    EXPECT_TRUE(row(c, ComparedMethod::Reference).collision);
    for (const MethodMeasures& m : c.measures) {
        EXPECT_FALSE(m.momentumDriftPercent);
        EXPECT_FALSE(m.closureKm);
    }
    const std::vector<std::string> lines = split(comparisonText(c, French), '\n');
    ASSERT_EQ(lines.size(), 6u);  // header, four rows, the empty rest after the last break
    EXPECT_EQ(lines[5], "");
    const std::vector<std::string> rk4 = split(lines[3], '\t');
    ASSERT_EQ(rk4.size(), 8u);
    EXPECT_EQ(rk4[0], "RK4");
    EXPECT_EQ(rk4[5], "—");
    EXPECT_EQ(rk4[6], "—");
    EXPECT_EQ(rk4[7], "oui, t = 19400 s");
}

TEST(MethodComparison, ClipboardTextInBothLocales) {
    const MethodComparison c = circle();
    struct Case {
        const NumberSeparators& seps;
        char decimal;
    };
    for (const Case& k : {Case{French, ','}, Case{Plain, '.'}}) {
        const std::string text = comparisonText(c, k.seps);
        const std::vector<std::string> lines = split(text, '\n');
        ASSERT_EQ(lines.size(), 6u);
        EXPECT_EQ(lines[0],
                  "Méthode\tÉvaluations de a\tÉcart final (km)\tÉcart max (km)\tDérive Em (%)\t"
                  "Dérive h (%)\tFermeture après 1 tour (km)\tCollision");
        const char* names[] = {"Euler", "Euler semi-implicite", "RK4", "Référence"};
        for (std::size_t i = 0; i < 4; ++i) {
            const std::vector<std::string> cells = split(lines[i + 1], '\t');
            ASSERT_EQ(cells.size(), 8u);
            EXPECT_EQ(cells[0], names[i]);
            EXPECT_EQ(cells[7], "non");
            // No grouping, the locale's decimal separator, 7 significant digits.
            for (std::size_t col = 1; col < 7; ++col) {
                EXPECT_EQ(cells[col].find("\u202F"), std::string::npos) << cells[col];
                EXPECT_EQ(cells[col].find(k.decimal == ',' ? '.' : ','), std::string::npos) << cells[col];
            }
        }
        EXPECT_EQ(split(lines[1], '\t')[1], "2000");
        EXPECT_EQ(split(lines[3], '\t')[1], "8004");
        EXPECT_EQ(split(lines[4], '\t')[2], "0");
        // The Euler drift, in the table to 7 significant digits.
        const double drift = *c.measure(ComparedMethod::Euler).energyDriftPercent;
        EXPECT_EQ(split(lines[1], '\t')[4], generalText(drift, 7, false, k.seps));
    }
    // The window's cells group the thousands.
    const MethodComparison far = compareMethods(earth(7000, 0), inputs(200, 1000, 0, 7549));
    const auto cells = comparisonCells(far, ComparedMethod::Reference, true, French);
    EXPECT_NE(cells[1].find("\u202F"), std::string::npos) << cells[1];
}

TEST(MethodComparison, SummarySaysWhatTheNumbersShow) {
    const MethodComparison c = circle();
    const std::string s = comparisonSummary(c, French);
    const double e = *c.measure(ComparedMethod::Euler).energyDriftPercent;
    const double k = *c.measure(ComparedMethod::RK4).energyDriftPercent;
    EXPECT_NE(s.find("de " + generalText(e, 3, true, French) + " % avec Euler"), std::string::npos) << s;
    EXPECT_NE(s.find("est " + generalText(e / k, 3, true, French) + " fois celle de RK4"), std::string::npos) << s;
    EXPECT_NE(s.find("qui fait 4 fois plus d'évaluations de a"), std::string::npos) << s;
    EXPECT_EQ(s.find("rencontre"), std::string::npos) << s;

    // A perigee under the surface: the reference strikes, Euler does not.
    const double ra = 3e7, rp = 6.3e6, a = (ra + rp) / 2;
    const long double mu = -GravitationalConstant * 6e24L;
    const auto va = static_cast<std::int32_t>(std::lround(static_cast<double>(std::sqrt(mu * (2 / ra - 1 / a)))));
    const MethodComparison graze = compareMethods(earth(30000, 0), inputs(200, 300, 0, va));
    ASSERT_FALSE(graze.measure(ComparedMethod::Euler).collision);
    ASSERT_TRUE(graze.measure(ComparedMethod::Reference).collision);
    const std::string g = comparisonSummary(graze, French);
    const std::string t = generalText(graze.measure(ComparedMethod::Reference).collisionTime, 3, true, French);
    EXPECT_NE(g.find("Euler ne rencontre pas l'astre, la référence le rencontre à t = " + t + " s."),
              std::string::npos)
        << g;

    // A start inside the attractor, and a time step the run refuses.
    EXPECT_NE(comparisonSummary(compareMethods(earth(0, 0), inputs(200, 100, 0, 0)), French)
                  .find("part de l'intérieur de l'astre"),
              std::string::npos);
    const MethodComparison refused = compareMethods(earth(7000, 0), inputs(0, 100, 0, 7549));
    EXPECT_EQ(refused.error, 1);
    for (const MethodTrajectory& t : refused.trajectories) EXPECT_TRUE(t.samples.empty());
    EXPECT_EQ(comparisonSummary(refused, French),
              "Le nombre de valeurs retournées doit être plus grand que zéro.");
}

}  // namespace
}  // namespace gravitaria
