// The settings the main window relies on, and the axis label texts with the
// user's separators (this test runs under a French and under the C locale).
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLocale>

#include "chart_layout.h"
#include "chart_test_support.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

class SetupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(SetupTest, TrajectoryMapHasFixedSquareRangesTwoMarkerSeriesAndItsPrintSettings) {
    TChart map;
    TrajectoryMapSeries s = setupTrajectoryMap(map);
    EXPECT_EQ(map.objectName(), QStringLiteral("Chart1"));
    EXPECT_TRUE(map.isHidden());
    EXPECT_EQ(map.SeriesCount(), 2);
    EXPECT_EQ(&map.Series(0), &s.series1);
    for (const TChartAxis* a : {&map.BottomAxis(), &map.LeftAxis()}) {
        EXPECT_FALSE(a->Automatic || a->AutomaticMinimum || a->AutomaticMaximum);
        EXPECT_EQ(a->Minimum(), -50000);
        EXPECT_EQ(a->Maximum(), 50000);
        EXPECT_EQ(a->Grid.Color, QColor(0x80, 0x80, 0x80));
    }
    EXPECT_EQ(map.BottomAxis().LabelsAngle, 90);
    EXPECT_EQ(map.BottomAxis().AxisValuesFormat, QStringLiteral("#,##0"));
    EXPECT_EQ(map.LeftAxis().AxisValuesFormat, QStringLiteral("#,##0.###"));
    EXPECT_EQ(map.LeftAxis().MinorTickCount, 3);
    EXPECT_FALSE(map.AllowZoom);
    EXPECT_EQ(map.AllowPanning, TPanning::Both);
    EXPECT_EQ(map.MarginUnits, TMarginUnits::Pixels);
    EXPECT_EQ(std::make_tuple(map.MarginLeft, map.MarginTop, map.MarginRight, map.MarginBottom),
              std::make_tuple(3, 4, 8, 4));
    EXPECT_EQ(std::make_tuple(map.PrintMargins.Left, map.PrintMargins.Top, map.PrintMargins.Right,
                              map.PrintMargins.Bottom),
              std::make_tuple(15, 10, 15, 10));
    EXPECT_FALSE(map.PrintProportional);
    EXPECT_EQ(map.cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(s.series1.Pointer.Style, TPointerStyle::Circle);
    EXPECT_EQ(s.series1.Pointer.HorizSize, 4);
    EXPECT_EQ(s.series1.SeriesColor, QColor(0xFF, 0x80, 0x00));
    EXPECT_EQ(s.series1.Pointer.PenColor, QColor(0x80, 0x00, 0x00));
    EXPECT_EQ(s.series1.XValues().Order(), TValuesOrder::None);
    EXPECT_EQ(s.series2.Pointer.Style, TPointerStyle::Cross);
    EXPECT_EQ(s.series2.Pointer.HorizSize, 1);
    EXPECT_EQ(s.series2.XValues().Order(), TValuesOrder::Ascending);
    for (const TLineSeries* v : {&s.series1, &s.series2}) {
        EXPECT_FALSE(v->LinePen.Visible);
        EXPECT_FALSE(v->ShowInLegend);
        EXPECT_TRUE(v->Pointer.Visible);
    }
}

TEST_F(SetupTest, SpeedChartHasThreeLineSeriesOnlyVActiveAndALegendWithCheckBoxes) {
    TChart chart;
    SpeedChartSeries s = setupSpeedChart(chart);
    EXPECT_EQ(chart.objectName(), QStringLiteral("Chart2"));
    EXPECT_EQ(chart.Title.Text, QStringList{kSpeedChartTitle});
    EXPECT_TRUE(chart.Title.Alignment & Qt::AlignRight);
    EXPECT_TRUE(chart.Legend.Visible && chart.Legend.CheckBoxes && chart.Legend.FontSeriesColor);
    EXPECT_TRUE(chart.BottomAxis().Automatic);
    EXPECT_EQ(chart.BottomAxis().Title, QStringLiteral("Temps(s)"));
    EXPECT_EQ(chart.LeftAxis().Title, QStringLiteral("Vitesse (m/s)"));
    EXPECT_EQ(chart.LeftAxis().MinimumOffset, 15);
    EXPECT_TRUE(chart.LeftAxis().MinimumRound && chart.LeftAxis().MaximumRound);
    struct Row {
        const TLineSeries& s;
        const char* title;
        bool active;
        QColor colour;
    };
    for (const Row& r : {Row{s.series3, "V", true, QColor(0xFF, 0, 0)},
                         Row{s.series4, "Vx", false, QColor(0, 0x80, 0)},
                         Row{s.series5, "Vy", false, QColor(0x80, 0x40, 0)}}) {
        EXPECT_EQ(r.s.Title, QString::fromLatin1(r.title));
        EXPECT_EQ(r.s.Active(), r.active) << r.title;
        EXPECT_EQ(r.s.SeriesColor, r.colour) << r.title;
        EXPECT_TRUE(r.s.LinePen.Visible && !r.s.Pointer.Visible);
        EXPECT_EQ(r.s.XValues().Order(), TValuesOrder::Ascending);
    }
}

// The left axis keeps 15 pixels free beyond the data and rounds out to
// whole label steps.
TEST_F(SetupTest, SpeedChartAutomaticRangeKeepsItsOffsetsAndRoundsToLabelSteps) {
    TChart chart;
    SpeedChartSeries s = setupSpeedChart(chart);
    chart.resize(600, 400);
    chart.show();
    for (int i = 0; i <= 100; ++i) s.series3.AddXY(i * 60, 7400 + 3 * i);
    s.series4.AddXY(0, -50000);  // inactive: plays no part in the range
    chart.Repaint();
    const TChartAxis& y = chart.LeftAxis();
    EXPECT_LE(y.Minimum(), 7400);
    EXPECT_GE(y.Maximum(), 7700);
    EXPECT_LE(y.CalcYPosValue(7400), y.IEndPos() - 15);  // the offset at least, rounding adds
    EXPECT_GE(y.CalcYPosValue(7700), y.IStartPos() + 15);
    const double step = axisLabels(y.Minimum(), y.Maximum(), y.IAxisSize(), 13, y.LabelsSeparation,
                                   y.AxisValuesFormat).step;
    ASSERT_GT(step, 0);
    EXPECT_DOUBLE_EQ(std::remainder(y.Minimum(), step), 0);
    EXPECT_DOUBLE_EQ(std::remainder(y.Maximum(), step), 0);
    EXPECT_EQ(chart.BottomAxis().Minimum(), 0);
    EXPECT_EQ(chart.BottomAxis().Maximum(), 6000);
}

TEST_F(SetupTest, LabelTextsUseThePictureAndTheLocaleSeparators) {
    const bool french = QLocale::system().decimalPoint() == QStringLiteral(",");
    const QString g = french ? QString(QChar(0x202F)) : QStringLiteral(",");
    const QString d = french ? QStringLiteral(",") : QStringLiteral(".");
    EXPECT_EQ(axisLabelText(-50000, QStringLiteral("#,##0")), QStringLiteral("-50") + g + "000");
    EXPECT_EQ(axisLabelText(200000000, QStringLiteral("#,##0")),
              QStringLiteral("200") + g + "000" + g + "000");
    EXPECT_EQ(axisLabelText(0, QStringLiteral("#,##0")), QStringLiteral("0"));
    EXPECT_EQ(axisLabelText(-0.0, QStringLiteral("#,##0.###")), QStringLiteral("0"));
    EXPECT_EQ(axisLabelText(12500.25, QStringLiteral("#,##0.###")), QStringLiteral("12") + g + "500" + d + "25");
    EXPECT_EQ(axisLabelText(0.0005, QStringLiteral("#,##0.###")), QStringLiteral("0") + d + "001");
    EXPECT_EQ(axisLabelText(2.5, QStringLiteral("#,##0")), QStringLiteral("3"));
}

TEST_F(SetupTest, LabelStepsLeaveTheSeparationBetweenLabels) {
    // 13-pixel labels with LabelsSeparation 100 need 26 pixels each.
    const AxisLabels l = axisLabels(-50000, 50000, 370, 13, 100, QStringLiteral("#,##0"));
    EXPECT_EQ(l.step, 10000);
    ASSERT_EQ(l.values.size(), 11u);
    EXPECT_EQ(l.values.front(), -50000);
    EXPECT_EQ(l.values[5], 0);
    EXPECT_EQ(axisLabels(-25000, 25000, 370, 13, 100, QStringLiteral("#,##0")).step, 5000);
    EXPECT_EQ(axisLabels(0, 1, 370, 13, 100, QStringLiteral("#,##0.###")).step, 0.1);
    EXPECT_EQ(axisLabels(0, 7, 200, 13, 10, QStringLiteral("#,##0")).step, 1);
    EXPECT_EQ(niceStep(0.7), 1);
    EXPECT_EQ(niceStep(1.2), 2);
    EXPECT_EQ(niceStep(3), 5);
    EXPECT_EQ(niceStep(6341), 10000);
    EXPECT_EQ(axisLabels(3, 3, 370, 13, 100, QStringLiteral("#,##0")).values, std::vector<double>{3});
}

// Flat labels on a horizontal axis: the step is chosen for the widest text,
// not only for the texts of the range's ends ("-1" and "1" but "-0,95").
TEST_F(SetupTest, FlatHorizontalLabelsDoNotOverlap) {
    TChart chart;
    setupSpeedChart(chart);
    const QFontMetrics fm(chartFont(chart.font()));
    QHash<QString, int> widths;
    const TextMetrics measured(fm, widths);
    TChartAxis& x = chart.BottomAxis();
    for (auto [lo, hi] : {std::pair{-1.0, 1.0}, std::pair{0.0, 11940.0}, std::pair{-0.003, 0.0071}}) {
        const int pixels = 500;
        const AxisLabels l = fittedLabels(x, measured, lo, hi, pixels);
        ASSERT_GE(l.values.size(), 2u) << lo << ".." << hi;
        int widest = 0;
        for (const QString& t : l.texts) widest = std::max(widest, fm.horizontalAdvance(t));
        const double gap = l.step * pixels / (hi - lo);
        EXPECT_GE(gap, widest * (1 + x.LabelsSeparation / 100.0)) << lo << ".." << hi;
    }
}

}  // namespace
}  // namespace gravitaria
