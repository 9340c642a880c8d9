#include "error_report.h"

#include "platform.h"

namespace gravitaria {

namespace {

int handlerDepth = 0;
std::exception_ptr pending;

void reportException(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportError(QStringLiteral("Exception inconnue"));
    }
}

}  // namespace

QString reportText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void reportError(const QString& message) {
    platform().messageBox(reportText(message), kApplicationTitle, MessageIcon::Stop);
}

void reportError(const std::exception& error) {
    reportError(QString::fromUtf8(error.what()));
}

bool inHandler() { return handlerDepth > 0; }

void rethrowPending() {
    if (!pending) return;
    std::exception_ptr error = pending;
    pending = nullptr;
    std::rethrow_exception(error);
}

void runHandler(const std::function<void()>& handler) {
    const bool outermost = handlerDepth == 0;
    ++handlerDepth;
    std::exception_ptr error;
    try {
        handler();
    } catch (...) {
        error = std::current_exception();
    }
    --handlerDepth;
    if (!outermost) {
        // Keep the first error: it is the one that ended the chain.
        if (error && !pending) pending = error;
        return;
    }
    // An error parked by a nested handler that no outer code rethrew still
    // gets its report, after the outer handler has finished.
    if (!error && pending) error = pending;
    pending = nullptr;
    if (error) reportException(error);
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        reportError(e);
    } catch (...) {
        reportError(QStringLiteral("Exception inconnue"));
    }
    return false;
}

}  // namespace gravitaria
