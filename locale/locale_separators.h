#pragma once
// The user's decimal and thousands separators, read from the system locale
// (LC_ALL, LC_NUMERIC, LANG), as UTF-8 texts for the number texts of orbit/.
#include <QString>

#include "number_text.h"

namespace gravitaria {

// The separators of QLocale::system() at the moment of the call.
NumberSeparators systemSeparators();

// The same as single characters, for the entry fields.
QChar systemDecimalSeparator();
QChar systemGroupSeparator();

}  // namespace gravitaria
