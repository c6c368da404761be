// The script menu editors driven through their widgets: typing, the macro
// buttons, numbers, links and jumps, then the file read back with the core.

#include "form_fixture.h"
#include "support/gui/dialog_answers.h"

#include "model/lang_table_layout.h"
#include "ui/child_frame.h"
#include "ui/forms/form_links_chooser.h"
#include "ui/forms/form_texts.h"
#include "ui/tree/tree_view.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"
#include "ui/widgets/callback_button.h"
#include "ui/widgets/keyboard_font_edit.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QToolTip>

namespace tarvo::app::test {
namespace {

using Form = ui::CS1_Form_MenuCCL;

void click(QWidget* widget)
{
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton);
    EditorFixture::settle();
}

std::u16string u(const char* text)
{
    return QString::fromUtf8(text).toStdU16String();
}

class FormMenuTest : public FormFixture {};

TEST_F(FormMenuTest, EveryKindOfEntryEditReachesTheFile)
{
    openDocument();
    Form* main = showMenu(0, 80);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->IsMainForm());
    typeInto(main->LineEdit(3, 1), QStringLiteral("Go"));
    typeInto(main->LineEdit(9, 2), QStringLiteral("abc"));
    click(main->PictureButton(4, Form::kColLink)); // link -> no action
    EXPECT_FALSE(main->LineEdit(4, 1)->isEnabled());
    EXPECT_TRUE(main->LineEdit(4, 1)->text().isEmpty());
    click(main->PictureButton(5, Form::kColMacro)); // link -> CCL macro 0, number focused
    EXPECT_EQ(QApplication::focusWidget(), main->NumberEdit(5));
    QTest::keyClicks(main->NumberEdit(5), QStringLiteral("0123"));
    EXPECT_TRUE(doc().isModified());

    Form* sub = showMenu(0, 81);
    ASSERT_NE(sub, nullptr);
    EXPECT_FALSE(sub->IsMainForm());
    click(sub->PictureButton(2, Form::kColCamera));
    QTest::keyClicks(sub->NumberEdit(2), QStringLiteral("07"));
    click(sub->PictureButton(3, Form::kColMonitor));
    click(sub->PictureButton(3, Form::kColOff));
    QTest::keyClicks(sub->NumberEdit(3), QStringLiteral("9"));
    click(sub->PictureButton(4, Form::kColMacro)); // the macro goes, and its text at the commit
    typeInto(sub->LineEdit(6, 1), QStringLiteral("Typed"));
    click(sub->PictureButton(6, Form::kColCamera));
    EXPECT_EQ(sub->LineEdit(6, 1)->text(), QStringLiteral("Typed")) << "a click keeps what was typed";
    typeInto(sub->NumberEdit(7), QStringLiteral("12"));
    typeInto(sub->NumberEdit(13), QStringLiteral("999999"));

    // Save commits the open form (81) too.
    const auto reopened = saveAndReopen();
    ASSERT_TRUE(reopened);
    const model::CS1_LangTable& t = reopened->table(0);
    struct Expected {
        int menu;
        int entry;
        std::u16string line1;
        std::u16string line2;
        int kind;
        int valueA;
        int valueB;
    };
    const Expected expected[] = {
        {80, 3, u("Go        "), u("          "), 1, 83, 0},
        {80, 9, u("  Car Park"), u("       abc"), 1, 89, 0},
        {80, 4, u("          "), u("          "), 0, 0, 0},
        {80, 5, u("Patrol"), u("Tours"), 2, '0', 123},
        {81, 2, u("Camera 1"), u("to Mon 1"), 2, '5' | (7 << 8), 0},
        {81, 3, u("Camera 2"), u("to Mon 1"), 2, '1' | (9 << 8), 0},
        {81, 4, u("          "), u("          "), 0, 0, 0},
        {81, 6, u("Typed     "), u("to Mon 3  "), 2, '5', 0},
        {81, 7, u("Entrance"), u("Camera"), 2, '5' | (12 << 8), 0},
        {81, 13, u("  Sequence"), u("       All"), 2, '0' | (99 << 8), 9999},
    };
    for (const auto& e : expected) {
        const model::MenuEntry got = entryOf(t, e.menu, e.entry);
        const std::string where = std::to_string(e.menu) + "/" + std::to_string(e.entry);
        EXPECT_EQ(QString::fromStdU16String(got.line1).trimmed(),
                  QString::fromStdU16String(e.line1).trimmed())
            << where;
        EXPECT_EQ(QString::fromStdU16String(got.line2).trimmed(),
                  QString::fromStdU16String(e.line2).trimmed())
            << where;
        if (e.line1.size() == 10) {
            EXPECT_EQ(got.line1, e.line1) << where << ": justified and padded";
        }
        EXPECT_EQ(got.actionKind, e.kind) << where;
        EXPECT_EQ(got.valueA, e.valueA) << where;
        EXPECT_EQ(got.valueB, e.valueB) << where;
        // The edited flag is not saved; the open document holds it for the download's merge.
        model::MenuEntryInfo info;
        entryOf(doc().table(0), e.menu, e.entry, &info);
        EXPECT_EQ(info.edited, 1) << where;
    }
    model::MenuEntryInfo untouched;
    entryOf(doc().table(0), 81, 5, &untouched);
    EXPECT_EQ(untouched.edited, 0);
}

// A sub menu's entry 1 given a "back" command (codes 20 and 76).
void putBackCommand(model::CS1_LangTable& t, int menu, int code)
{
    model::MenuEntryInfo info{menu, 1, 0, u"", 0};
    model::MenuEntry entry = t.GetMenuEntry(info);
    entry.actionKind = 2;
    entry.valueA = code;
    t.SetMenuEntry(entry, info, true);
}

TEST_F(FormMenuTest, JumpsFollowLinksAndTheLinksChooser)
{
    openDocument([](document::CS1_Doc& d) {
        model::CS1_LangTable& t = d.table(0);
        putBackCommand(t, 85, 20); // reached from 80 (entry 5) and from 86
        putBackCommand(t, 84, 76); // reached from 80 only
        model::MenuEntryInfo info{86, 1, 0, u"", 0};
        model::MenuEntry link = t.GetMenuEntry(info);
        link.valueA = 85;
        t.SetMenuEntry(link, info, true);
        d.rebuildLinkIndex();
    });
    Form* main = showMenu(0, 80);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->NavigateButton(14)->fullCaption(), QStringLiteral("Maintenance"))
        << "the caption names the menu the click opens";
    EXPECT_EQ(main->NavigateButton(1), nullptr) << "entries 1 and 2 have no action controls";
    click(main->NavigateButton(3));
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->Menu(), 83);
    EXPECT_EQ(form()->NavigateButton(2), nullptr) << "sub menu rows 2-14 have no navigate";
    click(form()->NavigateButton(1));
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->Menu(), 80);

    Form* single = showMenu(0, 84);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(single->NavigateButton(1)->fullCaption(), QStringLiteral("Main CCL Menu"));
    click(single->NavigateButton(1));
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->Menu(), 80);

    struct Choice {
        int button; // -1: Cancel
        int menu;   // the form afterwards
    };
    for (const Choice c : {Choice{-1, 85}, Choice{1, 86}}) {
        Form* here = showMenu(0, 85);
        ASSERT_NE(here, nullptr);
        EXPECT_EQ(here->NavigateButton(1)->fullCaption(), QStringLiteral("[2] Links"));
        EXPECT_TRUE(here->NavigateButton(1)->toolTip().endsWith(QStringLiteral("\n86 - Alarm Handling")));
        bool asked = false;
        whenShown<ui::LinksChooser>(
            &frame(), QStringLiteral("LinksChooser"), {}, [c, &asked](ui::LinksChooser& chooser) {
                asked = true;
                EXPECT_EQ(chooser.windowTitle(), QStringLiteral("[2] Links"));
                ASSERT_EQ(chooser.menuButtons().size(), 2u);
                EXPECT_EQ(chooser.menuButtons()[0]->toolTip(), QStringLiteral("80 - Main CCL Menu"));
                if (c.button < 0)
                    chooser.reject();
                else
                    chooser.menuButtons()[static_cast<std::size_t>(c.button)]->click();
            });
        click(here->NavigateButton(1));
        EXPECT_TRUE(asked);
        ASSERT_NE(form(), nullptr);
        EXPECT_EQ(form()->Menu(), c.menu);
    }

    // LINK on an entry without action links it to menu n + 80; navigate opens that menu.
    Form* again = showMenu(0, 80);
    ASSERT_NE(again, nullptr);
    click(again->PictureButton(6, Form::kColLink)); // link -> none
    EXPECT_FALSE(again->NavigateButton(6)->isEnabled());
    click(again->PictureButton(6, Form::kColLink)); // none -> link to 86
    EXPECT_TRUE(again->PictureButton(6, Form::kColLink)->pressedState());
    EXPECT_EQ(again->NavigateButton(6)->fullCaption(), QStringLiteral("Alarm Handling"));
    click(again->NavigateButton(6));
    ASSERT_NE(form(), nullptr);
    EXPECT_EQ(form()->Menu(), 86);
}

TEST_F(FormMenuTest, ClosingTheApplicationCommitsTheOpenFormBeforeItsSavePrompt)
{
    openDocument();
    Form* sub = showMenu(0, 83);
    ASSERT_NE(sub, nullptr);
    typeInto(sub->LineEdit(2, 2), QStringLiteral("Door"));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes); // save changes
    frame().close();
    settle();
    auto reopened = document::openDocument(m_pool, m_file.toStdString(), 0);
    ASSERT_TRUE(reopened.doc);
    EXPECT_EQ(entryOf(reopened.doc->table(0), 83, 2).line2, u("Door      "));
}

int asked()
{
    int count = 0;
    for (const ui::UserDialogs::Shown& shown : ui::UserDialogs::shown())
        count += shown.kind == QStringLiteral("ask") ? 1 : 0;
    return count;
}

// A camera number beyond the camera range, as a foreign file could hold it:
// shown whole, refused when the user keeps it.
void putCameraNumber(document::CS1_Doc& d, int number)
{
    model::MenuEntryInfo info{81, 2, 0, u"", 0};
    model::MenuEntry entry = d.table(0).GetMenuEntry(info);
    entry.actionKind = 2;
    entry.valueA = '5' | (number << 8);
    d.table(0).SetMenuEntry(entry, info, true);
}

TEST_F(FormMenuTest, AnEditTheFormCannotStoreIsKeptOrDiscardedAsTheUserAnswers)
{
    openDocument([](document::CS1_Doc& d) { putCameraNumber(d, 150); });
    Form* sub = showMenu(0, 81);
    ASSERT_NE(sub, nullptr);
    typeInto(sub->NumberEdit(2), QStringLiteral("151"));
    ui::UserDialogs::reset();
    showMenu(0, 82); // No (the default): keep editing
    EXPECT_EQ(asked(), 1) << "the refusal is shown with the offer to discard";
    ASSERT_EQ(form(), sub) << "the form with the refused edit stays open";
    EXPECT_EQ(sub->NumberEdit(2)->text(), QStringLiteral("151"));
    ui::CS1_TreeView& tree = *frame().activeFrame()->view()->tree();
    EXPECT_EQ(tree.KeyOf(tree.currentItem()), ui::packNodeKey(ui::kNodeSubMenu, 0, 81));

    // A refused leave by navigate leaves the form working.
    click(sub->NavigateButton(1));
    ASSERT_EQ(form(), sub);
    click(sub->PictureButton(3, Form::kColOff));
    EXPECT_TRUE(sub->PictureButton(3, Form::kColOff)->pressedState()) << "the buttons still answer";

    typeInto(sub->NumberEdit(2), QStringLiteral("15"));
    Form* next = showMenu(0, 82);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Menu(), 82);
    EXPECT_EQ(entryOf(doc().table(0), 81, 2).valueA, '5' | (15 << 8));

    // Discarded: Save goes on and the entry stays as stored.
    sub = showMenu(0, 81);
    ASSERT_NE(sub, nullptr);
    typeInto(sub->NumberEdit(2), QStringLiteral("151"));
    ui::UserDialogs::queueAnswer(QMessageBox::Yes);
    const auto reopened = saveAndReopen();
    ASSERT_TRUE(reopened);
    EXPECT_EQ(entryOf(reopened->table(0), 81, 2).valueA, '5' | (15 << 8));
    EXPECT_EQ(sub->NumberEdit(2)->text(), QStringLiteral("15")) << "the form shows the entry as stored";
}

TEST_F(FormMenuTest, ATableTheCoreWillNotEditLoadsReadOnlyNamingBothFonts)
{
    // The document record says font 1; the image's font byte says font 3.
    openDocument([](document::CS1_Doc& d) { d.table(0).SetByte(model::layout::kFontOffset, 3); });
    Form* sub = showMenu(0, 81);
    ASSERT_NE(sub, nullptr);
    EXPECT_TRUE(sub->ReadOnly());
    auto* banner = sub->findChild<QLabel*>(QStringLiteral("formReadOnlyReason"));
    ASSERT_NE(banner, nullptr);
    EXPECT_TRUE(banner->text().contains(QStringLiteral("font 1")) &&
                banner->text().contains(QStringLiteral("font 3")))
        << banner->text().toStdString();
    const QString before = sub->LineEdit(2, 1)->text();
    ui::UserDialogs::reset();
    typeInto(sub->LineEdit(2, 1), QStringLiteral("x"));
    EXPECT_EQ(sub->LineEdit(2, 1)->text(), before);
    ASSERT_FALSE(messages().isEmpty());
    EXPECT_TRUE(messages().front().contains(QStringLiteral("font 3")));
    Form* next = showMenu(0, 82);
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->Menu(), 82) << "nothing keeps the user on the menu";
    EXPECT_TRUE(frame().documents().saveDocument(*frame().activeFrame()));
}

TEST_F(FormMenuTest, NavigatingToItsOwnMenuLeavesTheFormWorking)
{
    openDocument([](document::CS1_Doc& d) {
        model::MenuEntryInfo info{83, 1, 0, u"", 0};
        model::MenuEntry link = d.table(0).GetMenuEntry(info);
        link.actionKind = 1;
        link.valueA = 83;
        d.table(0).SetMenuEntry(link, info, true);
    });
    Form* sub = showMenu(0, 83);
    ASSERT_NE(sub, nullptr);
    click(sub->NavigateButton(1));
    ASSERT_EQ(form(), sub);
    const bool pressed = sub->PictureButton(2, Form::kColMacro)->pressedState();
    click(sub->PictureButton(2, Form::kColMacro));
    EXPECT_NE(sub->PictureButton(2, Form::kColMacro)->pressedState(), pressed);
}

TEST_F(FormMenuTest, AMacroReplacingALinkUpdatesTheBackCaptions)
{
    openDocument([](document::CS1_Doc& d) {
        model::CS1_LangTable& t = d.table(0);
        putBackCommand(t, 85, 20); // reached from 80 (entry 5) and from 86
        model::MenuEntryInfo info{86, 1, 0, u"", 0};
        model::MenuEntry link = t.GetMenuEntry(info);
        link.valueA = 85;
        t.SetMenuEntry(link, info, true);
        d.rebuildLinkIndex();
    });
    Form* main = showMenu(0, 80);
    ASSERT_NE(main, nullptr);
    click(main->PictureButton(5, Form::kColMacro)); // the link to 85 becomes a macro
    Form* here = showMenu(0, 85);
    ASSERT_NE(here, nullptr);
    EXPECT_EQ(here->NavigateButton(1)->fullCaption(), QStringLiteral("Alarm Handling"))
        << "only menu 86 still leads here";
}

TEST_F(FormMenuTest, MainFormNavigateNamesMenuNPlus80GreyedWhenTheEntryDoesNotLeadThere)
{
    openDocument();
    Form* main = showMenu(0, 80);
    ASSERT_NE(main, nullptr);
    click(main->PictureButton(6, Form::kColLink));        // link -> none
    for (const int column : {-1, int(Form::kColMacro)}) { // no action, then a macro
        if (column >= 0)
            click(main->PictureButton(6, column));
        const ui::CCallbackButton* navigate = main->NavigateButton(6);
        EXPECT_FALSE(navigate->isEnabled());
        EXPECT_EQ(navigate->fullCaption(), QStringLiteral("Alarm Handling"));
        EXPECT_EQ(navigate->toolTip(), QStringLiteral("Alarm Handling"));
    }
}

TEST_F(FormMenuTest, NumberEditsAreSizedForTheirMacroType)
{
    openDocument();
    Form* sub = showMenu(0, 81);
    ASSERT_NE(sub, nullptr);
    const ui::CEditKFont1* camera = sub->NumberEdit(7); // a camera macro
    const ui::CEditKFont1* ccl = sub->NumberEdit(2);    // a CCL macro
    EXPECT_GE(camera->width(), camera->fontMetrics().horizontalAdvance(QStringLiteral("99")));
    EXPECT_LT(camera->width(), ccl->width());
    EXPECT_GE(ccl->width(), ccl->fontMetrics().horizontalAdvance(QStringLiteral("999999")));
    const int cclWidth = ccl->width();
    click(sub->PictureButton(2, Form::kColCamera)); // CCL macro -> camera
    EXPECT_EQ(sub->NumberEdit(2)->width(), camera->width());
    click(sub->PictureButton(2, Form::kColCamera)); // and back
    EXPECT_EQ(sub->NumberEdit(2)->width(), cclWidth);
}

TEST_F(FormMenuTest, Font5FormsShowTheirTooltipsInTheUnicodeFont)
{
    openDocument();
    const QFont applicationTipFont = QToolTip::font();
    struct Case {
        int table;
        bool unicode;
    };
    for (const Case c : {Case{4, true}, Case{0, false}}) {
        Form* main = showMenu(c.table, 80);
        ASSERT_NE(main, nullptr);
        ui::CCallbackButton* navigate = main->NavigateButton(3);
        const QPoint inside(2, 2);
        QHelpEvent help(QEvent::ToolTip, inside, navigate->mapToGlobal(inside));
        QApplication::sendEvent(navigate, &help);
        EXPECT_EQ(QToolTip::font().family(),
                  c.unicode ? main->LineEdit(3, 1)->font().family() : applicationTipFont.family())
            << "table " << c.table;
        QToolTip::hideText();
    }
}

} // namespace
} // namespace tarvo::app::test
