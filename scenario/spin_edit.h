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
    // The frame counts as the three-dimensional border.
    void setFrame(bool on);
    // The smallest height the field takes (raised to on every resize).
    int MinHeight() const;

protected:
    void keyDownBeforeHandler(int key, Qt::KeyboardModifiers shift) override;
    bool filterChar(QChar& ch) override;
    bool editingAllowed() const override;
    void editRefused() override;
    void pasteText(const QString& clip) override;
    bool cutAllowed() const override;
    void exitField() override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutButton();
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
