// Series: points, value lists, and drawing them, either directly or through
// a per-series buffer that only draws what was added since the last
// drawing. Both use the same shape drawing, so the buffered screen image is
// pixel for pixel the direct one.
#include <QImage>
#include <QPainter>
#include <algorithm>

#include "chart_buffers.h"
#include "chart_layout.h"
#include "errors.h"

namespace gravitaria {

namespace {

// What a series' buffer was drawn with: a change of any of it redraws it.
struct LayerKey {
    QRect clip;
    AxisMapping x;
    AxisMapping y;
    QRgb color = 0;
    TLineSeries::PointerSettings pointer;
    TLineSeries::LinePenSettings line;

    bool operator==(const LayerKey& o) const {
        const auto sameMap = [](const AxisMapping& a, const AxisMapping& b) {
            return a.minimum == b.minimum && a.maximum == b.maximum && a.startPos == b.startPos &&
                   a.endPos == b.endPos && a.horizontal == b.horizontal;
        };
        return clip == o.clip && sameMap(x, o.x) && sameMap(y, o.y) && color == o.color &&
               pointer.Visible == o.pointer.Visible && pointer.Style == o.pointer.Style &&
               pointer.HorizSize == o.pointer.HorizSize && pointer.VertSize == o.pointer.VertSize &&
               pointer.PenColor.rgb() == o.pointer.PenColor.rgb() && line.Visible == o.line.Visible &&
               line.Width == o.line.Width;
    }
};

LayerKey keyOf(const TLineSeries& s, const ChartLayout& l) {
    return LayerKey{l.clip, l.x, l.y, s.SeriesColor.rgb(), s.Pointer, s.LinePen};
}

// Draws the shapes of `points` (in order) for series `s`. `before`, when
// given, is the point preceding the first one: its segment is drawn too.
// Lines first, then markers, as in a complete drawing of the series. Adds
// to `changed` (when given) rectangles holding every unit drawn.
void drawShapes(QPainter& p, const TLineSeries& s, const ChartLayout& l,
                const std::vector<QPoint>& pixels, const QPoint* before,
                PixelRects* changed = nullptr) {
    if (pixels.empty()) return;
    p.setRenderHint(QPainter::Antialiasing, false);
    if (s.LinePen.Visible) {
        p.setPen(chartPen(p, s.SeriesColor, s.LinePen.Width, Qt::SolidLine));
        std::vector<QLine> segments;
        segments.reserve(std::min<std::size_t>(pixels.size(), 4096));
        QPoint prev = before ? *before : pixels.front();
        const int reachOfPen = std::max(1, s.LinePen.Width) + 2;
        for (std::size_t i = before ? 0 : 1; i < pixels.size(); ++i) {
            segments.emplace_back(prev, pixels[i]);
            if (changed) {
                changed->add(QRect(prev, pixels[i]).normalized().adjusted(-reachOfPen, -reachOfPen,
                                                                         reachOfPen, reachOfPen));
            }
            prev = pixels[i];
            if (segments.size() == 4096) {
                p.drawLines(segments.data(), static_cast<int>(segments.size()));
                segments.clear();
            }
        }
        if (!segments.empty()) p.drawLines(segments.data(), static_cast<int>(segments.size()));
    }
    if (!s.Pointer.Visible) return;
    const int hs = std::max(0, s.Pointer.HorizSize);
    const int vs = std::max(0, s.Pointer.VertSize);
    // Markers whose centre lies this far outside the clip cannot touch it.
    const QRect reach = l.clip.adjusted(-hs - 2, -vs - 2, hs + 2, vs + 2);
    // Every unit a marker at c can touch, outline included.
    const auto markerBox = [hs, vs](const QPoint& c) {
        return QRect(c.x() - hs - 2, c.y() - vs - 2, 2 * hs + 5, 2 * vs + 5);
    };
    p.setPen(chartPen(p, s.Pointer.PenColor, 1, Qt::SolidLine));
    if (s.Pointer.Style == TPointerStyle::Cross) {
        // A cross is pen only, so drawing it twice at one pixel changes
        // nothing: in large batches draw each pixel position once.
        const bool dedupe = pixels.size() > 256;
        std::vector<bool> seen(dedupe ? static_cast<std::size_t>(reach.width()) * reach.height() : 0);
        std::vector<QLine> lines;
        lines.reserve(4096);
        for (const QPoint& c : pixels) {
            if (!reach.contains(c)) continue;
            const std::size_t cell = static_cast<std::size_t>(c.y() - reach.top()) * reach.width() +
                                     static_cast<std::size_t>(c.x() - reach.left());
            if (dedupe) {
                if (seen[cell]) continue;
                seen[cell] = true;
            }
            if (changed) changed->add(markerBox(c));
            lines.emplace_back(c.x() - hs, c.y(), c.x() + hs, c.y());
            lines.emplace_back(c.x(), c.y() - vs, c.x(), c.y() + vs);
            if (lines.size() >= 4096) {
                p.drawLines(lines.data(), static_cast<int>(lines.size()));
                lines.clear();
            }
        }
        if (!lines.empty()) p.drawLines(lines.data(), static_cast<int>(lines.size()));
        return;
    }
    p.setBrush(s.SeriesColor);
    for (const QPoint& c : pixels) {
        if (!reach.contains(c)) continue;
        if (changed) changed->add(markerBox(c));
        const QRect box(c.x() - hs, c.y() - vs, 2 * hs, 2 * vs);
        if (s.Pointer.Style == TPointerStyle::Circle) {
            p.drawEllipse(box);
            continue;
        }
        // A filled square and four lines: drawRect's outline loses a corner
        // pixel when the square crosses the surface's edge, and the buffer's
        // edge is not the clip's.
        const int l = box.left(), t = box.top(), r = l + 2 * hs, b = t + 2 * vs;
        if (hs > 0 && vs > 0) p.fillRect(QRect(l + 1, t + 1, 2 * hs - 1, 2 * vs - 1), s.SeriesColor);
        const QLine edges[4] = {{l, t, r, t}, {r, t, r, b}, {r, b, l, b}, {l, b, l, t}};
        p.drawLines(edges, 4);
    }
}

std::vector<QPoint> pixelsOf(const TLineSeries& s, const ChartLayout& l) {
    std::vector<QPoint> out;
    out.reserve(s.Points().size());
    s.Points().forEach([&](const PointStore::Point& pt) {
        out.emplace_back(l.x.valueToPixel(pt.x), l.y.valueToPixel(pt.y));
    });
    return out;
}

}  // namespace

struct TLineSeries::Layer {
    QImage image;           // the chart's pixels, transparent where nothing is drawn
    PixelRects drawn;       // where the image may hold pixels, units
    bool composed = false;  // whether the composed image shows it
    LayerKey key;
    bool valid = false;     // false: redraw every point at the next drawing
    std::vector<PointStore::Point> pending;   // added since the last drawing
    bool pendingHasBefore = false;
    PointStore::Point before{0, 0};           // the point before pending[0]
};

// --- value lists -----------------------------------------------------------

int TChartValueList::Count() const { return series_.Count(); }

double TChartValueList::operator[](int index) const {
    if (index < 0 || index >= series_.Count()) throw RangeError();
    const PointStore::Point p = series_.Points().at(static_cast<std::size_t>(index));
    return x_ ? p.x : p.y;
}

TValuesOrder TChartValueList::Order() const {
    return x_ ? series_.XOrder() : TValuesOrder::None;
}

// --- series ----------------------------------------------------------------

void TLineSeries::SetActive(bool on) {
    if (on == active_) return;
    active_ = on;
    noteRebuild();
    chart_.noteChange();
}

void TLineSeries::SetXOrder(TValuesOrder order) { order_ = order; }

int TLineSeries::AddXY(double x, double y) {
    const std::size_t index = order_ == TValuesOrder::Ascending ? points_.insertAscending(x, y)
                                                                : points_.append(x, y);
    noteAdded(index);
    chart_.noteChange();
    return static_cast<int>(index);
}

void TLineSeries::Delete(int index) {
    if (index < 0 || index >= Count()) throw RangeError();
    points_.erase(static_cast<std::size_t>(index));
    noteRebuild();
    chart_.noteChange();
}

void TLineSeries::Clear() {
    points_.clear();
    noteRebuild();
    chart_.noteChange();
}

void TLineSeries::RefreshSeries() { chart_.noteChange(); }

TChartAxis& TLineSeries::GetHorizAxis() { return chart_.BottomAxis(); }
TChartAxis& TLineSeries::GetVertAxis() { return chart_.LeftAxis(); }

void TLineSeries::noteRebuild() {
    if (!layer_) layer_ = std::make_shared<Layer>();
    layer_->valid = false;
    layer_->pending.clear();
}

// Decides whether the point just added at `index` can be drawn over the
// buffer, giving what a complete drawing would: lines only when it was added
// at the end; circles and rectangles (outline over fill) only at the end,
// since a later marker covers an earlier one; crosses anywhere.
void TLineSeries::noteAdded(std::size_t index) {
    if (!layer_) layer_ = std::make_shared<Layer>();
    Layer& layer = *layer_;
    if (!layer.valid || !active_) {
        noteRebuild();
        return;
    }
    const bool atEnd = index + 1 == points_.size();
    const bool lines = LinePen.Visible;
    const bool markers = Pointer.Visible;
    bool incremental = false;
    if (lines && markers) incremental = false;
    else if (lines) incremental = atEnd;
    else if (markers) incremental = atEnd || Pointer.Style == TPointerStyle::Cross;
    else incremental = true;
    // Past half of the points, redrawing them all costs no more.
    if (!incremental || layer.pending.size() > std::max<std::size_t>(4096, points_.size() / 2)) {
        noteRebuild();
        return;
    }
    if (layer.pending.empty()) {
        layer.pendingHasBefore = lines && points_.size() >= 2;
        if (layer.pendingHasBefore) layer.before = points_.at(points_.size() - 2);
    }
    layer.pending.push_back(points_.at(index));
}

// --- drawing ---------------------------------------------------------------

void TChart::drawSeriesDirect(QPainter& p, const Layout& l) {
    p.save();
    p.setClipRect(l.clip);
    for (const auto& s : series_) {
        if (!s->Active()) continue;
        drawShapes(p, *s, l, pixelsOf(*s, l), nullptr);
    }
    p.restore();
}

// Brings the series' buffer up to date with its points and returns the
// units whose composition changes: what it drew, what it erased, and all of
// it when it comes into or goes out of the composition. The buffer has the
// screen image's pixels (chart_buffers.h), the series clipped as in a
// complete drawing.
PixelRects TChart::updateSeriesLayer(TLineSeries& s, const Layout& l, qreal ratio) {
    if (!s.layer_) s.layer_ = std::make_shared<TLineSeries::Layer>();
    TLineSeries::Layer& layer = *s.layer_;
    PixelRects changed;
    if (!s.Active()) {
        if (layer.composed) changed.add(layer.drawn);
        layer.composed = false;
        return changed;
    }
    const LayerKey key = keyOf(s, l);
    const bool sameImage = !layer.image.isNull() && layer.image.devicePixelRatio() == ratio &&
                           layer.image.size() == (QSizeF(l.size) * ratio).toSize();
    if (!layer.valid || !(layer.key == key) || !sameImage) {
        if (!sameImage) {
            layer.image = makeChartBuffer(l.size, ratio, QImage::Format_ARGB32_Premultiplied);
            layer.image.fill(Qt::transparent);
        } else {
            // Only what was drawn needs erasing.
            for (const QRect& r : layer.drawn.within(QRect(QPoint(0, 0), l.size))) {
                const QRect pixels = devicePixelRect(r, layer.image);
                for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
                    std::fill_n(reinterpret_cast<QRgb*>(layer.image.scanLine(y)) + pixels.left(),
                                pixels.width(), QRgb(0));
                }
            }
        }
        if (layer.composed) changed.add(layer.drawn);
        layer.drawn.clear();
        QPainter lp(&layer.image);
        lp.setClipRect(l.clip);
        drawShapes(lp, s, l, pixelsOf(s, l), nullptr, &layer.drawn);
        changed.add(layer.drawn);
        layer.key = key;
        layer.valid = true;
        layer.pending.clear();
    } else if (!layer.pending.empty()) {
        std::vector<QPoint> pixels;
        pixels.reserve(layer.pending.size());
        for (const PointStore::Point& pt : layer.pending) {
            pixels.emplace_back(l.x.valueToPixel(pt.x), l.y.valueToPixel(pt.y));
        }
        const QPoint before(l.x.valueToPixel(layer.before.x), l.y.valueToPixel(layer.before.y));
        PixelRects added;
        QPainter lp(&layer.image);
        lp.setClipRect(l.clip);
        drawShapes(lp, s, l, pixels, layer.pendingHasBefore ? &before : nullptr, &added);
        layer.drawn.add(added);
        changed.add(added);
        layer.pending.clear();
    }
    if (!layer.composed) changed.add(layer.drawn);
    layer.composed = true;
    return changed;
}

const QImage* TChart::seriesImage(const TLineSeries& s) const {
    if (!s.Active() || !s.layer_ || s.layer_->image.isNull()) return nullptr;
    return &s.layer_->image;
}

}  // namespace gravitaria
