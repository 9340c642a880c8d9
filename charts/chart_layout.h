#pragma once
// Internal to the chart: the layout of one drawing and the pieces of the
// drawing order that share it.
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <vector>

#include "axis_mapping.h"
#include "chart.h"

namespace gravitaria {

inline constexpr int kTick = 4;        // major tick length outside the plot
inline constexpr int kMinorTick = 2;
inline constexpr int kLabelGap = 2;    // between a tick and its label
inline constexpr int kCheckSize = 10;  // legend check box side

// The font metrics of a drawing, with the widths of texts remembered from
// drawing to drawing: the same labels come back each time, and measuring a
// text shapes it anew.
class TextMetrics {
public:
    TextMetrics(const QFontMetrics& fm, QHash<QString, int>& widths) : fm_(fm), widths_(widths) {}
    int height() const { return fm_.height(); }
    int horizontalAdvance(const QString& text) const;

private:
    QFontMetrics fm_;
    QHash<QString, int>& widths_;
};

// The widest of the texts, pixels.
int maxTextWidth(const TextMetrics& fm, const std::vector<QString>& texts);

struct AxisLabels {
    double step = 0;                 // 0: no labels
    std::vector<double> values;      // label values inside the range
    std::vector<QString> texts;

    bool operator==(const AxisLabels&) const = default;
};

struct LegendEntry {
    int series = 0;
    QRect box;       // the whole entry (click target)
    QRect check;     // check box, empty without CheckBoxes
    QRect symbol;
    QRect text;

    bool operator==(const LegendEntry&) const = default;
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

    bool operator==(const ChartLayout&) const = default;
};

// The extent of the finite values added.
struct DataExtent {
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

// What a layout is computed from besides the surface's font metrics (its
// resolution and pixel ratio stand for them): the same inputs give the same layout, so a
// drawing reuses the last one instead of measuring every label again.
struct LayoutInputs {
    QSize size;
    QFont font;
    int logicalDpiX = 0;
    int logicalDpiY = 0;
    qreal pixelRatio = 1;
    int margins[4] = {0, 0, 0, 0};
    bool marginPixels = false;
    bool titleVisible = false;
    QStringList titleText;
    bool legendVisible = false;
    bool legendCheckBoxes = false;
    int legendSymbolWidth = 0;
    struct SeriesInputs {
        bool showInLegend = false;
        QString title;
        bool operator==(const SeriesInputs&) const = default;
    };
    std::vector<SeriesInputs> series;
    struct AxisInputs {
        double minimum = 0;
        double maximum = 0;
        bool automatic = false, automaticMinimum = false, automaticMaximum = false;
        int minimumOffset = 0, maximumOffset = 0;
        bool minimumRound = false, maximumRound = false;
        QString format;
        int labelsAngle = 0;
        int labelsSeparation = 0;
        bool labelsVisible = false;
        QString title;
        // The data's extent along the axis when an end is automatic.
        bool dataAny = false;
        double dataLo = 0, dataHi = 0;
        bool operator==(const AxisInputs&) const = default;
    };
    AxisInputs bottom;
    AxisInputs left;

    bool operator==(const LayoutInputs&) const = default;
};

struct LayoutCache {
    LayoutInputs inputs;
    ChartLayout layout;
    bool valid = false;
    // Text widths in this font at this resolution.
    QFont widthsFont;
    int widthsDpi = 0;
    qreal widthsRatio = 1;
    QHash<QString, int> widths;
    // The widths cache for the painter's font and resolution.
    QHash<QString, int>& widthsFor(const QPainter& p);
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
AxisLabels fittedLabels(const TChartAxis& axis, const TextMetrics& fm, double lo, double hi, int pixels);

}  // namespace gravitaria
