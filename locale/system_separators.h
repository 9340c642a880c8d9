#pragma once
// The user's decimal and thousands separators as UTF-8 texts, for the number
// texts of orbit/. Needs no Qt, so the table tool can use it where Qt is
// absent (the Windows cross-build).
#include "number_text.h"

namespace gravitaria {

// The separators of the user's locale at the moment of the call: Qt's
// system locale (LC_ALL, LC_NUMERIC, LANG) on Linux; on Windows the user's
// regional settings, the source Qt's system locale reads there.
NumberSeparators systemSeparators();

}  // namespace gravitaria
