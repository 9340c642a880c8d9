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
// after the action.
inline int runEventLoop(const std::function<void()>& action, int graceMs = 300) {
    QTimer::singleShot(0, qApp, [action, graceMs] {
        action();
        QTimer::singleShot(graceMs, qApp, [] { QCoreApplication::exit(kLoopStillRunning); });
    });
    return QApplication::exec();
}

}  // namespace gravitaria::testing
