#pragma once
// The table box: a multi-line text box that does not take Tab. Tab and
// Shift+Tab move the focus to the next or previous control, and so do
// Ctrl+Tab and Ctrl+Shift+Tab, so no stray TAB ever shifts the columns of a
// table the user copies into a spreadsheet.
#include <QPlainTextEdit>

namespace gravitaria {

class TMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TMemo(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace gravitaria
