#include "form_fixture.h"

#include "templates/template_catalogue.h"
#include "ui/child_frame.h"
#include "ui/tree/node_key.h"
#include "ui/tree/tree_view.h"
#include "ui/view.h"

#include <QTest>

namespace tarvo::app::test {

void FormFixture::openDocument(const std::function<void(document::CS1_Doc&)>& prepare)
{
    document::DocumentNumberPool pool;
    auto made = document::createNewDocument(
        pool, [](int) { return templates::buildTablesFromTemplate(shippedTemplate().toStdString()); },
        nullptr, 0);
    ASSERT_TRUE(made.doc);
    if (prepare)
        prepare(*made.doc);
    m_file = path(QStringLiteral("forms.tvo"));
    ASSERT_TRUE(made.doc->saveToPath(m_file.toStdString(), true).ok());
    made.doc.reset();
    ASSERT_TRUE(start());
    ASSERT_TRUE(frame().documents().openDocumentFile(m_file));
    frame().activeFrame()->showMaximized();
    settle();
}

document::CS1_Doc& FormFixture::doc()
{
    return frame().activeFrame()->document();
}

ui::CS1_Form_MenuCCL* FormFixture::showMenu(int table, int menu)
{
    ui::CS1_TreeView& tree = *frame().activeFrame()->view()->tree();
    const int kind = menu == ui::kMainScriptMenu ? ui::kNodeMainMenu : ui::kNodeSubMenu;
    QTreeWidgetItem* item = tree.GetTreeItem(ui::packNodeKey(kind, table, menu));
    EXPECT_NE(item, nullptr) << "no node for menu " << menu << " of table " << table;
    if (item == nullptr)
        return nullptr;
    tree.setCurrentItem(item);
    settle();
    return form();
}

ui::CS1_Form_MenuCCL* FormFixture::form()
{
    return qobject_cast<ui::CS1_Form_MenuCCL*>(frame().activeFrame()->view()->form());
}

std::unique_ptr<document::CS1_Doc> FormFixture::saveAndReopen()
{
    EXPECT_TRUE(frame().documents().saveDocument(*frame().activeFrame()));
    auto opened = document::openDocument(m_pool, m_file.toStdString(), 0);
    EXPECT_TRUE(opened.doc) << QString::fromStdU16String(opened.result.message.text()).toStdString();
    return std::move(opened.doc);
}

void FormFixture::typeInto(ui::CEditKFont1* edit, const QString& text)
{
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

std::vector<std::uint8_t> FormFixture::imageOf(const model::CS1_LangTable& table)
{
    return {table.Image().begin(), table.Image().end()};
}

model::MenuEntry FormFixture::entryOf(const model::CS1_LangTable& table, int menu, int entry,
                                      model::MenuEntryInfo* info)
{
    model::MenuEntryInfo record;
    model::MenuEntry e = table.MenuEntryAt(menu, entry, record);
    if (info != nullptr)
        *info = record;
    return e;
}

} // namespace tarvo::app::test
