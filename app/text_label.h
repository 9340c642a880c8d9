#pragma once
// A text label that places its text as the Windows toolkit the layouts were
// drawn with does: the label's top is the top of the font's cell, whose
// ascent (Windows' usWinAscent) includes the internal leading above the
// capitals, so the ink starts as far below the top as there. Qt's own
// metrics for Tahoma use the shorter typographic ascent and would draw the
// letters two pixels higher, where the control above a caption covers them.
//
// A fixed-size display (setShrinkToFit) never hides a digit: a text wider
// than the label is drawn in the largest size of the same face that fits.
#include <QLabel>

namespace gravitaria {

class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(const QString& text, QWidget* parent = nullptr);

    void setShrinkToFit(bool on);
    // The font the text is drawn in now: the label's own, or a smaller size
    // of it when the text would not fit.
    QFont drawnFont() const;

protected:
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool shrinkToFit_ = false;
    void placeCell();
};

}  // namespace gravitaria
