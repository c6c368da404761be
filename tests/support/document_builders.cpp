#include "support/document_builders.h"

#include "model/lang_table_layout.h"

namespace tarvo::document::test {

std::unique_ptr<model::CS1_LangTable> makeTable(int font, int languageId, int firmwareMajor,
                                                int firmwareMinor, const std::u16string& name)
{
    auto table = std::make_unique<model::CS1_LangTable>();
    table->Init();
    model::TableHeader header;
    header.schema = 1;
    header.friendlyName = name;
    model::TableMetadata metadata;
    metadata.font = font;
    metadata.windowsLanguageId = 1033;
    metadata.firmwareMajor = firmwareMajor;
    metadata.firmwareMinor = firmwareMinor;
    metadata.languageId = languageId;
    table->SetHeader(header, metadata);
    table->SetMetadataLabel(10, u"Script Menus");
    table->SetMenuName(80, u"Main");
    for (int m = 81; m <= 85; ++m)
        table->SetMenuName(m, u"Sub " + std::u16string(1, static_cast<char16_t>(u'0' + (m - 80))));
    putEntry(*table, 80, 1, u"Title", u"", 0, 0);
    putEntry(*table, 80, 3, u"Pan", u"Left", 2, '0');
    putEntry(*table, 80, 5, u"Cams", u"", 1, 85);
    putEntry(*table, 80, 8, u"Tilt", u"Up", 2, '5' | (7 << 8));
    putEntry(*table, 81, 1, u"Back", u"", 1, 80);
    putEntry(*table, 81, 2, u"Zoom", u"", 2, '0' | (1 << 8), 2345);
    return table;
}

void putEntry(model::CS1_LangTable& table, int menu, int entry, const std::u16string& l1,
              const std::u16string& l2, int kind, int valueA, int valueB, bool edited)
{
    model::MenuEntry e;
    e.line1 = l1;
    e.line2 = l2;
    e.actionKind = kind;
    e.valueA = valueA;
    e.valueB = valueB;
    model::MenuEntryInfo info;
    info.menu = menu;
    info.entry = entry;
    info.number = menu * 100 + entry;
    info.label = u"label";
    info.edited = edited ? 1 : 0;
    table.SetMenuEntry(e, info, false);
}

model::MenuEntry entryOf(const model::CS1_LangTable& table, int menu, int entry,
                         model::MenuEntryInfo* infoOut)
{
    model::MenuEntryInfo info;
    info.menu = menu;
    info.entry = entry;
    model::MenuEntry e = table.GetMenuEntry(info);
    if (infoOut != nullptr)
        *infoOut = info;
    return e;
}

std::unique_ptr<CS1_Doc> makeDocument(DocumentNumberPool& pool, TableList tables)
{
    auto number = pool.take();
    auto doc = std::make_unique<CS1_Doc>(std::move(*number), 0);
    doc->newDocument(std::move(tables), nullptr);
    return doc;
}

std::vector<std::uint8_t> imageOf(const model::CS1_LangTable& table)
{
    return {table.Image().begin(), table.Image().end()};
}

} // namespace tarvo::document::test
