#include "compare/document_diff.h"

#include "io/message_pattern.h"
#include "model/lang_table.h"
#include "model/lang_table_layout.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>

namespace tarvo::compare {

namespace {

namespace layout = model::layout;

constexpr std::size_t kHeaderEnd = layout::kFontSlotOffset + 1;
constexpr std::size_t kMetadataEnd = layout::kLanguageIdOffset + 1;
constexpr std::size_t kEntryTextBytes = layout::kEntryByte30Offset; // lines 1-3

using messages::number;

std::u16string ascii(const char* text)
{
    std::u16string out;
    for (; *text != '\0'; ++text)
        out.push_back(static_cast<char16_t>(static_cast<unsigned char>(*text)));
    return out;
}

std::u16string firmwareText(int major, int minor)
{
    char text[32];
    std::snprintf(text, sizeof text, "%d.%02d", major, minor);
    return ascii(text);
}

class TablePair {
public:
    TablePair(const model::CS1_LangTable& a, const model::CS1_LangTable& b, int languageId, DocumentDiff& out)
        : m_a(a), m_b(b), m_languageId(languageId), m_out(out)
    {
    }

    // Adds every difference of the pair; true when there was one.
    bool compare()
    {
        const std::size_t before = m_out.fields.size() + m_out.entries.size();
        compareHeaders();
        compareMenuNames();
        compareEntries();
        compareOtherBytes();
        return m_out.fields.size() + m_out.entries.size() != before;
    }

private:
    void field(const char* name, const std::u16string& a, const std::u16string& b)
    {
        if (a != b)
            m_out.fields.push_back({m_languageId, name, a, b});
    }
    void field(const char* name, int a, int b) { field(name, number(a), number(b)); }

    void compareHeaders()
    {
        model::TableHeader ha, hb;
        model::TableMetadata ma, mb;
        m_a.GetHeader(ha, ma);
        m_b.GetHeader(hb, mb);
        field("schema", ha.schema, hb.schema);
        field("friendly_name", ha.friendlyName, hb.friendlyName);
        field("font_slot", ha.fontSlot, hb.fontSlot);
        field("font", ma.font, mb.font);
        field("version_code", ma.versionCode, mb.versionCode);
        field("read_only", ma.readOnly, mb.readOnly);
        field("firmware_major", ma.firmwareMajor, mb.firmwareMajor);
        field("firmware_minor", ma.firmwareMinor, mb.firmwareMinor);
        // What the document file keeps beside the image.
        field("record_font", m_a.GetFont(), m_b.GetFont());
        field("windows_language_id", m_a.WindowsLanguageId(), m_b.WindowsLanguageId());
        field("record_firmware", firmwareText(m_a.FirmwareMajor(), m_a.FirmwareMinor()),
              firmwareText(m_b.FirmwareMajor(), m_b.FirmwareMinor()));
        field("image_size", static_cast<int>(m_a.Image().size()), static_cast<int>(m_b.Image().size()));
    }

    void compareMenuNames()
    {
        for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
            const std::u16string a = m_a.GetMenuName(menu);
            const std::u16string b = m_b.GetMenuName(menu);
            if (a != b)
                m_out.fields.push_back({m_languageId, "menu_" + std::to_string(menu) + "_name", a, b});
        }
    }

    void compareEntries()
    {
        for (EntryDifference& d : compareScriptEntries(m_a, m_b, m_languageId, EditedFlag::Compared))
            m_out.entries.push_back(std::move(d));
    }

    // Bytes compared above are left out; byte 30 of an entry is not.
    static bool comparedAbove(std::size_t offset)
    {
        if (offset < kHeaderEnd || (offset >= layout::kFontOffset && offset < kMetadataEnd))
            return true;
        const std::size_t first = layout::menuEntryOffset(layout::kMainCclMenu, layout::kFirstEntry);
        const std::size_t last =
            layout::menuEntryOffset(layout::kLastScriptMenu, layout::kEntriesPerMenu) + layout::kEntryBytes;
        if (offset < first || offset >= last)
            return false;
        const std::size_t inBlock = (offset - layout::kMenuRegionOffset) % layout::kMenuBlockBytes;
        if (inBlock >= layout::kEntryBytes * layout::kEntriesPerMenu)
            return false;
        return inBlock % layout::kEntryBytes != layout::kEntryByte30Offset;
    }

    void compareOtherBytes()
    {
        const auto a = m_a.Image();
        const auto b = m_b.Image();
        const std::size_t common = std::min(a.size(), b.size());
        std::size_t count = 0;
        std::size_t first = 0;
        for (std::size_t i = 0; i < common; ++i) {
            if (a[i] == b[i] || comparedAbove(i))
                continue;
            if (count++ == 0)
                first = i;
        }
        if (count == 0)
            return;
        const auto describe = [&](std::uint8_t value) {
            char text[96];
            std::snprintf(text, sizeof text, "%zu bytes differ, first at 0x%04zX: 0x%02X", count, first,
                          static_cast<unsigned>(value));
            return ascii(text);
        };
        m_out.fields.push_back({m_languageId, "other_image_bytes", describe(a[first]), describe(b[first])});
    }

    const model::CS1_LangTable& m_a;
    const model::CS1_LangTable& m_b;
    int m_languageId;
    DocumentDiff& m_out;
};

EntrySide sideOf(const model::CS1_LangTable& table, int menu, int entry)
{
    model::MenuEntryInfo info;
    const model::MenuEntry e = table.MenuEntryAt(menu, entry, info);
    return {{e.line1, e.line2, e.line3}, e.actionKind, e.valueA, e.valueB, info.edited != 0};
}

// Codes that decode alike (unmapped ones) still make the entries differ.
bool textBytesDiffer(const model::CS1_LangTable& a, const model::CS1_LangTable& b, std::size_t offset)
{
    for (std::size_t i = offset; i < offset + kEntryTextBytes; ++i)
        if (a.GetByte(i) != b.GetByte(i))
            return true;
    return false;
}

int languageIdOf(const model::CS1_LangTable& table)
{
    return table.GetByte(layout::kLanguageIdOffset);
}

std::u16string friendlyNameOf(const model::CS1_LangTable& table)
{
    model::TableHeader header;
    model::TableMetadata metadata;
    table.GetHeader(header, metadata);
    return header.friendlyName;
}

} // namespace

std::vector<EntryDifference> compareScriptEntries(const model::CS1_LangTable& a,
                                                  const model::CS1_LangTable& b, int languageId,
                                                  EditedFlag edited)
{
    std::vector<EntryDifference> out;
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        for (int n = layout::kFirstEntry; n <= layout::kEntriesPerMenu; ++n) {
            const EntrySide sa = sideOf(a, menu, n);
            const EntrySide sb = sideOf(b, menu, n);
            const bool differ = sa.lines != sb.lines || sa.kind != sb.kind || sa.valueA != sb.valueA ||
                                sa.valueB != sb.valueB ||
                                (edited == EditedFlag::Compared && sa.edited != sb.edited) ||
                                textBytesDiffer(a, b, layout::menuEntryOffset(menu, n));
            if (differ)
                out.push_back({languageId, menu, n, sa, sb});
        }
    }
    return out;
}

bool DocumentDiff::equal() const
{
    if (!fields.empty() || !entries.empty())
        return false;
    return std::all_of(tables.begin(), tables.end(),
                       [](const TableComparison& t) { return t.status == TableStatus::Same && !t.moved(); });
}

const char* statusName(TableStatus status)
{
    switch (status) {
    case TableStatus::Same:
        return "same";
    case TableStatus::Changed:
        return "changed";
    case TableStatus::Added:
        return "added";
    case TableStatus::Removed:
        return "removed";
    }
    return "changed";
}

DocumentDiff compareDocuments(const document::CS1_Doc& a, const document::CS1_Doc& b)
{
    // Tables of one language are matched in their order: the k-th of B with the k-th of A.
    std::map<int, std::vector<std::size_t>> unmatchedA;
    for (std::size_t i = 0; i < a.tableCount(); ++i)
        unmatchedA[languageIdOf(a.table(i))].push_back(i);
    std::vector<bool> matchedA(a.tableCount(), false);

    DocumentDiff diff;
    for (std::size_t j = 0; j < b.tableCount(); ++j) {
        const model::CS1_LangTable& tableB = b.table(j);
        TableComparison row;
        row.languageId = languageIdOf(tableB);
        row.friendlyName = friendlyNameOf(tableB);
        row.indexB = j;
        auto& candidates = unmatchedA[row.languageId];
        if (candidates.empty()) {
            row.status = TableStatus::Added;
        } else {
            const std::size_t i = candidates.front();
            candidates.erase(candidates.begin());
            matchedA[i] = true;
            row.indexA = i;
            const bool changed = TablePair(a.table(i), tableB, row.languageId, diff).compare();
            row.status = changed ? TableStatus::Changed : TableStatus::Same;
        }
        diff.tables.push_back(row);
    }
    for (std::size_t i = 0; i < a.tableCount(); ++i) {
        if (matchedA[i])
            continue;
        TableComparison row;
        row.languageId = languageIdOf(a.table(i));
        row.friendlyName = friendlyNameOf(a.table(i));
        row.indexA = i;
        row.status = TableStatus::Removed;
        diff.tables.push_back(row);
    }
    return diff;
}

} // namespace tarvo::compare
