#pragma once
// A captioned group of radio buttons in one column. Its `clicked` signal is
// raised whenever the selected item changes, by a click, the keyboard or
// setItemIndex, and never when the item already selected is chosen again.
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>
#include <vector>

namespace gravitaria {

class TRadioGroup : public QGroupBox {
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

signals:
    void clicked();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangeButtons();
    void buttonToggled(int id, bool checked);

    QStringList items_;
    QButtonGroup group_;
    std::vector<QRadioButton*> buttons_;
    int index_ = -1;
};

}  // namespace gravitaria
