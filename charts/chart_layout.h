#pragma once
// Internal to the chart: the layout of one drawing and the pieces of the
// drawing order that share it.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <vector>

#include "axis_mapping.h"
#include "chart.h"

namespace gravitaria {

inline constexpr int kTick = 4;        // major tick length outside the plot
inline constexpr int kMinorTick = 2;
inline constexpr int kLabelGap = 2;    // between a tick and its label
inline constexpr int kCheckSize = 10;  // legend check box side

// The widest of the texts, pixels.
int maxTextWidth(const QFontMetrics& fm, const std::vector<QString>& texts);

struct AxisLabels {
    double step = 0;                 // 0: no labels
    std::vector<double> values;      // label values inside the range
    std::vector<QString> texts;
};

struct LegendEntry {
    int series = 0;
    QRect box;       // the whole entry (click target)
    QRect check;     // check box, empty without CheckBoxes
    QRect symbol;
    QRect text;
};

struct ChartLayout {
    QSize size;
    QFont font;
    QRect plot;      // plotting rectangle, inclusive pixel extents
    QRect clip;      // series clip: the plot with one pixel above and below
    AxisMapping x;
    AxisMapping y;
    AxisLabels xLabels;
    AxisLabels yLabels;
    QRect titleRect;
    QRect bottomTitleRect;
    QRect leftTitleRect;
    std::vector<LegendEntry> legend;
};

// A line pen. One pixel wide lines are cosmetic on unscaled surfaces (the
// screen and bitmaps), so that they rasterise the same however they are
// clipped; on a scaled page they scale with the chart.
QPen chartPen(const QPainter& p, const QColor& colour, int width, Qt::PenStyle style);

// The chart's text font: a pixel size, so that a page scaled from the
// client size keeps the screen's proportions.
QFont chartFont(const QFont& base);

// Label text of value v for a number picture such as "#,##0.###".
QString axisLabelText(double v, const QString& picture);

// The least 1, 2 or 5 times a power of ten that is >= minStep (> 0).
double niceStep(double minStep);

// Labels for a range drawn over `pixels` pixels, each label `labelSize`
// pixels long along the axis, keeping `separationPercent` of that size free.
AxisLabels axisLabels(double minimum, double maximum, int pixels, int labelSize,
                      int separationPercent, const QString& picture);

// The labels `axis` shows for lo..hi over `pixels` pixels, spaced for the
// widest of them.
AxisLabels fittedLabels(const TChartAxis& axis, const QFontMetrics& fm, double lo, double hi, int pixels);

}  // namespace gravitaria
