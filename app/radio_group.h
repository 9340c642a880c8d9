#pragma once
// A captioned group of radio buttons in one column. Its `clicked` signal is
// raised whenever the selected item changes, by a click, the keyboard or
// setItemIndex, and never when the item already selected is chosen again.
// The group is one stop of the keyboard tab order: Tab enters it on the
// selected item (the first item while none is selected), and the arrow keys
// move between the items.
#include <QButtonGroup>
#include <QRadioButton>
#include <QStringList>
#include <vector>

#include "group_box.h"

namespace gravitaria {

class TRadioGroup : public TGroupBox {
    Q_OBJECT
public:
    TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent = nullptr);

    int itemIndex() const { return index_; }
    // Selects item `index` (-1: none; beyond the last: the last). A
    // different item raises `clicked` before this returns; the same item
    // raises nothing.
    void setItemIndex(int index);

    QStringList items() const { return items_; }
    QRadioButton* button(int index) const;
    // The items in order, to be placed together in the window's tab order.
    std::vector<QWidget*> tabChain() const { return {buttons_.begin(), buttons_.end()}; }

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangeButtons();
    void buttonToggled(int id, bool checked);
    void updateTabStop();

    QStringList items_;
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
};

}  // namespace gravitaria
