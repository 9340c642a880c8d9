#include "custom_edit.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>

namespace gravitaria {

namespace {

// The character a key types, as the field filters it: Backspace 8, Enter 13
// (Ctrl+Enter 10), Escape 27, a printable character; null for keys that type
// nothing (navigation, Delete) and for shortcuts (Ctrl, Alt or Meta held).
QChar typedChar(const QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers();
    switch (e->key()) {
    case Qt::Key_Backspace:
        return (mods & Qt::ControlModifier) ? QChar() : QChar(8);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return (mods & Qt::ControlModifier) ? QChar(10) : QChar(13);
    case Qt::Key_Escape:
        return QChar(27);
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return QChar();
    default:
        break;
    }
    if (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return QChar();
    const QString t = e->text();
    if (t.isEmpty() || t.at(0).unicode() < 32 || t.at(0).unicode() == 127)
        return QChar();
    return t.at(0);
}

bool isDeletionKey(const QKeyEvent* e) {
    return e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete;
}

// A single-line box takes the first line of a pasted text.
QString firstLine(const QString& s) {
    for (qsizetype i = 0; i < s.size(); ++i)
        if (s[i] == QLatin1Char('\r') || s[i] == QLatin1Char('\n'))
            return s.left(i);
    return s;
}

}  // namespace

TCustomEdit::TCustomEdit(QWidget* parent) : QLineEdit(parent) {
    // Every character goes through keyPressEvent and every insertion through
    // the field's own paths, so the filters see all of them.
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAcceptDrops(false);
    connect(this, &QLineEdit::textChanged, this, &TCustomEdit::onTextChanged);
    // A caret moved by the mouse or by navigation ends a run of typing.
    connect(this, &QLineEdit::cursorPositionChanged, this, [this] {
        if (suppress_ == 0)
            endEditRun();
    });
}

void TCustomEdit::setText(const QString& t) {
    if (t == text())
        return;
    ++suppress_;
    QLineEdit::setText(t);
    --suppress_;
    hasUndo_ = false;
    endEditRun();
    notifyIfChanged();
}

void TCustomEdit::Undo() {
    if (!hasUndo_)
        return;
    const QString before = text();
    ++suppress_;
    QLineEdit::setText(undoText_);
    --suppress_;
    undoText_ = before;   // undoing again redoes
    endEditRun();
    notifyIfChanged();
}

void TCustomEdit::PasteFromClipboard() { pasteFrom(false); }

void TCustomEdit::CutToClipboard() {
    if (!editingAllowed() || !hasSelectedText())
        return;
    copy();
    deleteSelection();
}

// ---- Change notification and undo.

void TCustomEdit::onTextChanged(const QString&) {
    if (suppress_ > 0)
        return;
    // A write through the QLineEdit interface: a program write.
    hasUndo_ = false;
    endEditRun();
    notifyIfChanged();
}

void TCustomEdit::notifyIfChanged() {
    const QString t = text();
    if (t == lastText_)
        return;
    lastText_ = t;
    if (OnChange) {
        const TNotifyEvent handler = OnChange;   // the handler may reassign OnChange
        handler(this);
    }
}

void TCustomEdit::recordUndo(const QString& before, EditKind kind) {
    // Consecutive typed characters, or consecutive deletions, make one edit;
    // anything else is an edit of its own.
    const bool continues = inRun_ && hasUndo_ && kind != EditKind::Other && kind == runKind_;
    if (!continues) {
        undoText_ = before;
        hasUndo_ = true;
    }
    runKind_ = kind;
    inRun_ = kind != EditKind::Other;
}

void TCustomEdit::endEditRun() { inRun_ = false; }

void TCustomEdit::applyUserEdit(const QString& t, int selStart, int selLength, EditKind kind) {
    const QString before = text();
    ++suppress_;
    if (t != before)
        QLineEdit::setText(t);
    if (selLength > 0)
        setSelection(selStart, selLength);
    else
        setCursorPosition(selStart);
    --suppress_;
    if (t == before)
        return;
    recordUndo(before, kind);
    notifyIfChanged();
}

int TCustomEdit::insertPosition() const {
    return hasSelectedText() ? selectionStart() : cursorPosition();
}

QString TCustomEdit::candidateWith(const QString& insert) const {
    const QString t = text();
    const int start = insertPosition();
    const int length = hasSelectedText() ? static_cast<int>(selectedText().size()) : 0;
    return t.left(start) + insert + t.mid(start + length);
}

void TCustomEdit::insertTyped(const QString& s) {
    if (isReadOnly())
        return;
    const QString candidate = candidateWith(s);
    const int limit = typingLimit();
    if (limit > 0 && candidate.size() > limit)
        return;
    const EditKind kind = hasSelectedText() ? EditKind::Other : EditKind::Typing;
    applyUserEdit(candidate, insertPosition() + static_cast<int>(s.size()), 0, kind);
}

void TCustomEdit::deleteSelection() {
    if (!hasSelectedText())
        return;
    applyUserEdit(candidateWith(QString()), selectionStart(), 0, EditKind::Other);
}

void TCustomEdit::pasteFrom(bool selectionClipboard) {
    if (!editingAllowed())
        return;
    const QClipboard* cb = QGuiApplication::clipboard();
    if (selectionClipboard && !cb->supportsSelection())
        return;
    const QString clip =
        firstLine(cb->text(selectionClipboard ? QClipboard::Selection : QClipboard::Clipboard));
    if (clip.isEmpty() && !hasSelectedText())
        return;
    pasteText(clip);
}

void TCustomEdit::pasteText(const QString& clip) {
    QString s = clip;
    const int limit = typingLimit();
    if (limit > 0) {
        const int kept = static_cast<int>(text().size() - selectedText().size());
        s = s.left(std::max(0, limit - kept));
    }
    applyUserEdit(candidateWith(s), insertPosition() + static_cast<int>(s.size()), 0,
                  EditKind::Other);
}

// ---- Keys.

bool TCustomEdit::stepKey(int) { return false; }

bool TCustomEdit::filterChar(QChar&) { return true; }

void TCustomEdit::runBaseKey(QKeyEvent* e) {
    const QString before = text();
    const int cursor = cursorPosition();
    const int selStart = selectionStart();
    const int selLength = static_cast<int>(selectedText().size());
    ++suppress_;
    QLineEdit::keyPressEvent(e);
    --suppress_;
    if (text() == before) {
        if (cursorPosition() != cursor || selectionStart() != selStart)
            endEditRun();
        return;
    }
    if (!editingAllowed()) {
        ++suppress_;
        QLineEdit::setText(before);
        if (selLength > 0)
            setSelection(selStart, selLength);
        else
            setCursorPosition(cursor);
        --suppress_;
        editRefused();
        return;
    }
    const EditKind kind =
        (isDeletionKey(e) && selLength == 0 && !(e->modifiers() & Qt::ControlModifier))
            ? EditKind::Deleting
            : EditKind::Other;
    recordUndo(before, kind);
    notifyIfChanged();
}

void TCustomEdit::keyPressEvent(QKeyEvent* e) {
    QPointer<TCustomEdit> alive(this);
    int key = e->key();
    const Qt::KeyboardModifiers mods = e->modifiers();
    const bool stepped = stepKey(key);
    if (OnKeyDown && alive) {
        const TKeyEvent handler = OnKeyDown;
        keyIsAutoRepeat_ = e->isAutoRepeat();
        handler(this, key, mods);
    }
    if (!alive)
        return;
    keyIsAutoRepeat_ = false;
    e->accept();
    if (stepped || key == 0)
        return;

    if (e->matches(QKeySequence::Paste)) {
        PasteFromClipboard();
        return;
    }
    if (e->matches(QKeySequence::Cut)) {
        CutToClipboard();
        return;
    }
    if (e->matches(QKeySequence::Undo)) {
        if (!isReadOnly())
            Undo();
        return;
    }
    if (e->matches(QKeySequence::Redo))
        return;   // single-level undo: a second Undo redoes
    if (e->matches(QKeySequence::Copy) || e->matches(QKeySequence::SelectAll)) {
        QLineEdit::keyPressEvent(e);
        return;
    }

    QChar ch = typedChar(e);
    if (!ch.isNull()) {
        if (!filterChar(ch) || !alive)
            return;
        if (ch.unicode() >= 32)
            insertTyped(QString(ch));
        else if (ch.unicode() == 8)
            runBaseKey(e);
        // Other control characters (Enter, Escape...) edit nothing.
        return;
    }
    // A key with a printable text and a modifier is a shortcut for someone else.
    const QString t = e->text();
    if (!t.isEmpty() && t.at(0).isPrint() &&
        (mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))) {
        e->ignore();
        return;
    }
    runBaseKey(e);
}

// ---- Focus.

bool TCustomEdit::autoSelectFor(Qt::FocusReason reason) const {
    if (!autoSelect_)
        return false;
    const bool leftPress =
        reason == Qt::MouseFocusReason && (QGuiApplication::mouseButtons() & Qt::LeftButton);
    return !leftPress;
}

void TCustomEdit::enterField(Qt::FocusReason reason) {
    if (autoSelectFor(reason))
        selectAll();
    if (OnEnter) {
        const TNotifyEvent handler = OnEnter;
        handler(this);
    }
}

void TCustomEdit::exitField() {
    if (OnExit) {
        const TNotifyEvent handler = OnExit;
        handler(this);
    }
}

void TCustomEdit::takeFocusBack() {
    if (!isVisible() || !isEnabled())
        return;
    retaking_ = true;
    setFocus(Qt::OtherFocusReason);
    retaking_ = false;
    entered_ = true;
    selectAll();
}

void TCustomEdit::focusInEvent(QFocusEvent* e) {
    QLineEdit::focusInEvent(e);
    // Coming back from another application or from the context menu, and
    // the take-back of a refused exit, are no entry.
    if (retaking_ || entered_)
        return;
    entered_ = true;
    endEditRun();
    if (!autoSelect_ && hasSelectedText())
        deselect();
    enteredByLeftPress_ = !autoSelectFor(e->reason()) && autoSelect_;
    enterField(e->reason());
}

void TCustomEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const Qt::FocusReason reason = e->reason();
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return;
    // A field that never got its entry (focus taken back by another field
    // while it was arriving) has nothing to leave.
    if (!entered_)
        return;
    entered_ = false;
    enteredByLeftPress_ = false;
    exitField();
}

// ---- Mouse and context menu.

void TCustomEdit::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        clickArmed_ = true;
    enteredByLeftPress_ = false;   // the press was in the text: no selection
    QLineEdit::mousePressEvent(e);
}

void TCustomEdit::mouseDoubleClickEvent(QMouseEvent* e) {
    clickArmed_ = false;
    QLineEdit::mouseDoubleClickEvent(e);
}

void TCustomEdit::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        // The X11 selection paste follows the paste rules too.
        if (rect().contains(e->position().toPoint()))
            pasteFrom(true);
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
    if (e->button() == Qt::LeftButton && clickArmed_) {
        clickArmed_ = false;
        if (rect().contains(e->position().toPoint()) && OnClick) {
            const TNotifyEvent handler = OnClick;
            handler(this);
        }
    }
}

QMenu* TCustomEdit::buildContextMenu() {
    auto* menu = new QMenu(this);
    const bool selection = hasSelectedText();
    QAction* a = menu->addAction(QStringLiteral("&Annuler"), this, [this] { Undo(); });
    a->setEnabled(hasUndo_ && editingAllowed());
    menu->addSeparator();
    a = menu->addAction(QStringLiteral("Co&uper"), this, [this] { CutToClipboard(); });
    a->setEnabled(selection && editingAllowed());
    a = menu->addAction(QStringLiteral("&Copier"), this, [this] { copy(); });
    a->setEnabled(selection);
    a = menu->addAction(QStringLiteral("C&oller"), this, [this] { PasteFromClipboard(); });
    a->setEnabled(editingAllowed() &&
                  !QGuiApplication::clipboard()->text().isEmpty());
    a = menu->addAction(QStringLiteral("&Supprimer"), this, [this] { deleteSelection(); });
    a->setEnabled(selection && editingAllowed());
    menu->addSeparator();
    a = menu->addAction(QStringLiteral("Sélectionner &tout"), this, [this] { selectAll(); });
    a->setEnabled(!text().isEmpty());
    return menu;
}

void TCustomEdit::contextMenuEvent(QContextMenuEvent* e) {
    QPointer<QMenu> menu = buildContextMenu();
    menu->exec(e->globalPos());
    delete menu;
}

}  // namespace gravitaria
