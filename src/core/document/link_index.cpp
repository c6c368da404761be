#include "document/link_index.h"

#include "model/lang_table_layout.h"

namespace tarvo::document {

namespace {
constexpr int kLinkKind = 1;
constexpr int kFixedLinkKind = 4;
} // namespace

LinkIndexEntry LinkIndexEntry::build(const model::CS1_LangTable& table)
{
    namespace layout = model::layout;
    LinkIndexEntry index;
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        for (int entry = layout::kFirstEntry; entry <= layout::kEntriesPerMenu; ++entry) {
            const std::size_t o = layout::menuEntryOffset(menu, entry);
            const int kind = table.GetByte(o + layout::kEntryActionKindOffset);
            if (kind != kLinkKind && kind != kFixedLinkKind)
                continue;
            const int target = table.GetByte(o + layout::kEntryValueAOffset + 1);
            index.m_linksTo[target].set(static_cast<std::size_t>(menu));
        }
    }
    return index;
}

std::vector<int> LinkIndexEntry::menusLinkingTo(int target) const
{
    std::vector<int> menus;
    const auto it = m_linksTo.find(target);
    if (it == m_linksTo.end())
        return menus;
    for (int m = 0; m < kMenuNumberRange; ++m)
        if (it->second.test(static_cast<std::size_t>(m)))
            menus.push_back(m);
    return menus;
}

int LinkIndexEntry::countLinkingTo(int target) const
{
    const auto it = m_linksTo.find(target);
    return it == m_linksTo.end() ? 0 : static_cast<int>(it->second.count());
}

} // namespace tarvo::document
