// The document window: the tree of a new document, node keys, selection,
// table moves and the command enablers.

#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "model/lang_table.h"
#include "ui/child_frame.h"
#include "ui/forms/form_null.h"
#include "ui/forms/form_registry.h"
#include "ui/tree/node_key.h"
#include "ui/tree/tree_view.h"
#include "ui/view.h"

#include <QMenuBar>
#include <QTest>

namespace tarvo::app::test {
namespace {

using ui::CS1_TreeView;
using ui::packNodeKey;

QString tableName(const model::CS1_LangTable& table)
{
    model::TableHeader header;
    model::TableMetadata metadata;
    table.GetHeader(header, metadata);
    return QString::fromStdU16String(header.friendlyName).trimmed();
}

class DocumentWindowTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        ASSERT_TRUE(start());
        frame().action(Command::New)->trigger();
        ASSERT_NE(frame().activeFrame(), nullptr) << messages().join(QLatin1Char('\n')).toStdString();
    }
    document::CS1_Doc& doc() { return frame().activeFrame()->document(); }
    CS1_TreeView& tree() { return *frame().activeFrame()->view()->tree(); }
    void selectTable(int index)
    {
        tree().setCurrentItem(tree().GetTreeItem(packNodeKey(ui::kNodeTable, index, 0)));
    }
    QStringList tableLabels()
    {
        QStringList labels;
        QTreeWidgetItem* root = tree().topLevelItem(0);
        for (int i = 0; i < root->childCount(); ++i)
            labels << root->child(i)->text(0);
        return labels;
    }
};

TEST_F(DocumentWindowTest, NewDocumentShowsEveryTableAndNamedScriptMenu)
{
    EXPECT_EQ(frame().activeFrame()->windowTitle(), QStringLiteral("Tarvo1[*]"));
    EXPECT_FALSE(frame().activeFrame()->isWindowModified());
    ASSERT_EQ(tree().topLevelItemCount(), 1);
    QTreeWidgetItem* root = tree().topLevelItem(0);
    EXPECT_EQ(root->text(0), QStringLiteral("Language Tables"));
    EXPECT_TRUE(root->isExpanded());
    ASSERT_GT(doc().tableCount(), 1u);
    ASSERT_EQ(static_cast<std::size_t>(root->childCount()), doc().tableCount());
    for (std::size_t i = 0; i < doc().tableCount(); ++i) {
        const model::CS1_LangTable& table = doc().table(i);
        const int index = static_cast<int>(i);
        QTreeWidgetItem* tableItem = root->child(index);
        EXPECT_EQ(tableItem->text(0),
                  QStringLiteral("%1 - %2").arg(index + 1, 2, 10, QLatin1Char(' ')).arg(tableName(table)));
        EXPECT_EQ(tree().KeyOf(tableItem), packNodeKey(ui::kNodeTable, index, 0));
        ASSERT_EQ(tableItem->childCount(), 1);
        QTreeWidgetItem* folder = tableItem->child(0);
        EXPECT_EQ(folder->text(0), QString::fromStdU16String(table.GetMetadataLabel(10)));
        EXPECT_EQ(tree().GetTreeItem(packNodeKey(ui::kNodeMenuFolder, index, 0)), folder);
        QStringList expected;
        for (int menu = 80; menu <= 95; ++menu) {
            const QString name = QString::fromStdU16String(table.GetMenuName(menu));
            QTreeWidgetItem* item = tree().GetTreeItem(packNodeKey(menu == 80 ? 8 : 9, index, menu));
            EXPECT_EQ(item != nullptr, !name.isEmpty()) << "table " << index << " menu " << menu;
            if (!name.isEmpty())
                expected << name;
        }
        QStringList shown;
        for (int m = 0; m < folder->childCount(); ++m)
            shown << folder->child(m)->text(0);
        EXPECT_EQ(shown, expected) << "table " << index;
    }
}

TEST_F(DocumentWindowTest, SelectionRecordsTheNodeAndSwitchesTheForm)
{
    int made = 0;
    app().forms().registerForm(ui::kNodeSubMenu, [&made](const ui::FormContext& context, QWidget* parent) {
        ++made;
        return new ui::CS1_Form_Null(context, parent);
    });
    const ui::SelectionRecord& record = app().selections().at(doc().documentNumber());
    tree().setCurrentItem(tree().GetTreeItem(packNodeKey(ui::kNodeTable, 1, 0)));
    EXPECT_EQ(record.kind, ui::kNodeTable);
    EXPECT_EQ(record.tableIndex, 1);
    ASSERT_TRUE(tree().SelectMenuNode(81));
    EXPECT_EQ(record.kind, ui::kNodeSubMenu);
    EXPECT_EQ(record.menu, 81);
    EXPECT_EQ(made, 1);
    // The same node again builds nothing; another menu of the same kind does.
    tree().setCurrentItem(tree().GetTreeItem(packNodeKey(ui::kNodeSubMenu, 1, 81)));
    EXPECT_EQ(made, 1);
    ASSERT_TRUE(tree().SelectMenuNode(82));
    EXPECT_EQ(made, 2);
    EXPECT_FALSE(tree().SelectMenuNode(79));
    EXPECT_EQ(record.menu, 82);
}

TEST_F(DocumentWindowTest, MoveUpReordersTreeAndDocument)
{
    ASSERT_GE(doc().tableCount(), 3u);
    const QString second = tableName(doc().table(1));
    const QString third = tableName(doc().table(2));
    selectTable(2);
    ASSERT_TRUE(frame().action(Command::MoveTableUp)->isEnabled());
    frame().action(Command::MoveTableUp)->trigger();
    EXPECT_EQ(tableName(doc().table(1)), third);
    EXPECT_EQ(tableName(doc().table(2)), second);
    EXPECT_EQ(tableLabels().at(1), QStringLiteral(" 2 - ") + third);
    EXPECT_EQ(tableLabels().at(2), QStringLiteral(" 3 - ") + second);
    EXPECT_EQ(tree().KeyOf(tree().currentItem()), packNodeKey(ui::kNodeTable, 1, 0));
    EXPECT_TRUE(doc().isModified());
    EXPECT_TRUE(frame().activeFrame()->isWindowModified());
    // Now at index 1 it cannot go above the first table.
    EXPECT_FALSE(frame().action(Command::MoveTableUp)->isEnabled());
    EXPECT_TRUE(frame().action(Command::MoveTableDown)->isEnabled());
}

TEST_F(DocumentWindowTest, MoveDownReordersTreeAndDocument)
{
    const QString second = tableName(doc().table(1));
    const QString third = tableName(doc().table(2));
    selectTable(1);
    frame().action(Command::MoveTableDown)->trigger();
    EXPECT_EQ(tableName(doc().table(2)), second);
    EXPECT_EQ(tableLabels().at(1), QStringLiteral(" 2 - ") + third);
    EXPECT_EQ(tableLabels().at(2), QStringLiteral(" 3 - ") + second);
    EXPECT_EQ(tree().KeyOf(tree().currentItem()), packNodeKey(ui::kNodeTable, 2, 0));
    // Every key of the moved tables points at a node of the right table.
    for (int index : {1, 2}) {
        QTreeWidgetItem* folder = tree().GetTreeItem(packNodeKey(ui::kNodeMenuFolder, index, 0));
        ASSERT_NE(folder, nullptr);
        EXPECT_EQ(folder->parent(), tree().GetTreeItem(packNodeKey(ui::kNodeTable, index, 0)));
    }
}

struct MoveCase {
    int selectedTable; // -1: the root
    bool up;
    bool down;
    friend void PrintTo(const MoveCase& c, std::ostream* os) { *os << "table " << c.selectedTable; }
};

class MoveEnablerTest : public DocumentWindowTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(MoveEnablerTest, MovesEnabledOnlyForTablesThatCanMove)
{
    const MoveCase c = GetParam();
    const int last = static_cast<int>(doc().tableCount()) - 1;
    if (c.selectedTable < 0)
        tree().setCurrentItem(tree().topLevelItem(0));
    else
        selectTable(c.selectedTable == 99 ? last : c.selectedTable);
    EXPECT_EQ(frame().action(Command::MoveTableUp)->isEnabled(), c.up);
    EXPECT_EQ(frame().action(Command::MoveTableDown)->isEnabled(), c.down);
}

INSTANTIATE_TEST_SUITE_P(Selections, MoveEnablerTest,
                         ::testing::Values(MoveCase{-1, false, false}, MoveCase{0, false, false},
                                           MoveCase{1, false, true}, MoveCase{2, true, true},
                                           MoveCase{99, true, false}));

TEST_F(EditorFixture, EnablersFollowTheMenuState)
{
    ASSERT_TRUE(start());
    const auto visibleMenus = [this] {
        QStringList titles;
        for (const QAction* a : frame().menuBar()->actions())
            if (a->isVisible())
                titles << a->text();
        return titles;
    };
    const QStringList always{QStringLiteral("&File"), QStringLiteral("&View"), QStringLiteral("&Help")};
    const QStringList documentOnly{QStringLiteral("&Edit"), QStringLiteral("&Window")};
    const auto expectMenus = [&](bool withDocument) {
        const QStringList shown = visibleMenus();
        for (const QString& title : always)
            EXPECT_TRUE(shown.contains(title)) << title.toStdString();
        for (const QString& title : documentOnly)
            EXPECT_EQ(shown.contains(title), withDocument) << title.toStdString();
    };
    for (const Command c : {Command::Close, Command::Save, Command::SaveAs, Command::MoveTableUp})
        EXPECT_FALSE(frame().action(c)->isEnabled());
    EXPECT_FALSE(frame().action(Command::Properties)->isVisible());
    expectMenus(false);

    frame().action(Command::New)->trigger();
    for (const Command c : {Command::Close, Command::Save, Command::SaveAs, Command::Properties})
        EXPECT_TRUE(frame().action(c)->isEnabled());
    EXPECT_TRUE(frame().action(Command::Properties)->isVisible());
    expectMenus(true);

    frame().action(Command::Close)->trigger();
    settle();
    EXPECT_FALSE(frame().action(Command::Save)->isEnabled());
    expectMenus(false);
}

// Counts the reloads the window asks of its form.
class CountingForm final : public ui::FormPane {
public:
    CountingForm(const ui::FormContext& context, QWidget* parent, int& refreshes)
        : FormPane(context, parent), m_refreshes(refreshes)
    {
    }
    void refreshForm() override { ++m_refreshes; }

private:
    int& m_refreshes;
};

TEST_F(DocumentWindowTest, FormReloadsOnF5AndWindowStateChanges)
{
    int refreshes = 0;
    app().forms().registerForm(ui::kNodeMainMenu, [&refreshes](const ui::FormContext& c, QWidget* parent) {
        return new CountingForm(c, parent, refreshes);
    });
    ASSERT_TRUE(tree().SelectMenuNode(80));
    frame().action(Command::Refresh)->trigger();
    EXPECT_EQ(refreshes, 1);
    frame().setWindowState(Qt::WindowMinimized);
    frame().setWindowState(Qt::WindowMaximized);
    frame().setWindowState(Qt::WindowNoState);
    EXPECT_EQ(refreshes, 4);
}

TEST_F(DocumentWindowTest, F6MovesBetweenTreeAndForm)
{
    ui::CS1_View* view = frame().activeFrame()->view();
    frame().activateWindow();
    tree().setFocus();
    settle();
    QTest::keyClick(&tree(), Qt::Key_F6);
    EXPECT_EQ(frame().focusWidget(), view->form());
    QTest::keyClick(frame().focusWidget(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(frame().focusWidget(), &tree());
}

TEST(DocumentView, FirstWidthGivesTheTreeTwoFifthsThenKeepsIt)
{
    ui::SelectionRecord record;
    const ui::FormRegistry forms;
    QWidget host;
    host.resize(900, 400);
    auto* view = new ui::CS1_View({nullptr, &record, nullptr}, forms, &host);
    host.show();
    view->resize(320, 300); // passing through a size on the way
    view->resize(500, 300);
    EditorFixture::settle();
    EXPECT_EQ(view->splitter()->sizes().at(0), 200);
    view->resize(800, 300);
    EditorFixture::settle();
    EXPECT_EQ(view->splitter()->sizes().at(0), 200);
}

} // namespace
} // namespace tarvo::app::test
