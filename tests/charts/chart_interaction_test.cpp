// Mouse over the charts: the window's handlers, the legend check boxes,
// panning the map, rectangle zoom on the speed chart only.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QWidget>

#include "chart_test_support.h"

namespace gravitaria {
namespace {

using namespace gravitaria::testing;

class InteractionTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
};

TEST_F(InteractionTest, HandlersSeeEveryPressAndMoveWithClientCoordinates) {
    TChart map;
    setupTrajectoryMap(map);
    map.resize(439, 425);
    map.show();
    std::vector<std::tuple<Qt::MouseButton, Qt::KeyboardModifiers, int, int>> downs;
    std::vector<std::pair<int, int>> moves;
    map.OnMouseDown = [&](Qt::MouseButton b, Qt::KeyboardModifiers m, int x, int y) {
        downs.emplace_back(b, m, x, y);
    };
    map.OnMouseMove = [&](Qt::KeyboardModifiers, int x, int y) { moves.emplace_back(x, y); };
    QTest::mouseMove(&map, QPoint(100, 120));
    QTest::mouseClick(&map, Qt::LeftButton, Qt::ShiftModifier, QPoint(200, 210));
    QTest::mouseClick(&map, Qt::MiddleButton, Qt::NoModifier, QPoint(5, 6));
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0], std::make_tuple(Qt::LeftButton, Qt::KeyboardModifiers(Qt::ShiftModifier), 200, 210));
    EXPECT_EQ(std::get<0>(downs[1]), Qt::MiddleButton);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(moves.front(), std::make_pair(100, 120));
}

TEST_F(InteractionTest, MapPansBothAxesWithTheRightButtonAndHasNoRectangleZoom) {
    TChart map;
    setupTrajectoryMap(map);
    map.resize(439, 425);
    map.show();
    map.Repaint();
    const double perPixelX = 100000.0 / map.BottomAxis().IAxisSize();
    const double perPixelY = 100000.0 / map.LeftAxis().IAxisSize();
    QTest::mouseMove(&map, QPoint(200, 200));
    QTest::mousePress(&map, Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(&map, QPoint(250, 260));
    QTest::mouseRelease(&map, Qt::LeftButton, Qt::NoModifier, QPoint(250, 260));
    EXPECT_EQ(map.BottomAxis().Minimum(), -50000);
    EXPECT_EQ(map.LeftAxis().Maximum(), 50000);

    QTest::mousePress(&map, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
    QTest::mouseMove(&map, QPoint(230, 180));  // 30 right, 20 up: the view follows
    QTest::mouseRelease(&map, Qt::RightButton, Qt::NoModifier, QPoint(230, 180));
    EXPECT_NEAR(map.BottomAxis().Minimum(), -50000 - 30 * perPixelX, 1e-6);
    EXPECT_NEAR(map.BottomAxis().Maximum(), 50000 - 30 * perPixelX, 1e-6);
    EXPECT_NEAR(map.LeftAxis().Minimum(), -50000 - 20 * perPixelY, 1e-6);
    EXPECT_NEAR(map.LeftAxis().Maximum(), 50000 - 20 * perPixelY, 1e-6);
}

// Another top-level window taking the activation, as a message box or
// another program does.
void takeActivation(QWidget& other, QWidget& back) {
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    other.hide();
    back.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&back));
}

TEST_F(InteractionTest, APanEndsOnceItsButtonIsNoLongerHeld) {
    enum class Interruption { ReleaseElsewhere, FocusLost, BoxFromThePressHandler };
    for (Interruption how : {Interruption::ReleaseElsewhere, Interruption::FocusLost,
                             Interruption::BoxFromThePressHandler}) {
        SCOPED_TRACE(static_cast<int>(how));
        TChart map;
        setupTrajectoryMap(map);
        map.resize(439, 425);
        map.show();
        map.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&map));
        map.Repaint();
        QWidget other;
        other.resize(100, 100);
        if (how == Interruption::BoxFromThePressHandler) {
            map.OnMouseDown = [&](Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
                takeActivation(other, map);
            };
        }
        QTest::mousePress(&map, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
        if (how != Interruption::BoxFromThePressHandler) {
            QTest::mouseMove(&map, QPoint(210, 200));  // the drag is under way
            ASSERT_NE(map.BottomAxis().Minimum(), -50000);
        }
        if (how == Interruption::FocusLost) takeActivation(other, map);
        const double xMin = map.BottomAxis().Minimum();
        const double yMax = map.LeftAxis().Maximum();
        if (how == Interruption::ReleaseElsewhere) {
            // The release went to another window: the next move over the
            // map carries no button.
            QTest::mouseRelease(&other, Qt::RightButton, Qt::NoModifier, QPoint(5, 5));
            QMouseEvent move(QEvent::MouseMove, QPointF(260, 240), map.mapToGlobal(QPointF(260, 240)),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(&map, &move);
        } else {
            // The button still reads as held, but the drag was interrupted.
            QTest::mouseMove(&map, QPoint(260, 240));
            QTest::mouseRelease(&map, Qt::RightButton, Qt::NoModifier, QPoint(260, 240));
        }
        EXPECT_EQ(map.BottomAxis().Minimum(), xMin);
        EXPECT_EQ(map.LeftAxis().Maximum(), yMax);
        // A new press starts a new drag.
        map.OnMouseDown = nullptr;
        QTest::mousePress(&map, Qt::RightButton, Qt::NoModifier, QPoint(200, 200));
        QTest::mouseMove(&map, QPoint(220, 200));
        QTest::mouseRelease(&map, Qt::RightButton, Qt::NoModifier, QPoint(220, 200));
        EXPECT_LT(map.BottomAxis().Minimum(), xMin);
    }
}

TEST_F(InteractionTest, ARectangleZoomWhoseButtonWasReleasedElsewhereIsDropped) {
    TChart chart;
    SpeedChartSeries s = setupSpeedChart(chart);
    chart.resize(600, 400);
    chart.show();
    for (int i = 0; i <= 100; ++i) s.series3.AddXY(i * 10, 7000 + i);
    chart.Repaint();
    const QImage before = chart.RenderImage();
    QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(150, 80));
    QTest::mouseMove(&chart, QPoint(300, 200));
    QWidget other;
    other.show();
    QTest::mouseRelease(&other, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QMouseEvent move(QEvent::MouseMove, QPointF(400, 250), chart.mapToGlobal(QPointF(400, 250)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&chart, &move);
    // A later release over the chart zooms nothing, and no rectangle is left.
    QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, QPoint(400, 250));
    EXPECT_TRUE(chart.BottomAxis().Automatic);
    EXPECT_EQ(firstDifference(chart.grab().toImage(), before), -1);
}

TEST_F(InteractionTest, SpeedChartZoomsIntoADraggedRectangleAndDragBackRestores) {
    TChart chart;
    SpeedChartSeries s = setupSpeedChart(chart);
    chart.resize(600, 400);
    chart.show();
    for (int i = 0; i <= 100; ++i) s.series3.AddXY(i * 10, 7000 + i);
    chart.Repaint();
    const double autoMin = chart.BottomAxis().Minimum();
    const double autoMax = chart.BottomAxis().Maximum();
    const QPoint a(150, 80), b(400, 250);
    const double x0 = chart.BottomAxis().CalcPosPoint(a.x());
    const double x1 = chart.BottomAxis().CalcPosPoint(b.x());
    const double yTop = chart.LeftAxis().CalcPosPoint(a.y());
    const double yBottom = chart.LeftAxis().CalcPosPoint(b.y());
    QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, a);
    QTest::mouseMove(&chart, b);
    QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, b);
    EXPECT_DOUBLE_EQ(chart.BottomAxis().Minimum(), x0);
    EXPECT_DOUBLE_EQ(chart.BottomAxis().Maximum(), x1);
    EXPECT_DOUBLE_EQ(chart.LeftAxis().Minimum(), yBottom);
    EXPECT_DOUBLE_EQ(chart.LeftAxis().Maximum(), yTop);
    chart.Repaint();  // a zoomed axis no longer follows the data
    s.series3.AddXY(5000, 9000);
    chart.Repaint();
    EXPECT_DOUBLE_EQ(chart.BottomAxis().Maximum(), x1);

    QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, b);
    QTest::mouseMove(&chart, a);
    QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, a);
    chart.Repaint();
    EXPECT_TRUE(chart.BottomAxis().Automatic);
    EXPECT_EQ(chart.BottomAxis().Minimum(), autoMin);
    EXPECT_GT(chart.BottomAxis().Maximum(), autoMax);  // follows the new point again

    // Panning leaves the automatic range too; dragging back restores it.
    QTest::mousePress(&chart, Qt::RightButton, Qt::NoModifier, QPoint(300, 200));
    QTest::mouseMove(&chart, QPoint(340, 200));
    QTest::mouseRelease(&chart, Qt::RightButton, Qt::NoModifier, QPoint(340, 200));
    EXPECT_FALSE(chart.BottomAxis().Automatic);
    EXPECT_LT(chart.BottomAxis().Minimum(), autoMin);
    QTest::mousePress(&chart, Qt::LeftButton, Qt::NoModifier, b);
    QTest::mouseMove(&chart, a);
    QTest::mouseRelease(&chart, Qt::LeftButton, Qt::NoModifier, a);
    chart.Repaint();
    EXPECT_TRUE(chart.BottomAxis().Automatic);
    EXPECT_TRUE(chart.LeftAxis().Automatic);
    EXPECT_EQ(chart.BottomAxis().Minimum(), autoMin);
}

TEST_F(InteractionTest, LegendCheckBoxesSwitchSeriesAndShowTheirColours) {
    TChart chart;
    SpeedChartSeries s = setupSpeedChart(chart);
    chart.resize(600, 400);
    chart.show();
    for (int i = 0; i <= 50; ++i) {
        s.series3.AddXY(i, 7000);
        s.series4.AddXY(i, 3100);
        s.series5.AddXY(i, -3100);
    }
    chart.Repaint();
    EXPECT_FALSE(s.series4.Active());
    const QRect box = chart.LegendBox(1);
    ASSERT_FALSE(box.isEmpty());
    EXPECT_GT(box.top(), chart.LeftAxis().IEndPos());  // below the chart
    // Entry texts in their series' colours: Vx green, Vy brown.
    const QImage img = chart.ScreenImage();
    EXPECT_GT(countColour(img, QColor(0, 0x80, 0), box), 5);
    EXPECT_GT(countColour(img, QColor(0x80, 0x40, 0), chart.LegendBox(2)), 5);
    const int y3000 = chart.LeftAxis().CalcYPosValue(3100);
    const QRect row(chart.BottomAxis().IStartPos() + 5, y3000, 100, 1);
    EXPECT_EQ(countColour(img, QColor(0, 0x80, 0), row), 0);  // Vx hidden at start

    QTest::mouseClick(&chart, Qt::LeftButton, Qt::NoModifier, box.center());
    EXPECT_TRUE(s.series4.Active());
    chart.Repaint();
    const int y3000now = chart.LeftAxis().CalcYPosValue(3100);
    EXPECT_GT(countColour(chart.ScreenImage(), QColor(0, 0x80, 0),
                          QRect(chart.BottomAxis().IStartPos() + 5, y3000now, 100, 1)), 90);
    QTest::mouseClick(&chart, Qt::LeftButton, Qt::NoModifier, box.center());
    EXPECT_FALSE(s.series4.Active());
}

}  // namespace
}  // namespace gravitaria
