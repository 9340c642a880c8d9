#include "system_separators.h"

#include <QLocale>

namespace gravitaria {

NumberSeparators systemSeparators() {
    const QLocale loc = QLocale::system();
    NumberSeparators seps;
    seps.decimal = loc.decimalPoint().toStdString();
    seps.group = loc.groupSeparator().toStdString();
    return seps;
}

}  // namespace gravitaria
