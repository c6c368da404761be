#pragma once
// The Unicode input dialog: a character typed by its code point into the
// keyboard-font edit that had the focus when the dialog opened, as if the
// user typed it there (so the edit's character set filters it).

#include <QDialog>
#include <QPointer>

#include <optional>

class QLabel;
class QLineEdit;

namespace tarvo::ui {
class CEditKFont1;
}

namespace tarvo::diagnostics {

class UnicodeInputDialog final : public QDialog {
    Q_OBJECT
public:
    // target: the focused keyboard-font edit, or null.
    explicit UnicodeInputDialog(ui::CEditKFont1* target, QWidget* parent = nullptr);

    QLineEdit* codeEdit() const { return m_code; }
    QString statusText() const;
    // Types the character of the code now in the edit; false when nothing
    // was typed (the status line says why).
    bool typeCharacter();

    // "U+00E9", "0xE9", "e9" (hexadecimal) or "#233" (decimal); nullopt for
    // anything else and for surrogates and values beyond U+10FFFF.
    static std::optional<char32_t> parseCodePoint(const QString& text);

private:
    void showPreview();

    QPointer<ui::CEditKFont1> m_target;
    QLineEdit* m_code = nullptr;
    QLabel* m_preview = nullptr;
    QLabel* m_status = nullptr;
};

} // namespace tarvo::diagnostics
