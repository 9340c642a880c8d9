// Layout of one drawing (margins, title, legend, label bands, automatic
// ranges) and the axes: grid, lines, ticks, labels, titles.
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

constexpr int kTick = 4;        // major tick length outside the plot
constexpr int kMinorTick = 2;
constexpr int kLabelGap = 2;    // between a tick and its label
constexpr int kCheckSize = 10;  // legend check box side

struct Extent {
    bool any = false;
    double lo = 0;
    double hi = 0;
    void add(double v) {
        if (!std::isfinite(v)) return;
        if (!any) {
            lo = hi = v;
            any = true;
        } else {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
};

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

int maxTextWidth(const QFontMetrics& fm, const std::vector<QString>& texts) {
    int w = 0;
    for (const QString& t : texts) w = std::max(w, fm.horizontalAdvance(t));
    return w;
}

// The range an axis shows in this drawing: its own, or for automatic ends
// the data's, widened by the pixel offsets and rounded to label steps.
std::pair<double, double> shownRange(const TChartAxis& axis, const Extent& data, int pixels,
                                     const QFontMetrics& fm) {
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

QPen axisPen(const QPainter& p, const QColor& c, int width, TPenStyle style) {
    Qt::PenStyle s = Qt::SolidLine;
    if (style == TPenStyle::Dash) s = Qt::DashLine;
    if (style == TPenStyle::Dot) s = Qt::DotLine;
    if (style == TPenStyle::Clear) s = Qt::NoPen;
    return chartPen(p, c, width, s);
}

}  // namespace

QPen chartPen(const QPainter& p, const QColor& colour, int width, Qt::PenStyle style) {
    QPen pen(QBrush(colour), std::max(1, width), style, Qt::SquareCap);
    if (width <= 1 && !p.worldTransform().isScaling()) pen.setCosmetic(true);
    return pen;
}

QFont chartFont(const QFont& base) {
    QFont f = base;
    f.setPixelSize(11);
    return f;
}

QString axisLabelText(double v, const QString& picture) {
    if (!std::isfinite(v)) return {};
    return QString::fromStdString(pictureText(v + 0.0, labelDecimals(picture), systemSeparators()));
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
AxisLabels fittedLabels(const TChartAxis& axis, const QFontMetrics& fm, double lo, double hi, int pixels) {
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

ChartLayout TChart::computeLayout(QPainter& p, QSize size) {
    Layout l;
    l.size = size;
    l.font = chartFont(font());
    p.setFont(l.font);
    const QFontMetrics fm = p.fontMetrics();
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

    Extent dx, dy;
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

void TChart::drawTitleAndLegend(QPainter& p, const Layout& l) {
    p.setFont(l.font);
    const QFontMetrics fm = p.fontMetrics();
    if (!l.titleRect.isEmpty()) {
        p.setPen(QColor(0, 0, 0));
        QRect line(l.titleRect.left(), l.titleRect.top(), l.titleRect.width(), fm.height());
        for (const QString& t : Title.Text) {
            p.drawText(line, static_cast<int>((Title.Alignment & Qt::AlignHorizontal_Mask) |
                                              Qt::AlignVCenter), t);
            line.translate(0, fm.height());
        }
    }
    for (const LegendEntry& e : l.legend) {
        const TLineSeries& s = *series_[static_cast<std::size_t>(e.series)];
        if (!e.check.isEmpty()) {
            p.setPen(QColor(0, 0, 0));
            p.setBrush(QColor(255, 255, 255));
            p.drawRect(e.check.adjusted(0, 0, -1, -1));
            if (s.Active()) {
                const QRect c = e.check.adjusted(2, 2, -3, -3);
                p.drawLine(c.left(), c.center().y(), c.center().x(), c.bottom());
                p.drawLine(c.center().x(), c.bottom(), c.right(), c.top());
            }
        }
        p.setPen(QColor(0, 0, 0));
        p.setBrush(s.SeriesColor);
        p.drawRect(e.symbol.adjusted(0, 0, -1, -1));
        p.setPen(Legend.FontSeriesColor ? s.SeriesColor : QColor(0, 0, 0));
        p.drawText(e.text, Qt::AlignLeft | Qt::AlignVCenter, s.Title);
    }
    if (Legend.Visible && Legend.Frame && !l.legend.empty()) {
        QRect frame = l.legend.front().box;
        for (const LegendEntry& e : l.legend) frame = frame.united(e.box);
        p.setPen(QColor(0, 0, 0));
        p.setBrush(Qt::NoBrush);
        p.drawRect(frame.adjusted(-3, -1, 2, 0));
    }
}

void TChart::drawAxes(QPainter& p, const Layout& l) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setFont(l.font);
    const QFontMetrics fm = p.fontMetrics();
    const QRect& r = l.plot;
    const TChartAxis& xa = *bottom_;
    const TChartAxis& ya = *left_;
    const int axisX = r.left() - 1;    // left axis line, outside the plot
    const int axisY = r.bottom() + 1;  // bottom axis line, on the clip's last row

    if (xa.Grid.Visible) {
        p.setPen(axisPen(p, xa.Grid.Color, 1, xa.Grid.Style));
        for (double v : l.xLabels.values) {
            const int x = l.x.valueToPixel(v);
            if (x >= r.left() && x <= r.right()) p.drawLine(x, r.top(), x, r.bottom());
        }
    }
    if (ya.Grid.Visible) {
        p.setPen(axisPen(p, ya.Grid.Color, 1, ya.Grid.Style));
        for (double v : l.yLabels.values) {
            const int y = l.y.valueToPixel(v);
            if (y >= r.top() && y <= r.bottom()) p.drawLine(r.left(), y, r.right(), y);
        }
    }

    const QColor black(0, 0, 0);
    p.setPen(axisPen(p, black, ya.Axis.Width, TPenStyle::Solid));
    p.drawLine(axisX, r.top(), axisX, axisY);
    p.setPen(axisPen(p, black, xa.Axis.Width, TPenStyle::Solid));
    p.drawLine(axisX, axisY, r.right(), axisY);

    // Ticks: major at the labels, minor ones evenly between them (also in
    // the part steps before the first and after the last label).
    p.setPen(axisPen(p, black, 1, TPenStyle::Solid));
    const auto minorValues = [](const AxisLabels& lab, int count, double lo, double hi) {
        std::vector<double> out;
        if (count <= 0 || lab.step <= 0 || lab.values.empty()) return out;
        const double d = lab.step / (count + 1);
        const double start = lab.values.front() - lab.step;
        for (std::size_t i = 0; i <= lab.values.size(); ++i) {
            for (int k = 1; k <= count; ++k) {
                const double v = start + static_cast<double>(i) * lab.step + k * d;
                if (v >= lo && v <= hi) out.push_back(v);
            }
        }
        return out;
    };
    for (double v : l.yLabels.values) {
        const int y = l.y.valueToPixel(v);
        p.drawLine(axisX - kTick, y, axisX - 1, y);
    }
    for (double v : minorValues(l.yLabels, ya.MinorTickCount, l.y.minimum, l.y.maximum)) {
        const int y = l.y.valueToPixel(v);
        p.drawLine(axisX - kMinorTick, y, axisX - 1, y);
    }
    for (double v : l.xLabels.values) {
        const int x = l.x.valueToPixel(v);
        p.drawLine(x, axisY + 1, x, axisY + kTick);
    }
    for (double v : minorValues(l.xLabels, xa.MinorTickCount, l.x.minimum, l.x.maximum)) {
        const int x = l.x.valueToPixel(v);
        p.drawLine(x, axisY + 1, x, axisY + kMinorTick);
    }

    // Labels.
    const int fh = fm.height();
    const int yTextW = maxTextWidth(fm, l.yLabels.texts);
    for (std::size_t i = 0; i < l.yLabels.values.size(); ++i) {
        const int y = l.y.valueToPixel(l.yLabels.values[i]);
        const QRect box(axisX - kTick - kLabelGap - yTextW, y - fh / 2, yTextW, fh);
        p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, l.yLabels.texts[i]);
    }
    const bool rotated = xa.LabelsAngle % 180 != 0;
    const int xTextW = maxTextWidth(fm, l.xLabels.texts);
    for (std::size_t i = 0; i < l.xLabels.values.size(); ++i) {
        const int x = l.x.valueToPixel(l.xLabels.values[i]);
        const int top = axisY + kTick + kLabelGap;
        if (rotated) {
            p.save();
            p.translate(x, top);
            p.rotate(-90);  // reads upwards, its end next to the axis
            p.drawText(QRect(-xTextW, -fh / 2, xTextW, fh), Qt::AlignRight | Qt::AlignVCenter,
                       l.xLabels.texts[i]);
            p.restore();
        } else {
            const int tw = fm.horizontalAdvance(l.xLabels.texts[i]);
            p.drawText(QRect(x - tw / 2, top, tw, fh), Qt::AlignHCenter | Qt::AlignTop,
                       l.xLabels.texts[i]);
        }
    }

    if (!l.bottomTitleRect.isEmpty()) {
        p.drawText(l.bottomTitleRect, Qt::AlignHCenter | Qt::AlignVCenter, xa.Title);
    }
    if (!l.leftTitleRect.isEmpty()) {
        const QRect t = l.leftTitleRect;
        p.save();
        p.translate(t.left(), t.bottom());
        p.rotate(-90);
        p.drawText(QRect(0, 0, t.height(), t.width()), Qt::AlignHCenter | Qt::AlignVCenter, ya.Title);
        p.restore();
    }
}

}  // namespace gravitaria
