// Windows: the separators of the user's regional settings, read with
// GetLocaleInfoEx like Qt's system locale does there, without Qt.
#include "system_separators.h"

#include <windows.h>

namespace gravitaria {

namespace {

// One locale text as UTF-8 (it may be empty: no thousands separator);
// `fallback` when Windows cannot give it.
std::string userLocaleText(LCTYPE type, const char* fallback) {
    wchar_t wide[16] = {};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, wide, 16);
    if (n <= 0) return fallback;
    if (n == 1) return std::string();  // n counts the terminating zero
    char utf8[64] = {};
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide, n - 1, utf8, sizeof utf8, nullptr, nullptr);
    if (bytes <= 0) return fallback;
    return std::string(utf8, static_cast<std::size_t>(bytes));
}

}  // namespace

NumberSeparators systemSeparators() {
    NumberSeparators seps;
    seps.decimal = userLocaleText(LOCALE_SDECIMAL, ".");
    if (seps.decimal.empty()) seps.decimal = ".";
    seps.group = userLocaleText(LOCALE_STHOUSAND, ",");
    return seps;
}

}  // namespace gravitaria
