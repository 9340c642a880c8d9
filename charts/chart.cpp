// The chart control: axes, canvas, the drawing order, the screen image and
// the mouse (legend check boxes, rectangle zoom, panning).
#include "chart.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>

#include "chart_buffers.h"
#include "chart_layout.h"
#include "errors.h"

namespace gravitaria {

namespace {

const char* const kMinimumAboveMaximum =
    "La valeur minimale de l'axe doit être inférieure ou égale à sa valeur maximale";
const char* const kMaximumBelowMinimum =
    "La valeur maximale de l'axe doit être supérieure ou égale à sa valeur minimale";
const char* const kAxisNotFinite = "Les bornes d'un axe doivent être des nombres finis";

QPen canvasPen(const QPainter& p, const TPen& pen) {
    if (pen.Style == TPenStyle::Clear) return QPen(Qt::NoPen);
    Qt::PenStyle s = Qt::SolidLine;
    if (pen.Style == TPenStyle::Dash) s = Qt::DashLine;
    if (pen.Style == TPenStyle::Dot) s = Qt::DotLine;
    return chartPen(p, pen.Color, pen.Width, s);
}

QBrush canvasBrush(const TBrush& brush) {
    if (brush.Style == TBrushStyle::Clear) return QBrush(Qt::NoBrush);
    return QBrush(brush.Color);
}

// Marks a drawing in progress and clears the mark however the drawing ends.
class DrawingScope {
public:
    DrawingScope(bool& flag, QPainter*& target, QPainter& p) : flag_(flag), target_(target) {
        flag_ = true;
        target_ = &p;
    }
    ~DrawingScope() {
        flag_ = false;
        target_ = nullptr;
    }
    DrawingScope(const DrawingScope&) = delete;
    DrawingScope& operator=(const DrawingScope&) = delete;

private:
    bool& flag_;
    QPainter*& target_;
};

}  // namespace

// --- canvas ----------------------------------------------------------------

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2);
    const int r = std::max(x1, x2);
    const int t = std::min(y1, y2);
    const int b = std::max(y1, y2);
    // The right and bottom corner lie just outside, as the corners of a
    // pixel rectangle: (x1, y1, x2, y2) = (0, 0, 6, 6) covers pixels 0 to 5.
    const QRect box(l, t, r - l - 1, b - t - 1);
    const QBrush brush = canvasBrush(Brush);
    const auto paint = [&](QPainter& p) {
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setPen(canvasPen(p, Pen));
        p.setBrush(brush);
        if (r - l >= 1 && b - t >= 1) p.drawEllipse(box);
    };
    const int reach = std::max(1, Pen.Width) + 1;
    const QRect bounds = QRect(l, t, r - l, b - t).adjusted(-reach, -reach, reach, reach);
    chart_.noteCanvasPaint(bounds);
    if (painter_) paint(*painter_);
    else chart_.paintOutsideDrawing(paint, bounds);
}

// --- axes ------------------------------------------------------------------

TChartAxis::TChartAxis(TChart& chart, bool horizontal) : chart_(chart), horizontal_(horizontal) {
    layout_.horizontal = horizontal;
}

void TChartAxis::SetMinimum(double v) {
    if (!std::isfinite(v)) throw GeneralError(kAxisNotFinite);
    if (v > maximum_) throw GeneralError(kMinimumAboveMaximum);
    minimum_ = v;
    chart_.noteChange();
}

void TChartAxis::SetMaximum(double v) {
    if (!std::isfinite(v)) throw GeneralError(kAxisNotFinite);
    if (v < minimum_) throw GeneralError(kMaximumBelowMinimum);
    maximum_ = v;
    chart_.noteChange();
}

void TChartAxis::SetMinMax(double minimum, double maximum) {
    if (!std::isfinite(minimum) || !std::isfinite(maximum)) throw GeneralError(kAxisNotFinite);
    if (minimum > maximum) throw GeneralError(kMinimumAboveMaximum);
    minimum_ = minimum;
    maximum_ = maximum;
    chart_.noteChange();
}

// --- chart -----------------------------------------------------------------

TChart::TChart(QWidget* parent)
    : QWidget(parent),
      bottom_(new TChartAxis(*this, true)),
      left_(new TChartAxis(*this, false)),
      canvas_(*this),
      buffers_(std::make_unique<Buffers>()),
      layoutCache_(std::make_unique<LayoutCache>()) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

TChart::~TChart() = default;

TLineSeries& TChart::AddSeries(const QString& name) {
    series_.emplace_back(new TLineSeries(*this));
    series_.back()->Name = name;
    Invalidate();
    return *series_.back();
}

TLineSeries& TChart::InsertSeries(int index, const QString& name) {
    if (index < 0 || index > SeriesCount()) throw RangeError();
    const auto at = series_.emplace(series_.begin() + index, new TLineSeries(*this));
    (*at)->Name = name;
    Invalidate();
    return **at;
}

TLineSeries& TChart::Series(int index) {
    if (index < 0 || index >= SeriesCount()) throw RangeError();
    return *series_[static_cast<std::size_t>(index)];
}

QRect TChart::LegendBox(int index) const {
    if (index < 0 || static_cast<std::size_t>(index) >= legendBoxes_.size()) return {};
    return legendBoxes_[static_cast<std::size_t>(index)];
}

void TChart::Invalidate() {
    // What is drawn under the series lies in the kept frames.
    buffers_->valid = false;
    buffers_->stillValid = false;
    noteChange();
}

// The update is asked for after the current handler: a Repaint() before
// then has drawn and shown the change already (only its changed pixels), and
// an update of the whole control would show every pixel again.
void TChart::noteChange() {
    dirty_ = true;
    if (updateAsked_) return;
    updateAsked_ = true;
    QMetaObject::invokeMethod(this, [this] {
        updateAsked_ = false;
        if (dirty_) update();
    }, Qt::QueuedConnection);
}

// One complete drawing, in this order: the layout; background, title and
// legend; what is drawn under the series; the active series clipped to the
// plot (one pixel above and below); the axes over them; the canvas reset to
// a black pen and a white brush; the after-draw hook, unclipped. Screen,
// page and bitmap all come through here; Screen and Buffered compose the
// same picture from the buffers (chart_buffers.h).
void TChart::draw(QPainter& p, QSize size, SeriesSource source) {
    DrawingScope scope(drawing_, canvas_.painter_, p);
    p.setRenderHint(QPainter::Antialiasing, false);
    const Layout l = computeLayout(p, size);
    applyLayout(l);
    if (source == SeriesSource::Direct) drawDirect(p, l);
    else drawBuffered(p, l, source == SeriesSource::Screen);
    resetCanvasAndRunHook(p);
}

void TChart::drawDirect(QPainter& p, const Layout& l) {
    p.fillRect(QRect(QPoint(0, 0), l.size), Color);
    drawTitleAndLegend(p, l);
    drawUnderSeries(p, l);
    drawSeriesDirect(p, l);
    drawAxes(p, l);
}

void TChart::drawFrame(QPainter& p, const Layout& l) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(QPoint(0, 0), l.size), Color);
    drawTitleAndLegend(p, l);
    drawUnderSeries(p, l);
    drawAxes(p, l);
}

void TChart::drawUnderSeries(QPainter& p, const Layout& l) {
    if (!OnDrawUnderSeries) return;
    p.save();
    p.setClipRect(l.clip);
    OnDrawUnderSeries(p);
    p.restore();
}

void TChart::resetCanvasAndRunHook(QPainter& p) {
    canvas_.Pen = TPen{};
    canvas_.Brush = TBrush{};
    p.setClipping(false);
    p.setPen(canvasPen(p, canvas_.Pen));
    p.setBrush(canvasBrush(canvas_.Brush));
    if (OnAfterDraw) OnAfterDraw();
}

// The screen image has the screen's pixels: on a scaled screen (device pixel
// ratio above 1) the chart is drawn at that resolution, not enlarged.
void TChart::drawToScreen() {
    const QSize s = size();
    if (s.isEmpty()) return;
    Buffers& b = *buffers_;
    b.screenChanged.clear();
    if (!screenMatchesWidget()) {
        screen_ = makeChartBuffer(s, devicePixelRatioF(), QImage::Format_RGB32);
        noteCanvasPaint(screen_.rect());  // nothing of it is on the new image yet
    } else if (!screen_.isDetached()) {
        // Its pixels are written directly below: a copy somebody holds must
        // keep the old ones.
        screen_ = screen_.copy();
    }
    dirty_ = false;
    QPainter p(&screen_);
    b.drawingScreen = true;
    try {
        draw(p, s, SeriesSource::Screen);
    } catch (...) {
        b.drawingScreen = false;
        b.screenChanged.add(rect());
        b.screenStale.add(rect());
        dirty_ = true;
        throw;
    }
    b.drawingScreen = false;
}

// Only what this drawing changed goes to the window: the rest of the chart
// there is already the screen image. A unit more all round, for the
// screen's rounding of units to pixels.
void TChart::Repaint() {
    if (!isVisible()) return;
    drawToScreen();
    QRegion changed;
    for (const QRect& r : buffers_->screenChanged.within(rect())) changed += r.adjusted(-1, -1, 1, 1);
    if (!changed.isEmpty()) QWidget::repaint(changed);
}

QImage TChart::RenderImage(qreal ratio) {
    const QSize s = size().expandedTo(QSize(1, 1));
    QImage image = makeChartBuffer(s, ratio, QImage::Format_RGB32);
    QPainter p(&image);
    draw(p, s, SeriesSource::Direct);
    return image;
}

void TChart::paintOutsideDrawing(const std::function<void(QPainter&)>& paint, const QRect& bounds) {
    if (screen_.isNull()) return;
    {
        QPainter p(&screen_);
        paint(p);
    }
    if (isVisible()) QWidget::repaint(bounds.adjusted(-1, -1, 1, 1).intersected(rect()));
}

bool TChart::screenMatchesWidget() const {
    const qreal ratio = devicePixelRatioF();
    return !screen_.isNull() && screen_.devicePixelRatio() == ratio &&
           screen_.size() == (QSizeF(size()) * ratio).toSize();
}

void TChart::paintEvent(QPaintEvent*) {
    if (dirty_ || !screenMatchesWidget()) drawToScreen();
    QPainter p(this);
    p.drawImage(0, 0, screen_);
    if (drag_ == Drag::Zoom) {
        p.setPen(QPen(QColor(0, 0, 0), 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRect(dragStart_, dragNow_).normalized());
    }
}

// Shown again, the chart is drawn afresh: what the canvas drew on the old
// image while it was hidden does not come back.
void TChart::showEvent(QShowEvent* event) {
    dirty_ = true;
    QWidget::showEvent(event);
}

// --- mouse -----------------------------------------------------------------

// A drag ends whenever its button may have been released where the chart
// cannot see it: when the window loses the activation (a message box opened
// by a handler, another program) the release goes elsewhere.
bool TChart::event(QEvent* event) {
    if (event->type() == QEvent::WindowDeactivate || event->type() == QEvent::WindowBlocked) {
        ++interruptions_;
        endDrag();
    }
    return QWidget::event(event);
}

void TChart::endDrag() {
    if (drag_ == Drag::Zoom) update();  // the rectangle goes
    drag_ = Drag::None;
}

void TChart::mousePressEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const unsigned interruptionsBefore = interruptions_;
    if (OnMouseDown) OnMouseDown(event->button(), event->modifiers(), at.x(), at.y());
    // The handler showed a box: the button's release went to it.
    if (interruptions_ != interruptionsBefore) return;
    if (event->button() == Qt::LeftButton) {
        for (std::size_t i = 0; i < legendBoxes_.size() && i < series_.size(); ++i) {
            if (Legend.Visible && Legend.CheckBoxes && legendBoxes_[i].contains(at)) {
                series_[i]->SetActive(!series_[i]->Active());
                return;
            }
        }
        if (AllowZoom) {
            drag_ = Drag::Zoom;
            dragStart_ = dragNow_ = at;
        }
    } else if (event->button() == Qt::RightButton && AllowPanning == TPanning::Both) {
        drag_ = Drag::Pan;
        dragStart_ = dragNow_ = at;
        if (!zoomed_) saveZoom();
        panStartX_ = {bottom_->Minimum(), bottom_->Maximum()};
        panStartY_ = {left_->Minimum(), left_->Maximum()};
    }
}

void TChart::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (OnMouseMove) OnMouseMove(event->modifiers(), at.x(), at.y());
    const Qt::MouseButton held = drag_ == Drag::Zoom ? Qt::LeftButton : Qt::RightButton;
    if (drag_ != Drag::None && !(event->buttons() & held)) endDrag();
    if (drag_ == Drag::Zoom) {
        dragNow_ = at;
        update();
    } else if (drag_ == Drag::Pan) {
        dragNow_ = at;
        // Both axes move with the pointer: the value under it stays under it.
        const AxisMapping& mx = bottom_->Mapping();
        const AxisMapping& my = left_->Mapping();
        const double rx = panStartX_.max - panStartX_.min;
        const double ry = panStartY_.max - panStartY_.min;
        const double dx = mx.axisSize() > 0 ? -(at.x() - dragStart_.x()) * rx / mx.axisSize() : 0;
        const double dy = my.axisSize() > 0 ? (at.y() - dragStart_.y()) * ry / my.axisSize() : 0;
        bottom_->Automatic = bottom_->AutomaticMinimum = bottom_->AutomaticMaximum = false;
        left_->Automatic = left_->AutomaticMinimum = left_->AutomaticMaximum = false;
        bottom_->SetMinMax(panStartX_.min + dx, panStartX_.max + dx);
        left_->SetMinMax(panStartY_.min + dy, panStartY_.max + dy);
    }
}

void TChart::mouseReleaseEvent(QMouseEvent* event) {
    if (drag_ == Drag::Zoom && event->button() == Qt::LeftButton) {
        dragNow_ = event->position().toPoint();
        finishZoom();
    } else if (drag_ == Drag::Pan && event->button() == Qt::RightButton) {
        drag_ = Drag::None;
    }
}

void TChart::saveZoom() {
    unzoomed_[0] = {bottom_->Minimum(), bottom_->Maximum(), bottom_->Automatic,
                    bottom_->AutomaticMinimum, bottom_->AutomaticMaximum};
    unzoomed_[1] = {left_->Minimum(), left_->Maximum(), left_->Automatic, left_->AutomaticMinimum,
                    left_->AutomaticMaximum};
    zoomed_ = true;
}

// A rectangle dragged right and down zooms into it; dragged left or up it
// puts back the ranges from before the first zoom or pan.
void TChart::finishZoom() {
    drag_ = Drag::None;
    const QPoint a = dragStart_;
    const QPoint b = dragNow_;
    if (std::abs(b.x() - a.x()) < 3 && std::abs(b.y() - a.y()) < 3) {
        update();
        return;
    }
    if (b.x() < a.x() || b.y() < a.y()) {
        if (zoomed_) {
            TChartAxis* axes[2] = {bottom_.get(), left_.get()};
            for (int i = 0; i < 2; ++i) {
                const SavedAxis& s = unzoomed_[i];
                axes[i]->SetMinMax(s.min, s.max);
                axes[i]->Automatic = s.automatic;
                axes[i]->AutomaticMinimum = s.automaticMinimum;
                axes[i]->AutomaticMaximum = s.automaticMaximum;
            }
            zoomed_ = false;
        }
        Invalidate();
        return;
    }
    if (!zoomed_) saveZoom();
    const double x0 = bottom_->CalcPosPoint(a.x());
    const double x1 = bottom_->CalcPosPoint(b.x());
    const double y0 = left_->CalcPosPoint(b.y());  // lower edge: smaller value
    const double y1 = left_->CalcPosPoint(a.y());
    bottom_->Automatic = bottom_->AutomaticMinimum = bottom_->AutomaticMaximum = false;
    left_->Automatic = left_->AutomaticMinimum = left_->AutomaticMaximum = false;
    bottom_->SetMinMax(std::min(x0, x1), std::max(x0, x1));
    left_->SetMinMax(std::min(y0, y1), std::max(y0, y1));
}

}  // namespace gravitaria
