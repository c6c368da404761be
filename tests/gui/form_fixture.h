#pragma once
// The editor with a document made from the shipped template (tables 0-2
// font 1, 3 font 2, 4 font 5), prepared through the core before it is
// opened, and helpers to reach the script menu form of a node.

#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "ui/forms/form_menu_ccl.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <functional>
#include <memory>
#include <vector>

namespace tarvo::app::test {

class FormFixture : public EditorFixture {
protected:
    // Writes the template document (changed by prepare first) and opens it.
    void openDocument(const std::function<void(document::CS1_Doc&)>& prepare = {});
    document::CS1_Doc& doc();
    // Selects the node of menu in table; the form shown afterwards.
    ui::CS1_Form_MenuCCL* showMenu(int table, int menu);
    ui::CS1_Form_MenuCCL* form();
    // Saves through the File Save command's path and reads the file back with the core.
    std::unique_ptr<document::CS1_Doc> saveAndReopen();

    // Replaces an edit's text by typing.
    static void typeInto(ui::CEditKFont1* edit, const QString& text);
    static std::vector<std::uint8_t> imageOf(const model::CS1_LangTable& table);
    static model::MenuEntry entryOf(const model::CS1_LangTable& table, int menu, int entry,
                                    model::MenuEntryInfo* info = nullptr);

    QString m_file;
    document::DocumentNumberPool m_pool;
};

} // namespace tarvo::app::test
