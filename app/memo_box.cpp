#include "memo_box.h"

#include <QKeyEvent>

namespace gravitaria {

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) { setTabChangesFocus(true); }

void TMemo::keyPressEvent(QKeyEvent* event) {
    // Plain Tab and Shift+Tab already move the focus before they get here;
    // with Ctrl held they would be typed.
    const int key = event->key();
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && !(event->modifiers() & Qt::AltModifier)) {
        const bool forward = key == Qt::Key_Tab && !(event->modifiers() & Qt::ShiftModifier);
        focusNextPrevChild(forward);
        event->accept();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

}  // namespace gravitaria
