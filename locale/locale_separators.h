#pragma once
// The user's decimal and thousands separators, read from the system locale
// (LC_ALL, LC_NUMERIC, LANG): as UTF-8 texts for the number texts of orbit/
// (system_separators.h) and as characters for the entry fields.
#include <QString>

#include "system_separators.h"

namespace gravitaria {

// The separators of QLocale::system() as single characters, for the entry
// fields.
QChar systemDecimalSeparator();
QChar systemGroupSeparator();

}  // namespace gravitaria
