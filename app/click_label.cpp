#include "click_label.h"

#include <QMouseEvent>

namespace gravitaria {

TClickLabel::TClickLabel(QWidget* parent) : QLabel(parent) {}

void TClickLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
    QLabel::mousePressEvent(event);
}

void TClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton) pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click) emit clicked();
}

void styleAsLink(QLabel& label, bool underlined) {
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    label.setPalette(palette);
    QFont font = label.font();
    font.setUnderline(underlined);
    label.setFont(font);
    label.setCursor(Qt::PointingHandCursor);
}

}  // namespace gravitaria
