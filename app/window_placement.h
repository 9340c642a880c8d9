#pragma once
// Placing top-level windows.
class QWidget;

namespace gravitaria {

// Centres a top-level window (frame included) on the available area of its
// screen.
void centreOnScreen(QWidget& window);

}  // namespace gravitaria
