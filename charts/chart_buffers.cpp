// The buffered drawing of a chart: the frame, the series and the axes over
// them kept as images, composed again only where something changed.
#include "chart_buffers.h"

#include <QPainter>
#include <cmath>
#include <cstring>

namespace gravitaria {

QImage makeChartBuffer(QSize size, qreal ratio, QImage::Format format) {
    QImage image((QSizeF(size.expandedTo(QSize(1, 1))) * ratio).toSize(), format);
    image.setDevicePixelRatio(ratio);
    return image;
}

QRect devicePixelRect(const QRect& r, const QImage& image) {
    if (r.isEmpty()) return {};
    const qreal ratio = image.devicePixelRatio();
    const int left = static_cast<int>(std::floor(r.left() * ratio));
    const int top = static_cast<int>(std::floor(r.top() * ratio));
    const int right = static_cast<int>(std::ceil((r.right() + 1) * ratio));    // exclusive
    const int bottom = static_cast<int>(std::ceil((r.bottom() + 1) * ratio));  // exclusive
    return QRect(left, top, right - left, bottom - top).intersected(image.rect());
}

namespace {

// a * alpha / 255 on each of the four channels of a premultiplied pixel.
inline QRgb scaledPixel(QRgb c, unsigned alpha) {
    unsigned t = (c & 0xff00ff) * alpha;
    t = ((t + ((t >> 8) & 0xff00ff) + 0x800080) >> 8) & 0xff00ff;
    unsigned x = ((c >> 8) & 0xff00ff) * alpha;
    x = (x + ((x >> 8) & 0xff00ff) + 0x800080) & 0xff00ff00;
    return x | t;
}

}  // namespace

void copyPixels(QImage& onto, const QImage& from, const QRect& area, PixelBlend blend) {
    const QRect a = area.intersected(onto.rect()).intersected(from.rect());
    if (a.isEmpty()) return;
    for (int y = a.top(); y <= a.bottom(); ++y) {
        const QRgb* src = reinterpret_cast<const QRgb*>(from.constScanLine(y)) + a.left();
        QRgb* dst = reinterpret_cast<QRgb*>(onto.scanLine(y)) + a.left();
        if (blend == PixelBlend::Replace) {
            std::memcpy(dst, src, static_cast<std::size_t>(a.width()) * sizeof(QRgb));
            continue;
        }
        for (int i = 0; i < a.width(); ++i) {
            const QRgb s = src[i];
            const unsigned alpha = qAlpha(s);
            if (alpha == 255) dst[i] = s;
            else if (alpha != 0) dst[i] = s + scaledPixel(dst[i], 255 - alpha);
        }
    }
}

// --- changed units ---------------------------------------------------------

void PixelRects::add(const QRect& r) {
    if (r.isEmpty()) return;
    bounds_ = bounds_.united(r);
    if (rects_.size() < kMaxRects) {
        rects_.push_back(r);
    } else {
        // Past the limit only the bounds are kept: still every change.
        rects_.assign(1, bounds_);
    }
}

void PixelRects::add(const PixelRects& other) {
    for (const QRect& r : other.rects_) add(r);
}

void PixelRects::clear() {
    rects_.clear();
    bounds_ = QRect();
}

std::vector<QRect> PixelRects::within(const QRect& area) const {
    std::vector<QRect> out;
    out.reserve(rects_.size());
    for (const QRect& r : rects_) {
        const QRect c = r.intersected(area);
        if (!c.isEmpty()) out.push_back(c);
    }
    return out;
}

// --- frame -----------------------------------------------------------------

namespace {

FrameKey::AxisLook axisLook(const TChartAxis& a) {
    return {a.Grid.Visible, a.Grid.Color.rgb(), a.Grid.Style, a.Axis.Width, a.MinorTickCount,
            a.LabelsAngle, a.Title};
}

}  // namespace

FrameKey TChart::frameKey(const Layout& l, qreal ratio) const {
    FrameKey key;
    key.layout = l;
    key.ratio = ratio;
    key.color = Color.rgb();
    key.titleText = Title.Text;
    key.titleAlignment = static_cast<int>(Title.Alignment);
    for (const LegendEntry& e : l.legend) {
        const TLineSeries& s = *series_[static_cast<std::size_t>(e.series)];
        key.legendLooks.push_back({s.SeriesColor.rgb(), s.Title, s.Active()});
    }
    key.legendFontSeriesColor = Legend.FontSeriesColor;
    key.legendFrame = Legend.Visible && Legend.Frame;
    key.bottom = axisLook(*bottom_);
    key.left = axisLook(*left_);
    return key;
}

// --- composition -----------------------------------------------------------

void TChart::noteCanvasPaint(const QRect& bounds) {
    Buffers& b = *buffers_;
    b.screenStale.add(bounds);
    b.canvasPainted.add(bounds);
    if (b.drawingScreen) b.screenChanged.add(bounds);
}

// The frame's pixels in the order of a complete drawing: the background,
// title, legend, left ticks, left labels and titles lie apart from the plot
// and the bottom axis, so they may come first. Not with what is drawn under
// the series, nor with rotated bottom labels (which may reach far).
bool TChart::drawMovedAlongBottom(QPainter& p, const Layout& l, const FrameKey& key) {
    if (OnDrawUnderSeries || bottom_->LabelsAngle % 180 != 0) return false;
    Buffers& b = *buffers_;
    FrameKey still = key;
    still.layout.x = {};
    still.layout.xLabels = {};
    const QRect whole(QPoint(0, 0), l.size);
    const bool sameStill = b.stillValid && b.stillKey == still;
    if (!sameStill) {
        const qreal ratio = key.ratio;
        if (b.still.size() != (QSizeF(l.size) * ratio).toSize() || b.still.devicePixelRatio() != ratio)
            b.still = makeChartBuffer(l.size, ratio, QImage::Format_RGB32);
        QPainter sp(&b.still);
        sp.setRenderHint(QPainter::Antialiasing, false);
        sp.fillRect(whole, Color);
        drawTitleAndLegend(sp, l);
        drawAxes(sp, l, AxesLeftTicks | AxesLeftLabels | AxesTitles);
        b.stillKey = std::move(still);
        b.stillValid = true;
    }
    // What moves: the plot's clip and the bottom axis' band, across the
    // whole width; everything when the screen holds something else.
    QRect moving = l.clip.united(bottomLabelBand(l));
    moving.setLeft(0);
    moving.setRight(l.size.width() - 1);
    PixelRects area;
    area.add(sameStill && b.lastMoved ? moving : whole);
    area.add(b.canvasPainted);
    for (const QRect& r : area.within(whole)) {
        copyPixels(screen_, b.still, devicePixelRect(r, screen_), PixelBlend::Replace);
        b.screenChanged.add(r);
    }
    drawSeriesDirect(p, l);
    drawAxes(p, l, AxesGridAndLines | AxesBottomTicks | AxesBottomLabels);
    b.lastMoved = true;
    return true;
}

void TChart::drawBuffered(QPainter& p, const Layout& l, bool onScreen) {
    Buffers& b = *buffers_;
    const qreal ratio = p.device()->devicePixelRatioF();
    const QRect whole(QPoint(0, 0), l.size);
    // A surface of other pixels than the screen's (the clipboard bitmap or
    // the print's trial drawing on a scaled screen) is drawn directly, and
    // the buffers stay as they are.
    if (!onScreen && (ratio != devicePixelRatioF() || l.size != size())) {
        drawDirect(p, l);
        return;
    }
    const FrameKey key = frameKey(l, ratio);
    if (onScreen) {
        const bool changedSinceLast = !(key == b.lastScreenKey);
        const bool direct = changedSinceLast && b.lastScreenFrameChanged;
        b.lastScreenFrameChanged = changedSinceLast;
        if (changedSinceLast) b.lastScreenKey = key;
        if (direct) {
            const bool moved = drawMovedAlongBottom(p, l, key);
            if (!moved) {
                drawDirect(p, l);
                b.screenChanged.add(whole);
            }
            b.lastMoved = moved;
            b.canvasPainted.clear();
            b.valid = false;  // composed afresh once the frame holds still
            b.screenStale.add(whole);
            return;
        }
        b.lastMoved = false;
        b.canvasPainted.clear();
    }

    PixelRects changed;
    if (!b.valid || !(b.key == key)) {
        if (b.frame.size() != (QSizeF(l.size) * ratio).toSize() || b.frame.devicePixelRatio() != ratio) {
            b.frame = makeChartBuffer(l.size, ratio, QImage::Format_RGB32);
            b.composed = makeChartBuffer(l.size, ratio, QImage::Format_RGB32);
            b.axesOver = makeChartBuffer(l.size, ratio, QImage::Format_ARGB32_Premultiplied);
        }
        {
            QPainter fp(&b.frame);
            drawFrame(fp, l);
        }
        b.axesOver.fill(Qt::transparent);
        {
            QPainter ap(&b.axesOver);
            // Everything of the axes that reaches into the clip: the grid,
            // the lines, and on scaled screens the ticks' ends too.
            ap.setClipRect(l.clip);
            drawAxes(ap, l);
        }
        b.key = key;
        b.valid = true;
        changed.add(whole);
    }
    for (const auto& s : series_) changed.add(updateSeriesLayer(*s, l, ratio));

    // Composed again where something changed: the frame, the series in
    // list order, then the axes over them.
    const QRect clipPixels = devicePixelRect(l.clip, b.composed);
    for (const QRect& r : changed.within(whole)) {
        const QRect pixels = devicePixelRect(r, b.composed);
        copyPixels(b.composed, b.frame, pixels, PixelBlend::Replace);
        const QRect inClip = pixels.intersected(clipPixels);
        if (inClip.isEmpty()) continue;
        for (const auto& s : series_) {
            if (const QImage* image = seriesImage(*s)) copyPixels(b.composed, *image, inClip, PixelBlend::Over);
        }
        copyPixels(b.composed, b.axesOver, inClip, PixelBlend::Over);
    }
    b.screenStale.add(changed);
    if (!onScreen) {
        p.drawImage(QPoint(0, 0), b.composed);
        return;
    }
    // The screen image is not shared while it is drawn (drawToScreen), so
    // its pixels can be written directly.
    for (const QRect& r : b.screenStale.within(whole)) {
        copyPixels(screen_, b.composed, devicePixelRect(r, screen_), PixelBlend::Replace);
        b.screenChanged.add(r);
    }
    b.screenStale.clear();
}

}  // namespace gravitaria
