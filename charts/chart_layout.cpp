// Layout of one drawing: margins, title, legend, label bands, automatic
// ranges, label values and texts.
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <limits>

#include "chart_layout.h"
#include "locale_separators.h"
#include "number_text.h"

namespace gravitaria {

namespace {



int labelDecimals(const QString& picture) {
    const int dot = picture.indexOf(QLatin1Char('.'));
    if (dot < 0) return 0;
    int n = 0;
    for (int i = dot + 1; i < picture.size(); ++i) {
        const QChar c = picture.at(i);
        if (c == QLatin1Char('#') || c == QLatin1Char('0')) ++n;
        else break;
    }
    return n;
}


// The range an axis shows in this drawing: its own, or for automatic ends
// the data's, widened by the pixel offsets and rounded to label steps.
std::pair<double, double> shownRange(const TChartAxis& axis, const DataExtent& data, int pixels,
                                     const TextMetrics& fm) {
    double lo = axis.Minimum();
    double hi = axis.Maximum();
    const bool autoMin = axis.Automatic || axis.AutomaticMinimum;
    const bool autoMax = axis.Automatic || axis.AutomaticMaximum;
    if (!data.any || !(autoMin || autoMax)) return {lo, hi};
    double a = autoMin ? data.lo : lo;
    double b = autoMax ? data.hi : hi;
    if (a > b) {  // a fixed end on the wrong side of the data
        if (autoMin) a = b;
        else b = a;
    }
    if (a == b) {  // a flat series gets a unit either side of its value
        if (autoMin) a -= 1;
        if (autoMax) b += 1;
        if (a == b) return {lo, hi};
    }
    const int o1 = autoMin ? axis.MinimumOffset : 0;
    const int o2 = autoMax ? axis.MaximumOffset : 0;
    const int free = pixels - o1 - o2;
    if (free > 0) {
        const double perPixel = (b - a) / free;
        a -= o1 * perPixel;
        b += o2 * perPixel;
    }
    if ((autoMin && axis.MinimumRound) || (autoMax && axis.MaximumRound)) {
        const AxisLabels labels = fittedLabels(axis, fm, a, b, pixels);
        if (labels.step > 0) {
            if (autoMin && axis.MinimumRound) a = std::floor(a / labels.step) * labels.step;
            if (autoMax && axis.MaximumRound) b = std::ceil(b / labels.step) * labels.step;
        }
    }
    return {a, b};
}


}  // namespace

// A one-pixel pen is cosmetic: exactly one pixel wide on the chart's own
// bitmaps. On a scaled screen it is as many screen pixels wide as one unit
// spans, rounded (1 at 125 %, 2 at 150 % and 200 %), so thin lines keep
// their weight and stay on whole pixels.
QPen chartPen(const QPainter& p, const QColor& colour, int width, Qt::PenStyle style) {
    QPen pen(QBrush(colour), std::max(1, width), style, Qt::SquareCap);
    if (width <= 1 && !p.worldTransform().isScaling()) {
        pen.setCosmetic(true);
        const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        if (ratio > 1.0) pen.setWidth(std::max(1, qRound(ratio)));
    }
    return pen;
}

int TextMetrics::horizontalAdvance(const QString& text) const {
    const auto found = widths_.constFind(text);
    if (found != widths_.constEnd()) return *found;
    if (widths_.size() > 4096) widths_.clear();
    const int w = fm_.horizontalAdvance(text);
    widths_.insert(text, w);
    return w;
}

QHash<QString, int>& LayoutCache::widthsFor(const QPainter& p) {
    const int dpi = p.device() ? p.device()->logicalDpiX() * 10000 + p.device()->logicalDpiY() : 0;
    const qreal ratio = p.device() ? p.device()->devicePixelRatioF() : 1;
    if (!(widthsFont == p.font()) || widthsDpi != dpi || widthsRatio != ratio) {
        widths.clear();
        widthsFont = p.font();
        widthsDpi = dpi;
        widthsRatio = ratio;
    }
    return widths;
}

int maxTextWidth(const TextMetrics& fm, const std::vector<QString>& texts) {
    int w = 0;
    for (const QString& t : texts) w = std::max(w, fm.horizontalAdvance(t));
    return w;
}

QFont chartFont(const QFont& base) {
    QFont f = base;
    f.setPixelSize(11);
    return f;
}

QString axisLabelText(double v, const QString& picture) {
    if (!std::isfinite(v)) return {};
    // Remembered: the same label values come back drawing after drawing.
    static QHash<QPair<double, QString>, QString> texts;
    const QPair<double, QString> key(v + 0.0, picture);
    const auto found = texts.constFind(key);
    if (found != texts.constEnd()) return *found;
    if (texts.size() > 4096) texts.clear();
    const QString text =
        QString::fromStdString(pictureText(v + 0.0, labelDecimals(picture), systemSeparators()));
    texts.insert(key, text);
    return text;
}

double niceStep(double minStep) {
    if (!(minStep > 0) || !std::isfinite(minStep)) return 0;
    const double base = std::pow(10.0, std::floor(std::log10(minStep)));
    for (double m : {1.0, 2.0, 5.0, 10.0}) {
        if (m * base >= minStep * (1 - 1e-12)) return m * base;
    }
    return 10 * base;
}

AxisLabels axisLabels(double minimum, double maximum, int pixels, int labelSize,
                      int separationPercent, const QString& picture) {
    AxisLabels out;
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) return out;
    if (maximum == minimum) {
        out.values.push_back(minimum);
        out.texts.push_back(axisLabelText(minimum, picture));
        return out;
    }
    if (!(maximum > minimum) || pixels < 1) return out;
    const double gap = std::max(1.0, labelSize * (1 + std::max(0, separationPercent) / 100.0));
    out.step = niceStep(gap * (maximum - minimum) / pixels);
    if (!(out.step > 0)) return out;
    const double first = std::ceil(minimum / out.step - 1e-9);
    const double tolerance = out.step * 1e-9;
    for (int i = 0; i < 1000; ++i) {
        double v = (first + i) * out.step;
        if (v > maximum + tolerance) break;
        if (std::fabs(v) < tolerance) v = 0;
        out.values.push_back(v);
        out.texts.push_back(axisLabelText(v, picture));
    }
    return out;
}

// The labels of an axis: their size along it is the text height, or for
// flat labels on a horizontal axis the widest text, which depends on the
// step chosen; widen until the widest label fits (a few rounds at most).
AxisLabels fittedLabels(const TChartAxis& axis, const TextMetrics& fm, double lo, double hi, int pixels) {
    const bool alongWidth = axis.Horizontal() && axis.LabelsAngle % 180 == 0;
    int size = alongWidth ? std::max(fm.horizontalAdvance(axisLabelText(lo, axis.AxisValuesFormat)),
                                     fm.horizontalAdvance(axisLabelText(hi, axis.AxisValuesFormat)))
                          : fm.height();
    AxisLabels labels = axisLabels(lo, hi, pixels, size, axis.LabelsSeparation, axis.AxisValuesFormat);
    for (int round = 0; alongWidth && round < 4; ++round) {
        const int widest = maxTextWidth(fm, labels.texts);
        if (widest <= size) break;
        size = widest;
        labels = axisLabels(lo, hi, pixels, size, axis.LabelsSeparation, axis.AxisValuesFormat);
    }
    return labels;
}

namespace {

LayoutInputs::AxisInputs axisInputs(const TChartAxis& a, const DataExtent& data) {
    LayoutInputs::AxisInputs in;
    in.minimum = a.Minimum();
    in.maximum = a.Maximum();
    in.automatic = a.Automatic;
    in.automaticMinimum = a.AutomaticMinimum;
    in.automaticMaximum = a.AutomaticMaximum;
    in.minimumOffset = a.MinimumOffset;
    in.maximumOffset = a.MaximumOffset;
    in.minimumRound = a.MinimumRound;
    in.maximumRound = a.MaximumRound;
    in.format = a.AxisValuesFormat;
    in.labelsAngle = a.LabelsAngle;
    in.labelsSeparation = a.LabelsSeparation;
    in.labelsVisible = a.LabelsVisible;
    in.title = a.Title;
    in.dataAny = data.any;
    in.dataLo = data.lo;
    in.dataHi = data.hi;
    return in;
}

}  // namespace

ChartLayout TChart::computeLayout(QPainter& p, QSize size) {
    const QFont font = chartFont(this->font());
    p.setFont(font);
    const TChartAxis& xa = *bottom_;
    const TChartAxis& ya = *left_;
    DataExtent dx, dy;
    if (xa.Automatic || xa.AutomaticMinimum || xa.AutomaticMaximum || ya.Automatic ||
        ya.AutomaticMinimum || ya.AutomaticMaximum) {
        for (const auto& s : series_) {
            if (!s->Active()) continue;
            s->points_.forEach([&](const PointStore::Point& pt) {
                dx.add(pt.x);
                dy.add(pt.y);
            });
        }
    }
    LayoutInputs in;
    in.size = size;
    in.font = font;
    in.logicalDpiX = p.device() ? p.device()->logicalDpiX() : 0;
    in.logicalDpiY = p.device() ? p.device()->logicalDpiY() : 0;
    in.pixelRatio = p.device() ? p.device()->devicePixelRatioF() : 1;
    in.margins[0] = MarginLeft;
    in.margins[1] = MarginTop;
    in.margins[2] = MarginRight;
    in.margins[3] = MarginBottom;
    in.marginPixels = MarginUnits == TMarginUnits::Pixels;
    in.titleVisible = Title.Visible;
    in.titleText = Title.Text;
    in.legendVisible = Legend.Visible;
    in.legendCheckBoxes = Legend.CheckBoxes;
    in.legendSymbolWidth = Legend.SymbolWidth;
    for (const auto& s : series_) in.series.push_back({s->ShowInLegend, s->Title});
    in.bottom = axisInputs(xa, dx);
    in.left = axisInputs(ya, dy);
    if (layoutCache_->valid && layoutCache_->inputs == in) return layoutCache_->layout;
    layoutCache_->valid = false;
    Layout l = computeLayout(p, size, dx, dy);
    layoutCache_->inputs = std::move(in);
    layoutCache_->layout = l;
    layoutCache_->valid = true;
    return l;
}

ChartLayout TChart::computeLayout(QPainter& p, QSize size, const DataExtent& dx, const DataExtent& dy) {
    Layout l;
    l.size = size;
    l.font = chartFont(font());
    p.setFont(l.font);
    const TextMetrics fm(p.fontMetrics(), layoutCache_->widthsFor(p));
    const int w = size.width();
    const int h = size.height();
    const bool px = MarginUnits == TMarginUnits::Pixels;
    const int ml = px ? MarginLeft : MarginLeft * w / 100;
    const int mr = px ? MarginRight : MarginRight * w / 100;
    const int mt = px ? MarginTop : MarginTop * h / 100;
    const int mb = px ? MarginBottom : MarginBottom * h / 100;
    QRect inner(ml, mt, std::max(0, w - ml - mr), std::max(0, h - mt - mb));

    if (Title.Visible && !Title.Text.isEmpty()) {
        const int th = fm.height() * static_cast<int>(Title.Text.size());
        l.titleRect = QRect(inner.left(), inner.top(), inner.width(), th);
        inner.setTop(inner.top() + th + 4);
    }
    if (Legend.Visible) {
        const int rowH = std::max(fm.height(), kCheckSize) + 2;
        std::vector<LegendEntry> entries;
        int total = 0;
        for (int i = 0; i < SeriesCount(); ++i) {
            const TLineSeries& s = *series_[static_cast<std::size_t>(i)];
            if (!s.ShowInLegend) continue;
            LegendEntry e;
            e.series = i;
            int x = 0;
            if (Legend.CheckBoxes) {
                e.check = QRect(x, (rowH - kCheckSize) / 2, kCheckSize, kCheckSize);
                x += kCheckSize + 3;
            }
            e.symbol = QRect(x, (rowH - Legend.SymbolWidth) / 2, Legend.SymbolWidth, Legend.SymbolWidth);
            x += Legend.SymbolWidth + 3;
            const int tw = fm.horizontalAdvance(s.Title);
            e.text = QRect(x, 0, tw, rowH);
            x += tw;
            e.box = QRect(0, 0, x, rowH);
            total += x + (entries.empty() ? 0 : 12);
            entries.push_back(e);
        }
        int x = inner.left() + std::max(0, (inner.width() - total) / 2);
        const int y = inner.bottom() - rowH + 1;
        for (LegendEntry& e : entries) {
            const QPoint at(x, y);
            e.box.translate(at);
            e.check.translate(at);
            e.symbol.translate(at);
            e.text.translate(at);
            x += e.box.width() + 12;
        }
        l.legend = std::move(entries);
        inner.setBottom(inner.bottom() - rowH - 4);
    }

    const TChartAxis& xa = *bottom_;
    const TChartAxis& ya = *left_;
    const int leftTitleW = ya.Title.isEmpty() ? 0 : fm.height() + 2;
    const int bottomTitleH = xa.Title.isEmpty() ? 0 : fm.height() + 2;
    const bool xRotated = xa.LabelsAngle % 180 != 0;


    // The label bands depend on the labels, which depend on the plot's size:
    // a few passes settle them (the result is the same for the same inputs).
    int leftBand = 0;
    int bottomBand = 0;
    int topPad = ya.LabelsVisible ? fm.height() / 2 : 0;
    int rightPad = 0;
    for (int pass = 0; pass < 3; ++pass) {
        const int left = inner.left() + leftTitleW + leftBand;
        const int right = std::max(left, inner.right() - rightPad);
        const int top = inner.top() + topPad;
        const int bottom = std::max(top, inner.bottom() - bottomTitleH - bottomBand);
        l.plot = QRect(QPoint(left, top), QPoint(right, bottom));
        const auto [x0, x1] = shownRange(xa, dx, l.plot.width() - 1, fm);
        const auto [y0, y1] = shownRange(ya, dy, l.plot.height() - 1, fm);
        l.x = AxisMapping{x0, x1, l.plot.left(), l.plot.right(), true};
        l.y = AxisMapping{y0, y1, l.plot.top(), l.plot.bottom(), false};
        if (xa.LabelsVisible) {
            l.xLabels = fittedLabels(xa, fm, x0, x1, l.x.axisSize());
        }
        if (ya.LabelsVisible) {
            l.yLabels = fittedLabels(ya, fm, y0, y1, l.y.axisSize());
        }
        const int xTextW = maxTextWidth(fm, l.xLabels.texts);
        leftBand = 1 + kTick + kLabelGap + maxTextWidth(fm, l.yLabels.texts);
        bottomBand = 1 + kTick + kLabelGap + (xa.LabelsVisible ? (xRotated ? xTextW : fm.height()) : 0);
        rightPad = xa.LabelsVisible ? (xRotated ? fm.height() / 2 : xTextW / 2) : 0;
    }
    l.clip = QRect(l.plot.left(), l.plot.top() - 1, l.plot.width(), l.plot.height() + 2);
    if (bottomTitleH > 0) {
        l.bottomTitleRect = QRect(l.plot.left(), inner.bottom() - bottomTitleH + 1, l.plot.width(),
                                  bottomTitleH);
    }
    if (leftTitleW > 0) {
        l.leftTitleRect = QRect(inner.left(), l.plot.top(), leftTitleW, l.plot.height());
    }
    return l;
}

void TChart::applyLayout(const Layout& l) {
    bottom_->layout_ = l.x;
    left_->layout_ = l.y;
    // An automatic range is the axis' range from this drawing on.
    bottom_->minimum_ = l.x.minimum;
    bottom_->maximum_ = l.x.maximum;
    left_->minimum_ = l.y.minimum;
    left_->maximum_ = l.y.maximum;
    legendBoxes_.assign(series_.size(), QRect());
    for (const LegendEntry& e : l.legend) {
        legendBoxes_[static_cast<std::size_t>(e.series)] = e.box;
    }
}

}  // namespace gravitaria
