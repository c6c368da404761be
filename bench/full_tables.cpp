#include "full_tables.h"

#include "model/lang_table.h"
#include "model/lang_table_layout.h"

namespace tarvo::bench {

namespace {

namespace layout = model::layout;

std::unique_ptr<model::CS1_LangTable> fullTable(int index)
{
    auto t = std::make_unique<model::CS1_LangTable>();
    t->Init();
    model::TableHeader header;
    header.schema = 1;
    header.friendlyName = u"Language " + std::u16string(1, static_cast<char16_t>(u'A' + index));
    model::TableMetadata metadata;
    metadata.font = index % 7 + 1;
    metadata.firmwareMajor = 1;
    metadata.firmwareMinor = 94;
    metadata.languageId = index;
    t->SetHeader(header, metadata);
    for (std::size_t i = layout::kMisc20Offset; i < layout::kMenuRegionOffset; ++i)
        t->SetByte(i, static_cast<int>((i * 7 + static_cast<std::size_t>(index)) & 0x7F));
    t->SetMetadataLabel(10, u"Script Menus");
    t->Misc20Info().assign(layout::kMisc20Count, {1, 20, 'L', 0, 0, u""});
    t->Misc10Info().assign(layout::kMisc10Count, {1, 10, 'C', 0, 0, u""});
    // The script menus 80-95 in full, as a template gives them.
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        t->SetMenuName(menu, u"Menu name");
        for (int entry = 1; entry <= layout::kEntriesPerMenu; ++entry) {
            model::MenuEntry e;
            e.line1 = u"Line one";
            e.line2 = u"Line two";
            e.actionKind = 2;
            e.valueA = '0';
            model::MenuEntryInfo info;
            info.menu = menu;
            info.entry = entry;
            info.edited = menu >= layout::kMainCclMenu && entry % 3 == 0;
            t->SetMenuEntry(e, info, false);
        }
    }
    return t;
}

} // namespace

document::TableList fullTables(int count)
{
    document::TableList tables;
    for (int i = 0; i < count; ++i)
        tables.push_back(fullTable(i));
    return tables;
}

} // namespace tarvo::bench
