#pragma once
// The window fonts. The layouts ask for Tahoma; it is loaded from the
// metric-compatible copy shipped with the system's Windows fonts when
// present, otherwise a close sans-serif stands in.
#include <QFont>
#include <QString>

namespace gravitaria {

// Registers Tahoma with the application once; returns the family name to
// use. Needs a QGuiApplication.
QString loadTahoma();

// The largest character height at which Qt thickens a regular face for
// bold text: larger text is drawn from outlines that it does not thicken.
inline constexpr int kLargestThickenedBoldPixels = 63;

// Tahoma (or its stand-in) with a character height in pixels. Bold text
// drawn from the loaded regular face is held to kLargestThickenedBoldPixels
// so that it still reads as bold.
QFont tahomaFont(int pixelHeight, bool bold = false);

// Ascent and cell height in pixels of `font` as Windows computes them from
// the face's OS/2 table (usWinAscent, usWinDescent): the cell includes the
// internal leading above the capitals that Qt's typographic metrics leave
// out. Qt's own values when the face has no such table.
int cellAscent(const QFont& font);
int cellHeight(const QFont& font);

}  // namespace gravitaria
