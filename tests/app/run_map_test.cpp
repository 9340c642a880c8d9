// The map's handlers as a user meets them: the pointer readout, a click that
// places the start, zoom, the attractor disc on screen and in the clipboard
// bitmap.
#include <QCheckBox>
#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <set>

#include "radio_group.h"
#include "run_window_support.h"
#include "spin_edit.h"

namespace gravitaria::testing {
namespace {

const QString k19Blanks(19, QLatin1Char(' '));

// Whether the series holds a point within `tolerance` km of (x, y); the
// trail is kept sorted by X, so the order of arrival is not its order.
bool hasPoint(const TLineSeries& s, double x, double y, double tolerance) {
    for (int i = 0; i < s.Count(); ++i)
        if (std::fabs(s.XValues()[i] - x) <= tolerance && std::fabs(s.YValues()[i] - y) <= tolerance)
            return true;
    return false;
}

class RunMapTest : public RunWindowTest {
protected:
    // The pointer over a client pixel of the map, and the movement event.
    void movePointer(QPoint pixel) {
        QCursor::setPos(form->Chart1->mapToGlobal(pixel));
        QTest::mouseMove(form->Chart1, pixel);
    }
    void pressAt(QPoint pixel, Qt::MouseButton button = Qt::LeftButton) {
        QCursor::setPos(form->Chart1->mapToGlobal(pixel));
        QTest::mouseClick(form->Chart1, button, Qt::NoModifier, pixel);
    }
    // The plotting area's corners in the layout of the last drawing.
    QPoint topLeft() const {
        return {form->Chart1->BottomAxis().IStartPos(), form->Chart1->LeftAxis().IStartPos()};
    }
    QPoint centre() const {
        return {form->Chart1->BottomAxis().CalcXPosValue(0), form->Chart1->LeftAxis().CalcYPosValue(0)};
    }
};

TEST_F(RunMapTest, ReadoutBeforeAnyMovementShowsTheLayoutCaptions) {
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Position du curseur sur la carte"));
    EXPECT_TRUE(form->XEnCoursPos->text().isEmpty());
    EXPECT_TRUE(form->RpositionEnCours->text().isEmpty());
}

TEST_F(RunMapTest, ReadoutAtTheEarthMapsTopLeftCorner) {
    movePointer(topLeft());
    EXPECT_EQ(form->Label1->text(), QStringLiteral("Position du curseur sur la carte en km"));
    EXPECT_EQ(form->Label26->text(), QStringLiteral("Distance R au centre / altitude h en km"));
    EXPECT_EQ(form->XEnCoursPos->text(), "X = -" + grouped("50", "000"));
    EXPECT_EQ(form->YEnCoursPos->text(), "Y = " + grouped("50", "000"));
    EXPECT_EQ(form->RpositionEnCours->text(),
              "R = " + grouped("70", "711") + k19Blanks + "h = " + grouped("64", "331"));
    // The labels grew to show their whole text.
    EXPECT_GE(form->RpositionEnCours->width(),
              form->RpositionEnCours->fontMetrics().horizontalAdvance(form->RpositionEnCours->text()));

    // Over the centre (within a pixel, 250 km): inside the attractor, a
    // negative altitude.
    movePointer(centre());
    const QStringList parts = form->RpositionEnCours->text().split(k19Blanks);
    ASSERT_EQ(parts.size(), 2);
    const int r = parts[0].mid(4).remove(groupSeparator()).toInt();
    EXPECT_LT(r, 250 * 1.5);
    EXPECT_EQ(parts[1], "h = " + QString::number(r - 6380).insert(2, groupSeparator()));
}

TEST_F(RunMapTest, ReadoutAfterOneZoomOutSwitchesToScientific) {
    form->ZoomMoins->click();
    form->Chart1->Repaint();  // the new range takes effect in the mapping at the next drawing
    movePointer({form->Chart1->BottomAxis().IEndPos(), form->Chart1->LeftAxis().IStartPos()});
    EXPECT_EQ(form->XEnCoursPos->text(), QStringLiteral("X = 1E5"));
    EXPECT_EQ(form->YEnCoursPos->text(), QStringLiteral("Y = 1E5"));
    const QString r = frenchLocale() ? QStringLiteral("1,4142E5") : QStringLiteral("1.4142E5");
    EXPECT_TRUE(form->RpositionEnCours->text().startsWith("R = " + r + k19Blanks))
        << form->RpositionEnCours->text().toStdString();
}

TEST_F(RunMapTest, SunReadsMillionsOfKilometres) {
    form->attracteur->setItemIndex(1);
    form->Chart1->Repaint();
    movePointer(topLeft());
    EXPECT_EQ(form->Label1->text(),
              QStringLiteral("Position du curseur sur la carte en Millions de km"));
    EXPECT_EQ(form->Label26->text(),
              QStringLiteral("Distance R au centre / altitude h en Millions de km"));
    EXPECT_EQ(form->XEnCoursPos->text(), QStringLiteral("X = -200"));
    EXPECT_EQ(form->YEnCoursPos->text(), QStringLiteral("Y = 200"));
    // R = 282.84..., h = R - 1.392 = 281.45...
    EXPECT_EQ(form->RpositionEnCours->text(), "R = 283" + k19Blanks + "h = 281");
}

TEST_F(RunMapTest, ClickPlacesTheStartAndMovesTheFocusToLaunch) {
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->NumX->setFocus();
    const int trail = form->Series2->Count();
    const int markers = form->Series1->Count();

    const QPoint spot = centre() + QPoint(37, -23);
    pressAt(spot);
    const double mapX = form->Chart1->BottomAxis().CalcPosPoint(spot.x());
    const double mapY = form->Chart1->LeftAxis().CalcPosPoint(spot.y());
    EXPECT_EQ(form->NumX->Value(), static_cast<int>(std::trunc(mapX)));
    EXPECT_EQ(form->NumY->Value(), static_cast<int>(std::trunc(mapY)));
    // The fields changed: the start is their whole kilometres.
    EXPECT_EQ(form->orbit.PosX, std::trunc(mapX));
    EXPECT_EQ(form->orbit.PosY, std::trunc(mapY));
    EXPECT_TRUE(form->ButtonEuler->hasFocus());
    ASSERT_EQ(form->Series1->Count(), markers);
    EXPECT_EQ(form->Series1->XValues()[markers - 1], std::trunc(mapX));
    EXPECT_EQ(form->Series2->Count(), trail);

    // The same spot again, with the right button: no field changes, so the
    // start and the marker are the exact clicked point.
    pressAt(spot, Qt::RightButton);
    EXPECT_EQ(form->orbit.PosX, static_cast<long double>(mapX));
    EXPECT_EQ(form->orbit.PosY, static_cast<long double>(mapY));
    EXPECT_EQ(form->Series1->XValues()[markers - 1], mapX);
    EXPECT_EQ(form->Series1->YValues()[markers - 1], mapY);
    EXPECT_NE(mapX, std::trunc(mapX));  // the spot is not on a whole kilometre

    // Space on the focused launch button starts a run from the exact point:
    // after the run's start point (the fields', whole km), the first sample.
    QTest::keyClick(form->ButtonEuler, Qt::Key_Space);
    ASSERT_GT(form->Series2->Count(), trail + 1);
    EXPECT_TRUE(hasPoint(*form->Series2, std::trunc(mapX), std::trunc(mapY), 0));
    EXPECT_TRUE(hasPoint(*form->Series2, mapX, mapY, 1e-6));

    // Enter on the focused launch button launches another run.
    const int afterSpace = form->Series2->Count();
    QTest::keyClick(form->ButtonEuler, Qt::Key_Return);
    EXPECT_GT(form->Series2->Count(), afterSpace);
}

TEST_F(RunMapTest, ClickPlacesTheStartWhereThePointerIsNotWhereTheEventSays) {
    const QPoint pointer = centre() + QPoint(37, -23);
    const QPoint eventSpot = centre() + QPoint(-61, 44);
    QCursor::setPos(form->Chart1->mapToGlobal(pointer));
    QTest::mouseClick(form->Chart1, Qt::LeftButton, Qt::NoModifier, eventSpot);
    const double mapX = form->Chart1->BottomAxis().CalcPosPoint(pointer.x());
    const double mapY = form->Chart1->LeftAxis().CalcPosPoint(pointer.y());
    EXPECT_EQ(form->NumX->Value(), static_cast<int>(std::trunc(mapX)));
    EXPECT_EQ(form->NumY->Value(), static_cast<int>(std::trunc(mapY)));
    EXPECT_EQ(form->orbit.PosX, std::trunc(mapX));
}

TEST_F(RunMapTest, ClickOnTheSunMapSetsMillionsOfKilometres) {
    form->attracteur->setItemIndex(1);
    form->Chart1->Repaint();
    const QPoint spot = topLeft() + QPoint(3, 5);
    pressAt(spot);
    const double mapX = form->Chart1->BottomAxis().CalcPosPoint(spot.x());
    EXPECT_EQ(form->NumX->Value(), static_cast<int>(std::trunc(mapX / 1e6)));
    EXPECT_EQ(form->orbit.PosX, std::trunc(mapX / 1e6) * 1000000.0L);
}

TEST_F(RunMapTest, ClickPastTheFieldsRangeIsReportedAndKeepsWhatCameBefore) {
    // 16 doublings take the Earth map to +-3.3E9 km, past the 32-bit fields.
    for (int i = 0; i < 16; ++i) form->ZoomMoins->click();
    form->Chart1->Repaint();
    const int markers = form->Series1->Count();
    const double lastX = form->Series1->XValues()[markers - 1];
    const QPoint spot = topLeft();
    pressAt(spot);

    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Erreur de vérification d'étendue."));
    // The clicked point was stored before the X field refused it; the
    // fields, the focus and the marker stay as they were.
    EXPECT_EQ(form->orbit.PosX, static_cast<long double>(form->Chart1->BottomAxis().CalcPosPoint(spot.x())));
    EXPECT_EQ(form->NumX->Value(), 30000);
    EXPECT_EQ(form->NumY->Value(), 40000);
    EXPECT_FALSE(form->ButtonEuler->hasFocus());
    EXPECT_EQ(form->Series1->XValues()[markers - 1], lastX);
}

TEST_F(RunMapTest, RangeErrorBoxOnARightPressLeavesNoDragBehind) {
    for (int i = 0; i < 16; ++i) form->ZoomMoins->click();
    form->Chart1->Repaint();
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    // The report box takes the activation and the button's release; OK
    // gives the activation back to the window.
    QWidget box;
    box.resize(200, 100);
    recorder.whileBoxShown = [&] {
        box.show();
        box.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
        QTest::mouseRelease(&box, Qt::RightButton, Qt::NoModifier, QPoint(100, 50));
        box.hide();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    };
    const TChartAxis& bottom = form->Chart1->BottomAxis();
    const TChartAxis& left = form->Chart1->LeftAxis();
    const double xMin = bottom.Minimum(), yMax = left.Maximum();
    const QPoint spot = topLeft() + QPoint(2, 2);
    QCursor::setPos(form->Chart1->mapToGlobal(spot));
    QTest::mousePress(form->Chart1, Qt::RightButton, Qt::NoModifier, spot);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Erreur de vérification d'étendue."));

    // The pointer moves over the map with no button held: the map stays.
    for (const QPoint& p : {spot + QPoint(40, 30), centre(), centre() + QPoint(60, -20)}) {
        movePointer(p);
        EXPECT_EQ(bottom.Minimum(), xMin);
        EXPECT_EQ(left.Maximum(), yMax);
    }
    // A preset puts its range back, and the map keeps it.
    form->attracteur->setItemIndex(2);
    form->attracteur->setItemIndex(0);
    form->Chart1->Repaint();
    movePointer(centre() + QPoint(30, 30));
    movePointer(centre() - QPoint(30, 30));
    EXPECT_EQ(bottom.Minimum(), -50000.0);
    EXPECT_EQ(left.Maximum(), 50000.0);
}

// Far out, where the values pass 64-bit integers (48 doublings) and where
// the 64-bit pixel values overflow (about 1000), to the largest range the
// axes take, and in to a range of nothing, the readout reads the pointer.
TEST_F(RunMapTest, ReadoutNeverFailsAtAnyZoomTheButtonsReach) {
    const QPoint margin(1, 1);  // outside the plotting area
    const auto readEverywhere = [&](int level) {
        form->Chart1->Repaint();
        const QPoint bottomRight(form->Chart1->BottomAxis().IEndPos(), form->Chart1->LeftAxis().IEndPos());
        for (const QPoint& p : {margin, topLeft(), centre(), bottomRight}) {
            movePointer(p);
            ASSERT_TRUE(recorder.boxes.empty()) << level << " " << p.x() << "," << p.y();
        }
    };
    const std::set<int> checked = {1, 47, 48, 49, 64, 990, 1000, 1005};
    int levels = 0;
    while (levels < 1100) {
        form->ZoomMoins->click();
        if (!recorder.boxes.empty()) break;  // the axes refuse the next range
        ++levels;
        if (checked.count(levels)) readEverywhere(levels);
    }
    // The last range the axes took: near the largest double.
    EXPECT_GT(levels, 1005);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    recorder.boxes.clear();
    form->Chart1->show();
    readEverywhere(levels);
    movePointer(topLeft());
    const QString x = form->XEnCoursPos->text();
    EXPECT_TRUE(x.startsWith(QStringLiteral("X = -"))) << x.toStdString();
    EXPECT_TRUE(x.endsWith(QStringLiteral("E307")) || x.endsWith(QStringLiteral("E308")))
        << x.toStdString();

    // Zooming in never fails: the range ends as nothing, the readout as 0.
    form->attracteur->setItemIndex(2);
    form->attracteur->setItemIndex(0);
    for (int i = 0; i < 1100; ++i) form->ZoomPlus->click();
    ASSERT_TRUE(recorder.boxes.empty());
    readEverywhere(-1100);
    EXPECT_EQ(form->XEnCoursPos->text(), QStringLiteral("X = 0"));
}

TEST_F(RunMapTest, ClickWhereTheMapValueOverflowsKeepsAFiniteStart) {
    // 1000 doublings: +-5.4E305 km; a pixel offset times the range
    // overflows 64 bits.
    for (int i = 0; i < 1000; ++i) form->ZoomMoins->click();
    ASSERT_TRUE(recorder.boxes.empty());
    form->Chart1->Repaint();
    const QPoint topRight(form->Chart1->BottomAxis().IEndPos(), form->Chart1->LeftAxis().IStartPos());
    ASSERT_FALSE(std::isfinite(form->Chart1->BottomAxis().CalcPosPoint(topRight.x())));
    const long double startX = form->orbit.PosX;
    const long double startY = form->orbit.PosY;
    pressAt(topRight);
    ASSERT_EQ(recorder.boxes.size(), 1u);
    EXPECT_EQ(recorder.boxes[0].text, QStringLiteral("Erreur de vérification d'étendue."));
    EXPECT_EQ(form->orbit.PosX, startX);
    EXPECT_EQ(form->orbit.PosY, startY);
    EXPECT_EQ(form->NumX->Value(), 30000);
}

TEST_F(RunMapTest, ZoomInThenOutRestoresTheRangesExactly) {
    form->ZoomPlus->click();
    EXPECT_EQ(form->Chart1->BottomAxis().Minimum(), -25000.0);
    EXPECT_EQ(form->Chart1->LeftAxis().Maximum(), 25000.0);
    EXPECT_TRUE(form->Chart1->isVisible());
    form->ZoomMoins->click();
    form->ZoomMoins->click();
    EXPECT_EQ(form->Chart1->BottomAxis().Minimum(), -100000.0);
    EXPECT_EQ(form->Chart1->BottomAxis().Maximum(), 100000.0);
    form->ZoomPlus->click();
    for (const TChartAxis* a : {&form->Chart1->BottomAxis(), &form->Chart1->LeftAxis()}) {
        EXPECT_EQ(a->Minimum(), -50000.0);
        EXPECT_EQ(a->Maximum(), 50000.0);
    }
}

TEST_F(RunMapTest, ZoomWhileTheMemoIsShownBringsTheMapBackInFront) {
    form->CheckBoxMemo->setChecked(true);
    ASSERT_FALSE(form->Chart1->isVisible());
    form->ZoomPlus->click();
    EXPECT_TRUE(form->Chart1->isVisible());
    EXPECT_TRUE(form->CheckBoxMemo->isChecked());
    // The map lies above the memo: the map's top-left pixel is the map's.
    EXPECT_EQ(form->childAt(5, 5), form->Chart1);
}

// The silver of the disc at the image's pixel for map value (0, 0).
bool silverAtCentre(const QImage& image, QPoint centre) {
    return QColor(image.pixel(centre)) == QColor(0xC0, 0xC0, 0xC0);
}

TEST_F(RunMapTest, DiscFollowsTheRadiusOnScreenAndInTheClipboardBitmap) {
    form->Chart1->Repaint();
    const QImage screen = form->Chart1->ScreenImage();
    const QPoint c = centre();
    EXPECT_TRUE(silverAtCentre(screen, c));
    // 6380 km from the centre along X is the disc's edge: just inside is
    // silver, just outside is not.
    const int edge = form->Chart1->BottomAxis().CalcXPosValue(6380);
    EXPECT_EQ(QColor(screen.pixel(edge - 3, c.y())), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_NE(QColor(screen.pixel(edge + 3, c.y())), QColor(0xC0, 0xC0, 0xC0));
    {   // The disc's ink fills exactly its bounding corners (-R, R) and (R, -R),
        // the second one just outside, as a pixel rectangle's corner.
        const TChartAxis& h = form->Chart1->BottomAxis();
        const TChartAxis& v = form->Chart1->LeftAxis();
        const QRect corners(QPoint(h.CalcXPosValue(-6380), v.CalcYPosValue(6380)),
                            QPoint(h.CalcXPosValue(6380) - 1, v.CalcYPosValue(-6380) - 1));
        form->NumRayon->setValue(10);  // a disc too small to draw at this scale
        form->Chart1->Repaint();
        EXPECT_EQ(differingPixels(screen, form->Chart1->ScreenImage()), corners);
        form->NumRayon->setValue(6380);
        form->Chart1->Repaint();
    }

    form->Button2->click();
    const QImage copied = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(copied.isNull());
    EXPECT_EQ(copied.size(), form->Chart1->size());
    EXPECT_TRUE(silverAtCentre(copied, c));

    // A larger radius draws a larger disc at the next drawing.
    form->NumRayon->setValue(20000);
    form->Chart1->Repaint();
    EXPECT_EQ(QColor(form->Chart1->ScreenImage().pixel(edge + 3, c.y())), QColor(0xC0, 0xC0, 0xC0));
}

}  // namespace
}  // namespace gravitaria::testing
