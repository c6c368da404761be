// The softkey menus: entry records in the image, names and entry data kept
// on the desktop only.
#include "model/lang_table.h"

#include "model/keyboard_fonts.h"
#include "model/lang_table_layout.h"

namespace tarvo::model {

void CS1_LangTable::SetMenuName(int number, const std::u16string& name)
{
    m_menuNames.set(number, name);
}

std::u16string CS1_LangTable::GetMenuName(int number) const
{
    const std::u16string* name = m_menuNames.find(number);
    return name ? *name : std::u16string();
}

bool CS1_LangTable::SetMenuEntry(const MenuEntry& entry, const MenuEntryInfo& info, bool actionOnly)
{
    const std::size_t o = layout::menuEntryOffset(info.menu, info.entry);
    if (!actionOnly) {
        WriteField(entry.line1, layout::kMenuEntryText, o);
        WriteField(entry.line2, layout::kMenuEntryText, o + layout::kEntryLine2Offset);
        // Font 5's two-byte lines leave no room for a third.
        if (!KeyboardFonts::isTwoByte(m_font))
            WriteField(entry.line3, layout::kMenuEntryText, o + layout::kEntryLine3Offset);
        SetByte(o + layout::kEntryByte30Offset, entry.byte30);
    }
    SetByte(o + layout::kEntryActionKindOffset, entry.actionKind);
    SetByte(o + layout::kEntryValueAOffset, (entry.valueA >> layout::kBitsPerByte) & layout::kByteMask);
    SetByte(o + layout::kEntryValueAOffset + 1, entry.valueA & layout::kByteMask);
    SetByte(o + layout::kEntryValueBOffset, (entry.valueB >> layout::kBitsPerByte) & layout::kByteMask);
    SetByte(o + layout::kEntryValueBOffset + 1, entry.valueB & layout::kByteMask);
    if (!actionOnly)
        m_menuEntryInfo.set(menuEntryKey(info.menu, info.entry), info);
    return true;
}

MenuEntry CS1_LangTable::GetMenuEntry(MenuEntryInfo& info) const
{
    const std::size_t o = layout::menuEntryOffset(info.menu, info.entry);
    MenuEntry entry;
    entry.line1 = ReadField(layout::kMenuEntryText, o);
    entry.line2 = ReadField(layout::kMenuEntryText, o + layout::kEntryLine2Offset);
    if (!KeyboardFonts::isTwoByte(m_font))
        entry.line3 = ReadField(layout::kMenuEntryText, o + layout::kEntryLine3Offset);
    entry.byte30 = GetByte(o + layout::kEntryByte30Offset);
    entry.actionKind = GetByte(o + layout::kEntryActionKindOffset);
    entry.valueA = (GetByte(o + layout::kEntryValueAOffset) << layout::kBitsPerByte) |
                   GetByte(o + layout::kEntryValueAOffset + 1);
    entry.valueB = (GetByte(o + layout::kEntryValueBOffset) << layout::kBitsPerByte) |
                   GetByte(o + layout::kEntryValueBOffset + 1);

    if (const MenuEntryInfo* stored = m_menuEntryInfo.find(menuEntryKey(info.menu, info.entry))) {
        info = *stored;
    } else {
        info.number = 0;
        info.label.clear();
        info.edited = 0;
    }
    return entry;
}

MenuEntry CS1_LangTable::MenuEntryAt(int menu, int entry, MenuEntryInfo& info) const
{
    info.menu = menu;
    info.entry = entry;
    const MenuEntry read = GetMenuEntry(info);
    info.menu = menu;
    info.entry = entry;
    return read;
}

} // namespace tarvo::model
