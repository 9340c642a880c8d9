#pragma once
// A group box drawn as the layouts' toolkit draws it: the caption's cell at
// the very top, 8 px from the left, and the frame's top line through the
// caption's middle (half the cell height, less one). The children's
// positions in the layouts count from the box's top-left corner and clear
// that line; Qt's own group box draws its frame a caption height lower.
#include <QGroupBox>

namespace gravitaria {

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(const QString& caption, QWidget* parent = nullptr);

    // The row of the frame's top line, in the box's coordinates.
    int frameTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace gravitaria
