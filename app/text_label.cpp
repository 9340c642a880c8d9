#include "text_label.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>

#include "fonts.h"

namespace gravitaria {

TLabel::TLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    placeCell();
}

void TLabel::setShrinkToFit(bool on) {
    shrinkToFit_ = on;
    update();
}

// Qt draws a line's ascent from the top of the contents: the margin above
// makes up the difference to the cell's ascent, the one below to its height.
void TLabel::placeCell() {
    const QFontMetrics fm(font());
    const int above = std::max(0, cellAscent(font()) - fm.ascent());
    const int below = std::max(0, cellHeight(font()) - above - fm.height());
    setContentsMargins(0, above, 0, below);
}

void TLabel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) placeCell();
    QLabel::changeEvent(event);
}

QFont TLabel::drawnFont() const {
    QFont f = font();
    if (!shrinkToFit_ || f.pixelSize() <= 0) return f;
    const int room = width();
    for (int size = f.pixelSize(); size > 1; --size) {
        f.setPixelSize(size);
        if (QFontMetrics(f).horizontalAdvance(text()) <= room) return f;
    }
    return f;
}

void TLabel::paintEvent(QPaintEvent* event) {
    const QFont f = drawnFont();
    if (f == font()) {
        QLabel::paintEvent(event);
        return;
    }
    // The smaller size keeps the cell's top at the label's top.
    QPainter p(this);
    p.setFont(f);
    p.setPen(palette().color(foregroundRole()));
    const QFontMetrics fm(f);
    const int advance = fm.horizontalAdvance(text());
    int x = 0;
    if (alignment() & Qt::AlignRight) x = width() - advance;
    else if (alignment() & Qt::AlignHCenter) x = (width() - advance) / 2;
    p.drawText(x, cellAscent(f), text());
}

}  // namespace gravitaria
