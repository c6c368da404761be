// The View menu's "Show &Characters Used": the Characters Display lists the
// selected table's characters ten a row and types a clicked one into the
// focused keyboard-font edit as the user's edit.

#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "model/char_set_service.h"
#include "model/lang_table.h"
#include "ui/child_frame.h"
#include "ui/tree/node_key.h"
#include "ui/view.h"
#include "ui/widgets/characters_display.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>

namespace tarvo::app::test {
namespace {

constexpr int kKoreanLanguage = 1042;
constexpr int kWesternLanguage = 1033;

class CharactersDisplayTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ASSERT_TRUE(start());
        frame().action(Command::New)->trigger();
        ASSERT_NE(frame().activeFrame(), nullptr) << messages().join(QLatin1Char('\n')).toStdString();
        m_show = frame().findChild<QAction*>(QStringLiteral("ShowCharactersUsed"));
        ASSERT_NE(m_show, nullptr);
    }
    document::CS1_Doc& doc() { return frame().activeFrame()->document(); }
    int tableOfLanguage(int language)
    {
        for (std::size_t i = 0; i < doc().tableCount(); ++i)
            if (doc().table(i).WindowsLanguageId() == language)
                return static_cast<int>(i);
        return -1;
    }
    ui::CharactersDisplay* showFor(int kind, int tableIndex)
    {
        app().selections().at(doc().documentNumber()) = ui::SelectionRecord{kind, tableIndex, 0};
        m_show->trigger();
        return frame().findChild<ui::CharactersDisplay*>();
    }
    // The cell that shows ch, or (-1, -1).
    static std::pair<int, int> cellOf(const QTableWidget& list, QChar ch)
    {
        for (int row = 0; row < list.rowCount(); ++row)
            for (int column = 0; column < list.columnCount(); ++column)
                if (list.item(row, column) != nullptr && list.item(row, column)->text() == QString(ch))
                    return {row, column};
        return {-1, -1};
    }
    QAction* m_show = nullptr;
};

TEST_F(CharactersDisplayTest, CommandIsShownWithADocumentOnly)
{
    EXPECT_TRUE(m_show->isVisible());
    frame().action(Command::Close)->trigger();
    settle();
    EXPECT_FALSE(m_show->isVisible());
}

TEST_F(CharactersDisplayTest, ListsTheSelectedTablesCharactersTenARow)
{
    const int korean = tableOfLanguage(kKoreanLanguage);
    ASSERT_GT(korean, 0);
    ui::CharactersDisplay* display = showFor(ui::kNodeTable, korean);
    ASSERT_NE(display, nullptr);
    EXPECT_TRUE(display->isVisible());
    EXPECT_EQ(display->windowTitle(), QStringLiteral("Characters Display"));
    QTableWidget& list = *display->list();
    EXPECT_EQ(list.columnCount(), 10);
    EXPECT_EQ(list.horizontalHeaderItem(9)->text(), QStringLiteral("C10"));
    EXPECT_NE(cellOf(list, QChar(0xAC00)).first, -1);
    EXPECT_EQ(cellOf(list, QChar(0x0416)).first, -1);

    // With no table selected, the first table's (Western) list: 256 entries in 26 rows.
    ASSERT_EQ(doc().table(0).WindowsLanguageId(), kWesternLanguage);
    EXPECT_EQ(showFor(ui::kNodeRoot, 0), display);
    EXPECT_EQ(list.rowCount(), 26);
    EXPECT_EQ(list.item(0, 0)->text(), QString()); // code 0 has no character
    EXPECT_EQ(list.item(12, 8)->text(), QStringLiteral("\u20AC"));
}

TEST_F(CharactersDisplayTest, ClickedCharacterIsTypedIntoTheFocusedEditAsAnEdit)
{
    ui::CharactersDisplay* display = showFor(ui::kNodeTable, tableOfLanguage(kKoreanLanguage));
    ASSERT_NE(display, nullptr);
    auto* edit = new ui::CEditKFont1(frame().activeFrame()->view()->form());
    edit->setCharacterSet(5, true);
    edit->setMaxLength(4);
    edit->show();
    edit->setFocus();
    ASSERT_EQ(frame().focusWidget(), edit);
    QSignalSpy edited(edit, &QLineEdit::textEdited);

    const auto [row, column] = cellOf(*display->list(), QChar(0xAC00));
    display->chooseCell(row, column);
    EXPECT_EQ(display->selectedCharacter()->text(), QStringLiteral("\uAC00"));
    EXPECT_EQ(display->characterCode()->text(), QStringLiteral("44032"));
    EXPECT_EQ(edit->text(), QStringLiteral("\uAC00"));
    EXPECT_TRUE(edit->isModified());
    EXPECT_EQ(edited.count(), 1);

    // The edit's filter applies: a digits-only edit takes no Hangul.
    edit->setCharacterSet(model::digitsSetOf(5), false);
    display->chooseCell(row, column);
    EXPECT_EQ(edit->text(), QStringLiteral("\uAC00"));

    // An empty cell shows code 0 and types nothing.
    display->setCharacters({0xFFFF, u'A'});
    edit->setCharacterSet(5, true);
    display->chooseCell(0, 0);
    EXPECT_EQ(display->characterCode()->text(), QStringLiteral("0"));
    EXPECT_EQ(display->selectedCharacter()->text(), QString());
    EXPECT_EQ(edit->text(), QStringLiteral("\uAC00"));
    EXPECT_EQ(edited.count(), 1);
}

} // namespace
} // namespace tarvo::app::test
