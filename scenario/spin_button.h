#pragma once
// The pair of arrow buttons of the integer spin field: an up button above a
// down button, each stepping once when the left button is released over it
// and repeating while held (first repeat 400 ms after the press, then every
// 100 ms while the pointer stays over the pressed button).
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace gravitaria {

// One arrow button: a raised bevel with a 9 x 6 glyph, sunken while pressed
// under the pointer.
class TTimerSpeedButton : public QWidget {
    Q_OBJECT
public:
    enum class Direction { Up, Down };
    static constexpr int InitRepeatPause = 400;   // ms from the press to the first repeat
    static constexpr int RepeatPause = 100;       // ms between repeats

    TTimerSpeedButton(Direction direction, QWidget* parent);

    Direction direction() const { return direction_; }
    bool isDown() const { return down_; }          // pressed and under the pointer
    const QTimer& repeatTimer() const { return repeat_; }

    std::function<void()> OnPress;   // left button pressed (focus handling)
    std::function<void()> OnClick;   // one step

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void onRepeat();

    Direction direction_;
    QTimer repeat_;
    bool pressed_ = false;   // left button held since a press on this button
    bool down_ = false;
};

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinWidth = 15;

    explicit TSpinButton(QWidget* parent = nullptr);

    TTimerSpeedButton* UpButton() const { return up_; }
    TTimerSpeedButton* DownButton() const { return down_; }

    // The widget that receives the keyboard focus when a button is pressed.
    QWidget* FocusControl() const { return focusControl_; }
    void setFocusControl(QWidget* w) { focusControl_ = w; }

    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;
    // A button was pressed (after the focus went to FocusControl).
    std::function<void()> OnPress;

    // The arrow glyphs: 9 x 6, a black triangle 7 wide at its base and 4
    // high, every other pixel transparent.
    static QImage UpGlyph();
    static QImage DownGlyph();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutButtons();
    void giveFocus();

    TTimerSpeedButton* up_;
    TTimerSpeedButton* down_;
    QWidget* focusControl_ = nullptr;
};

}  // namespace gravitaria
