#include "ui/widgets/keyboard_font_edit.h"

#include "model/char_set_service.h"
#include "platform/text.h"
#include "ui/widgets/widget_texts.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

namespace tarvo::ui {

namespace {

// Key presses whose text is a character to type, not a control code.
bool typesCharacters(const QString& text)
{
    if (text.isEmpty())
        return false;
    for (const QChar ch : text)
        if (ch.category() == QChar::Other_Control)
            return false;
    return true;
}

std::optional<QString> primarySelection()
{
    const QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        return std::nullopt;
    return clipboard->text(QClipboard::Selection);
}

CEditKFont1::SelectionSource& selectionSource()
{
    static CEditKFont1::SelectionSource source = primarySelection;
    return source;
}

} // namespace

void CEditKFont1::setSelectionSource(SelectionSource source)
{
    selectionSource() = source ? std::move(source) : SelectionSource(primarySelection);
}

CEditKFont1::CEditKFont1(QWidget* parent) : QLineEdit(parent) {}

void CEditKFont1::setCharacterSet(int set, bool characterEntryAllowed)
{
    m_set = set;
    m_characterEntryAllowed = characterEntryAllowed;
    m_ownUndo = false;
    m_undoText.clear();
}

CEditKFont1::Insert CEditKFont1::filtered(const QString& incoming) const
{
    model::FieldState field;
    field.text = text().toStdU16String();
    if (hasSelectedText()) {
        field.selectionStart = static_cast<std::size_t>(selectionStart());
        field.selectionLength = static_cast<std::size_t>(selectionLength());
    } else {
        field.selectionStart = static_cast<std::size_t>(cursorPosition());
    }
    const model::FieldInsert result = model::insertIntoField(
        m_set, field, static_cast<std::size_t>(maxLength()), incoming.toStdU16String());
    Insert insert;
    insert.changed = result.changed;
    insert.inserted = platform::toQString(result.inserted);
    insert.text = platform::toQString(result.text);
    insert.caret = static_cast<int>(result.caret);
    return insert;
}

bool CEditKFont1::typeText(const QString& text)
{
    if (isReadOnly())
        return false;
    const Insert insert = filtered(text);
    if (!insert.changed)
        return false;
    // The platform's insert: its undo records the typing, and it reports textEdited.
    QLineEdit::insert(insert.inserted);
    return true;
}

bool CEditKFont1::pasteText(const QString& text)
{
    if (isReadOnly())
        return false;
    const Insert insert = filtered(text);
    if (!insert.changed)
        return false;
    m_undoText = this->text();
    m_ownUndo = true;
    replaceTextAsUser(insert.text, insert.caret);
    return true;
}

void CEditKFont1::setTextAsUserEdit(const QString& text)
{
    if (isReadOnly())
        return;
    const model::FieldInsert result = model::insertIntoField(
        m_set, model::FieldState{}, static_cast<std::size_t>(maxLength()), text.toStdU16String());
    const QString kept = platform::toQString(result.text);
    if (kept == this->text())
        return;
    m_undoText = this->text();
    m_ownUndo = true;
    replaceTextAsUser(kept, static_cast<int>(kept.size()));
}

void CEditKFont1::replaceTextAsUser(const QString& text, int caret)
{
    // setText also empties the platform's undo: the own undo takes over.
    setText(text);
    setCursorPosition(caret);
    setModified(true);
    Q_EMIT textEdited(text);
}

void CEditKFont1::undoEdit()
{
    if (isReadOnly())
        return;
    if (!m_ownUndo) {
        undo();
        return;
    }
    const QString current = text();
    replaceTextAsUser(m_undoText, static_cast<int>(m_undoText.size()));
    m_undoText = current;
}

void CEditKFont1::pasteClipboard()
{
    pasteText(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void CEditKFont1::pasteSelection()
{
    if (const std::optional<QString> text = selectionSource()())
        pasteText(*text);
}

void CEditKFont1::requestCharacterEntry()
{
    if (m_characterEntryAllowed && !isReadOnly())
        Q_EMIT characterEntryRequested();
}

void CEditKFont1::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Undo)) {
        undoEdit();
        event->accept();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        pasteClipboard();
        event->accept();
        return;
    }
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        showEditMenu(mapToGlobal(cursorRect().bottomLeft()));
        event->accept();
        return;
    }
    if (typesCharacters(event->text()) && !(event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))) {
        // A character the set cannot show is dropped without a word.
        typeText(event->text());
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void CEditKFont1::inputMethodEvent(QInputMethodEvent* event)
{
    if (event->commitString().isEmpty() || isReadOnly()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // Korean and other composed text arrives here, never as key presses.
    const Insert insert = filtered(event->commitString());
    QInputMethodEvent kept(event->preeditString(), event->attributes());
    kept.setCommitString(insert.inserted, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&kept);
    event->accept();
}

void CEditKFont1::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && !isReadOnly() && selectionSource()().has_value()) {
        // The press put the caret where the user clicked.
        deselect();
        pasteSelection();
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void CEditKFont1::dropEvent(QDropEvent* event)
{
    if (isReadOnly() || !event->mimeData()->hasText()) {
        event->ignore();
        return;
    }
    // A drop copies, also from this edit: the dragged text stays where it was.
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    pasteText(event->mimeData()->text());
    event->setDropAction(Qt::CopyAction);
    event->accept();
}

void CEditKFont1::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Mouse && (event->modifiers() & Qt::ShiftModifier)) {
        requestCharacterEntry();
        event->accept();
        return;
    }
    showEditMenu(event->globalPos());
    event->accept();
}

void CEditKFont1::showEditMenu(const QPoint& globalPosition)
{
    QMenu* menu = createEditMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(globalPosition);
}

QMenu* CEditKFont1::createEditMenu(QWidget* parent)
{
    auto* menu = new QMenu(parent);
    const bool selection = hasSelectedText();
    const bool writable = !isReadOnly();
    auto add = [&](const QString& text, bool enabled, auto&& slot) {
        QAction* action = menu->addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, slot);
    };
    add(widget_texts::kUndo, canUndoEdit(), [this] { undoEdit(); });
    menu->addSeparator();
    add(widget_texts::kCut, selection && writable, [this] { cut(); });
    add(widget_texts::kCopy, selection, [this] { copy(); });
    add(widget_texts::kPaste, writable && !QGuiApplication::clipboard()->text().isEmpty(),
        [this] { pasteClipboard(); });
    add(widget_texts::kDelete, selection && writable, [this] { del(); });
    menu->addSeparator();
    add(widget_texts::kSelectAll, !text().isEmpty() && selectedText() != text(), [this] { selectAll(); });
    menu->addSeparator();
    add(widget_texts::kCodepoints, m_characterEntryAllowed && writable, [this] { requestCharacterEntry(); });
    return menu;
}

} // namespace tarvo::ui
