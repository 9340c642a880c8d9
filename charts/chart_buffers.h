#pragma once
// Internal to the chart: the images a screen drawing is composed of.
//
//   frame      the background, title, legend, what is drawn under the
//              series, and the axes (grid, lines, ticks, labels, titles):
//              everything but the series; redrawn only when the layout or
//              the look changes, or after Invalidate()
//   series     one transparent image per series (TLineSeries::Layer), the
//              series clipped as in a complete drawing; new points are
//              drawn into it
//   axes over  the axes once more, clipped to the plot clip, transparent
//              elsewhere: what the axes draw over the series
//   composed   frame, then every active series in list order, then the
//              axes over them; only the pixels that changed are composed
//              again
//
// All of them have the screen image's size and pixels (the chart's size at
// its device pixel ratio) and lie at the origin, so that composing them pixel
// for pixel gives a complete drawing's pixels at any ratio, 125 % included.
// A drawing then copies the changed pixels of the composed image onto the
// screen image and runs the after-draw hook. While the frame changes with
// every drawing (automatic axes following the points of a run), the screen
// is drawn directly instead: buffers thrown away at once would only cost
// more. When only the bottom axis moves, what does not move with it is
// kept as one more image (`still`), and only the plot and the bottom axis
// are drawn over it.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QStringList>
#include <vector>

#include "chart_layout.h"

namespace gravitaria {

// A new buffer for a chart of `size` units at `ratio` pixels per unit: the
// one place the chart's images are created, so that every one of them has
// the same pixels.
QImage makeChartBuffer(QSize size, qreal ratio, QImage::Format format);

// The pixels of `image` covering the unit rectangle `r` (all of every pixel
// it touches), cut to the image.
QRect devicePixelRect(const QRect& r, const QImage& image);

// Copies the pixels `area` of `from` onto the same pixels of `onto` (images
// of one size): replaced (Source) or laid over (SourceOver, `from` with
// alpha). Pixels, not units: nothing is resampled.
enum class PixelBlend { Replace, Over };
void copyPixels(QImage& onto, const QImage& from, const QRect& area, PixelBlend blend);

// Rectangles of units changed by a drawing, possibly overlapping: past a
// few dozen they are replaced by their bounding rectangle.
class PixelRects {
public:
    void add(const QRect& r);
    void add(const PixelRects& other);
    void clear();
    // The rectangles cut to `area`, empty ones left out.
    std::vector<QRect> within(const QRect& area) const;

private:
    static constexpr std::size_t kMaxRects = 64;
    std::vector<QRect> rects_;
    QRect bounds_;
};

// Everything the frame image is drawn from besides what is drawn under the
// series (Invalidate() stands for that): a change of any of it redraws the
// frame, and with it everything composed over it.
struct FrameKey {
    ChartLayout layout;
    qreal ratio = 1;
    QRgb color = 0;
    QStringList titleText;
    int titleAlignment = 0;
    struct LegendLook {
        QRgb color = 0;
        QString title;
        bool active = false;
        bool operator==(const LegendLook&) const = default;
    };
    std::vector<LegendLook> legendLooks;
    bool legendFontSeriesColor = false;
    bool legendFrame = false;
    struct AxisLook {
        bool gridVisible = false;
        QRgb gridColor = 0;
        TPenStyle gridStyle = TPenStyle::Solid;
        int width = 1;
        int minorTicks = 0;
        int labelsAngle = 0;
        QString title;
        bool operator==(const AxisLook&) const = default;
    };
    AxisLook bottom;
    AxisLook left;

    bool operator==(const FrameKey&) const = default;
};

struct TChart::Buffers {
    QImage frame;      // RGB32
    QImage axesOver;   // premultiplied ARGB
    QImage composed;   // RGB32
    FrameKey key;
    bool valid = false;  // false after Invalidate(): what is under the series may differ
    // Units of the screen image whose pixels differ from the composed
    // image: the composition changed there, or the canvas painted there.
    PixelRects screenStale;
    // What the current or last screen drawing changed on the screen image:
    // all a forced repaint needs to show.
    PixelRects screenChanged;
    bool drawingScreen = false;
    // The frame of the last screen drawing, and whether it differed from
    // the one before.
    FrameKey lastScreenKey;
    bool lastScreenFrameChanged = false;

    // While only the bottom axis moves (a time axis following the points),
    // the frame without what moves with it: background, title, legend, the
    // left axis' ticks and labels, the titles. RGB32.
    QImage still;
    FrameKey stillKey;  // the frame's key with the bottom axis' range left out
    bool stillValid = false;
    // The last screen drawing was drawn over `still`.
    bool lastMoved = false;
    // What the canvas painted on the screen image since the last screen
    // drawing.
    PixelRects canvasPainted;
};

}  // namespace gravitaria
