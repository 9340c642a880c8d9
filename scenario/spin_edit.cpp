#include "spin_edit.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

#include "locale_separators.h"
#include "platform.h"
#include "spin_button.h"

namespace gravitaria {

namespace {

// Optional sign and decimal digits, within the signed 32-bit range.
bool readWholeNumber(const QString& t, std::int32_t& out) {
    qsizetype i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-'))) {
        negative = t[i] == QLatin1Char('-');
        ++i;
    }
    if (i == t.size())
        return false;
    std::int64_t v = 0;
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = v * 10 + (c - u'0');
        if (v > std::int64_t{1} << 31)
            return false;
    }
    if (negative)
        v = -v;
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        return false;
    out = static_cast<std::int32_t>(v);
    return true;
}

}  // namespace

TSpinEdit::TSpinEdit(QWidget* parent)
    : TCustomEdit(parent), button_(new TSpinButton(this)), decimalSeparator_(systemDecimalSeparator()) {
    button_->setFocusControl(this);
    button_->OnUpClick = [this] { UpClick(); };
    button_->OnDownClick = [this] { DownClick(); };
    // Qt focuses the field with a mouse reason before the press reaches the
    // button; a press on the arrows is no press in the text, so the entry
    // still selects the whole text.
    button_->OnPress = [this] {
        if (enteredByLeftPress_) {
            enteredByLeftPress_ = false;
            selectAll();
        }
    };
    TCustomEdit::setText(QStringLiteral("0"));
    layoutButton();
}

std::int32_t TSpinEdit::Value() const {
    std::int32_t v = 0;
    return readWholeNumber(text(), v) ? v : minValue_;
}

void TSpinEdit::setValue(std::int32_t v) { TCustomEdit::setText(QString::number(CheckValue(v))); }

std::int32_t TSpinEdit::CheckValue(std::int64_t v) const {
    if (minValue_ != maxValue_) {
        if (v < minValue_)
            return minValue_;
        if (v > maxValue_)
            return maxValue_;
    }
    // Unbounded steps stop at the ends of the 32-bit range instead of wrapping.
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void TSpinEdit::step(std::int64_t delta) {
    if (ReadOnly()) {
        platform().beep();
        return;
    }
    setValue(CheckValue(std::int64_t{Value()} + delta));
}

void TSpinEdit::UpClick() { step(increment_); }
void TSpinEdit::DownClick() { step(-std::int64_t{increment_}); }

bool TSpinEdit::stepKey(int key) {
    if (key == Qt::Key_Up) {
        UpClick();
        return true;
    }
    if (key == Qt::Key_Down) {
        DownClick();
        return true;
    }
    return false;
}

bool TSpinEdit::filterChar(QChar& ch) {
    const char16_t c = ch.unicode();
    bool valid = (c >= u'0' && c <= u'9') || c == u'+' || c == u'-' || ch == decimalSeparator_ ||
                 (c < 32 && c != 13);
    if (valid && !editorEnabled_ && (c >= 32 || c == 8))
        valid = false;
    if (!valid)
        platform().beep();
    return valid;
}

bool TSpinEdit::editingAllowed() const { return editorEnabled_ && !isReadOnly(); }

void TSpinEdit::editRefused() { platform().beep(); }

void TSpinEdit::exitField() {
    TCustomEdit::exitField();   // OnExit first: the handlers may restore the text
    const std::int32_t v = Value();
    if (CheckValue(v) != v)
        setValue(v);
}

// ---- Geometry.

int TSpinEdit::MinHeight() const {
    const int h = QFontMetrics(font()).height();
    const int system = QFontMetrics(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).height();
    return h + std::min(h, system) / 4 + 4 * BorderWidth + 2;
}

QRect TSpinEdit::ClientRect() const {
    const int b = hasFrame() ? Border3D : 0;
    return rect().adjusted(b, b, -b, -b);
}

QRect TSpinEdit::lineEditContents() const {
    QStyleOptionFrame opt;
    initStyleOption(&opt);
    return style()->subElementRect(QStyle::SE_LineEditContents, &opt, this);
}

QRect TSpinEdit::TextArea() const { return lineEditContents().marginsRemoved(textMargins()); }

void TSpinEdit::layoutButton() {
    const int w = std::max(button_->width(), TSpinButton::MinWidth);
    const QRect client = ClientRect();
    // Placement in client coordinates, as stated for the two border kinds.
    QRect r = hasFrame() ? QRect(width() - w - 5, 0, w, height() - 5)
                         : QRect(width() - w, 1, w, height() - 3);
    r.translate(client.topLeft());
    button_->setGeometry(r);
    // Text area right edge = client width - buttons' width - 2.
    const QRect contents = lineEditContents();
    const int wantedRight = client.left() + client.width() - w - 2;   // exclusive
    const int contentsRight = contents.left() + contents.width();
    QMargins m = textMargins();
    m.setRight(std::max(0, contentsRight - wantedRight));
    setTextMargins(m);
}

void TSpinEdit::setFrame(bool on) {
    QLineEdit::setFrame(on);
    layoutButton();
}

void TSpinEdit::keepMinHeightAndLayout() {
    const int minH = MinHeight();
    if (height() < minH)
        resize(width(), minH);
    layoutButton();
}

void TSpinEdit::resizeEvent(QResizeEvent* e) {
    QLineEdit::resizeEvent(e);
    keepMinHeightAndLayout();
}

void TSpinEdit::changeEvent(QEvent* e) {
    QLineEdit::changeEvent(e);
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange)
        keepMinHeightAndLayout();
}

}  // namespace gravitaria
