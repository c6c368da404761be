#pragma once
// The key every tree node carries: node kind in bits 27-31, the language
// table index in bits 17-26 and the script menu number (menu nodes only) in
// bits 0-16. Keys are unique within one document's tree.

#include <cstdint>
#include <optional>

namespace tarvo::ui {

enum NodeKind : int {
    kNodeRoot = 0,
    kNodeTable = 1,
    kNodeMenuFolder = 5,
    kNodeMainMenu = 8,
    kNodeSubMenu = 9,
};

// Every kind the tree produces, in one place: a new kind is added here.
inline constexpr int kKnownKinds[] = {kNodeRoot, kNodeTable, kNodeMenuFolder, kNodeMainMenu, kNodeSubMenu};

constexpr bool knownKind(int kind)
{
    for (const int known : kKnownKinds)
        if (known == kind)
            return true;
    return false;
}

inline constexpr int kMainScriptMenu = 80;
inline constexpr int kLastScriptMenu = 95;
// The metadata label that names a table's script menu folder.
inline constexpr int kMenuFolderLabelId = 10;

inline constexpr int kKindShift = 27;
inline constexpr int kTableShift = 17;
inline constexpr std::uint32_t kKindMask = 0x1F;
inline constexpr std::uint32_t kTableMask = 0x3FF;
inline constexpr std::uint32_t kMenuMask = 0x1FFFF;

struct NodeKey {
    int kind = kNodeRoot;
    int tableIndex = 0;
    int menu = 0;
};

constexpr std::uint32_t packNodeKey(int kind, int tableIndex, int menu)
{
    return ((static_cast<std::uint32_t>(kind) & kKindMask) << kKindShift) |
           ((static_cast<std::uint32_t>(tableIndex) & kTableMask) << kTableShift) |
           (static_cast<std::uint32_t>(menu) & kMenuMask);
}

constexpr NodeKey unpackNodeKey(std::uint32_t key)
{
    return {static_cast<int>((key >> kKindShift) & kKindMask),
            static_cast<int>((key >> kTableShift) & kTableMask), static_cast<int>(key & kMenuMask)};
}

// The one rule from a menu number to its node kind: 80 is the main CCL menu,
// 81 and above sub CCL menus; menus below 80 have no node.
constexpr std::optional<int> kindForMenu(int menu)
{
    if (menu == kMainScriptMenu)
        return kNodeMainMenu;
    if (menu > kMainScriptMenu)
        return kNodeSubMenu;
    return std::nullopt;
}

} // namespace tarvo::ui
