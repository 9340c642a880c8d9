#pragma once
// Helpers for the tests of the program's windows: a fresh set of the three
// windows with a recording platform, and running the event loop around an
// action to see whether it ends the program.
#include <QApplication>
#include <QTimer>
#include <functional>

#include "program_windows.h"
#include "recording_platform.h"

namespace gravitaria::testing {

// Exit code of runEventLoop when the action did not end the loop.
inline constexpr int kLoopStillRunning = 99;

// Runs the event loop, performs `action` inside it, and returns the loop's
// exit code; kLoopStillRunning when the loop was still running `graceMs`
// after the action. Both timers belong to this call: one left pending by an
// earlier call, whose loop the action had ended at once, would end this
// loop with the wrong code on a slow machine.
inline int runEventLoop(const std::function<void()>& action, int graceMs = 300) {
    QTimer start;
    QTimer grace;
    start.setSingleShot(true);
    grace.setSingleShot(true);
    QObject::connect(&grace, &QTimer::timeout, qApp, [] { QCoreApplication::exit(kLoopStillRunning); });
    QObject::connect(&start, &QTimer::timeout, qApp, [&] {
        action();
        grace.start(graceMs);
    });
    start.start(0);
    return QApplication::exec();
}

}  // namespace gravitaria::testing
