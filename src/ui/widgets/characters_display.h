#pragma once
// The Characters Display: a modeless window that lists the characters of a
// table's language ten to a row. Clicking one shows it with its Unicode
// value and offers it to the main window, which types it into the focused
// keyboard-font edit.

#include "ui/widgets/ui_fonts.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QTableWidget;

namespace tarvo::ui {

class CharactersDisplay final : public QDialog {
    Q_OBJECT
public:
    static constexpr int kColumns = 10;
    static constexpr int kColumnPixels = 56;

    explicit CharactersDisplay(const UiFonts& fonts, QWidget* parent = nullptr);

    // Fills the list; entries equal to 0xFFFF leave their cell empty.
    void setCharacters(const std::vector<char16_t>& characters);

    QTableWidget* list() const { return m_list; }
    QLineEdit* selectedCharacter() const { return m_character; }
    QLineEdit* characterCode() const { return m_code; }

    // What a click on the cell at row, column does.
    void chooseCell(int row, int column);

Q_SIGNALS:
    // A character was clicked (never for an empty cell).
    void characterChosen(QChar character);

private:
    QTableWidget* m_list = nullptr;
    QLineEdit* m_character = nullptr;
    QLineEdit* m_code = nullptr;
};

} // namespace tarvo::ui
