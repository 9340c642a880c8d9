// Thousands of random clicks, key presses, pastes and focus changes on the
// three windows, in-process and offscreen, with message boxes answered by
// the recording platform, no drawing delay and short flights. Nothing may
// crash (the sanitizer build watches memory), hang, or let an error past the
// top-level report. GRAVITARIA_RANDOM_SEED and GRAVITARIA_RANDOM_ACTIONS
// override the seed and the number of actions.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <random>

#include "error_report.h"
#include "satellite_form.h"
#include "spin_edit.h"
#include "splash_form.h"
#include "program_test_support.h"
#include "track_bar.h"
#include "wiki_form.h"

namespace gravitaria {
namespace {

class RandomUser {
public:
    explicit RandomUser(unsigned seed) : rng_(seed) {}

    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    QWidget* visibleWindow() {
        std::vector<QWidget*> shown;
        for (QWidget* w : {static_cast<QWidget*>(SplashForm), static_cast<QWidget*>(SatelliteForm),
                           static_cast<QWidget*>(WikiForm)})
            if (w->isVisible()) shown.push_back(w);
        return shown.empty() ? nullptr : shown[static_cast<std::size_t>(pick(static_cast<int>(shown.size())))];
    }

    // Half of the clicks aim at a control (a button, a field, a tab...), the
    // others fall anywhere in the window.
    void click(QWidget* window) {
        QWidget* target = nullptr;
        QPoint local;
        std::vector<QWidget*> controls;
        if (pick(2) == 0) {
            for (QWidget* c : window->findChildren<QWidget*>())
                if (c->isVisible() && c->isEnabled() && c->width() > 0 && c->height() > 0) controls.push_back(c);
        }
        if (!controls.empty()) {
            target = controls[static_cast<std::size_t>(pick(static_cast<int>(controls.size())))];
            local = QPoint(pick(target->width()), pick(target->height()));
        } else {
            const QPoint at(pick(window->width()), pick(window->height()));
            target = window->childAt(at);
            if (!target) target = window;
            local = target->mapFrom(window, at);
        }
        const Qt::MouseButton button = pick(8) == 0 ? Qt::RightButton : Qt::LeftButton;
        if (pick(6) == 0)
            QTest::mouseDClick(target, button, {}, local);
        else
            QTest::mouseClick(target, button, {}, local);
    }

    void key(QWidget* window) {
        static const Qt::Key keys[] = {Qt::Key_0, Qt::Key_1, Qt::Key_5, Qt::Key_9, Qt::Key_Minus,
                                       Qt::Key_Comma, Qt::Key_Period, Qt::Key_E, Qt::Key_A,
                                       Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space, Qt::Key_Tab,
                                       Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Up, Qt::Key_Down,
                                       Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End,
                                       Qt::Key_Escape, Qt::Key_PageUp, Qt::Key_PageDown};
        Qt::KeyboardModifiers modifiers;
        const int m = pick(10);
        if (m == 0) modifiers = Qt::ShiftModifier;
        if (m == 1) modifiers = Qt::ControlModifier;
        const Qt::Key k = keys[pick(static_cast<int>(std::size(keys)))];
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != window) target = window;
        QTest::keyClick(target, k, modifiers);
    }

    void paste(QWidget* window) {
        static const char* texts[] = {"12", "-7", "0", "3,5", "3.5", "1e5", "99999999999", "abc", "",
                                      "  4 ", "-", ",", "2147483648", "-2147483649", "1\t2\n3", "é€"};
        QApplication::clipboard()->setText(QString::fromUtf8(texts[pick(static_cast<int>(std::size(texts)))]));
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != window) return;
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
    }

    void focus(QWidget* window) {
        const QList<QWidget*> children = window->findChildren<QWidget*>();
        std::vector<QWidget*> focusable;
        for (QWidget* c : children)
            if (c->isVisible() && c->isEnabled() && c->focusPolicy() != Qt::NoFocus) focusable.push_back(c);
        if (focusable.empty()) return;
        focusable[static_cast<std::size_t>(pick(static_cast<int>(focusable.size())))]->setFocus(Qt::TabFocusReason);
    }

private:
    std::mt19937 rng_;
};

unsigned seedFromEnvironment() {
    bool ok = false;
    const unsigned seed = qEnvironmentVariable("GRAVITARIA_RANDOM_SEED").toUInt(&ok);
    return ok ? seed : 20261210u;
}

int actionsFromEnvironment() {
    bool ok = false;
    const int n = qEnvironmentVariable("GRAVITARIA_RANDOM_ACTIONS").toInt(&ok);
    return ok && n > 0 ? n : 3000;
}

// Keeps the flights short and undelayed, whatever the random user did.
void keepFlightsShort() {
    runHandler([] {
        if (SatelliteForm->TrackTemporisation->position() != 0) SatelliteForm->TrackTemporisation->setPosition(0);
        if (SatelliteForm->NumNombrePoints->text().toInt() > 200) SatelliteForm->NumNombrePoints->setValue(100);
    });
}

TEST(ProgramRandomUse, NoCrashNoHangNoErrorPastTheReport) {
    const unsigned seed = seedFromEnvironment();
    const int actions = actionsFromEnvironment();
    SCOPED_TRACE(::testing::Message() << "seed " << seed);
    ScopedRecordingPlatform platform;
    ProgramWindows windows;
    windows.start();
    keepFlightsShort();
    RandomUser user(seed);

    QElapsedTimer clock;
    qint64 slowest = 0;
    for (int n = 0; n < actions; ++n) {
        QWidget* window = user.visibleWindow();
        if (!window) {
            windows.start();   // everything was closed: start again
            continue;
        }
        clock.start();
        switch (user.pick(12)) {
        case 0: case 1: case 2: case 3: user.click(window); break;
        case 4: case 5: case 6: user.key(window); break;
        case 7: user.paste(window); break;
        case 8: user.focus(window); break;
        case 9: QApplication::processEvents(); break;
        case 10:
            // Another page of the notebook, as a click on its tab would.
            if (SatelliteForm->isVisible()) SatelliteForm->PageControl1->setCurrentIndex(user.pick(5));
            break;
        case 11:
            // Now and then a close box. No event loop runs here, so ending
            // the program only takes the windows down; they are started again.
            if (user.pick(20) == 0) window->close();
            break;
        }
        slowest = std::max(slowest, clock.elapsed());
        ASSERT_LT(clock.elapsed(), 20000) << "action " << n << " took too long";
        keepFlightsShort();
    }
    QApplication::processEvents();
    RecordProperty("slowest_action_ms", static_cast<int>(slowest));
    RecordProperty("message_boxes", static_cast<int>(platform.boxes.size()));
    for (const RecordingPlatform::Box& box : platform.boxes) {
        if (box.icon != MessageIcon::Stop) continue;
        EXPECT_EQ(box.caption, QStringLiteral("Gravitaria"));
        EXPECT_FALSE(box.text.isEmpty());
        EXPECT_NE(box.text, QStringLiteral("Exception inconnue."));
    }
}

}  // namespace
}  // namespace gravitaria

int main(int argc, char** argv) {
    gravitaria::TApplication app(argc, argv);
    gravitaria::configureApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
