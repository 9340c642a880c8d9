// The window's small controls and the top-level error report.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QMouseEvent>
#include <QToolTip>

#include "error_report.h"
#include "fonts.h"
#include "errors.h"
#include "radio_group.h"
#include "recording_platform.h"
#include "satellite_test_support.h"
#include "track_bar.h"

namespace gravitaria::test {
namespace {

TEST(RadioGroup, ClickedOnlyWhenTheSelectionChanges) {
    testApplication();
    TRadioGroup group(QStringLiteral("Choix"), {QStringLiteral("a"), QStringLiteral("b"),
                                               QStringLiteral("c")});
    QSignalSpy spy(&group, &TRadioGroup::clicked);
    int seenIndex = -2;
    QObject::connect(&group, &TRadioGroup::clicked, [&] { seenIndex = group.itemIndex(); });
    group.setItemIndex(1);
    EXPECT_EQ(spy.count(), 1);
    EXPECT_EQ(seenIndex, 1);   // the new index is in force when the handler runs
    group.setItemIndex(1);
    EXPECT_EQ(spy.count(), 1);
    group.resize(200, 100);
    group.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&group));
    QTest::mouseClick(group.button(1), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(spy.count(), 1);
    QTest::mouseClick(group.button(2), Qt::LeftButton, {}, QPoint(6, 6));
    EXPECT_EQ(spy.count(), 2);
    EXPECT_EQ(group.itemIndex(), 2);
    group.setItemIndex(-1);
    EXPECT_EQ(group.itemIndex(), -1);
    EXPECT_FALSE(group.button(2)->isChecked());
    EXPECT_EQ(spy.count(), 2);
    group.setItemIndex(0);
    EXPECT_EQ(spy.count(), 3);
    group.setItemIndex(9);
    EXPECT_EQ(group.itemIndex(), 2);
    EXPECT_EQ(spy.count(), 4);
    group.setItemIndex(-5);
    EXPECT_EQ(group.itemIndex(), -1);
}

TEST(Fonts, TahomaWhenTheSystemHasIt) {
    testApplication();
    const QFont font = tahomaFont(15, true);
    EXPECT_EQ(font.pixelSize(), 15);
    EXPECT_TRUE(font.bold());
    if (QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"))) {
        EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Tahoma"));
    } else {
        EXPECT_FALSE(QFontInfo(font).family().isEmpty());
    }
}

// Dark pixels of a text drawn in black on white.
int inkOf(const QFont& font, const QString& text) {
    QImage image(800, 200, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(10, 150, text);
    painter.end();
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++ink;
    return ink;
}

TEST(Fonts, BoldTextReadsAsBoldAtEverySize) {
    testApplication();
    const QString text = QStringLiteral("Gravitaria");
    for (int pixels : {11, 13, 15, 32, 43, 72}) {
        SCOPED_TRACE(pixels);
        const QFont bold = tahomaFont(pixels, true);
        EXPECT_LE(bold.pixelSize(), pixels);
        const QFont regular = tahomaFont(bold.pixelSize(), false);
        EXPECT_GT(inkOf(bold, text), inkOf(regular, text) * 6 / 5);
    }
}

TEST(TrackBar, ShowsItsPositionWhileDragged) {
    testApplication();
    TTrackBar bar(0, 50, 5);
    bar.resize(281, 40);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    // Press on the thumb, drag it to the right: the tip follows the position.
    const QPoint thumb(bar.mapFromGlobal(bar.positionTipPlace()).x(), bar.height() / 2);
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb);
    QMouseEvent move(QEvent::MouseMove, QPointF(200, thumb.y()), bar.mapToGlobal(QPointF(200, thumb.y())),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&bar, &move);
    EXPECT_GT(bar.position(), 20);
    EXPECT_LT(bar.position(), 50);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), QString::number(bar.position()));
    // Below the thumb.
    EXPECT_GT(bar.mapFromGlobal(bar.positionTipPlace()).y(), thumb.y());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, QPoint(200, thumb.y()));
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(ErrorReport, FullStopAddedAboveTheFullStopOnly) {
    EXPECT_EQ(reportText(QStringLiteral("Débordement d'entier")),
              QStringLiteral("Débordement d'entier."));
    EXPECT_EQ(reportText(QStringLiteral("Fini.")), QStringLiteral("Fini."));
    EXPECT_EQ(reportText(QStringLiteral("valeur !")), QStringLiteral("valeur !"));  // '!' < '.'
    EXPECT_EQ(reportText(QStringLiteral("x/")), QStringLiteral("x/."));            // '/' > '.'
    EXPECT_EQ(reportText(QStringLiteral("a-")), QStringLiteral("a-"));             // '-' < '.'
    EXPECT_EQ(reportText(QString()), QString());
}

TEST(ErrorReport, OneBoxForAnErrorEndingTheHandlerAndItsCaller) {
    ScopedRecordingPlatform platform;
    std::vector<int> steps;
    runHandler([&] {
        steps.push_back(1);
        // A nested handler (raised by a change made here) fails...
        runHandler([&] {
            steps.push_back(2);
            throw ZeroDivideError();
        });
        steps.push_back(3);
        rethrowPending();   // ...and ends this one right after the change.
        steps.push_back(4);
    });
    EXPECT_EQ(steps, (std::vector<int>{1, 2, 3}));
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Division par zéro en virgule flottante."));
    EXPECT_EQ(platform.boxes[0].caption, QStringLiteral("Gravitaria"));
    EXPECT_EQ(platform.boxes[0].icon, MessageIcon::Stop);
    EXPECT_FALSE(inHandler());

    // A nested error no outer code rethrew is still reported, once.
    runHandler([&] { runHandler([] { throw RangeError(); }); });
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, QStringLiteral("Erreur de vérification d'étendue."));
    runHandler([] {});
    EXPECT_EQ(platform.boxes.size(), 2u);
}

TEST(ErrorReport, ApplicationReportsErrorsEscapingAnEvent) {
    testApplication();
    ScopedRecordingPlatform platform;
    // The tests run under the program's TApplication.
    ASSERT_NE(qobject_cast<TApplication*>(QCoreApplication::instance()), nullptr);
    class Thrower : public QObject {
    public:
        bool event(QEvent* e) override {
            if (e->type() == QEvent::User) throw IntOverflowError();
            return QObject::event(e);
        }
    } thrower;
    QEvent event(QEvent::User);
    bool delivered = true;
    try {
        delivered = QCoreApplication::sendEvent(&thrower, &event);
    } catch (...) {
        ADD_FAILURE() << "the error escaped the event dispatch";
    }
    EXPECT_FALSE(delivered);
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, QStringLiteral("Débordement d'entier."));
}

}  // namespace
}  // namespace gravitaria::test
