#pragma once
// The decimal field: a text box holding an 80-bit extended number shown in
// fixed notation with Digits decimals. The text is the source of truth:
// Value() reads it each time (bounded into [Min, Max], never changing the
// text or showing a message); setValue() bounds and formats. Typing refuses
// any character that would make the text unparsable, above Max or with too
// many decimals; leaving the field with an unusable text brings back the value
// it had on entry and keeps the focus.
//
// Created "loading": set the design properties, then call Loaded(). Until
// then written values are held unformatted and Min/Max are not cross-checked.
#include <QChar>
#include <QString>

#include "custom_edit.h"

namespace gravitaria {

enum class FieldAlignment { Left, Right, Center };

class TCustomFloatEdit : public TCustomEdit {
    Q_OBJECT
public:
    static constexpr int MaxDigits = 18;

    explicit TCustomFloatEdit(QWidget* parent = nullptr);

    long double Value() const;
    void setValue(long double v);

    long double Min() const { return min_; }
    // Throws GeneralError "Minimum value must not be greater than maximum
    // value !" when above Max (outside loading); the field is then unchanged.
    void setMin(long double x);
    long double Max() const { return max_; }
    // Throws GeneralError "Maximum value must not be less than minimum value !".
    void setMax(long double x);

    int Digits() const { return digits_; }
    void setDigits(int digits);   // above 18 stored as 18

    // Shown (caption: the application name) when a written value is bounded
    // or a focus exit fails; nothing is shown while it is empty.
    QString ErrorMessage() const { return errorMessage_; }
    void setErrorMessage(const QString& text) { errorMessage_ = text; }

    FieldAlignment Alignment() const { return alignment_; }
    using QLineEdit::setAlignment;
    void setAlignment(FieldAlignment a);

    // A second key that types the decimal separator (null: none).
    QChar AdditionalDecimalSeparator() const { return additionalSeparator_; }
    void setAdditionalDecimalSeparator(QChar c) { additionalSeparator_ = c; }

    bool SupportsThousandSeparator() const { return thousands_; }
    void setSupportsThousandSeparator(bool on);

    // The text the field shows for `v`.
    QString CFloatToText(long double v) const;

    // Ends loading: swaps Min and Max if they are crossed, then writes the
    // held value (bounded and formatted).
    void Loaded();
    bool Loading() const { return loading_; }

    // The locale's separators, read when the field was created.
    QChar DecimalSeparator() const { return decimalSeparator_; }
    QChar ThousandSeparator() const { return thousandSeparator_; }
    // The value remembered at the last focus entry.
    long double EnterValue() const { return enterValue_; }

    TKeyPressEvent OnEnterPress;   // Enter and Ctrl+Enter

protected:
    bool filterChar(QChar& ch) override;
    void pasteText(const QString& clip) override;
    void enterField(Qt::FocusReason reason) override;
    void exitField() override;

private:
    // Parses a text with the field's separators (thousands removed first).
    bool parse(const QString& text, long double& out) const;
    void showError() const;

    QChar decimalSeparator_;
    QChar thousandSeparator_;
    long double min_ = 0.0L;
    long double max_ = 100.0L;
    long double held_ = 0.0L;
    long double enterValue_ = 0.0L;
    int digits_ = 1;
    bool thousands_ = false;
    bool loading_ = true;
    QChar additionalSeparator_;
    QString errorMessage_;
    FieldAlignment alignment_ = FieldAlignment::Right;
};

// The decimal field as the window layouts use it.
class TFloatEdit : public TCustomFloatEdit {
    Q_OBJECT
public:
    using TCustomFloatEdit::TCustomFloatEdit;
};

}  // namespace gravitaria
