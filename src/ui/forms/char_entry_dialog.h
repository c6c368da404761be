#pragma once
// The Font-Point Character Entry dialog: the lines of one softkey entry,
// each with a row of code cells that show, position by position, the
// keyboard code of the character the line shows there under its alignment.
// Typing a code into a cell puts its character at that position; a code
// without a character is dropped.

#include "model/font_point_lines.h"
#include "ui/widgets/ui_fonts.h"

#include <QDialog>
#include <QStringList>

#include <vector>

namespace tarvo::ui {

class CEditKFont1;

struct FontPointRequest {
    int font = 1;
    int lines = 3;
    int charactersPerLine = 10;
    QStringList texts;
    model::LineAlignment alignment = model::LineAlignment::Left;

    // The lines a softkey entry has in font: 2 of 4 (font 5), 2 of 10 (font 7), else 3 of 10.
    static FontPointRequest forFont(int font, const QStringList& texts, model::LineAlignment alignment);
};

class FontPointEntryDialog final : public QDialog {
    Q_OBJECT
public:
    FontPointEntryDialog(const FontPointRequest& request, const UiFonts& fonts, QWidget* parent = nullptr);

    // The edited lines (valid after OK).
    QStringList lines() const;
    // False when the dialog is taller than the screen: exec() then returns
    // Rejected at once and nothing changes.
    bool fitsScreen() const { return m_fitsScreen; }

    CEditKFont1* lineEdit(int line) const { return m_lineEdits.at(static_cast<std::size_t>(line)); }
    CEditKFont1* codeCell(int line, int position) const;
    int cellsPerRow() const { return m_cellsPerRow; }

    int exec() override;
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout(const UiFonts& fonts);
    void refillCells();
    void applyPendingCell();
    void trimLine(int line);

    FontPointRequest m_request;
    std::vector<CEditKFont1*> m_lineEdits;
    std::vector<std::vector<CEditKFont1*>> m_cells;
    int m_cellsPerRow = 0;
    int m_pendingLine = -1;
    int m_pendingPosition = -1;
    bool m_fitsScreen = true;
};

} // namespace tarvo::ui
