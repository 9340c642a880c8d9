// Series points: insertion order, ascending insertion, deletion, clearing.
#include <gtest/gtest.h>

#include <QApplication>
#include <random>

#include "chart.h"
#include "errors.h"

namespace gravitaria {
namespace {

class SeriesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "series_test";
        static char* argv[] = {name, nullptr};
        if (!QApplication::instance()) new QApplication(argc, argv);
    }
    TChart chart;
    TLineSeries& s = chart.AddSeries(QStringLiteral("Series1"));

    std::vector<std::pair<double, double>> points() const {
        std::vector<std::pair<double, double>> out;
        for (int i = 0; i < s.XValues().Count(); ++i) out.emplace_back(s.XValues()[i], s.YValues()[i]);
        return out;
    }
};

TEST_F(SeriesTest, InsertionOrderKeepsPointsAsAddedAndDeleteLastRemovesTheNewest) {
    s.AddXY(5, 1);
    s.AddXY(-2, 2);
    EXPECT_EQ(s.AddXY(3, 3), 2);
    EXPECT_EQ(points(), (std::vector<std::pair<double, double>>{{5, 1}, {-2, 2}, {3, 3}}));
    s.Delete(s.XValues().Count() - 1);
    ASSERT_EQ(s.Count(), 2);
    EXPECT_EQ(s.XValues()[1], -2);
    EXPECT_EQ(s.YValues()[1], 2);
    s.AddXY(9, 9);  // the replacement marker of the next sample
    EXPECT_EQ(s.XValues()[2], 9);
}

TEST_F(SeriesTest, AscendingInsertionPutsEqualXAfterTheExistingOnes) {
    s.SetXOrder(TValuesOrder::Ascending);
    EXPECT_EQ(s.XValues().Order(), TValuesOrder::Ascending);
    EXPECT_EQ(s.AddXY(10, 1), 0);
    EXPECT_EQ(s.AddXY(20, 2), 1);
    EXPECT_EQ(s.AddXY(10, 3), 1);   // after (10, 1), before (20, 2)
    EXPECT_EQ(s.AddXY(-5, 4), 0);
    EXPECT_EQ(s.AddXY(10, 5), 3);
    EXPECT_EQ(s.AddXY(20, 6), 5);
    EXPECT_EQ(points(), (std::vector<std::pair<double, double>>{
                            {-5, 4}, {10, 1}, {10, 3}, {10, 5}, {20, 2}, {20, 6}}));
}

// Many points spread over several storage blocks: the order stays sorted
// and stable, and deletions anywhere keep the right neighbours.
TEST_F(SeriesTest, LargeAscendingSeriesStaysSortedAndStableAcrossBlocks) {
    s.SetXOrder(TValuesOrder::Ascending);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> xs(0, 300);
    std::vector<std::pair<double, double>> model;
    for (int i = 0; i < 6000; ++i) {
        const double x = xs(rng);
        const int at = s.AddXY(x, i);
        auto pos = std::upper_bound(model.begin(), model.end(), x,
                                    [](double v, const auto& p) { return v < p.first; });
        EXPECT_EQ(at, pos - model.begin());
        model.insert(pos, {x, static_cast<double>(i)});
    }
    for (int k = 0; k < 2500; ++k) {
        const int at = static_cast<int>(rng() % model.size());
        s.Delete(at);
        model.erase(model.begin() + at);
    }
    EXPECT_EQ(points(), model);
}

TEST_F(SeriesTest, OutOfRangeIndexRaisesRangeErrorAndClearEmpties) {
    EXPECT_THROW(s.Delete(0), RangeError);
    s.AddXY(1, 1);
    EXPECT_THROW(s.Delete(1), RangeError);
    EXPECT_THROW(s.Delete(-1), RangeError);
    EXPECT_THROW((void)s.XValues()[1], RangeError);
    EXPECT_EQ(s.Count(), 1);
    s.AddXY(2, 2);
    s.Clear();
    EXPECT_EQ(s.XValues().Count(), 0);
    EXPECT_THROW(chart.Series(1), RangeError);
    EXPECT_EQ(&chart.Series(0), &s);
    EXPECT_EQ(&s.GetHorizAxis(), &chart.BottomAxis());
    EXPECT_EQ(&s.GetVertAxis(), &chart.LeftAxis());
}

}  // namespace
}  // namespace gravitaria
