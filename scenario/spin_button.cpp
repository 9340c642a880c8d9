#include "spin_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <qdrawutil.h>

namespace gravitaria {

namespace {

constexpr int GlyphWidth = 9;
constexpr int GlyphHeight = 6;

// Rows 1 to 4 of the 9 x 6 glyph hold the triangle: 1, 3, 5 then 7 pixels
// centred on column 4 (reversed for the down arrow).
QImage arrowGlyph(bool up, QColor colour) {
    QImage g(GlyphWidth, GlyphHeight, QImage::Format_ARGB32);
    g.fill(Qt::transparent);
    for (int row = 0; row < 4; ++row) {
        const int half = up ? row : 3 - row;
        for (int x = 4 - half; x <= 4 + half; ++x)
            g.setPixelColor(x, 1 + row, colour);
    }
    return g;
}

}  // namespace

// ---- One arrow button.

TTimerSpeedButton::TTimerSpeedButton(Direction direction, QWidget* parent)
    : QWidget(parent), direction_(direction) {
    setFocusPolicy(Qt::NoFocus);
    connect(&repeat_, &QTimer::timeout, this, &TTimerSpeedButton::onRepeat);
}

void TTimerSpeedButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QBrush face = palette().brush(QPalette::Button);
    qDrawWinButton(&p, rect(), palette(), down_, &face);
    const QColor ink = isEnabled() ? QColor(Qt::black) : palette().color(QPalette::Dark);
    const QImage glyph = arrowGlyph(direction_ == Direction::Up, ink);
    int x = (width() - GlyphWidth + 1) / 2;
    int y = (height() - GlyphHeight + 1) / 2;
    if (down_) {
        ++x;
        ++y;
    }
    p.drawImage(x, y, glyph);
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) {
        e->ignore();
        return;
    }
    pressed_ = true;
    down_ = true;
    update();
    repeat_.start(InitRepeatPause);
    if (OnPress)
        OnPress();
}

void TTimerSpeedButton::mouseMoveEvent(QMouseEvent* e) {
    if (!pressed_)
        return;
    const bool over = rect().contains(e->position().toPoint());
    if (over != down_) {
        down_ = over;
        update();
    }
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || !pressed_)
        return;
    pressed_ = false;
    repeat_.stop();
    const bool over = rect().contains(e->position().toPoint());
    down_ = false;
    update();
    if (over && OnClick)
        OnClick();
}

void TTimerSpeedButton::hideEvent(QHideEvent*) {
    pressed_ = false;
    down_ = false;
    repeat_.stop();
}

void TTimerSpeedButton::onRepeat() {
    repeat_.setInterval(RepeatPause);
    // Held but dragged off the button: wait, without stepping.
    if (pressed_ && down_ && OnClick)
        OnClick();
}

// ---- The pair.

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent),
      up_(new TTimerSpeedButton(TTimerSpeedButton::Direction::Up, this)),
      down_(new TTimerSpeedButton(TTimerSpeedButton::Direction::Down, this)) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
    up_->OnPress = [this] { giveFocus(); };
    down_->OnPress = [this] { giveFocus(); };
    up_->OnClick = [this] {
        if (OnUpClick)
            OnUpClick();
    };
    down_->OnClick = [this] {
        if (OnDownClick)
            OnDownClick();
    };
    resize(MinWidth, 20);
    layoutButtons();
}

QImage TSpinButton::UpGlyph() { return arrowGlyph(true, Qt::black); }
QImage TSpinButton::DownGlyph() { return arrowGlyph(false, Qt::black); }

void TSpinButton::resizeEvent(QResizeEvent*) {
    if (width() < MinWidth) {
        resize(MinWidth, height());
        return;
    }
    layoutButtons();
}

void TSpinButton::layoutButtons() {
    const int w = width();
    const int h = height();
    up_->setGeometry(0, 0, w, h / 2);
    // The down button starts on the up button's last row.
    down_->setGeometry(0, h / 2 - 1, w, h - h / 2 + 1);
}

void TSpinButton::giveFocus() {
    QWidget* f = focusControl_;
    if (f && f->isEnabled() && f->isVisible() && f->focusPolicy() != Qt::NoFocus && !f->hasFocus())
        f->setFocus(Qt::OtherFocusReason);
    if (OnPress)
        OnPress();
}

}  // namespace gravitaria
