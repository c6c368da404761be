#pragma once
// The link index of one language table: for each target menu number, the set
// of the table's script menus that hold a link to it. The tree and the script
// menu editors read it to find the menus that lead to a menu.

#include "model/lang_table.h"

#include <bitset>
#include <map>
#include <vector>

namespace tarvo::document {

inline constexpr int kMenuNumberRange = 256; // action codes are one byte

class LinkIndexEntry {
public:
    // Rebuilt from the script menus 80-95: every entry whose action kind is a
    // link (1, or 4 which is handled like one) adds its menu to the set of
    // its target (the action code).
    static LinkIndexEntry build(const model::CS1_LangTable& table);

    // The script menus that link to target, in ascending order.
    std::vector<int> menusLinkingTo(int target) const;
    int countLinkingTo(int target) const;
    bool operator==(const LinkIndexEntry&) const = default;

private:
    std::map<int, std::bitset<kMenuNumberRange>> m_linksTo;
};

} // namespace tarvo::document
