// The real program on an X display (GRAVITARIA_XVFB_DISPLAY, set by
// tools/test-all.sh; skipped without it), driven with xdotool through the X
// server as a user's keyboard would: the start window comes up alone,
// Return (or Alt+S) opens the main window, Return there launches the Earth
// run, and Alt+Q ends the program with exit code 0. During a slow run the
// window answers the window manager's ping, takes no typing or click,
// stops on Escape, and holds a close until the run is over. A picture of
// each window is kept in the test's build folder (program-xvfb-*.png).
// On scaled screens (QT_SCALE_FACTOR 1.25, 1.5, 2) both windows keep their
// layout: every region of ink of the 1.0 picture is found at its scaled
// place (program-xvfb-scaled-*.png).
// GRAVITARIA_PROGRAM_UNDER_TEST names another binary to drive instead of the
// build tree's, such as the one a package installed in /usr/bin.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <xcb/xcb.h>

#include "ink_compare.h"

namespace {

const QString kStartTitle = QStringLiteral("Simulation du mouvement des satellites");
const QString kMainTitle = QStringLiteral("Simulateur du mouvement des satellites - Attracteur en cours : Terre");

// xdotool matches titles with POSIX extended expressions.
QString escapedForEre(const QString& text) {
    QString out;
    for (QChar c : text) {
        if (QStringLiteral(".[]()*+?{}|^$\\").contains(c)) out += QLatin1Char('\\');
        out += c;
    }
    return out;
}

// The test's own connection to the X display, speaking to the program's
// window as a window manager does.
class XConnection {
public:
    explicit XConnection(const QString& display) {
        c_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (!ok()) return;
        root_ = xcb_setup_roots_iterator(xcb_get_setup(c_)).data->root;
        // The replies to pings go to the clients that watch the root
        // window's structure (or redirect its substructure, as a window
        // manager does).
        const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(c_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(c_);
    }
    ~XConnection() {
        if (c_) xcb_disconnect(c_);
    }
    XConnection(const XConnection&) = delete;
    XConnection& operator=(const XConnection&) = delete;

    bool ok() const { return c_ != nullptr && xcb_connection_has_error(c_) == 0; }

    xcb_atom_t atom(const char* name) {
        xcb_intern_atom_reply_t* r =
            xcb_intern_atom_reply(c_, xcb_intern_atom(c_, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = r ? r->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
        std::free(r);
        return a;
    }

    // A WM_PROTOCOLS message to the window: `protocol`, a timestamp, the window.
    void sendProtocol(xcb_window_t window, const char* protocol, std::uint32_t timestamp) {
        xcb_client_message_event_t ev{};
        ev.response_type = XCB_CLIENT_MESSAGE;
        ev.format = 32;
        ev.window = window;
        ev.type = atom("WM_PROTOCOLS");
        ev.data.data32[0] = atom(protocol);
        ev.data.data32[1] = timestamp;
        ev.data.data32[2] = window;
        xcb_send_event(c_, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&ev));
        xcb_flush(c_);
    }

    // Milliseconds until the reply to the ping with `timestamp` arrives on
    // the root window; -1 when none came within `ms`.
    int waitForPingReply(std::uint32_t timestamp, int ms) {
        const xcb_atom_t protocols = atom("WM_PROTOCOLS");
        const xcb_atom_t ping = atom("_NET_WM_PING");
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            while (xcb_generic_event_t* e = xcb_poll_for_event(c_)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(e, &std::free);
                if ((e->response_type & 0x7f) != XCB_CLIENT_MESSAGE) continue;
                const auto* m = reinterpret_cast<const xcb_client_message_event_t*>(e);
                if (m->window == root_ && m->type == protocols && m->data.data32[0] == ping &&
                    m->data.data32[1] == timestamp)
                    return static_cast<int>(clock.elapsed());
            }
            QThread::msleep(5);
        }
        return -1;
    }

private:
    xcb_connection_t* c_ = nullptr;
    xcb_window_t root_ = 0;
};

class RealProgramTest : public ::testing::Test {
protected:
    QString display;
    QString xdotool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    QProcess program;

    void SetUp() override {
        display = qEnvironmentVariable("GRAVITARIA_XVFB_DISPLAY");
        if (display.isEmpty()) GTEST_SKIP() << "GRAVITARIA_XVFB_DISPLAY is not set";
        xdotool = QStandardPaths::findExecutable(QStringLiteral("xdotool"));
        if (xdotool.isEmpty()) GTEST_SKIP() << "xdotool is not installed";
        env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedChannels);
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5000);
        }
    }

    QString run(const QString& tool, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(tool, args);
        p.waitForFinished(20000);
        return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
    }

    // The program's visible windows whose title is exactly `title`.
    QStringList visibleWindows(const QString& title) {
        // Only this test's program: other tests may have windows on the display.
        const QString out = run(xdotool, {QStringLiteral("search"), QStringLiteral("--all"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--pid"), QString::number(program.processId()),
                                          QStringLiteral("--name"),
                                          QLatin1Char('^') + escapedForEre(title) + QLatin1Char('$')});
        return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
    }

    // Waits up to `ms` for exactly one visible window titled `title`.
    QString waitForWindow(const QString& title, int ms = 20000) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            const QStringList ids = visibleWindows(title);
            if (ids.size() == 1) return ids.first();
            if (program.state() == QProcess::NotRunning) break;
            QThread::msleep(100);
        }
        return QString();
    }

    void focusAndPress(const QString& window, const QString& keys) {
        run(xdotool, {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window});
        QThread::msleep(200);
        run(xdotool, {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), keys});
    }

    QImage grab(const QString& window, const QString& name) {
        const QString file = QStringLiteral(GRAVITARIA_ARTIFACT_DIR "/program-xvfb-%1.png").arg(name);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(GRAVITARIA_GRAB_TOOL), {window, file});
        p.waitForFinished(20000);
        return QImage(file);
    }

    void startProgram() {
        const QString binary =
            qEnvironmentVariable("GRAVITARIA_PROGRAM_UNDER_TEST", QStringLiteral(GRAVITARIA_PROGRAM));
        program.start(binary, {});
        ASSERT_TRUE(program.waitForStarted(10000));
    }

    void click(const QString& window, int x, int y) {
        run(xdotool, {QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(x),
                      QString::number(y), QStringLiteral("click"), QStringLiteral("1")});
    }

    // Start window, main window, the delay slider at 50 ms through the
    // keyboard (Tab from the first start field reaches the notebook's tabs,
    // Right shows "Affichage", Tab enters the slider, End moves it to 50),
    // back into the X start field. Returns the main window.
    QString mainWindowWithSlowRuns() {
        startProgram();
        const QString start = waitForWindow(kStartTitle);
        if (start.isEmpty()) return {};
        focusAndPress(start, QStringLiteral("Return"));
        const QString main = waitForWindow(kMainTitle);
        if (main.isEmpty()) return {};
        QThread::msleep(300);
        for (const char* key : {"Tab", "Tab", "Tab", "Tab", "Right", "Tab", "End"}) {
            focusAndPress(main, QString::fromLatin1(key));
        }
        QThread::msleep(200);
        grab(main, QStringLiteral("delay-50"));
        click(main, kNumXCentre.x(), kNumXCentre.y());
        QThread::msleep(200);
        return main;
    }

    // Client pixels of the X start field and of "E&ffacer" (their boxes in
    // the window's layout).
    static constexpr QPoint kNumXCentre{441 + 25 + 56, 440 + 22 + 14};
    static constexpr QPoint kEffacerCentre{219 + 111 + 44, 440 + 16 + 12};

    void expectCleanEnd(const QString& mainWindow) {
        focusAndPress(mainWindow, QStringLiteral("alt+q"));
        ASSERT_TRUE(program.waitForFinished(20000)) << "the program did not end on Alt+Q";
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }
};

// How many pixels of a box differ between two pictures.
int changedPixels(const QImage& a, const QImage& b, const QRect& box) {
    int changed = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++changed;
    return changed;
}

TEST_F(RealProgramTest, StartReturnRunAndQuit) {
    startProgram();
    const QString start = waitForWindow(kStartTitle);
    ASSERT_FALSE(start.isEmpty()) << "no start window";
    EXPECT_TRUE(visibleWindows(kMainTitle).isEmpty()) << "only the start window at start-up";
    QThread::msleep(300);
    const QImage startPicture = grab(start, QStringLiteral("start-window"));
    ASSERT_FALSE(startPicture.isNull());
    EXPECT_EQ(startPicture.size(), QSize(594, 394));

    focusAndPress(start, QStringLiteral("Return"));
    const QString main = waitForWindow(kMainTitle);
    ASSERT_FALSE(main.isEmpty()) << "Return did not open the main window";
    EXPECT_TRUE(visibleWindows(kStartTitle).isEmpty()) << "the start window is hidden";
    QThread::msleep(300);
    const QImage before = grab(main, QStringLiteral("main-window"));
    ASSERT_FALSE(before.isNull());

    // The focus is in NumX: Return launches the Earth run, which draws the
    // trajectory on the map.
    focusAndPress(main, QStringLiteral("Return"));
    QThread::msleep(4000);
    const QImage after = grab(main, QStringLiteral("main-window-after-run"));
    ASSERT_EQ(after.size(), before.size());
    // The Earth run falls straight onto the Earth: a trail of about 150 px.
    EXPECT_GT(changedPixels(before, after, QRect(0, 0, 439, 425)), 120) << "no trajectory on the map";

    expectCleanEnd(main);
}

TEST_F(RealProgramTest, DuringASlowRunTheWindowAnswersPingsTakesNoInputAndStopsOnEscape) {
    XConnection x(display);
    ASSERT_TRUE(x.ok());
    const QString main = mainWindowWithSlowRuns();
    ASSERT_FALSE(main.isEmpty());
    const QImage before = grab(main, QStringLiteral("before-slow-run"));
    const QRect numX(441 + 25, 440 + 22, 112, 28);

    // The Earth run at 50 ms a sample: 98 samples, about 5 s.
    focusAndPress(main, QStringLiteral("Return"));
    QThread::msleep(1500);
    const std::uint32_t stamp = 4242;
    x.sendProtocol(main.toUInt(), "_NET_WM_PING", stamp);
    const int replyMs = x.waitForPingReply(stamp, 1000);
    EXPECT_GE(replyMs, 0) << "no reply to _NET_WM_PING within 1 s during the run";

    // Typing into the focused field and clicking "E&ffacer" change nothing.
    run(xdotool, {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("7"),
                  QStringLiteral("7"), QStringLiteral("7")});
    click(main, kEffacerCentre.x(), kEffacerCentre.y());
    QThread::msleep(200);
    run(xdotool, {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("Escape")});
    QThread::msleep(700);

    const QImage after = grab(main, QStringLiteral("after-escape"));
    ASSERT_EQ(after.size(), before.size());
    // The caret may blink in the field; typed digits would change far more.
    EXPECT_LT(changedPixels(before, after, numX), 40) << "the typing reached the X start field";
    // Cleared, the map would show the start marker alone, as before the run.
    EXPECT_GT(changedPixels(before, after, QRect(0, 0, 439, 425)), 20) << "the map was cleared";

    // Escape ended the run long before its 5 s: the window takes Alt+Q now.
    focusAndPress(main, QStringLiteral("alt+q"));
    ASSERT_TRUE(program.waitForFinished(1500)) << "the run was still going: Escape did not stop it";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(RealProgramTest, AWindowManagerCloseDuringARunIsCarriedOutWhenTheRunEnds) {
    XConnection x(display);
    ASSERT_TRUE(x.ok());
    const QString main = mainWindowWithSlowRuns();
    ASSERT_FALSE(main.isEmpty());
    focusAndPress(main, QStringLiteral("Return"));
    QThread::msleep(1000);
    x.sendProtocol(main.toUInt(), "WM_DELETE_WINDOW", 0);
    QThread::msleep(1000);
    EXPECT_EQ(visibleWindows(kMainTitle).size(), 1) << "closed in the middle of the run";
    EXPECT_EQ(program.state(), QProcess::Running);
    ASSERT_TRUE(program.waitForFinished(20000)) << "the held close was lost";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(RealProgramTest, AltSOpensTheMainWindow) {
    startProgram();
    const QString start = waitForWindow(kStartTitle);
    ASSERT_FALSE(start.isEmpty());
    focusAndPress(start, QStringLiteral("alt+s"));
    const QString main = waitForWindow(kMainTitle);
    ASSERT_FALSE(main.isEmpty()) << "Alt+S did not open the main window";
    EXPECT_TRUE(visibleWindows(kStartTitle).isEmpty());
    expectCleanEnd(main);
}

TEST_F(RealProgramTest, ScaledScreensKeepTheLayout) {
    using gravitaria::testing::cellsText;
    using gravitaria::testing::compareInk;
    const QString factors[] = {QStringLiteral("1"), QStringLiteral("1.25"), QStringLiteral("1.5"),
                               QStringLiteral("2")};
    // The display's size: a window larger than the screen is cut off.
    QSize screen;
    const QString info = run(QStringLiteral("xdpyinfo"), {QStringLiteral("-display"), display});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("dimensions:\\s+(\\d+)x(\\d+)")).match(info);
    ASSERT_TRUE(m.hasMatch()) << "xdpyinfo gave no screen size";
    screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    QImage startAtOne, mainAtOne;
    for (const QString& factor : factors) {
        SCOPED_TRACE(factor.toStdString());
        if (!mainAtOne.isNull() && (mainAtOne.width() * factor.toDouble() > screen.width() ||
                                    mainAtOne.height() * factor.toDouble() > screen.height())) {
            // tools/test-all.sh starts a display large enough for 200 %.
            std::cout << "not checked at " << factor.toStdString() << ": the display (" << screen.width()
                      << " x " << screen.height() << ") is smaller than the scaled main window\n";
            continue;
        }
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), factor);
        program.setProcessEnvironment(env);
        startProgram();
        const QString start = waitForWindow(kStartTitle);
        ASSERT_FALSE(start.isEmpty());
        QThread::msleep(300);
        const QImage startPicture = grab(start, QStringLiteral("scaled-%1-start-window").arg(factor));
        focusAndPress(start, QStringLiteral("Return"));
        const QString main = waitForWindow(kMainTitle);
        ASSERT_FALSE(main.isEmpty());
        QThread::msleep(300);
        const QImage mainPicture = grab(main, QStringLiteral("scaled-%1-main-window").arg(factor));
        expectCleanEnd(main);
        ASSERT_FALSE(startPicture.isNull());
        ASSERT_FALSE(mainPicture.isNull());
        if (factor == factors[0]) {
            startAtOne = startPicture;
            mainAtOne = mainPicture;
            continue;
        }
        const double f = factor.toDouble();
        const struct {
            const char* name;
            const QImage& one;
            const QImage& scaled;
        } windows[] = {{"start window", startAtOne, startPicture}, {"main window", mainAtOne, mainPicture}};
        for (const auto& w : windows) {
            // The window's size scaled, within a pixel.
            EXPECT_LE(std::abs(w.scaled.width() - w.one.width() * f), 1.0) << w.name;
            EXPECT_LE(std::abs(w.scaled.height() - w.one.height() * f), 1.0) << w.name;
            // Within a pixel for all but a few ink pixels; text is hinted at
            // each size, so a glyph may end up to two pixels away at the end
            // of a long caption: no region may lose its ink at that reach.
            const int reach = static_cast<int>(std::ceil(f));
            const auto down = compareInk(w.one, w.scaled, f, reach);
            EXPECT_LE(down.unmatched, down.ink / 50) << w.name << ": " << down.unmatched << " of " << down.ink;
            const auto downCells = compareInk(w.one, w.scaled, f, 2 * reach).lostCells;
            EXPECT_TRUE(downCells.empty())
                << w.name << ": ink of the 1.0 picture missing at" << cellsText(downCells).toStdString();
            const auto up = compareInk(w.scaled, w.one, 1.0 / f, 1, reach * 12);
            EXPECT_LE(up.unmatched, up.ink / 50) << w.name << ": " << up.unmatched << " of " << up.ink;
            const auto upCells = compareInk(w.scaled, w.one, 1.0 / f, 2, reach * 12).lostCells;
            EXPECT_TRUE(upCells.empty())
                << w.name << ": ink not in the 1.0 picture at" << cellsText(upCells).toStdString();
        }
    }
}

}  // namespace
