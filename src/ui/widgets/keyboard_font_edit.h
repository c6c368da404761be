#pragma once
// CEditKFont1: a line edit that takes only the characters its character set
// (a keyboard font, or a font's digits set) can show. Every way text
// arrives - typing, Ctrl+V, the context menu, a middle click with the
// primary selection, drag and drop, an input method's commit, the
// Characters Display and code-point entry - goes through the one filter of
// the core, cut to the field's limit. A paste keeps its own one-step undo
// (a second Undo redoes); typing keeps the platform's.

#include <QLineEdit>

#include <functional>
#include <optional>

class QMenu;

namespace tarvo::ui {

class CEditKFont1 : public QLineEdit {
    Q_OBJECT
public:
    explicit CEditKFont1(QWidget* parent = nullptr);

    // The set that filters (a font number, or a font's digits set). Clears the own undo.
    void setCharacterSet(int set, bool characterEntryAllowed);
    int characterSet() const { return m_set; }
    bool characterEntryAllowed() const { return m_characterEntryAllowed; }

    // Types text as if the user typed it (the platform undo records it).
    // False when nothing of it was kept.
    bool typeText(const QString& text);
    // Filtered paste of text: replaces the selection, remembers the text
    // before it for the own undo. False when nothing was kept.
    bool pasteText(const QString& text);
    // Puts text in as the user's edit (code-point entry): filtered, cut to
    // the limit, marked modified and reported by textEdited when it changed.
    // A read-only edit, like the user, changes nothing.
    void setTextAsUserEdit(const QString& text);

    // The own undo when a paste set it, else the platform's.
    void undoEdit();
    bool canUndoEdit() const { return m_ownUndo || isUndoAvailable(); }
    // Pastes the clipboard's text, or the primary selection's.
    void pasteClipboard();
    void pasteSelection();
    // Where a middle click's text comes from: the primary selection where the
    // platform has one (nullopt elsewhere). Tests put their own source in.
    using SelectionSource = std::function<std::optional<QString>()>;
    static void setSelectionSource(SelectionSource source);
    // Asks the form for character entry (the Codepoints command), where allowed.
    void requestCharacterEntry();
    // The context menu with its commands' enabled states.
    QMenu* createEditMenu(QWidget* parent);

Q_SIGNALS:
    // The form is to open its character entry for this edit.
    void characterEntryRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // The core's insert of incoming into the current text and selection.
    struct Insert {
        bool changed = false;
        QString inserted;
        QString text;
        int caret = 0;
    };
    Insert filtered(const QString& incoming) const;
    void replaceTextAsUser(const QString& text, int caret);
    void showEditMenu(const QPoint& globalPosition);

    int m_set = 0;
    bool m_characterEntryAllowed = false;
    QString m_undoText;
    bool m_ownUndo = false;
};

} // namespace tarvo::ui
