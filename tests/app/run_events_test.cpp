// A flight through the main window keeps the window answering: the toolkit
// is serviced between samples and in slices of the delay, input reaches no
// control, no timer of the program fires, a close is held until the run
// ends, Escape stops the flight after the current sample. The results stay
// those of the headless flight.
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include "headless_flight.h"
#include "locale_separators.h"
#include "run_window_support.h"
#include "spin_edit.h"
#include "track_bar.h"

namespace gravitaria::testing {
namespace {

constexpr int kPositions = 1000;
constexpr int kHeaderLines = 11;

// The control with the keyboard focus (the first start field when the
// offscreen window has none).
QWidget* focused(TSatelliteForm& f) {
    return QApplication::focusWidget() ? QApplication::focusWidget() : f.NumX;
}

// Posts a key press and its release to `w`, as the window system would.
void postKey(QWidget* w, int key, const QString& text = QString()) {
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QCoreApplication::postEvent(w, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
}

// Posts a left click in the middle of `w`.
void postClick(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    const QPointF global = w->mapToGlobal(at);
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton,
                                                   Qt::LeftButton, Qt::NoModifier));
    QCoreApplication::postEvent(w, new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton,
                                                   Qt::NoButton, Qt::NoModifier));
}

// Counts the events it receives.
class Receiver : public QObject {
public:
    int received = 0;
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++received;
            return true;
        }
        return QObject::event(e);
    }
};

class RunEventsTest : public RunWindowTest {
protected:
    void SetUp() override {
        RunWindowTest::SetUp();
        // A near-circular orbit at 42 000 km: no impact in 1000 positions.
        form->NumX->setValue(42000);
        form->NumY->setValue(0);
        form->NumVox->setValue(0);
        form->NumVoy->setValue(3087);
        form->NumNombrePoints->setValue(kPositions);
        form->TrackTemporisation->setPosition(50);
    }

    // The memo the same flight gives without a window.
    QStringList headlessMemo() const {
        HeadlessFlight flight(systemSeparators());
        flight.run(form->orbit.AttractorMass, 42000, 0, {200, kPositions, 0, 3087, 6380});
        QStringList out;
        for (const std::string& l : flight.memoLines()) out << QString::fromStdString(l);
        return out;
    }

    void run() { form->ButtonEulerClick(form->ButtonEuler); }
};

TEST_F(RunEventsTest, TheDelayIsWaitedInSlicesWithTheToolkitServicedAfterEach) {
    Receiver receiver;
    std::vector<int> deliveredAtSleep;
    recorder.onSleep = [&](int) {
        deliveredAtSleep.push_back(receiver.received);
        QCoreApplication::postEvent(&receiver, new QEvent(QEvent::User));
    };
    run();
    // 1001 samples of 50 ms, each in five slices of 10 ms.
    EXPECT_EQ(recorder.sleeps, std::vector<int>(5 * (kPositions + 1), 10));
    // What was posted during one slice is handled before the next one.
    for (std::size_t i = 0; i < deliveredAtSleep.size(); ++i)
        ASSERT_EQ(deliveredAtSleep[i], static_cast<int>(i)) << "slice " << i;
}

TEST_F(RunEventsTest, InputDuringARunReachesNoControlAndResultsStayTheSame) {
    const QString numY = form->NumY->text();
    int clicksOnClear = 0;
    QObject::connect(form->ButtonEffacer, &QPushButton::clicked, [&] { ++clicksOnClear; });
    int slice = 0;
    recorder.onSleep = [&](int) {
        if (++slice % 97 != 0) return;
        postKey(form->NumY, Qt::Key_7, QStringLiteral("7"));
        postKey(focused(*form), Qt::Key_Return);  // would launch a run
        postClick(form->ButtonEffacer);
        postClick(form->NumX);
        postClick(form->Chart1);  // would place the start point
        QCoreApplication::postEvent(form->NumX, new QWheelEvent(QPointF(5, 5), QPointF(5, 5), QPoint(),
                                                                QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                                                                Qt::NoScrollPhase, false));
    };
    run();
    recorder.onSleep = nullptr;
    QCoreApplication::processEvents();  // nothing held back arrives later either

    EXPECT_EQ(clicksOnClear, 0);
    EXPECT_EQ(form->NumY->text(), numY);
    EXPECT_EQ(form->NumX->Value(), 42000);
    EXPECT_EQ(memoLines(), headlessMemo());
    // The trail: the two start points of the window's creation, the run's
    // start, then every sample.
    ASSERT_EQ(form->Series2->Count(), 2 + 1 + kPositions + 1);
    EXPECT_EQ(form->Series3->Count(), kPositions + 1);
    EXPECT_EQ(recorder.sleeps.size(), static_cast<std::size_t>(5 * (kPositions + 1)));
}

TEST_F(RunEventsTest, EscapeStopsTheFlightAfterTheCurrentSample) {
    std::size_t escapeAt = 0;
    recorder.onSleep = [&](int) {
        // About one second into the flight: 20 samples of five slices.
        if (recorder.sleeps.size() == 103) {
            postKey(focused(*form), Qt::Key_Escape);
            escapeAt = recorder.sleeps.size();
        }
    };
    run();
    recorder.onSleep = nullptr;
    ASSERT_GT(escapeAt, 0u);
    // The wait stops at once: at most 100 ms more of slices.
    EXPECT_LE(recorder.sleeps.size() - escapeAt, 10u);

    // Sample 20 (in its delay when Escape came) is the last one: its line,
    // then the interruption line with the clock's text.
    const QStringList lines = memoLines();
    const QStringList full = headlessMemo();
    ASSERT_EQ(lines.size(), kHeaderLines + 21 + 1);
    for (int i = 0; i < kHeaderLines + 21; ++i) EXPECT_EQ(lines[i], full[i]) << "line " << i;
    EXPECT_EQ(form->NumLabTempsDeVol->text(), grouped("4", "000"));
    EXPECT_EQ(lines.last(), QStringLiteral("Vol interrompu (touche Échap) à t = ") +
                                form->NumLabTempsDeVol->text() + QStringLiteral(" s"));
    // No collision signs; the marker on the last sample; caret at the start.
    EXPECT_FALSE(form->CheckImpact->isChecked());
    EXPECT_EQ(form->NumLabTempsDeVol->palette().color(QPalette::WindowText), QColor(0xFF, 0xFF, 0x00));
    const int last = form->Series1->Count() - 1;
    EXPECT_EQ(form->Series1->XValues()[last], static_cast<double>(form->orbit.TabX[20] / 1000));
    EXPECT_EQ(form->Series1->YValues()[last], static_cast<double>(form->orbit.TabY[20] / 1000));
    EXPECT_EQ(form->Series3->Count(), 21);
    EXPECT_EQ(form->Memo1->textCursor().position(), 0);
    EXPECT_EQ(form->orbit.PosX, 42000.0L);  // NumXChange ran

    // A second flight afterwards is a whole one.
    recorder.sleeps.clear();
    run();
    EXPECT_EQ(memoLines(), full);
    EXPECT_EQ(recorder.sleeps.size(), static_cast<std::size_t>(5 * (kPositions + 1)));
}

TEST_F(RunEventsTest, CloseIsHeldUntilTheRunHasEnded) {
    int slice = 0;
    bool visibleDuringRun = true;
    recorder.onSleep = [&](int) {
        ++slice;
        if (slice == 50) {
            // From the window system (close box, Alt+F4), and by code.
            QCoreApplication::postEvent(form->windowHandle(), new QCloseEvent);
            form->close();
        }
        if (slice > 50) visibleDuringRun = visibleDuringRun && form->isVisible();
    };
    run();
    recorder.onSleep = nullptr;
    EXPECT_TRUE(visibleDuringRun);
    EXPECT_EQ(memoLines().size(), kHeaderLines + kPositions + 1) << "the run went to its end";
    EXPECT_TRUE(form->isVisible()) << "nothing closes inside the handler that ran the flight";
    QCoreApplication::processEvents();
    EXPECT_FALSE(form->isVisible()) << "the close was carried out after the run";
}

TEST_F(RunEventsTest, NoTimerOfTheProgramFiresIntoARun) {
    QTimer timer;
    timer.setInterval(1);
    int fired = 0;
    int firedDuringRun = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++fired; });
    timer.start();
    QTimer::singleShot(1, [&] { ++fired; });
    recorder.onSleep = [&](int) {
        QThread::msleep(1);  // the timers are due
        firedDuringRun = fired;
    };
    run();
    recorder.onSleep = nullptr;
    EXPECT_EQ(firedDuringRun, 0);
    QTest::qWait(20);
    EXPECT_GE(fired, 2) << "the held timers fire once the run is over";
}

}  // namespace
}  // namespace gravitaria::testing
