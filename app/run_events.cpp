#include "run_events.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QTimer>
#include <QWindow>

#include "platform.h"

namespace gravitaria {

namespace {

int activeRuns = 0;

bool isInput(QEvent::Type type) {
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::NonClientAreaMouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

// The timers the program starts (QTimer, and QTimer::singleShot's own
// objects): held, they fire again once the run is over.
bool isProgramTimer(const QObject* receiver) {
    return qobject_cast<const QTimer*>(receiver) != nullptr || receiver->inherits("QSingleShotTimer");
}

}  // namespace

RunEvents::RunEvents(QWidget& mainWindow) : window_(&mainWindow) {
    outermost_ = activeRuns == 0;
    ++activeRuns;
    sinceService_.start();
    if (outermost_) QCoreApplication::instance()->installEventFilter(this);
}

RunEvents::~RunEvents() {
    --activeRuns;
    if (!outermost_) return;
    QCoreApplication::instance()->removeEventFilter(this);
    QWidget* w = window_.data();
    if (w == nullptr) return;
    // Posted, so that they run after the handler that ran the flight.
    if (resizeHeld_) QCoreApplication::postEvent(w, new QResizeEvent(w->size(), w->size()));
    if (moveHeld_) QCoreApplication::postEvent(w, new QMoveEvent(w->pos(), w->pos()));
    if (closeHeld_) {
        QMetaObject::invokeMethod(w, [window = window_] {
            if (window) window->close();
        }, Qt::QueuedConnection);
    }
}

bool RunEvents::running() { return activeRuns > 0; }

void RunEvents::service() {
    sinceService_.restart();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void RunEvents::wait(int ms) {
    if (ms <= 0) {
        platform().sleepMs(0);
        if (sinceService_.elapsed() >= kServiceIntervalMs) service();
        return;
    }
    for (int left = ms; left > 0 && !stopAsked_; left -= kSliceMs) {
        platform().sleepMs(std::min(left, kSliceMs));
        service();
    }
}

bool RunEvents::isMainWindow(const QObject* receiver) const {
    const QWidget* w = window_.data();
    return w != nullptr && (receiver == w || receiver == w->windowHandle());
}

bool RunEvents::eventFilter(QObject* receiver, QEvent* event) {
    const QEvent::Type type = event->type();
    if (isInput(type)) {
        if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            stopAsked_ = true;
        event->accept();
        return true;
    }
    if (type == QEvent::Timer && isProgramTimer(receiver)) return true;
    if (isMainWindow(receiver)) {
        if (type == QEvent::Close) {
            closeHeld_ = true;
            event->ignore();  // the window stays open for now
            return true;
        }
        if (type == QEvent::Resize && receiver == window_.data()) {
            resizeHeld_ = true;
            return true;
        }
        if (type == QEvent::Move && receiver == window_.data()) {
            moveHeld_ = true;
            return true;
        }
    }
    return false;
}

}  // namespace gravitaria
