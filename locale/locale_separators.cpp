#include "locale_separators.h"

#include <QLocale>

namespace gravitaria {

QChar systemDecimalSeparator() {
    const QString s = QLocale::system().decimalPoint();
    return s.isEmpty() ? QChar('.') : s.at(0);
}

QChar systemGroupSeparator() {
    const QString s = QLocale::system().groupSeparator();
    return s.isEmpty() ? QChar(',') : s.at(0);
}

}  // namespace gravitaria
