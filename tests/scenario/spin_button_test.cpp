// The spin field's arrow buttons: geometry with and without the 3-D border,
// the glyphs, click on release, auto-repeat, focus, and the height rule.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTest>

#include "field_test_support.h"
#include "spin_button.h"
#include "spin_edit.h"

using namespace gravitaria;
using namespace gravitaria::test;

namespace {

class SpinButtonTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(win.active); }
    TSpinEdit* f() { return win.field; }
    TTimerSpeedButton* up() { return f()->Button()->UpButton(); }
    TTimerSpeedButton* down() { return f()->Button()->DownButton(); }
    // Where a pair placed at `local` (client coordinates) lands in the field.
    QRect inField(const QRect& local) { return local.translated(f()->ClientRect().topLeft()); }

    ScopedRecordingPlatform rec;
    FieldWindow<TSpinEdit> win;
};

}  // namespace

TEST_F(SpinButtonTest, GeometryWithAndWithoutTheBorder) {
    for (const QSize size : {QSize(112, 28), QSize(37, 22), QSize(105, 29), QSize(76, 40)}) {
        SCOPED_TRACE(std::to_string(size.width()) + "x" + std::to_string(size.height()));
        for (const bool frame : {true, false}) {
            f()->setFrame(frame);
            f()->resize(size);
            const int w = f()->width(), h = f()->height();   // h may be raised
            EXPECT_EQ(w, size.width());
            TSpinButton* pair = f()->Button();
            EXPECT_EQ(pair->width(), 15);
            if (frame) {
                EXPECT_EQ(f()->ClientRect(), QRect(2, 2, w - 4, h - 4));
                EXPECT_EQ(pair->geometry(), inField(QRect(w - 15 - 5, 0, 15, h - 5)));
            } else {
                EXPECT_EQ(f()->ClientRect(), QRect(0, 0, w, h));
                EXPECT_EQ(pair->geometry(), QRect(w - 15, 1, 15, h - 3));
            }
            const int ph = pair->height();
            EXPECT_EQ(up()->geometry(), QRect(0, 0, 15, ph / 2));
            EXPECT_EQ(down()->geometry(), QRect(0, ph / 2 - 1, 15, ph - ph / 2 + 1));
            EXPECT_EQ(up()->geometry().intersected(down()->geometry()).height(), 1);
            // The text area stops 2 pixels left of the buttons.
            const QRect client = f()->ClientRect();
            EXPECT_EQ(f()->TextArea().right() + 1, client.left() + client.width() - 15 - 2);
        }
    }
    f()->Button()->resize(9, 20);              // never narrower than 15
    EXPECT_EQ(f()->Button()->width(), 15);
}

TEST_F(SpinButtonTest, HeightNeverBelowTheFontRule) {
    const int fh = QFontMetrics(f()->font()).height();
    const int sys = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    const int expected = fh + std::min(fh, sys) / 4 + 4 + 2;
    EXPECT_EQ(f()->MinHeight(), expected);
    f()->resize(100, 5);
    EXPECT_EQ(f()->height(), expected);
    f()->resize(100, expected + 7);
    EXPECT_EQ(f()->height(), expected + 7);
    QFont big = f()->font();
    big.setPixelSize(40);
    f()->setFont(big);
    EXPECT_GE(f()->height(), QFontMetrics(big).height() + 4 + 2);
    EXPECT_EQ(f()->height(), f()->MinHeight());
}

TEST(SpinButtonGlyphs, NineBySixWithASevenByFourBlackTriangle) {
    for (const bool isUp : {true, false}) {
        const QImage g = isUp ? TSpinButton::UpGlyph() : TSpinButton::DownGlyph();
        ASSERT_EQ(g.size(), QSize(9, 6));
        int black = 0, rowsUsed = 0, widest = 0, widestRow = -1, tipRow = -1;
        for (int y = 0; y < 6; ++y) {
            int inRow = 0;
            for (int x = 0; x < 9; ++x) {
                const QColor c = g.pixelColor(x, y);
                if (c.alpha() == 0)
                    continue;
                EXPECT_EQ(c, QColor(Qt::black));
                ++inRow;
            }
            black += inRow;
            if (inRow > 0)
                ++rowsUsed;
            if (inRow > widest) {
                widest = inRow;
                widestRow = y;
            }
            if (inRow == 1)
                tipRow = y;
        }
        EXPECT_EQ(black, 1 + 3 + 5 + 7);
        EXPECT_EQ(rowsUsed, 4);
        EXPECT_EQ(widest, 7);
        EXPECT_EQ(isUp, tipRow < widestRow);   // points up or down
    }
}

TEST_F(SpinButtonTest, ClickStepsOnReleaseOverTheButtonAndFocusesTheText) {
    f()->setIncrement(100);
    f()->setText("0");
    int clicks = 0;
    f()->OnClick = [&](QObject*) { ++clicks; };
    const QPoint c = up()->rect().center();
    QTest::mousePress(up(), Qt::LeftButton, Qt::NoModifier, c);
    EXPECT_EQ(f()->text(), "0");               // nothing yet
    EXPECT_TRUE(f()->hasFocus());              // the press gives the focus to the text
    EXPECT_EQ(f()->selectedText(), "0");
    QTest::mouseRelease(up(), Qt::LeftButton, Qt::NoModifier, c);
    EXPECT_EQ(f()->text(), "100");
    QTest::mouseClick(down(), Qt::LeftButton, Qt::NoModifier, down()->rect().center());
    QTest::mouseClick(down(), Qt::LeftButton, Qt::NoModifier, down()->rect().center());
    EXPECT_EQ(f()->text(), "-100");
    EXPECT_EQ(clicks, 0);                      // OnClick is for the text area only

    // Released away from the button: no step.
    QTest::mousePress(up(), Qt::LeftButton, Qt::NoModifier, c);
    QTest::mouseMove(up(), QPoint(-30, c.y()));
    EXPECT_FALSE(up()->isDown());
    QTest::mouseRelease(up(), Qt::LeftButton, Qt::NoModifier, QPoint(-30, c.y()));
    EXPECT_EQ(f()->text(), "-100");
    // A right click does nothing.
    QTest::mouseClick(up(), Qt::RightButton, Qt::NoModifier, c);
    EXPECT_EQ(f()->text(), "-100");
}

TEST_F(SpinButtonTest, HoldingRepeatsAfter400msThenEvery100ms) {
    f()->setText("0");
    const QPoint c = up()->rect().center();
    QTest::mousePress(up(), Qt::LeftButton, Qt::NoModifier, c);
    EXPECT_TRUE(up()->repeatTimer().isActive());
    EXPECT_EQ(up()->repeatTimer().interval(), 400);
    QTest::qWait(300);
    EXPECT_EQ(f()->text(), "0");               // a timer never fires early
    EXPECT_TRUE(waitUntil([&] { return f()->text() == "1"; }, 2000));
    EXPECT_EQ(up()->repeatTimer().interval(), 100);
    EXPECT_TRUE(waitUntil([&] { return f()->Value() >= 3; }, 2000));
    // Dragged off the button the repeat waits; back over it, it goes on.
    QTest::mouseMove(up(), QPoint(c.x(), 200));
    const int held = f()->Value();
    QTest::qWait(350);
    EXPECT_EQ(f()->Value(), held);
    QTest::mouseMove(up(), c);
    EXPECT_TRUE(waitUntil([&] { return f()->Value() > held; }, 2000));
    QTest::mouseRelease(up(), Qt::LeftButton, Qt::NoModifier, c);
    const int released = f()->Value();
    EXPECT_FALSE(up()->repeatTimer().isActive());
    QTest::qWait(250);
    EXPECT_EQ(f()->Value(), released);         // the release stepped once and stopped
    EXPECT_GE(released, held + 2);
}

TEST_F(SpinButtonTest, ReadOnlyButtonsBeep) {
    f()->setText("5");
    f()->setReadOnly(true);
    QTest::mouseClick(up(), Qt::LeftButton, Qt::NoModifier, up()->rect().center());
    EXPECT_EQ(f()->text(), "5");
    EXPECT_EQ(rec.beeps, 1);
}
