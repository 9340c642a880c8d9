#pragma once
// The window fonts. The layouts ask for Tahoma; it is loaded from the
// metric-compatible copy shipped with the system's Windows fonts when
// present, otherwise a close sans-serif stands in.
#include <QFont>
#include <QString>

namespace gravitaria {

// Registers Tahoma (regular and bold) with the application once; returns
// the family name to use. Needs a QGuiApplication.
QString loadTahoma();

// Tahoma (or its stand-in) with a character height in pixels.
QFont tahomaFont(int pixelHeight, bool bold = false);

}  // namespace gravitaria
