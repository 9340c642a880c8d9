#include "platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QThread>
#include <QUrl>

namespace gravitaria {

namespace {
QtPlatform realPlatform;
Platform* current = &realPlatform;
}  // namespace

Platform& platform() { return *current; }

void setPlatform(Platform* p) { current = p ? p : &realPlatform; }

void QtPlatform::beep() { QApplication::beep(); }

void QtPlatform::showMessage(const QString& text, const QString& caption) {
    QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

void QtPlatform::messageBox(const QString& text, const QString& caption, MessageIcon icon) {
    QMessageBox::Icon qtIcon = QMessageBox::NoIcon;
    switch (icon) {
    case MessageIcon::None: qtIcon = QMessageBox::NoIcon; break;
    case MessageIcon::Information: qtIcon = QMessageBox::Information; break;
    case MessageIcon::Warning: qtIcon = QMessageBox::Warning; break;
    case MessageIcon::Stop: qtIcon = QMessageBox::Critical; break;
    case MessageIcon::Question: qtIcon = QMessageBox::Question; break;
    }
    QMessageBox box(qtIcon, caption, text, QMessageBox::Ok);
    box.exec();
}

bool QtPlatform::openUrl(const QString& url, const QString& /*verb*/) {
    return QDesktopServices::openUrl(QUrl(url));
}

void QtPlatform::sleepMs(int ms) {
    if (ms <= 0)
        QThread::yieldCurrentThread();
    else
        QThread::msleep(static_cast<unsigned long>(ms));
}

}  // namespace gravitaria
