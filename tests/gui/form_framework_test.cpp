// The form framework under the script menu editors: the grid per font, tab
// order, the focused row kept visible, the commit moments, every way text
// reaches an edit, read-only tables, and menus that are only looked at.

#include "form_fixture.h"
#include "support/gui/dialog_answers.h"

#include "model/lang_table_layout.h"
#include "ui/child_frame.h"
#include "ui/forms/char_entry_dialog.h"
#include "ui/forms/form_texts.h"
#include "ui/tree/tree_view.h"
#include "ui/view.h"
#include "ui/widgets/callback_button.h"
#include "ui/widgets/keyboard_font_edit.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

namespace tarvo::app::test {
namespace {

using Form = ui::CS1_Form_MenuCCL;

void setFont(model::CS1_LangTable& table, int font, int readOnly = 0)
{
    model::TableHeader header;
    model::TableMetadata metadata;
    table.GetHeader(header, metadata);
    metadata.font = font;
    metadata.readOnly = readOnly;
    table.SetHeader(header, metadata);
}

class FormFrameworkTest : public FormFixture {};

TEST_F(FormFrameworkTest, TextLinesFollowTheFontAndTheColumnsTheKeyboardsDisplay)
{
    // Table 1 is made a font-7 table through the core.
    openDocument([](document::CS1_Doc& d) { setFont(d.table(1), 7); });
    struct Case {
        int table;
        int lines;
        int width;
    };
    for (const Case c : {Case{0, 3, 10}, Case{1, 2, 10}, Case{4, 2, 4}}) {
        Form* form = showMenu(c.table, 81);
        ASSERT_NE(form, nullptr) << c.table;
        for (int entry = 1; entry <= 14; ++entry) {
            for (int line = 1; line <= 3; ++line) {
                ui::CEditKFont1* edit = form->LineEdit(entry, line);
                ASSERT_EQ(edit != nullptr, line <= c.lines) << c.table << "/" << entry << "/" << line;
                if (edit != nullptr) {
                    EXPECT_EQ(edit->maxLength(), c.width);
                    EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask,
                              entry <= 7 ? Qt::AlignLeft : Qt::AlignRight);
                }
            }
            EXPECT_EQ(form->NumberEdit(entry) != nullptr, entry > 1);
            EXPECT_EQ(form->PictureButton(entry, Form::kColLink) != nullptr, entry == 1);
        }
        // Entries 1-7 down the left column, 8-14 down the right, side by side.
        const auto topLeft = [form](int entry) {
            return form->LineEdit(entry, 1)->mapTo(form, QPoint(0, 0));
        };
        for (int entry = 1; entry <= 7; ++entry) {
            EXPECT_EQ(topLeft(entry).y(), topLeft(entry + 7).y()) << entry;
            EXPECT_LT(topLeft(entry).x(), topLeft(entry + 7).x()) << entry;
            if (entry > 1) {
                EXPECT_GT(topLeft(entry).y(), topLeft(entry - 1).y()) << entry;
            }
        }
        // No caption or text is cut: each edit holds its widest line.
        for (int entry = 1; entry <= 14; ++entry) {
            ui::CEditKFont1* edit = form->LineEdit(entry, 1);
            const QString widest(c.width, c.table == 4 ? QChar(0xAC00) : QChar(u'W'));
            EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance(widest)) << entry;
        }
    }
    // Typing beyond the width is cut at it; Hangul reaches font 5 as typed.
    Form* german = showMenu(1, 80);
    ASSERT_NE(german, nullptr);
    german->LineEdit(3, 1)->setFocus();
    german->LineEdit(3, 1)->selectAll();
    QTest::keyClicks(german->LineEdit(3, 1), QStringLiteral("ABCDEFGHIJKL"));
    Form* korean = showMenu(4, 80);
    ASSERT_NE(korean, nullptr);
    ui::CEditKFont1* hangul = korean->LineEdit(10, 2);
    hangul->setFocus();
    hangul->selectAll();
    QTest::sendKeyEvent(QTest::Click, hangul, Qt::Key_unknown, QString(QChar(0xAC00)), Qt::NoModifier);
    const auto reopened = saveAndReopen();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(entryOf(reopened->table(1), 80, 3).line1, u"ABCDEFGHIJ");
    EXPECT_EQ(entryOf(reopened->table(4), 80, 10).line2, u"   \uAC00");
    EXPECT_EQ(reopened->table(1).GetByte(model::layout::kFontOffset), 7);
}

TEST_F(FormFrameworkTest, TabFollowsTheEntriesAndTheFocusedRowIsScrolledIntoView)
{
    openDocument();
    Form* form = showMenu(0, 81);
    ASSERT_NE(form, nullptr);
    form->LineEdit(1, 1)->setFocus();
    std::vector<std::pair<int, int>> visited;
    for (int step = 0; step < 200; ++step) {
        const auto place = form->PlaceOf(QApplication::focusWidget());
        if (!place)
            break;
        if (!visited.empty() && visited.back() == std::make_pair(place->row, place->column))
            break;
        visited.emplace_back(place->row, place->column);
        if (place->row == 13 && place->column == Form::kColNumber)
            break;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    ASSERT_FALSE(visited.empty());
    EXPECT_EQ(visited.back(), std::make_pair(13, static_cast<int>(Form::kColNumber)));
    const std::vector<int> order = {Form::kColLine1,  Form::kColLine2,   Form::kColLine3, Form::kColMacro,
                                    Form::kColCamera, Form::kColMonitor, Form::kColOff,   Form::kColNumber,
                                    Form::kColLink,   Form::kColNavigate};
    for (std::size_t i = 1; i < visited.size(); ++i) {
        const auto [row, column] = visited[i];
        const auto [lastRow, lastColumn] = visited[i - 1];
        if (row == lastRow) {
            const auto at = [&order](int c) {
                return std::find(order.begin(), order.end(), c) - order.begin();
            };
            EXPECT_GT(at(column), at(lastColumn)) << row;
        } else {
            EXPECT_EQ(row, lastRow + 1) << "rows follow the entry numbers";
        }
    }

    // A small window: tabbing into a row below the visible area brings it wholly in.
    ui::CS1_ChildFrame* window = frame().activeFrame();
    window->showNormal();
    window->resize(520, 260);
    settle();
    QScrollArea* scroll = form->ScrollArea();
    for (const int entry : {7, 14, 2}) {
        form->LineEdit(entry, 1)->setFocus(Qt::TabFocusReason);
        settle();
        const QRect row(form->LineEdit(entry, 3)->mapTo(scroll->widget(), QPoint(0, 0)),
                        form->LineEdit(entry, 3)->size());
        const QRect visible(
            QPoint(scroll->horizontalScrollBar()->value(), scroll->verticalScrollBar()->value()),
            scroll->viewport()->size());
        EXPECT_TRUE(visible.intersects(row)) << entry;
        EXPECT_GE(row.bottom(), visible.top()) << entry;
        EXPECT_LE(row.bottom(), visible.bottom()) << entry;
    }
}

TEST_F(FormFrameworkTest, EveryWayTextArrivesIsAnEditOfTheEntry)
{
    openDocument();
    Form* form = showMenu(0, 82);
    ASSERT_NE(form, nullptr);
    struct Way {
        const char* name;
        int entry;
        std::function<void(ui::CEditKFont1&)> put;
        QString stored;
    };
    const Way ways[] = {
        {"typing", 2, [](ui::CEditKFont1& e) { QTest::keyClicks(&e, QStringLiteral("X")); },
         QStringLiteral("LockX")},
        {"paste", 3, [](ui::CEditKFont1& e) { e.pasteText(QStringLiteral("Y")); }, QStringLiteral("Log OnY")},
        {"undo", 4,
         [](ui::CEditKFont1& e) {
             e.pasteText(QStringLiteral("Z"));
             QTest::keyClick(&e, Qt::Key_Z, Qt::ControlModifier);
         },
         QStringLiteral("Log Off")},
        {"input method", 5,
         [](ui::CEditKFont1& e) {
             QInputMethodEvent event;
             event.setCommitString(QStringLiteral("Q"));
             QApplication::sendEvent(&e, &event);
         },
         QStringLiteral("TakeQ")},
        {"character entry", 6, [](ui::CEditKFont1& e) { e.setTextAsUserEdit(QStringLiteral("Coded")); },
         QStringLiteral("Coded")},
        {"characters display", 7, [](ui::CEditKFont1& e) { e.typeText(QStringLiteral("!")); },
         QStringLiteral("Sequence!")},
    };
    for (const Way& way : ways) {
        doc().setModified(false);
        ui::CEditKFont1* edit = form->LineEdit(way.entry, 1);
        edit->setFocus();
        edit->end(false);
        way.put(*edit);
        EXPECT_TRUE(doc().isModified()) << way.name;
        EXPECT_TRUE(frame().activeFrame()->isWindowModified()) << way.name;
    }
    ASSERT_TRUE(frame().commitOpenForms());
    for (const Way& way : ways) {
        model::MenuEntryInfo info;
        const model::MenuEntry e = entryOf(doc().table(0), 82, way.entry, &info);
        EXPECT_EQ(QString::fromStdU16String(e.line1).trimmed(), way.stored) << way.name;
        EXPECT_EQ(info.edited, 1) << way.name;
    }
}

TEST_F(FormFrameworkTest, CodepointsOpensTheCharacterEntryForTheRowAndTakesItsLines)
{
    openDocument();
    Form* form = showMenu(0, 81);
    ASSERT_NE(form, nullptr);
    ui::CEditKFont1* edit = form->LineEdit(9, 2);
    bool asked = false;
    whenShown<ui::FontPointEntryDialog>(&frame(), QStringLiteral("FontPointEntryDialog"), {},
                                        [&asked](ui::FontPointEntryDialog& dialog) {
                                            asked = true;
                                            EXPECT_EQ(dialog.lineEdit(0)->text(), QStringLiteral("Vault"));
                                            dialog.lineEdit(1)->setText(QStringLiteral("Door"));
                                            dialog.accept();
                                        });
    QTest::mouseClick(edit, Qt::RightButton, Qt::ShiftModifier);
    settle();
    EXPECT_TRUE(asked);
    EXPECT_EQ(edit->text(), QStringLiteral("Door"));
    EXPECT_TRUE(doc().isModified());
    ASSERT_TRUE(frame().commitOpenForms());
    EXPECT_EQ(entryOf(doc().table(0), 81, 9).line2, u"      Door");
}

TEST_F(FormFrameworkTest, AReadOnlyTableIsShownButRefusesEveryEdit)
{
    openDocument([](document::CS1_Doc& d) { setFont(d.table(2), 1, 1); });
    const std::vector<std::uint8_t> before = imageOf(doc().table(2));
    Form* form = showMenu(2, 81);
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(form->ReadOnly());
    ui::CEditKFont1* edit = form->LineEdit(2, 1);
    const QString shown = edit->text();
    EXPECT_FALSE(shown.isEmpty());
    ui::UserDialogs::reset();
    edit->setFocus();
    QTest::keyClicks(edit, QStringLiteral("X"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), shown);
    ASSERT_GE(ui::UserDialogs::shown().size(), 1);
    EXPECT_EQ(ui::UserDialogs::shown().at(0).text, ui::form_texts::kReadOnlyTable);
    EXPECT_FALSE(form->PictureButton(2, Form::kColMacro)->isEnabled());
    EXPECT_FALSE(form->PictureButton(2, Form::kColCamera)->isEnabled());
    EXPECT_TRUE(form->NavigateButton(1)->isEnabled()) << "navigation still works";
    showMenu(2, 80);
    ASSERT_TRUE(frame().commitOpenForms());
    EXPECT_FALSE(doc().isModified());
    EXPECT_EQ(imageOf(doc().table(2)), before);
}

TEST_F(FormFrameworkTest, ViewingAndLeavingEveryMenuChangesNoByte)
{
    openDocument([](document::CS1_Doc& d) {
        // An entry without action that still holds text keeps it.
        model::MenuEntryInfo info{81, 14, 0, u"", 0};
        model::MenuEntry hidden = d.table(0).GetMenuEntry(info);
        hidden.actionKind = 0;
        hidden.valueA = 0;
        hidden.valueB = 0;
        d.table(0).SetMenuEntry(hidden, info, true);
    });
    std::vector<std::vector<std::uint8_t>> before;
    for (std::size_t t = 0; t < doc().tableCount(); ++t)
        before.push_back(imageOf(doc().table(t)));
    int shown = 0;
    for (int t = 0; t < static_cast<int>(doc().tableCount()); ++t) {
        for (int menu = 80; menu <= 95; ++menu) {
            if (doc().table(static_cast<std::size_t>(t)).GetMenuName(menu).empty())
                continue;
            ASSERT_NE(showMenu(t, menu), nullptr);
            ++shown;
            ASSERT_TRUE(frame().commitOpenForms());
        }
    }
    EXPECT_EQ(shown, 80);
    frame().activeFrame()->view()->tree()->setCurrentItem(
        frame().activeFrame()->view()->tree()->topLevelItem(0));
    settle();
    EXPECT_FALSE(doc().isModified());
    for (std::size_t t = 0; t < doc().tableCount(); ++t)
        EXPECT_EQ(imageOf(doc().table(t)), before[t]) << "table " << t;
}

} // namespace
} // namespace tarvo::app::test
