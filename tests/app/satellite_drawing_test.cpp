// What the user sees of the main window's captions: every label's ink lies
// inside its box and no other control covers it, on every page; the flight
// clock shows every digit; the group boxes keep their children clear of
// their frame line.
#include <QDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "satellite_test_support.h"
#include "fonts.h"
#include "group_box.h"
#include "text_label.h"

namespace gravitaria::test {
namespace {

// The label's ink: the points of its own drawing that differ from its
// background, in the label's coordinates.
std::vector<QPoint> inkOf(QLabel* label) {
    const QImage image = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRgb background = label->palette().color(label->backgroundRole()).rgb() & 0xFFFFFF;
    std::vector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != background) ink.emplace_back(x, y);
    return ink;
}

// The sibling controls whose box holds one of the label's ink points.
QStringList coveringSiblings(QLabel* label) {
    QStringList names;
    const std::vector<QPoint> ink = inkOf(label);
    for (QObject* o : label->parentWidget()->children()) {
        auto* sibling = qobject_cast<QWidget*>(o);
        if (!sibling || sibling == label || !sibling->isVisible()) continue;
        for (const QPoint& p : ink) {
            if (sibling->geometry().contains(label->mapToParent(p))) {
                names << sibling->metaObject()->className() + QStringLiteral(" at ") +
                             QString::number(sibling->x()) + QLatin1Char(',') +
                             QString::number(sibling->y());
                break;
            }
        }
    }
    return names;
}

QString describe(const QLabel* label) {
    return label->text().left(30) + QStringLiteral(" @") + QString::number(label->x()) +
           QLatin1Char(',') + QString::number(label->y());
}

class DrawingTest : public SatelliteFormTest {
protected:
    void saveAll(const QString& tag) {
        const QString dir = QStringLiteral(QT_TESTCASE_BUILDDIR);
        for (int page = 0; page < form->PageControl1->count(); ++page) {
            form->PageControl1->setCurrentIndex(page);
            QCoreApplication::processEvents();
            form->grab().save(dir + QStringLiteral("/main-window-%1-page%2.png").arg(tag).arg(page));
        }
        form->PageControl1->setCurrentIndex(1);
    }
};

TEST_F(DrawingTest, NoCaptionIsCoveredByAnotherControlOnAnyPage) {
    showForm();
    saveAll(QStringLiteral("earth"));
    for (int preset : {0, 1}) {
        form->attracteur->setItemIndex(preset);
        for (int page = 0; page < form->PageControl1->count(); ++page) {
            form->PageControl1->setCurrentIndex(page);
            QCoreApplication::processEvents();
            for (QLabel* label : form->findChildren<QLabel*>()) {
                if (!label->isVisible() || label->text().isEmpty()) continue;
                EXPECT_EQ(coveringSiblings(label), QStringList()) << describe(label).toStdString();
            }
        }
    }
}

// Every single-line caption's text fits its box in the font it is drawn in.
TEST_F(DrawingTest, SingleLineCaptionsFitTheirBoxes) {
    showForm();
    for (int preset : {0, 1}) {
        form->attracteur->setItemIndex(preset);
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (label->text().isEmpty() || label->wordWrap() || !label->pixmap().isNull()) continue;
            auto* t = qobject_cast<TLabel*>(label);
            const QFontMetrics fm(t ? t->drawnFont() : label->font());
            EXPECT_LE(fm.horizontalAdvance(label->text()), label->width()) << describe(label).toStdString();
            if (label->property("gravitariaAutoSize").toBool()) {
                EXPECT_LE(t ? cellHeight(t->drawnFont()) : fm.height(), label->height())
                    << describe(label).toStdString();
            }
        }
    }
}

// The label's top is the top of the font's cell: Tahoma's capitals start
// three pixels below it at 11 px, as the layout's positions assume.
TEST_F(DrawingTest, CaptionInkStartsBelowTheCellsInternalLeading) {
    showForm();
    int top = 1000;
    for (const QPoint& p : inkOf(form->Label2)) top = std::min(top, p.y());
    EXPECT_EQ(top, cellAscent(form->Label2->font()) - QFontMetrics(form->Label2->font()).capHeight());
    EXPECT_EQ(form->Label2->height(), cellHeight(form->Label2->font()));
}

// The flight clock shows every digit: a text wider than the display is
// drawn right-aligned in the largest size of its face that fits, a text
// that fits (a Sun year) at the clock's own size.
TEST_F(DrawingTest, FlightClockNeverHidesADigit) {
    showForm();
    form->PageControl1->setCurrentWidget(form->TabSheet2);
    QLabel* clock = form->NumLabTempsDeVol;
    const auto inkColumns = [&] {
        const QImage image = clock->grab().toImage();
        int left = image.width(), right = -1;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0) {
                    left = std::min(left, x);
                    right = std::max(right, x);
                }
        return std::make_pair(left, right);
    };
    const QString year = QStringLiteral("31") + grp() + QStringLiteral("536") + grp() + QStringLiteral("000");
    clock->setText(year);
    EXPECT_GT(inkColumns().first, 0);
    const QString wide = QStringLiteral("31") + grp() + QStringLiteral("536") + grp() +
                         QStringLiteral("000") + grp() + QStringLiteral("000");
    clock->setText(wide);
    const QFont drawn = static_cast<TLabel*>(clock)->drawnFont();
    EXPECT_LT(drawn.pixelSize(), clock->font().pixelSize());
    EXPECT_LE(QFontMetrics(drawn).horizontalAdvance(wide), clock->width());
    QFont larger = drawn;
    larger.setPixelSize(drawn.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(larger).horizontalAdvance(wide), clock->width());  // the largest that fits
    const auto [left, right] = inkColumns();
    EXPECT_GT(left, 0);  // the leading digit is whole
    EXPECT_GE(right, clock->width() - 4);  // still right-aligned
    clock->grab().save(QStringLiteral(QT_TESTCASE_BUILDDIR) + QStringLiteral("/flight-clock-year.png"));

    clock->setText(year);
    EXPECT_EQ(static_cast<TLabel*>(clock)->drawnFont().pixelSize(), clock->font().pixelSize());
}

// Every group box's top line runs through its caption's middle, clear of
// its children, as in the layouts: nothing covers the line, the radio
// items sit below it and inside the box.
TEST_F(DrawingTest, GroupBoxFramesRunAboveTheirChildren) {
    showForm();
    saveAll(QStringLiteral("groups"));
    int boxes = 0;
    for (int page = 0; page < form->PageControl1->count(); ++page) {
        form->PageControl1->setCurrentIndex(page);
        QCoreApplication::processEvents();
        for (TGroupBox* box : form->findChildren<TGroupBox*>()) {
            if (!box->isVisible()) continue;
            ++boxes;
            const std::string name = box->title().toStdString();
            const int line = box->frameTop();
            EXPECT_LE(line, QFontMetrics(box->font()).height() / 2) << name;
            for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (child->isVisible()) {
                    EXPECT_GT(child->y(), line + 1) << name;
                }
            }
            // The line shows right of the caption, across the box.
            const QImage image = box->grab().toImage();
            const QRgb face = box->palette().color(box->backgroundRole()).rgb() & 0xFFFFFF;
            const int from = 8 + box->fontMetrics().horizontalAdvance(box->title()) + 4;
            int drawn = 0;
            for (int x = from; x < box->width() - 4; ++x)
                if ((image.pixel(x, line) & 0xFFFFFF) != face) ++drawn;
            EXPECT_GE(drawn, (box->width() - 4 - from) * 9 / 10) << name;
            if (auto* radio = qobject_cast<TRadioGroup*>(box)) {
                const int last = static_cast<int>(radio->items().size()) - 1;
                EXPECT_GT(radio->button(0)->y(), line + 1) << name;
                EXPECT_LE(radio->button(last)->geometry().bottom(), box->height() - 2) << name;
            }
        }
    }
    EXPECT_GE(boxes, 12);
}

}  // namespace
}  // namespace gravitaria::test
