#pragma once
// The top-level error report. An error escaping an event handler ends that
// handler and is shown in a message box captioned with the application's
// title; the program goes on and nothing already done is undone.
//
// Errors must not unwind through Qt's own frames, so every handler runs
// inside runHandler(): the outermost one reports; a handler nested inside
// another (raised synchronously by a field or radio change made by the outer
// one) parks its error, and the outer one rethrows it with rethrowPending()
// right after the change that ran it, so the outer handler ends there too.
#include <QApplication>
#include <QString>
#include <exception>
#include <functional>

namespace gravitaria {

inline const QString kApplicationTitle = QStringLiteral("Gravitaria");

// The message as shown: a full stop is added when the last character sorts
// above the full stop.
QString reportText(const QString& message);

// Shows the report box for an error (stop icon, OK, caption "Gravitaria").
void reportError(const std::exception& error);
void reportError(const QString& message);

// Runs a handler under the report (see above).
void runHandler(const std::function<void()>& handler);

// Throws the error parked by a nested handler, if any.
void rethrowPending();

// Whether a handler is running (runHandler is on the stack).
bool inHandler();

// The application object: events that raise an error are reported here
// instead of unwinding through the event dispatch.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace gravitaria
