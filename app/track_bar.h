#pragma once
// A horizontal track bar with tick marks that shows its position in a tool
// tip below the thumb while the thumb is dragged.
#include <QSlider>

namespace gravitaria {

class TTrackBar : public QSlider {
    Q_OBJECT
public:
    TTrackBar(int minimum, int maximum, int tickFrequency, QWidget* parent = nullptr);

    int position() const { return value(); }
    void setPosition(int p) { setValue(p); }

    // The place of the position tool tip, in global coordinates.
    QPoint positionTipPlace() const;

private:
    void showPositionTip();
};

}  // namespace gravitaria
