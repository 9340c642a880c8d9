// A space telescope above the Earth's limb, against a starry sky.
#include <algorithm>

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "drawings.h"

namespace makepictures {

namespace {

// A small deterministic generator, so the stars come out the same every run.
class Lcg {
public:
    explicit Lcg(unsigned seed) : state_(seed) {}
    unsigned next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_ >> 8;
    }
    double unit() { return (next() & 0xFFFF) / 65535.0; }

private:
    unsigned state_;
};

void paintSky(QPainter& p) {
    QLinearGradient sky(0, 0, 0, 200);
    sky.setColorAt(0, QColor(2, 3, 12));
    sky.setColorAt(1, QColor(10, 16, 40));
    p.fillRect(0, 0, 200, 200, sky);
    Lcg rng(20260);
    for (int i = 0; i < 90; ++i) {
        const double x = rng.unit() * 200, y = rng.unit() * 140;
        const int level = 120 + static_cast<int>(rng.unit() * 135);
        const double r = rng.unit() < 0.15 ? 0.9 : 0.5;
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(level, level, std::min(255, level + 20)));
        p.drawEllipse(QPointF(x, y), r, r);
    }
}

void paintEarth(QPainter& p) {
    const QPointF centre(40, 470);
    const double radius = 340;
    // Thin blue glow of the atmosphere above the limb.
    QRadialGradient glow(centre, radius + 14);
    glow.setColorAt(radius / (radius + 14) - 0.001, QColor(120, 180, 255, 200));
    glow.setColorAt(1, QColor(60, 110, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(centre, radius + 14, radius + 14);

    QRadialGradient ocean(QPointF(150, 180), 260);
    ocean.setColorAt(0, QColor(70, 140, 220));
    ocean.setColorAt(0.5, QColor(25, 75, 160));
    ocean.setColorAt(1, QColor(5, 20, 60));
    p.setBrush(ocean);
    p.drawEllipse(centre, radius, radius);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    p.save();
    p.setClipPath(disc);
    // A coast and some land.
    p.setBrush(QColor(95, 120, 60));
    QPainterPath land;
    land.moveTo(110, 200);
    land.cubicTo(120, 175, 150, 168, 175, 172);
    land.cubicTo(195, 176, 205, 190, 205, 200);
    land.closeSubpath();
    p.drawPath(land);
    // Clouds: soft white streaks.
    Lcg rng(77);
    for (int i = 0; i < 26; ++i) {
        const double x = rng.unit() * 220 - 10, y = 140 + rng.unit() * 70;
        const double w = 10 + rng.unit() * 26, h = 2 + rng.unit() * 4;
        p.setBrush(QColor(255, 255, 255, 90 + static_cast<int>(rng.unit() * 90)));
        p.drawEllipse(QPointF(x, y), w, h);
    }
    p.restore();
}

void paintPanel(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(150, 150, 160), 0.8));
    QLinearGradient cells(r.topLeft(), r.bottomRight());
    cells.setColorAt(0, QColor(40, 60, 140));
    cells.setColorAt(1, QColor(15, 25, 80));
    p.setBrush(cells);
    p.drawRect(r);
    p.setPen(QPen(QColor(90, 110, 180), 0.5));
    for (double x = r.left() + r.width() / 4; x < r.right() - 0.5; x += r.width() / 4)
        p.drawLine(QPointF(x, r.top()), QPointF(x, r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
}

void paintTelescopeBody(QPainter& p) {
    p.save();
    p.translate(100, 78);
    p.rotate(-24);
    // Solar panels on both sides of the tube, on a short mast.
    p.setPen(QPen(QColor(170, 170, 175), 1.2));
    p.drawLine(QPointF(-4, -16), QPointF(-4, -26));
    p.drawLine(QPointF(-4, 16), QPointF(-4, 26));
    paintPanel(p, QRectF(-30, -46, 52, 20));
    paintPanel(p, QRectF(-30, 26, 52, 20));
    // The tube: a silver cylinder, the aft section a little wider.
    QLinearGradient metal(0, -15, 0, 15);
    metal.setColorAt(0, QColor(120, 120, 125));
    metal.setColorAt(0.35, QColor(235, 235, 240));
    metal.setColorAt(0.6, QColor(190, 190, 195));
    metal.setColorAt(1, QColor(80, 80, 85));
    p.setPen(QPen(QColor(60, 60, 65), 0.8));
    p.setBrush(metal);
    p.drawRoundedRect(QRectF(-38, -15, 30, 30), 3, 3);
    p.drawRect(QRectF(-9, -13, 56, 26));
    // Bands around the tube.
    p.setPen(QPen(QColor(110, 110, 115), 1));
    for (double x : {4.0, 18.0, 32.0})
        p.drawLine(QPointF(x, -13), QPointF(x, 13));
    // The open aperture door and the dark opening.
    p.setBrush(QColor(15, 15, 20));
    p.drawEllipse(QRectF(42, -13, 10, 26));
    p.setBrush(metal);
    p.drawPolygon(QPolygonF({QPointF(47, -13), QPointF(60, -30), QPointF(64, -27), QPointF(52, -11)}));
    // A high-gain antenna on a boom.
    p.setPen(QPen(QColor(200, 200, 205), 1));
    p.drawLine(QPointF(-20, 15), QPointF(-26, 34));
    p.setBrush(QColor(225, 225, 230));
    p.drawEllipse(QPointF(-27, 37), 5, 3);
    p.restore();
}

}  // namespace

QImage paintTelescope() {
    QImage image(200, 200, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintSky(p);
    paintEarth(p);
    paintTelescopeBody(p);
    return image;
}

}  // namespace makepictures
