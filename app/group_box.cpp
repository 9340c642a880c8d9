#include "group_box.h"

#include <QPainter>

#include "fonts.h"

namespace gravitaria {

namespace {

constexpr int kCaptionLeft = 8;

}  // namespace

TGroupBox::TGroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

int TGroupBox::frameTop() const { return cellHeight(font()) / 2 - 1; }

void TGroupBox::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    // A one-pixel frame with slightly rounded corners, as the themed
    // toolkit draws it (the styles' own group box frames start lower).
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(palette().color(QPalette::Mid), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, frameTop() + 0.5, width() - 1.0, height() - frameTop() - 1.0), 2, 2);
    p.setRenderHint(QPainter::Antialiasing, false);
    if (title().isEmpty()) return;
    // The caption stands on the button face, over the line.
    const QFontMetrics fm(font());
    const QRect caption(kCaptionLeft, 0, fm.horizontalAdvance(title()), cellHeight(font()));
    p.fillRect(caption, palette().brush(backgroundRole()));
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(caption.left(), cellAscent(font()), title());
}

}  // namespace gravitaria
