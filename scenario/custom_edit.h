#pragma once
// The single-line text box both numeric fields are made of: a QLineEdit whose
// every change of text raises OnChange exactly once (typed, pasted, undone or
// set by the program; nothing when the text stays the same), with a
// single-level Undo of the last edit, AutoSelect on focus entry, and the
// notifications the window's handlers bind to. Each notification receives the
// field as sender and runs synchronously inside the change that raises it.
#include <QLineEdit>
#include <QString>
#include <functional>

class QMenu;

namespace gravitaria {

using TNotifyEvent = std::function<void(QObject* sender)>;
// `key` is the Qt key code (Qt::Key_Up, Qt::Key_Return, Qt::Key_Space...);
// a handler that sets it to 0 consumes the key.
using TKeyEvent = std::function<void(QObject* sender, int& key, Qt::KeyboardModifiers shift)>;
// `key` is the typed character (13 for Enter, 10 for Ctrl+Enter).
using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;

class TCustomEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TCustomEdit(QWidget* parent = nullptr);

    QString Text() const { return text(); }
    // Stores exactly `text`, clears the undo record, raises OnChange once
    // when the text differs. (QLineEdit::setText called through a base
    // pointer raises OnChange the same way.)
    void setText(const QString& text);
    void SelectAll() { selectAll(); }

    // Single-level undo: brings back the text the last edit replaced; a
    // second Undo redoes it. Program writes of the text clear the record.
    void Undo();
    bool CanUndo() const { return hasUndo_; }

    bool AutoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }

    // Clipboard commands with the field's own rules; the keys (Ctrl+V,
    // Shift+Insert, Ctrl+X, Shift+Delete), the middle button and the context
    // menu all come here.
    void PasteFromClipboard();
    void CutToClipboard();
    void CopyToClipboard() { copy(); }

    // True between a real focus entry and the matching exit (switching to
    // another application or opening the context menu is neither).
    bool Entered() const { return entered_; }

    TNotifyEvent OnChange;
    TNotifyEvent OnClick;   // left click released in the text area
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;    // every key pressed, before its character is filtered
    // True while OnKeyDown handles a key the keyboard repeats because it is
    // held down (not the first press of that key).
    bool KeyIsAutoRepeat() const { return keyIsAutoRepeat_; }

protected:
    enum class EditKind { Typing, Deleting, Other };

    // ---- Hooks for the two field kinds.
    // Called for a key down before OnKeyDown; true when the key did its work
    // there (the spin field steps on the arrow keys) and goes no further.
    virtual bool stepKey(int key);
    // Filters a typed character. Return true to let it into the text (after
    // any change of `ch`); false drops it (the hook may have edited the text
    // itself, beeped, or done nothing).
    virtual bool filterChar(QChar& ch);
    // Whether editing keys (Backspace, Delete, word deletion), cut and paste
    // may change the text; refused editing keys call editRefused().
    virtual bool editingAllowed() const { return !isReadOnly(); }
    virtual void editRefused() {}
    // Applies a paste of `clip` (already cut at its first line break).
    virtual void pasteText(const QString& clip);
    // Characters typing or pasting may produce; 0 is no limit.
    virtual int typingLimit() const { return 0; }
    // Focus rules. The base entry selects all (AutoSelect, not a left press
    // in the field) then raises OnEnter; the base exit raises OnExit.
    virtual void enterField(Qt::FocusReason reason);
    virtual void exitField();

    // ---- Helpers for the hooks.
    // A user edit: sets text and selection, records the undo state, then
    // raises OnChange if the text changed.
    void applyUserEdit(const QString& text, int selStart, int selLength, EditKind kind);
    // The text `insert` would give, typed or pasted over the selection.
    QString candidateWith(const QString& insert) const;
    // Where an insertion starts: the selection start, or the cursor.
    int insertPosition() const;
    // Takes the keyboard focus back while leaving (a refused exit).
    void takeFocusBack();
    // Whether the entry rule should select the whole text.
    bool autoSelectFor(Qt::FocusReason reason) const;
    // The last entry came from a left button press that has not reached the
    // text itself yet (Qt gives the focus before delivering the press, also
    // when the press is on a child such as the arrow buttons).
    bool enteredByLeftPress_ = false;

    // ---- QWidget / QLineEdit.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void onTextChanged(const QString& text);
    void notifyIfChanged();
    void insertTyped(const QString& s);
    void deleteSelection();
    void runBaseKey(QKeyEvent* event);
    void pasteFrom(bool selectionClipboard);
    void recordUndo(const QString& before, EditKind kind);
    void endEditRun();
    QMenu* buildContextMenu();

    QString lastText_;          // the text OnChange last reported
    QString undoText_;          // what Undo brings back
    bool hasUndo_ = false;
    EditKind runKind_ = EditKind::Other;
    bool inRun_ = false;        // the last edit may be continued by the next
    int suppress_ = 0;          // inside our own text writes
    bool autoSelect_ = true;
    bool entered_ = false;
    bool retaking_ = false;
    bool clickArmed_ = false;
    bool keyIsAutoRepeat_ = false;
};

}  // namespace gravitaria
