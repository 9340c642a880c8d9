#pragma once
// The integer spin field: a text box holding a signed 32-bit whole number,
// with a pair of arrow buttons inside its right edge. The text is the source
// of truth: Value() reads it each time (a text that is not a whole number in
// range reads as MinValue; reading never bounds), setValue() writes the
// bounded number. Equal MinValue and MaxValue (both 0 by default) mean no
// bound at all. Typing accepts digits, "+", "-" and the decimal separator;
// other characters beep. On leaving, OnExit runs first, then a number outside
// the bounds is rewritten as the nearest bound.
#include <QtGlobal>
#include <cstdint>

#include "custom_edit.h"

namespace gravitaria {

class TSpinButton;

class TSpinEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    std::int32_t Value() const;
    void setValue(std::int32_t v);

    std::int32_t MinValue() const { return minValue_; }
    void setMinValue(std::int32_t v) { minValue_ = v; }
    std::int32_t MaxValue() const { return maxValue_; }
    void setMaxValue(std::int32_t v) { maxValue_ = v; }
    std::int32_t Increment() const { return increment_; }
    void setIncrement(std::int32_t v) { increment_ = v; }

    // False: nothing can be typed (characters and Backspace beep); the
    // arrows still step.
    bool EditorEnabled() const { return editorEnabled_; }
    void setEditorEnabled(bool on) { editorEnabled_ = on; }
    // Characters typing or pasting may produce; 0 is no limit. Program
    // writes are not limited.
    int MaxLength() const { return maxLength_; }
    void setMaxLength(int n) { maxLength_ = n < 0 ? 0 : n; }
    // No typing and no stepping (stepping beeps).
    bool ReadOnly() const { return isReadOnly(); }
    void setReadOnly(bool on) { QLineEdit::setReadOnly(on); }

    // The bounding rule.
    std::int32_t CheckValue(std::int64_t v) const;
    // One step up or down, as the arrow keys and buttons do.
    void UpClick();
    void DownClick();

    TSpinButton* Button() const { return button_; }
    // The frame counts as the three-dimensional border. Inside it, the
    // children's coordinates count from the inner edge of a border of
    // Border3D pixels, as the buttons' placement rule expects.
    static constexpr int Border3D = 2;
    static constexpr int BorderWidth = 1;   // one border width in the height rule
    void setFrame(bool on);
    // The area inside the border ("client area") in field coordinates.
    QRect ClientRect() const;
    // The text area: its right edge lies the buttons' width plus 2 pixels
    // left of the client area's right edge.
    QRect TextArea() const;
    // The smallest height the field takes (a smaller one is raised to it):
    // font height + a quarter of the smaller of it and the system font's
    // height + four border widths + 2.
    int MinHeight() const;

protected:
    bool stepKey(int key) override;
    int typingLimit() const override { return maxLength_; }
    bool filterChar(QChar& ch) override;
    bool editingAllowed() const override;
    void editRefused() override;
    void exitField() override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutButton();
    // Raises the height to MinHeight() and places the arrow buttons.
    void keepMinHeightAndLayout();
    // The line edit's contents rectangle, before the text margins.
    QRect lineEditContents() const;
    void step(std::int64_t delta);

    TSpinButton* button_;
    QChar decimalSeparator_;
    std::int32_t minValue_ = 0;
    std::int32_t maxValue_ = 0;
    std::int32_t increment_ = 1;
    bool editorEnabled_ = true;
    int maxLength_ = 0;
};

}  // namespace gravitaria
