#include "float_edit.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>

#include "errors.h"
#include "locale_separators.h"
#include "number_text.h"
#include "parameter_rules.h"
#include "platform.h"

namespace gravitaria {

namespace {

bool isAsciiDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

}  // namespace

TCustomFloatEdit::TCustomFloatEdit(QWidget* parent)
    : TCustomEdit(parent),
      decimalSeparator_(systemDecimalSeparator()),
      thousandSeparator_(systemGroupSeparator()) {
    QLineEdit::setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    TCustomEdit::setText(CFloatToText(min_));
}

QString TCustomFloatEdit::CFloatToText(long double v) const {
    NumberSeparators seps;
    seps.decimal = QString(decimalSeparator_).toStdString();
    seps.group = QString(thousandSeparator_).toStdString();
    return QString::fromStdString(fixedText(v, digits_, thousands_, seps));
}

bool TCustomFloatEdit::parse(const QString& text, long double& out) const {
    QString t = text;
    t.remove(thousandSeparator_);
    try {
        out = convertDecimalText(t, decimalSeparator_);
        return true;
    } catch (const ConvertError&) {
        return false;
    }
}

long double TCustomFloatEdit::Value() const {
    if (loading_)
        return held_;
    QString t = text();
    t.remove(thousandSeparator_);
    long double v = 0.0L;
    const bool zeroText = t.isEmpty() || t == QLatin1String("-") || t == QLatin1String("E") ||
                          t == QString(decimalSeparator_);
    if (!zeroText && !parse(t, v))
        v = min_;
    if (v < min_)
        v = min_;
    if (v > max_)
        v = max_;
    return v;
}

void TCustomFloatEdit::showError() const {
    if (!errorMessage_.isEmpty())
        platform().showMessage(errorMessage_, QCoreApplication::applicationName());
}

void TCustomFloatEdit::setValue(long double v) {
    if (loading_) {
        held_ = v;
        return;
    }
    if (v > max_) {
        showError();
        v = max_;
    }
    if (v < min_) {
        showError();
        v = min_;
    }
    TCustomEdit::setText(CFloatToText(v));
}

void TCustomFloatEdit::setMin(long double x) {
    if (x == min_)
        return;
    if (x > max_ && !loading_)
        throw GeneralError("Minimum value must not be greater than maximum value !");
    min_ = x;
    setValue(Value());
}

void TCustomFloatEdit::setMax(long double x) {
    if (x == max_)
        return;
    if (x < min_ && !loading_)
        throw GeneralError("Maximum value must not be less than minimum value !");
    max_ = x;
    setValue(Value());
}

void TCustomFloatEdit::setDigits(int digits) {
    digits = std::clamp(digits, 0, MaxDigits);
    if (digits == digits_)
        return;
    digits_ = digits;
    setValue(Value());
}

void TCustomFloatEdit::setSupportsThousandSeparator(bool on) {
    if (on == thousands_)
        return;
    thousands_ = on;
    setValue(Value());
}

void TCustomFloatEdit::setAlignment(FieldAlignment a) {
    alignment_ = a;
    const Qt::Alignment h = a == FieldAlignment::Left    ? Qt::AlignLeft
                            : a == FieldAlignment::Right ? Qt::AlignRight
                                                         : Qt::AlignHCenter;
    QLineEdit::setAlignment(h | Qt::AlignVCenter);
}

void TCustomFloatEdit::Loaded() {
    if (!loading_)
        return;
    if (max_ < min_)
        std::swap(min_, max_);
    loading_ = false;
    setValue(held_);
}

bool TCustomFloatEdit::filterChar(QChar& ch) {
    if (!additionalSeparator_.isNull() && ch == additionalSeparator_)
        ch = decimalSeparator_;
    if (ch == thousandSeparator_ && !thousands_)
        return false;
    const char16_t c = ch.unicode();
    if (c == 13 || c == 10) {
        if (OnEnterPress) {
            const TKeyPressEvent handler = OnEnterPress;
            QChar key = ch;
            handler(this, key);
        }
        return false;
    }
    if (c == 27) {
        setValue(enterValue_);
        selectAll();
        return false;
    }
    if (c < 32)
        return true;   // Backspace and the other control characters
    // Every printable character, whatever its code, is checked: a numeric
    // text never takes a letter or symbol from outside the Latin-1 range.
    if (isReadOnly())
        return false;
    if (!(ch == QLatin1Char('-') || isAsciiDigit(ch) || ch == QLatin1Char('E') ||
          ch == QLatin1Char('e') || ch == decimalSeparator_ || ch == thousandSeparator_))
        return false;
    const QString candidate = candidateWith(QString(ch));
    if (candidate == QLatin1String("-")) {
        applyUserEdit(QStringLiteral("-0"), 1, 1, EditKind::Other);
        return false;
    }
    if (candidate == QString(decimalSeparator_)) {
        applyUserEdit(QStringLiteral("0") + decimalSeparator_ + QStringLiteral("0"), 2, 1,
                      EditKind::Other);
        return false;
    }
    long double v = 0.0L;
    if (!parse(candidate, v) || v > max_)
        return false;
    if (ch == decimalSeparator_ && digits_ == 0)
        return false;
    if (!candidate.contains(QLatin1Char('E'), Qt::CaseInsensitive)) {
        const qsizetype sep = candidate.indexOf(decimalSeparator_);
        if (sep >= 0 && candidate.size() - sep - 1 > digits_)
            return false;
    }
    return true;
}

void TCustomFloatEdit::pasteText(const QString& clip) {
    long double v = 0.0L;
    if (!parse(candidateWith(clip), v))
        return;   // the text and selection stay as they were
    if (v > max_) {
        setValue(max_);
        return;
    }
    TCustomEdit::pasteText(clip);
}

void TCustomFloatEdit::enterField(Qt::FocusReason reason) {
    if (autoSelectFor(reason))
        selectAll();
    enterValue_ = Value();
    if (OnEnter) {
        const TNotifyEvent handler = OnEnter;
        handler(this);
    }
}

void TCustomFloatEdit::exitField() {
    QString t = text();
    if (t.isEmpty())
        t = CFloatToText(min_);
    long double v = 0.0L;
    if (!parse(t, v) || v < min_ || v > max_) {
        // The focus comes back first, so that a message box shown now hands
        // it back to this field when it closes, not to the one being entered.
        takeFocusBack();
        showError();
        setValue(enterValue_);
        selectAll();
        return;
    }
    TCustomEdit::setText(CFloatToText(v));
    long double shown = v;
    parse(text(), shown);
    setValue(shown);
    if (OnExit) {
        const TNotifyEvent handler = OnExit;
        handler(this);
    }
}

}  // namespace gravitaria
