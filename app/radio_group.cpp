#include "radio_group.h"

#include <algorithm>

#include "fonts.h"

namespace gravitaria {

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : TGroupBox(caption, parent), items_(items) {
    group_.setExclusive(true);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        group_.addButton(button, i);
        buttons_.push_back(button);
    }
    connect(&group_, &QButtonGroup::idToggled, this, &TRadioGroup::buttonToggled);
    arrangeButtons();
    updateTabStop();
}

QRadioButton* TRadioGroup::button(int index) const {
    if (index < 0 || index >= static_cast<int>(buttons_.size())) return nullptr;
    return buttons_[static_cast<std::size_t>(index)];
}

void TRadioGroup::setItemIndex(int index) {
    // Out of range: clamped to no item or the last item.
    index = std::clamp(index, -1, static_cast<int>(buttons_.size()) - 1);
    if (index == index_) return;
    if (QRadioButton* b = button(index)) {
        b->setChecked(true);   // raises `clicked` through buttonToggled
        return;
    }
    // No item: the exclusive group would refuse to uncheck its last button.
    group_.setExclusive(false);
    for (QRadioButton* b : buttons_) b->setChecked(false);
    group_.setExclusive(true);
    index_ = -1;
    updateTabStop();
}

void TRadioGroup::buttonToggled(int id, bool checked) {
    if (!checked || id == index_) return;
    index_ = id;
    updateTabStop();
    emit clicked();
}

void TRadioGroup::updateTabStop() {
    // Only the stop item takes the focus from Tab; a click still focuses
    // any item, and the arrow keys reach all of them.
    const std::size_t stop = index_ >= 0 ? static_cast<std::size_t>(index_) : 0;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        buttons_[i]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    TGroupBox::resizeEvent(event);
    arrangeButtons();
}

void TRadioGroup::arrangeButtons() {
    // One column: the items share the height below the caption evenly,
    // the remainder split above and below, as the layout's box heights
    // assume.
    if (buttons_.empty()) return;
    const int captionHeight = cellHeight(font());
    const int count = static_cast<int>(buttons_.size());
    const int available = std::max(height() - captionHeight - 5, count);
    const int rowHeight = available / count;
    const int top = captionHeight + 1 + (available % count) / 2;
    for (int i = 0; i < count; ++i) {
        buttons_[static_cast<std::size_t>(i)]->setGeometry(8, top + i * rowHeight, width() - 10,
                                                            rowHeight);
    }
}

}  // namespace gravitaria
