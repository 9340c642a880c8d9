// The icons, reduced to 256 colours like the pictures they stand for. The
// program's icon is drawn on a 32-unit grid and painted at any pixel size, so
// the desktop's larger and smaller icons are drawn, not resampled.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QList>
#include <cmath>

#include "drawings.h"

namespace makepictures {

namespace {

QImage canvas(int size = 32) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// 256 colours with a transparent entry: pixels at least half opaque keep
// their colour (channels coarsened until the palette fits), the rest become
// transparent. No dithering, so small icons stay clean.
QImage to256Colours(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int dropBits = 0; dropBits < 8; ++dropBits) {
        const unsigned mask = (0xFFu << dropBits) & 0xFFu;
        QList<QRgb> table{qRgba(0, 0, 0, 0)};
        QImage out(argb.size(), QImage::Format_Indexed8);
        bool fits = true;
        for (int y = 0; y < argb.height() && fits; ++y) {
            for (int x = 0; x < argb.width(); ++x) {
                const QRgb px = argb.pixel(x, y);
                int index = 0;
                if (qAlpha(px) >= 128) {
                    const QColor c = QColor::fromRgba(px);
                    const QRgb opaque = qRgb(static_cast<int>(static_cast<unsigned>(c.red()) & mask),
                                             static_cast<int>(static_cast<unsigned>(c.green()) & mask),
                                             static_cast<int>(static_cast<unsigned>(c.blue()) & mask));
                    index = static_cast<int>(table.indexOf(opaque));
                    if (index < 0) {
                        if (table.size() == 256) {
                            fits = false;
                            break;
                        }
                        table.append(opaque);
                        index = static_cast<int>(table.size() - 1);
                    }
                }
                out.scanLine(y)[x] = static_cast<uchar>(index);
            }
        }
        if (fits) {
            out.setColorTable(table);
            return out;
        }
    }
    return image.convertToFormat(QImage::Format_Indexed8);
}

}  // namespace

QImage paintSpacecraftIcon(int size) {
    QImage image = canvas(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (size != 32) p.scale(size / 32.0, size / 32.0);
    // Seen from above, flying toward the upper right.
    p.translate(16, 16);
    p.rotate(45);
    p.scale(0.85, 0.85);
    QLinearGradient grey(-8, 0, 8, 0);
    grey.setColorAt(0, QColor(95, 95, 100));
    grey.setColorAt(0.5, QColor(215, 215, 220));
    grey.setColorAt(1, QColor(105, 105, 110));
    p.setPen(QPen(QColor(45, 45, 50), 1));
    // Delta wings.
    p.setBrush(QColor(150, 150, 155));
    p.drawPolygon(QPolygonF({QPointF(0, -6), QPointF(12, 9), QPointF(11, 12), QPointF(-11, 12),
                             QPointF(-12, 9)}));
    // Fuselage with a rounded nose, and the tail fin.
    QPainterPath body;
    body.moveTo(0, -15);
    body.cubicTo(3, -13, 4, -8, 4, -4);
    body.lineTo(4, 13);
    body.lineTo(-4, 13);
    body.lineTo(-4, -4);
    body.cubicTo(-4, -8, -3, -13, 0, -15);
    p.setBrush(grey);
    p.drawPath(body);
    p.setBrush(QColor(70, 70, 75));
    p.drawRect(QRectF(-1, 6, 2, 8));
    // Cockpit windows.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 40, 70));
    p.drawEllipse(QRectF(-2.2, -10.5, 4.4, 3));
    // Engine glow.
    p.setBrush(QColor(255, 170, 40));
    p.drawEllipse(QPointF(0, 14.5), 2.5, 1.5);
    p.end();
    return to256Colours(image);
}

QImage paintAppleBullet() {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient red(QPointF(12, 13), 16);
    red.setColorAt(0, QColor(255, 120, 110));
    red.setColorAt(0.6, QColor(200, 20, 20));
    red.setColorAt(1, QColor(110, 0, 0));
    p.setPen(QPen(QColor(90, 0, 0), 1));
    p.setBrush(red);
    QPainterPath apple;
    apple.moveTo(16, 9);
    apple.cubicTo(22, 4, 30, 8, 29, 17);
    apple.cubicTo(28, 25, 22, 30, 16, 28);
    apple.cubicTo(10, 30, 4, 25, 3, 17);
    apple.cubicTo(2, 8, 10, 4, 16, 9);
    p.drawPath(apple);
    p.setPen(QPen(QColor(100, 60, 20), 2));
    p.drawLine(QPointF(16, 9), QPointF(18, 2));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 160, 40));
    p.drawEllipse(QRectF(18, 1, 8, 4));
    p.end();
    return to256Colours(image);
}

QImage paintStepsBullet() {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(235, 245, 235));
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 4, 4);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.drawLine(4, 28, 29, 28);
    p.drawLine(4, 28, 4, 3);
    // A curve and the points computed one step after another.
    QPainterPath curve;
    curve.moveTo(5, 26);
    for (int x = 5; x <= 29; ++x)
        curve.lineTo(x, 26 - 20 * std::sin((x - 5) / 24.0 * 1.57));
    p.setPen(QPen(QColor(20, 120, 40), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 40, 40));
    for (int x = 5; x <= 29; x += 6)
        p.drawEllipse(QPointF(x, 26 - 20 * std::sin((x - 5) / 24.0 * 1.57)), 2, 2);
    p.end();
    return to256Colours(image);
}

QImage paintRingedPlanetBullet() {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(16, 16);
    p.rotate(-20);
    QPen ring(QColor(200, 170, 110), 2.5);
    // Back half of the ring, the planet, then the front half.
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-15, -5, 30, 10), 0, 180 * 16);
    QRadialGradient body(QPointF(-3, -3), 12);
    body.setColorAt(0, QColor(250, 220, 150));
    body.setColorAt(1, QColor(190, 130, 50));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawEllipse(QPointF(0, 0), 9, 9);
    p.setPen(ring);
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-15, -5, 30, 10), 180 * 16, 180 * 16);
    p.end();
    return to256Colours(image);
}

QImage paintStarBullet() {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double angle = -M_PI / 2 + k * M_PI / 5;
        const double r = (k % 2 == 0) ? 14 : 6;
        star << QPointF(16 + r * std::cos(angle), 16.5 + r * std::sin(angle));
    }
    QRadialGradient gold(QPointF(14, 13), 14);
    gold.setColorAt(0, QColor(255, 250, 190));
    gold.setColorAt(1, QColor(240, 170, 10));
    p.setPen(QPen(QColor(170, 110, 0), 1));
    p.setBrush(gold);
    p.drawPolygon(star);
    p.end();
    return to256Colours(image);
}

}  // namespace makepictures
