#pragma once
// The chart control of the map and the speed chart: two linear value axes,
// line/marker series, a legend with check boxes, title lines, margins, an
// after-draw hook with a canvas, synchronous repaint, one-page printing and a
// bitmap copy on the clipboard. Screen, printer page and clipboard bitmap
// all go through the same drawing order (see TChart::draw).
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "axis_mapping.h"
#include "point_store.h"

class QPainter;

namespace gravitaria {

class TChart;
class TLineSeries;
class PixelRects;    // changed units of a drawing (internal)
struct ChartLayout;  // the layout of one drawing (internal)
struct LayoutCache;  // the last layout and what it came from (internal)
struct DataExtent;   // extent of the points (internal)
struct FrameKey;     // what the frame image is drawn from (internal)

enum class TPenStyle { Solid, Dash, Dot, Clear };
enum class TBrushStyle { Solid, Clear };

struct TPen {
    QColor Color = QColor(0, 0, 0);
    int Width = 1;
    TPenStyle Style = TPenStyle::Solid;
};

struct TBrush {
    QColor Color = QColor(255, 255, 255);
    TBrushStyle Style = TBrushStyle::Solid;
};

// The chart's drawing surface. During a drawing it addresses the surface
// being drawn (screen image, printer page or bitmap); otherwise the chart's
// screen image, where what it draws shows at once and lasts until the next
// drawing. Pen and brush keep their settings between calls and drawings.
class TCanvas {
public:
    TPen Pen;
    TBrush Brush;

    // The ellipse inscribed in the rectangle with opposite corners (x1, y1)
    // and (x2, y2), given in any order, client pixels; outlined with the
    // pen and filled with the brush.
    void Ellipse(int x1, int y1, int x2, int y2);

private:
    friend class TChart;
    explicit TCanvas(TChart& chart) : chart_(chart) {}
    TChart& chart_;
    QPainter* painter_ = nullptr;  // the surface of the current drawing
};

class TChartAxis {
public:
    // The visible range. Setting Minimum above Maximum, Maximum below
    // Minimum, or a value that is not finite, raises GeneralError (the axis
    // error) and leaves the range unchanged. The chart repaints by itself.
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }
    void SetMinimum(double v);
    void SetMaximum(double v);
    void SetMinMax(double minimum, double maximum);

    // Automatic range: follows the points of the active series. The offsets
    // keep that many pixels free beyond the lowest and highest value; the
    // rounds widen the range to whole label steps.
    bool Automatic = false;
    bool AutomaticMinimum = false;
    bool AutomaticMaximum = false;
    int MinimumOffset = 0;
    int MaximumOffset = 0;
    bool MinimumRound = false;
    bool MaximumRound = false;

    // Labels: number picture "#,##0" or "#,##0.###" (any count of '#' after
    // the point), rotation 0 or 90 degrees, least gap between two labels as
    // a percentage of a label's size.
    QString AxisValuesFormat = QStringLiteral("#,##0.###");
    int LabelsAngle = 0;
    int LabelsSeparation = 10;
    bool LabelsVisible = true;

    struct GridSettings {
        bool Visible = true;
        QColor Color = QColor(0x80, 0x80, 0x80);
        TPenStyle Style = TPenStyle::Solid;
    } Grid;
    struct AxisLineSettings {
        int Width = 1;
    } Axis;
    int MinorTickCount = 0;
    QString Title;

    bool Horizontal() const { return horizontal_; }

    // Layout of the last drawing, client pixels.
    int IStartPos() const { return layout_.startPos; }
    int IEndPos() const { return layout_.endPos; }
    int IAxisSize() const { return layout_.axisSize(); }

    // Value -> pixel of the horizontal (X) or vertical (Y) axis and pixel ->
    // value, in the layout and range of the last drawing.
    int CalcXPosValue(double v) const { return layout_.valueToPixel(v); }
    int CalcYPosValue(double v) const { return layout_.valueToPixel(v); }
    double CalcPosPoint(int p) const { return layout_.pixelToValue(p); }
    const AxisMapping& Mapping() const { return layout_; }

private:
    friend class TChart;
    TChartAxis(TChart& chart, bool horizontal);
    TChart& chart_;
    bool horizontal_;
    double minimum_ = 0;
    double maximum_ = 0;
    AxisMapping layout_;
};

enum class TPointerStyle { Circle, Cross, Rectangle };

enum class TValuesOrder { None, Ascending };

// Read access to one of a series' value lists.
class TChartValueList {
public:
    int Count() const;
    double operator[](int index) const;  // RangeError outside 0..Count-1
    TValuesOrder Order() const;

private:
    friend class TLineSeries;
    TChartValueList(const TLineSeries& s, bool x) : series_(s), x_(x) {}
    const TLineSeries& series_;
    bool x_;
};

class TLineSeries {
public:
    QString Name;          // component name ("Series1")
    QString Title;         // legend text
    QColor SeriesColor = QColor(0xFF, 0, 0);
    bool ShowInLegend = true;
    QString ValueFormat = QStringLiteral("#,##0.###");

    struct PointerSettings {
        bool Visible = false;
        TPointerStyle Style = TPointerStyle::Rectangle;
        int HorizSize = 4;     // half-width, pixels
        int VertSize = 4;      // half-height, pixels
        QColor PenColor = QColor(0, 0, 0);  // outline; the fill is SeriesColor
    } Pointer;
    struct LinePenSettings {
        bool Visible = true;
        int Width = 1;
    } LinePen;

    bool Active() const { return active_; }
    void SetActive(bool on);

    TChartValueList XValues() const { return TChartValueList(*this, true); }
    TChartValueList YValues() const { return TChartValueList(*this, false); }
    void SetXOrder(TValuesOrder order);  // takes effect for points added later
    TValuesOrder XOrder() const { return order_; }

    // Adds one point (Order None: at the end; Ascending: after the last point
    // whose X is <= x) and returns its index. The chart repaints by itself.
    int AddXY(double x, double y);
    // Removes the point at index; RangeError outside 0..Count-1.
    void Delete(int index);
    void Clear();
    // Redraws the chart with the series' current points.
    void RefreshSeries();
    int Count() const { return static_cast<int>(points_.size()); }

    TChartAxis& GetHorizAxis();
    TChartAxis& GetVertAxis();
    TChart& ParentChart() { return chart_; }
    const PointStore& Points() const { return points_; }

private:
    friend class TChart;
    explicit TLineSeries(TChart& chart) : chart_(chart) {}
    TChart& chart_;
    bool active_ = true;
    TValuesOrder order_ = TValuesOrder::None;
    PointStore points_;

    // Buffer of this series: what it drew into the plot clip of the last
    // drawing, plus what was added since (drawn at the next drawing).
    struct Layer;
    std::shared_ptr<Layer> layer_;
    void noteAdded(std::size_t index);
    void noteRebuild();
};

enum class TMarginUnits { Percent, Pixels };
enum class TPanning { None, Both };

struct TChartLegend {
    bool Visible = false;
    bool CheckBoxes = false;          // one check box per series (ticking activates)
    bool FontSeriesColor = false;     // entry texts in their series' colours
    int SymbolWidth = 5;              // square colour symbols, pixels
    bool Frame = false;
};

struct TChartTitle {
    bool Visible = false;
    QStringList Text;
    Qt::Alignment Alignment = Qt::AlignHCenter;
};

// Left, top, right, bottom percentages of the printed page.
struct TPrintMargins {
    int Left = 15;
    int Top = 10;
    int Right = 15;
    int Bottom = 10;
};

// The rectangle the chart is printed into, in pixels of the printable page
// (pageWidth x pageHeight): the margins' percentages of the page, each
// rounded to a whole pixel; with `proportional` the rectangle is then
// shrunk about its centre to the chart's aspect ratio (chartSize).
QRect printRectangle(int pageWidth, int pageHeight, const TPrintMargins& margins,
                     bool proportional, QSize chartSize);

class TChart : public QWidget {
    Q_OBJECT
public:
    explicit TChart(QWidget* parent = nullptr);
    ~TChart() override;

    TChartAxis& BottomAxis() { return *bottom_; }
    TChartAxis& LeftAxis() { return *left_; }
    const TChartAxis& BottomAxis() const { return *bottom_; }
    const TChartAxis& LeftAxis() const { return *left_; }

    // Series, drawn in list order. The chart owns them.
    TLineSeries& AddSeries(const QString& name);
    // A series put at `index` of the drawing order (0: drawn first, under
    // every other series); RangeError outside 0..SeriesCount.
    TLineSeries& InsertSeries(int index, const QString& name);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TLineSeries& Series(int index);  // RangeError outside 0..SeriesCount-1

    TCanvas& Canvas() { return canvas_; }

    TChartLegend Legend;
    TChartTitle Title;
    QColor Color = QColor(255, 255, 255);   // background
    bool AllowZoom = true;                  // rectangle zoom with the left button
    TPanning AllowPanning = TPanning::Both; // panning with the right button

    int MarginLeft = 3;
    int MarginTop = 4;
    int MarginRight = 3;
    int MarginBottom = 4;
    TMarginUnits MarginUnits = TMarginUnits::Percent;

    TPrintMargins PrintMargins;
    bool PrintProportional = true;

    // Called once at the end of every drawing, with Canvas on that drawing's
    // surface and the axes' layout of that drawing.
    std::function<void()> OnAfterDraw;
    // Called in every drawing after the background and before the series,
    // with the painter of that drawing's surface clipped to the plot and the
    // axes' layout of that drawing: what it paints lies under the series
    // and the axes, on screen, on the printed page and in the bitmap alike.
    // Its drawing is kept with the axes' between drawings: a change of what
    // it paints is shown after Invalidate().
    std::function<void(QPainter&)> OnDrawUnderSeries;
    // A press of any button / every pointer movement over the control,
    // client pixels, whatever the shift keys.
    std::function<void(Qt::MouseButton, Qt::KeyboardModifiers, int x, int y)> OnMouseDown;
    std::function<void(Qt::KeyboardModifiers, int x, int y)> OnMouseMove;

    // A complete drawing, synchronous: on return the widget shows every point
    // and OnAfterDraw has run. Nothing is drawn while the control is hidden.
    void Repaint();
    // Prints on the default printer with its current paper and orientation,
    // no dialog, one page, in a job titled with objectName(), into the
    // PrintMargins rectangle; then redraws the screen. The page is drawn once
    // on a bitmap first, so an error of the drawing (passed on as it is)
    // starts no job. GeneralError when there is no default printer or the
    // printer refuses the job.
    void Print();
    // A bitmap of the client size drawn as on screen, OnAfterDraw included,
    // replaces the clipboard's contents; then redraws the screen.
    void CopyToClipboardBitmap();

    // One complete drawing into a new client-sized image, everything drawn
    // afresh rather than composed from the buffers: the reference the
    // buffered screen image must equal. `ratio` pixels per unit (the screen
    // image's devicePixelRatio() to compare with it).
    QImage RenderImage(qreal ratio = 1.0);
    // The screen image of the last drawing (what paintEvent shows).
    // Its pixels are the screen's: devicePixelRatio() of them per unit.
    const QImage& ScreenImage() const { return screen_; }

    // The legend entry of series `index` in the last drawing (a click in it
    // toggles the series with CheckBoxes); empty when it has none.
    QRect LegendBox(int index) const;

    // Marks the chart for a drawing afresh at the next paint event, what is
    // drawn under the series and the axes included.
    void Invalidate();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Whether screen_ has the widget's size at its device pixel ratio.
    bool screenMatchesWidget() const;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    friend class TCanvas;
    friend class TLineSeries;
    friend class TChartAxis;
    using Layout = ChartLayout;
    // Screen: composed from the buffers onto the screen image, where only
    // the pixels that changed since the last screen drawing are copied.
    // Buffered: the composed image drawn on another surface of the screen's
    // pixels (or everything drawn directly on one of other pixels).
    enum class SeriesSource { Screen, Buffered, Direct };
    struct Buffers;  // chart_buffers.h

    std::unique_ptr<TChartAxis> bottom_;
    std::unique_ptr<TChartAxis> left_;
    std::vector<std::unique_ptr<TLineSeries>> series_;
    TCanvas canvas_;
    QImage screen_;
    std::unique_ptr<Buffers> buffers_;
    std::unique_ptr<LayoutCache> layoutCache_;
    bool drawing_ = false;
    bool dirty_ = true;
    bool updateAsked_ = false;

    // Interaction state.
    enum class Drag { None, Zoom, Pan };
    Drag drag_ = Drag::None;
    // Counts the window's losses of activation (a modal box, another
    // program): a drag never outlives one.
    unsigned interruptions_ = 0;
    QPoint dragStart_;
    QPoint dragNow_;
    struct SavedRange { double min, max; };
    SavedRange panStartX_{}, panStartY_{};
    struct SavedAxis { double min, max; bool automatic, automaticMinimum, automaticMaximum; };
    SavedAxis unzoomed_[2]{};          // bottom, left: before the first zoom or pan
    bool zoomed_ = false;
    std::vector<QRect> legendBoxes_;   // check box rectangles, per series index

    void endDrag();
    void draw(QPainter& p, QSize size, SeriesSource source);
    void drawToScreen();
    Layout computeLayout(QPainter& p, QSize size);
    Layout computeLayout(QPainter& p, QSize size, const DataExtent& dx, const DataExtent& dy);
    void applyLayout(const Layout& l);
    // Marks the chart for drawing at the next paint event: the buffers see
    // for themselves what changed (ranges, looks, points).
    void noteChange();
    // The frame, series and axes composed from the buffers (chart_buffers.cpp).
    void drawBuffered(QPainter& p, const Layout& l, bool onScreen);
    FrameKey frameKey(const Layout& l, qreal ratio) const;
    // The canvas painted these units of the current surface.
    void noteCanvasPaint(const QRect& bounds);
    PixelRects updateSeriesLayer(TLineSeries& s, const Layout& l, qreal ratio);
    const QImage* seriesImage(const TLineSeries& s) const;
    // Everything drawn afresh, in the drawing order.
    void drawDirect(QPainter& p, const Layout& l);
    void drawSeriesDirect(QPainter& p, const Layout& l);
    // Background, title, legend, what is under the series, and the axes:
    // everything but the series.
    void drawFrame(QPainter& p, const Layout& l);
    void drawUnderSeries(QPainter& p, const Layout& l);
    enum AxesPart : unsigned {
        AxesGridAndLines = 1,
        AxesLeftTicks = 2,
        AxesBottomTicks = 4,
        AxesLeftLabels = 8,
        AxesBottomLabels = 16,
        AxesTitles = 32,
        AxesAll = 63,
    };
    void drawAxes(QPainter& p, const Layout& l, unsigned parts = AxesAll);
    // Where the bottom axis' ticks and flat labels are drawn, with room for
    // their ink.
    QRect bottomLabelBand(const Layout& l) const;
    // The screen drawn when only the bottom axis moved since the last
    // drawing (chart_buffers.cpp); false when that does not apply.
    bool drawMovedAlongBottom(QPainter& p, const Layout& l, const FrameKey& key);
    void drawTitleAndLegend(QPainter& p, const Layout& l);
    void resetCanvasAndRunHook(QPainter& p);
    // Paints on the screen image between drawings; `bounds` holds every
    // unit `paint` may touch, and only they are shown again.
    void paintOutsideDrawing(const std::function<void(QPainter&)>& paint, const QRect& bounds);
    void finishZoom();
    void saveZoom();
};

}  // namespace gravitaria
