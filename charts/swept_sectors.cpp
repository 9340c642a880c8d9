#include "swept_sectors.h"

#include <QPainter>
#include <algorithm>

namespace gravitaria {

std::vector<QPolygonF> sweptSectors(std::span<const FlightSample> samples, std::size_t k) {
    std::vector<QPolygonF> out;
    if (samples.size() < 2) return out;
    k = std::max<std::size_t>(k, 1);
    for (std::size_t first = 0; first + 1 < samples.size(); first += k) {
        const std::size_t last = std::min(first + k, samples.size() - 1);
        QPolygonF sector;
        sector.reserve(static_cast<qsizetype>(last - first + 2));
        sector << QPointF(0, 0);
        for (std::size_t i = first; i <= last; ++i)
            sector << QPointF(samples[i].x / 1000, samples[i].y / 1000);
        out.push_back(std::move(sector));
    }
    return out;
}

void drawSweptSectors(QPainter& p, const std::vector<QPolygonF>& sectors, const AxisMapping& x,
                      const AxisMapping& y) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    QPolygon pixels;
    for (std::size_t i = 0; i < sectors.size(); ++i) {
        pixels.clear();
        for (const QPointF& v : sectors[i]) pixels << QPoint(x.valueToPixel(v.x()), y.valueToPixel(v.y()));
        p.setBrush(i % 2 == 0 ? kSectorColourA : kSectorColourB);
        p.drawPolygon(pixels);
    }
    p.restore();
}

}  // namespace gravitaria
