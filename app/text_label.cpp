#include "text_label.h"

#include <QEvent>
#include <QPainter>
#include <QRawFont>
#include <QtEndian>
#include <cmath>

namespace gravitaria {

namespace {

struct WinMetrics {
    int ascent = 0;
    int descent = 0;
    bool known = false;
};

// usWinAscent and usWinDescent of the OS/2 table, scaled as GDI does:
// each rounded to whole pixels at the font's character height.
WinMetrics winMetrics(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.isValid() ? raw.fontTable("OS/2") : QByteArray();
    WinMetrics m;
    if (os2.size() < 78 || raw.unitsPerEm() <= 0) return m;
    const auto* data = reinterpret_cast<const uchar*>(os2.constData());
    const double scale = raw.pixelSize() / raw.unitsPerEm();
    m.ascent = static_cast<int>(std::lround(qFromBigEndian<quint16>(data + 74) * scale));
    m.descent = static_cast<int>(std::lround(qFromBigEndian<quint16>(data + 76) * scale));
    m.known = true;
    return m;
}

}  // namespace

int cellAscent(const QFont& font) {
    const WinMetrics m = winMetrics(font);
    return m.known ? m.ascent : QFontMetrics(font).ascent();
}

int cellHeight(const QFont& font) {
    const WinMetrics m = winMetrics(font);
    return m.known ? m.ascent + m.descent : QFontMetrics(font).height();
}

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
