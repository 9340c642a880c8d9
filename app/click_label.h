#pragma once
// A label or picture that reacts to a click like a button: `clicked` is
// emitted when the left button is released over it after being pressed on it.
#include <QLabel>

namespace gravitaria {

class TClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit TClickLabel(QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

// Makes `label` look like a web link: blue (#0000FF), underlined or not,
// with the hand pointer.
void styleAsLink(QLabel& label, bool underlined);

}  // namespace gravitaria
