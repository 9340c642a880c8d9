// The window's size limits, the resizing rules of its direct children, the
// square map, the first display, and pictures of the five pages.
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTabWidget>

#include "satellite_test_support.h"

namespace gravitaria::test {
namespace {

TEST_F(SatelliteFormTest, OuterSizeLimits) {
    EXPECT_EQ(form->outerSize(), QSize(800, 600));
    showForm();
    form->resize(100, 100);
    EXPECT_EQ(form->outerSize(), QSize(800, 600));
    form->resize(5000, 5000);
    EXPECT_EQ(form->outerSize(), QSize(1024, 768));
    form->showMaximized();
    QCoreApplication::processEvents();
    EXPECT_LE(form->outerSize().width(), 1024);
    EXPECT_LE(form->outerSize().height(), 768);
}

TEST_F(SatelliteFormTest, ChildrenFollowTheirEdgesAndTheMapStaysSquare) {
    showForm();
    // The map is the smaller of (outer width - 332 - 36) and (outer height -
    // 120 - 42), the outer size being the one the window system reports: the
    // client size here, where no frame is drawn.
    const auto expectedSide = [this] {
        const QSize outer = form->reportedOuterSize();
        return std::min(outer.width() - 332 - 36, outer.height() - 120 - 42);
    };
    EXPECT_EQ(form->reportedOuterSize(), form->frameGeometry().size());
    EXPECT_EQ(form->Chart1->geometry(), QRect(0, 0, expectedSide(), expectedSide()));
    struct Case {
        int dx, dy;
    };
    const Case cases[] = {{100, 0}, {0, 80}, {150, 120}, {224, 168}, {0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.dx) + "," + std::to_string(c.dy));
        form->resize(784 + c.dx, 564 + c.dy);
        EXPECT_EQ(form->Actions->geometry(), QRect(219 + c.dx, 440 + c.dy, 216, 120));
        EXPECT_EQ(form->Conditions->geometry(), QRect(441 + c.dx, 440 + c.dy, 335, 120));
        EXPECT_EQ(form->PageControl1->geometry(), QRect(441 + c.dx, 3, 340, 422));
        EXPECT_EQ(form->GroupBox5->geometry(), QRect(8, 440 + c.dy, 205 + c.dx, 120));
        EXPECT_EQ(form->Memo1->pos(), QPoint(0, 0));
        EXPECT_EQ(form->Memo1->width(), 785);
        EXPECT_EQ(form->Chart1->geometry(), QRect(0, 0, expectedSide(), expectedSide()));
    }
}

TEST_F(SatelliteFormTest, FirstDisplayIsCentredWithTheFocusInTheXField) {
    showForm();
    EXPECT_EQ(QApplication::focusWidget(), form->NumX);
    const QRect screen = form->screen()->availableGeometry();
    const QPoint centre = form->frameGeometry().center();
    EXPECT_LE(std::abs(centre.x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(centre.y() - screen.center().y()), 1);
    EXPECT_TRUE(form->Chart1->isVisible());
    EXPECT_FALSE(form->Memo1->isVisible());
    EXPECT_EQ(form->PageControl1->currentWidget(), form->TabSheet2);
}

TEST_F(SatelliteFormTest, MemoCoversTheNotebookAndTheMapCoversTheMemo) {
    showForm();
    QTest::mouseClick(form->CheckBoxMemo, Qt::LeftButton, {},
                      QPoint(form->CheckBoxMemo->width() - 8, 8));
    ASSERT_TRUE(form->CheckBoxMemo->isChecked());
    EXPECT_TRUE(form->Memo1->isVisible());
    EXPECT_FALSE(form->Chart1->isVisible());
    EXPECT_EQ(form->Memo1->height(), 433);
    // The memo is above the notebook: the notebook's centre shows the memo.
    const QPoint notebookCentre = form->PageControl1->geometry().center();
    QWidget* top = form->childAt(notebookCentre);
    EXPECT_TRUE(top == form->Memo1 || form->Memo1->isAncestorOf(top));
    QTest::mouseClick(form->CheckBoxMemo, Qt::LeftButton, {},
                      QPoint(form->CheckBoxMemo->width() - 8, 8));
    EXPECT_TRUE(form->Chart1->isVisible());
    EXPECT_FALSE(form->Memo1->isVisible());
    QWidget* onMap = form->childAt(QPoint(100, 100));
    EXPECT_TRUE(onMap == form->Chart1 || form->Chart1->isAncestorOf(onMap));
}

TEST_F(SatelliteFormTest, SelfSizingLabelsFollowTheirText) {
    showForm();
    QLabel* readout = form->RpositionEnCours;
    readout->setText(QStringLiteral("R = 12 345 678 km / h = 12 339 298 km"));
    QCoreApplication::processEvents();
    EXPECT_EQ(readout->pos(), QPoint(7, 88));
    EXPECT_GE(readout->width(), readout->fontMetrics().horizontalAdvance(readout->text()));
    // The planned flight time grows to the left of its fixed right edge.
    clickItem(form->RadioGroup1, 3);
    EXPECT_EQ(form->TempsDeVol->geometry().right() + 1, 301);
    EXPECT_GE(form->TempsDeVol->width(),
              form->TempsDeVol->fontMetrics().horizontalAdvance(form->TempsDeVol->text()));
}

// Pictures of the window on each page, for the eye: written under /tmp.
TEST_F(SatelliteFormTest, RendersEveryPage) {
    showForm();
    const QString dir = QDir::tempPath() + QStringLiteral("/gravitaria-window");
    QDir().mkpath(dir);
    for (int page = 0; page < form->PageControl1->count(); ++page) {
        form->PageControl1->setCurrentIndex(page);
        QCoreApplication::processEvents();
        const QImage image = form->grab().toImage();
        EXPECT_EQ(image.size(), QSize(784, 564) * image.devicePixelRatio());
        EXPECT_TRUE(image.save(dir + QStringLiteral("/page-%1.png").arg(page)));
    }
}

}  // namespace
}  // namespace gravitaria::test
