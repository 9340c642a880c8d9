#pragma once
// Layout constants and label helpers of the main window.
#include <QColor>

class QLabel;

namespace gravitaria {

// Client area in the layout, and the frame the outer size limits count
// (8 px borders and a 28 px caption bar at 96 dpi).
inline constexpr int kClientWidth = 784;
inline constexpr int kClientHeight = 564;
inline constexpr int kFrameWidth = 16;
inline constexpr int kFrameHeight = 36;
inline constexpr int kMinOuterWidth = 800;
inline constexpr int kMinOuterHeight = 600;
inline constexpr int kMaxOuterWidth = 1024;
inline constexpr int kMaxOuterHeight = 768;
// The page area of the notebook inside its 4 px frame (TabSheet1's width).
inline constexpr int kTabSheetWidth = 340 - 8;

// Labels with this property set to true size themselves to their text.
inline constexpr const char* kAutoSizeProperty = "gravitariaAutoSize";

// Sizes a label to its text (a right-aligned one keeps its right edge).
void fitLabel(QLabel* label);

// The flight clock's text colours: yellow while a flight is possible, red
// after a collision.
inline const QColor kClockYellow{0xFF, 0xFF, 0x00};
inline const QColor kClockRed{0xFF, 0x00, 0x00};
void setClockColour(QLabel& clock, const QColor& colour);

}  // namespace gravitaria
