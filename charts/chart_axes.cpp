// Drawing the title, the legend and the axes (grid, lines, ticks, labels,
// titles) of a laid-out chart.
#include <QFontMetrics>
#include <QPainter>

#include "chart_layout.h"

namespace gravitaria {

namespace {

QPen axisPen(const QPainter& p, const QColor& c, int width, TPenStyle style) {
    Qt::PenStyle s = Qt::SolidLine;
    if (style == TPenStyle::Dash) s = Qt::DashLine;
    if (style == TPenStyle::Dot) s = Qt::DotLine;
    if (style == TPenStyle::Clear) s = Qt::NoPen;
    return chartPen(p, c, width, s);
}

}  // namespace

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

// The parts in their fixed order: grid and axis lines, ticks (left axis,
// then bottom), labels (left, then bottom), titles.
void TChart::drawAxes(QPainter& p, const Layout& l, unsigned parts) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setFont(l.font);
    const TextMetrics fm(p.fontMetrics(), layoutCache_->widthsFor(p));
    const QRect& r = l.plot;
    const TChartAxis& xa = *bottom_;
    const TChartAxis& ya = *left_;
    const int axisX = r.left() - 1;    // left axis line, outside the plot
    const int axisY = r.bottom() + 1;  // bottom axis line, on the clip's last row
    const QColor black(0, 0, 0);

    // Lines of one pen go in one call: each call of its own costs more
    // than the line, and the pixels are the same.
    std::vector<QLine> lines;
    const auto drawBatch = [&] {
        if (!lines.empty()) p.drawLines(lines.data(), static_cast<int>(lines.size()));
        lines.clear();
    };
    if (parts & AxesGridAndLines) {
        if (xa.Grid.Visible) {
            p.setPen(axisPen(p, xa.Grid.Color, 1, xa.Grid.Style));
            for (double v : l.xLabels.values) {
                const int x = l.x.valueToPixel(v);
                if (x >= r.left() && x <= r.right()) lines.emplace_back(x, r.top(), x, r.bottom());
            }
            drawBatch();
        }
        if (ya.Grid.Visible) {
            p.setPen(axisPen(p, ya.Grid.Color, 1, ya.Grid.Style));
            for (double v : l.yLabels.values) {
                const int y = l.y.valueToPixel(v);
                if (y >= r.top() && y <= r.bottom()) lines.emplace_back(r.left(), y, r.right(), y);
            }
            drawBatch();
        }
        p.setPen(axisPen(p, black, ya.Axis.Width, TPenStyle::Solid));
        p.drawLine(axisX, r.top(), axisX, axisY);
        p.setPen(axisPen(p, black, xa.Axis.Width, TPenStyle::Solid));
        p.drawLine(axisX, axisY, r.right(), axisY);
    }

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
    if (parts & AxesLeftTicks) {
        for (double v : l.yLabels.values) {
            const int y = l.y.valueToPixel(v);
            lines.emplace_back(axisX - kTick, y, axisX - 1, y);
        }
        for (double v : minorValues(l.yLabels, ya.MinorTickCount, l.y.minimum, l.y.maximum)) {
            const int y = l.y.valueToPixel(v);
            lines.emplace_back(axisX - kMinorTick, y, axisX - 1, y);
        }
    }
    if (parts & AxesBottomTicks) {
        for (double v : l.xLabels.values) {
            const int x = l.x.valueToPixel(v);
            lines.emplace_back(x, axisY + 1, x, axisY + kTick);
        }
        for (double v : minorValues(l.xLabels, xa.MinorTickCount, l.x.minimum, l.x.maximum)) {
            const int x = l.x.valueToPixel(v);
            lines.emplace_back(x, axisY + 1, x, axisY + kMinorTick);
        }
    }
    drawBatch();

    // Labels.
    const int fh = fm.height();
    if (parts & AxesLeftLabels) {
        const int yTextW = maxTextWidth(fm, l.yLabels.texts);
        for (std::size_t i = 0; i < l.yLabels.values.size(); ++i) {
            const int y = l.y.valueToPixel(l.yLabels.values[i]);
            const QRect box(axisX - kTick - kLabelGap - yTextW, y - fh / 2, yTextW, fh);
            p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, l.yLabels.texts[i]);
        }
    }
    if (parts & AxesBottomLabels) {
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
    }

    if (!(parts & AxesTitles)) return;
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

// Flat labels: a line of text under the ticks, and a little more for ink
// that reaches past the font's cell.
QRect TChart::bottomLabelBand(const Layout& l) const {
    const int axisY = l.plot.bottom() + 1;
    const int depth = kTick + kLabelGap + QFontMetrics(l.font).height() + 3;
    return QRect(0, axisY, l.size.width(), depth);
}

}  // namespace gravitaria
