#include "track_bar.h"

#include <QStyle>
#include <QStyleOptionSlider>
#include <QToolTip>

namespace gravitaria {

TTrackBar::TTrackBar(int minimum, int maximum, int tickFrequency, QWidget* parent)
    : QSlider(Qt::Horizontal, parent) {
    setRange(minimum, maximum);
    setTickInterval(tickFrequency);
    setTickPosition(QSlider::TicksBelow);
    setSingleStep(1);
    setPageStep(tickFrequency);
    connect(this, &QSlider::sliderMoved, this, [this] { showPositionTip(); });
    connect(this, &QSlider::sliderPressed, this, [this] { showPositionTip(); });
    connect(this, &QSlider::sliderReleased, this, [] { QToolTip::hideText(); });
}

QPoint TTrackBar::positionTipPlace() const {
    QStyleOptionSlider option;
    initStyleOption(&option);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    return mapToGlobal(QPoint(handle.center().x(), handle.bottom() + 4));
}

void TTrackBar::showPositionTip() {
    QToolTip::showText(positionTipPlace(), QString::number(sliderPosition()), this);
}

}  // namespace gravitaria
