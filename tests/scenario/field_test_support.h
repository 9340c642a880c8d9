#pragma once
// A shown, active window holding the field under test and a second widget
// to move the focus to, plus key helpers that send any character.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QPushButton>
#include <QTest>
#include <QWidget>
#include <memory>
#include <ostream>

#include "locale_separators.h"
#include "recording_platform.h"

// Readable QString values in test failures.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace gravitaria::test {

// Sends one key press and release typing `c`.
inline void typeChar(QWidget* w, QChar c) {
    const ushort u = c.unicode();
    const Qt::Key key = (u > 32 && u < 127) ? QTest::asciiToKey(static_cast<char>(u))
                                            : (u == 32 ? Qt::Key_Space : Qt::Key_unknown);
    QTest::sendKeyEvent(QTest::Press, w, key, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, w, key, QString(c), Qt::NoModifier);
}

inline void typeText(QWidget* w, const QString& s) {
    for (const QChar c : s)
        typeChar(w, c);
}

// `s` with every ',' replaced by the locale's decimal separator.
inline QString dec(QString s) {
    return s.replace(QLatin1Char(','), gravitaria::systemDecimalSeparator());
}

// Processes events until `done()` or `ms` elapsed; whether it got done.
template <class Pred>
bool waitUntil(Pred done, int ms) {
    QDeadlineTimer deadline(ms);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

inline void setClipboard(const QString& s) { QGuiApplication::clipboard()->setText(s); }

// A window with `field` and a button that takes the focus away from it.
template <class Field>
class FieldWindow {
public:
    FieldWindow() {
        window = std::make_unique<QWidget>();
        window->resize(300, 120);
        field = new Field(window.get());
        field->setGeometry(10, 10, 112, 28);
        other = new QPushButton(QStringLiteral("Autre"), window.get());
        other->setGeometry(150, 10, 80, 28);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setFocus();
        window->show();
        window->activateWindow();
        active = QTest::qWaitForWindowActive(window.get());
        other->setFocus(Qt::OtherFocusReason);
    }
    void enter() { field->setFocus(Qt::TabFocusReason); }
    void leave() { other->setFocus(Qt::TabFocusReason); }

    std::unique_ptr<QWidget> window;
    Field* field = nullptr;
    QPushButton* other = nullptr;
    bool active = false;
};

}  // namespace gravitaria::test
