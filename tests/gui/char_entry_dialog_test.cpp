// The Font-Point Character Entry dialog: its lines and code cells per font,
// codes shown under the line's alignment, and a typed code placing its
// character as the user's edit.

#include "model/char_set_service.h"
#include "ui/forms/char_entry_dialog.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tarvo::model::LineAlignment;
using tarvo::ui::FontPointEntryDialog;
using tarvo::ui::FontPointRequest;

tarvo::ui::UiFonts testFonts()
{
    return {QFont(QStringLiteral("Monospace")), QFont(), QFont()};
}

QStringList cellTexts(const FontPointEntryDialog& dialog, int line, int width)
{
    QStringList texts;
    for (int position = 0; position < width; ++position)
        texts << dialog.codeCell(line, position)->text();
    return texts;
}

// Shown and active, so that focus changes reach the cells and lines.
void showActive(FontPointEntryDialog& dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

// Types a code into a cell as the user does: select, type, leave.
void typeCode(FontPointEntryDialog& dialog, int line, int position, const QString& code)
{
    tarvo::ui::CEditKFont1* cell = dialog.codeCell(line, position);
    cell->setFocus();
    cell->selectAll();
    QTest::keyClicks(cell, code);
}

TEST(FontPointEntryDialog, LinesAndCellsPerFont)
{
    const struct {
        int font, lines, width, digits;
    } cases[] = {{1, 3, 10, 3}, {5, 2, 4, 4}, {7, 2, 10, 3}, {2, 3, 10, 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.font);
        FontPointEntryDialog dialog(FontPointRequest::forFont(c.font, {}, LineAlignment::Left), testFonts());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Font-Point Character Entry"));
        EXPECT_EQ(dialog.lines().size(), c.lines);
        EXPECT_EQ(dialog.lineEdit(0)->maxLength(), c.width);
        EXPECT_EQ(dialog.cellsPerRow(), c.width);
        EXPECT_EQ(dialog.codeCell(c.lines - 1, c.width - 1)->maxLength(), c.digits);
        EXPECT_EQ(dialog.codeCell(0, 0)->characterSet(), tarvo::model::digitsSetOf(c.font));
        EXPECT_EQ(dialog.focusWidget(), dialog.codeCell(0, 0));
        EXPECT_TRUE(dialog.fitsScreen());
    }
}

TEST(FontPointEntryDialog, RightAlignedLineTakesACodeBeforeItsText)
{
    FontPointEntryDialog dialog(
        FontPointRequest::forFont(1, {QStringLiteral("ABC"), QString(), QStringLiteral("x")},
                                  LineAlignment::Right),
        testFonts());
    showActive(dialog);
    EXPECT_EQ(cellTexts(dialog, 0, 10).join(QLatin1Char(',')),
              QStringLiteral("32,32,32,32,32,32,32,65,66,67"));
    EXPECT_EQ(cellTexts(dialog, 2, 10).last(), QStringLiteral("120"));
    QSignalSpy edited(dialog.lineEdit(0), &QLineEdit::textEdited);
    typeCode(dialog, 0, 0, QStringLiteral("68"));
    dialog.accept();
    EXPECT_EQ(dialog.lines().value(0), QStringLiteral("D      ABC"));
    // Code-point entry is the user's edit of the line.
    EXPECT_TRUE(dialog.lineEdit(0)->isModified());
    EXPECT_EQ(edited.count(), 1);
}

TEST(FontPointEntryDialog, Font5CodesPlaceHangulAndUnknownCodesAreDropped)
{
    FontPointEntryDialog dialog(FontPointRequest::forFont(5, {QStringLiteral("A")}, LineAlignment::Left),
                                testFonts());
    showActive(dialog);
    typeCode(dialog, 0, 2, QStringLiteral("256"));
    dialog.lineEdit(1)->setFocus(); // leaving the cell applies it
    EXPECT_EQ(dialog.lineEdit(0)->text(), QStringLiteral("A \uAC00"));
    EXPECT_EQ(cellTexts(dialog, 0, 4).join(QLatin1Char(',')), QStringLiteral("65,32,256,32"));
    for (const QString& code : {QStringLiteral("0"), QStringLiteral("1137"), QStringLiteral("31")}) {
        typeCode(dialog, 0, 1, code);
        dialog.lineEdit(1)->setFocus();
        EXPECT_EQ(dialog.lineEdit(0)->text(), QStringLiteral("A \uAC00")) << code.toStdString();
        EXPECT_EQ(dialog.codeCell(0, 1)->text(), QStringLiteral("32"));
    }
    // Cells take digits only, four at most.
    typeCode(dialog, 1, 0, QStringLiteral("1x1-1136"));
    EXPECT_EQ(dialog.codeCell(1, 0)->text(), QStringLiteral("1111"));
}

TEST(FontPointEntryDialog, EditingALineRefreshesItsCellsAndLeavingItTrims)
{
    FontPointEntryDialog dialog(FontPointRequest::forFont(1, {}, LineAlignment::Centre), testFonts());
    showActive(dialog);
    dialog.lineEdit(1)->setFocus();
    QTest::keyClicks(dialog.lineEdit(1), QStringLiteral(" AB "));
    EXPECT_EQ(cellTexts(dialog, 1, 10).mid(3, 4).join(QLatin1Char(',')), QStringLiteral("32,65,66,32"));
    dialog.lineEdit(0)->setFocus();
    EXPECT_EQ(dialog.lineEdit(1)->text(), QStringLiteral("AB"));
}

} // namespace
