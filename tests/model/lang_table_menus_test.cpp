#include "lang_table_fixture.h"

namespace tarvo::model {
namespace {

using testing_support::kMarker;
using testing_support::LangTableTest;

// Offsets written out from the rule: entry n of menu m at 16348 + 512m + 36n.
std::size_t entryAt(int menu, int entry)
{
    return 16348 + 512 * static_cast<std::size_t>(menu) + 36 * static_cast<std::size_t>(entry);
}

MenuEntry fullEntry()
{
    return MenuEntry{u"ABCDEFGHIJK", u"abcdefghij", u"0123456789", 0x7E, 2, 0x1234, 0xBEEF};
}

TEST(MenuLayout, EntryOffsetsFollowTheBlocks)
{
    EXPECT_EQ(layout::menuEntryOffset(80, 1), 0xE000u);
    EXPECT_EQ(layout::menuEntryOffset(0, 1), 16384u);
    EXPECT_EQ(layout::menuEntryOffset(95, 14) + 36, 65528u);
    EXPECT_EQ(menuEntryKey(80, 3), (80 << 16) | 3);
    EXPECT_EQ(menuEntryKey(0x18000, -1), static_cast<std::int32_t>(0x8000FFFFu));
}

TEST_F(LangTableTest, WritingEveryEntryLeavesTheBlockTailsAndTheLastEightBytesAlone)
{
    table.SetFont(1);
    for (int menu = 0; menu < 96; ++menu)
        for (int entry = 1; entry <= 14; ++entry)
            table.SetMenuEntry(fullEntry(), MenuEntryInfo{menu, entry, 0, u"", 0}, false);
    EXPECT_EQ(table.GetByte(0xE000), 'A');
    EXPECT_EQ(table.GetByte(65527), 0xEF);
    for (std::size_t i = 65528; i < 65536; ++i)
        EXPECT_EQ(table.GetByte(i), 0) << i;
    for (int menu = 0; menu < 96; ++menu)
        for (std::size_t i = 504; i < 512; ++i)
            ASSERT_EQ(table.GetByte(16384 + 512 * static_cast<std::size_t>(menu) + i), 0) << menu;
    for (std::size_t i = 0; i < 16384; ++i)
        ASSERT_EQ(table.GetByte(i), 0) << i;
    EXPECT_EQ(table.MenuEntryInfos().size(), 96u * 14u);
}

TEST_F(LangTableTest, EntryRecordHoldsTextsByte30AndActionsHighByteFirst)
{
    fillImage(kMarker);
    table.SetFont(1);
    MenuEntryInfo info{80, 14, 0, u"", 0};
    EXPECT_TRUE(table.SetMenuEntry(fullEntry(), info, false));
    const std::size_t o = entryAt(80, 14);
    const std::u16string expectedText = u"ABCDEFGHIJabcdefghij0123456789";
    for (std::size_t i = 0; i < 30; ++i)
        EXPECT_EQ(table.GetByte(o + i), expectedText[i]) << i;
    EXPECT_EQ(table.GetByte(o + 30), 0x7E);
    EXPECT_EQ(table.GetByte(o + 31), 2);
    EXPECT_EQ(table.GetByte(o + 32), 0x12);
    EXPECT_EQ(table.GetByte(o + 33), 0x34);
    EXPECT_EQ(table.GetByte(o + 34), 0xBE);
    EXPECT_EQ(table.GetByte(o + 35), 0xEF);
    EXPECT_TRUE(allMarker(0, o));
    EXPECT_TRUE(allMarker(o + 36, 65536));

    MenuEntryInfo read{80, 14, 0, u"", 0};
    const MenuEntry entry = table.GetMenuEntry(read);
    EXPECT_EQ(entry.line1, u"ABCDEFGHIJ");
    EXPECT_EQ(entry.line2, u"abcdefghij");
    EXPECT_EQ(entry.line3, u"0123456789");
    EXPECT_EQ(entry.byte30, 0x7E);
    EXPECT_EQ(entry.actionKind, 2);
    EXPECT_EQ(entry.valueA, 0x1234);
    EXPECT_EQ(entry.valueB, 0xBEEF);
}

TEST_F(LangTableTest, Font5EntryHasTwoShortLinesAndLeavesTheRestAlone)
{
    fillImage(kMarker);
    table.SetFont(5);
    MenuEntryInfo info{81, 2, 0, u"", 0};
    table.SetMenuEntry(fullEntry(), info, false);
    const std::size_t o = entryAt(81, 2);
    const int line1[] = {0, 'A', 0, 'B', 0, 'C', 0, 'D'};
    const int line2[] = {0, 'a', 0, 'b', 0, 'c', 0, 'd'};
    for (std::size_t i = 0; i < 8; ++i) {
        EXPECT_EQ(table.GetByte(o + i), line1[i]) << i;
        EXPECT_EQ(table.GetByte(o + 10 + i), line2[i]) << i;
    }
    EXPECT_EQ(changedBytes(o + 8, o + 10), "");
    EXPECT_EQ(changedBytes(o + 18, o + 30), "");
    EXPECT_EQ(table.GetByte(o + 30), 0x7E);

    MenuEntryInfo read{81, 2, 0, u"", 0};
    const MenuEntry entry = table.GetMenuEntry(read);
    EXPECT_EQ(entry.line1, u"ABCD");
    EXPECT_EQ(entry.line2, u"abcd");
    EXPECT_TRUE(entry.line3.empty());
}

TEST_F(LangTableTest, Font5StoresTheKeyboardsKoreanWords)
{
    // What a Korean installer names cameras, monitors and menus with.
    const char16_t* const words[] = {u"카메라", u"모니터", u"알람",   u"녹화",   u"야간", u"주간",
                                     u"한국어", u"주차장", u"출입문", u"프리셋", u"순찰", u"설정"};
    table.SetFont(5);
    for (const char16_t* word : words) {
        MenuEntryInfo info{81, 2, 0, u"", 0};
        table.SetMenuEntry(MenuEntry{word, word, u"", 0, 0, 0, 0}, info, false);
        MenuEntryInfo read{81, 2, 0, u"", 0};
        const MenuEntry entry = table.GetMenuEntry(read);
        EXPECT_EQ(entry.line1, word);
        EXPECT_EQ(entry.line2, word);
    }
}

TEST_F(LangTableTest, ActionOnlyWriteChangesOnlyTheActionBytes)
{
    table.SetFont(1);
    MenuEntryInfo info{90, 7, 4, u"label", 1};
    table.SetMenuEntry(fullEntry(), info, false);
    const std::size_t o = entryAt(90, 7);
    std::vector<int> before;
    for (std::size_t i = 0; i < 31; ++i)
        before.push_back(table.GetByte(o + i));

    const MenuEntry action{u"", u"", u"", 0, 1, 0x0055, 0x0102};
    EXPECT_TRUE(table.SetMenuEntry(action, MenuEntryInfo{90, 7, 99, u"other", 0}, true));
    for (std::size_t i = 0; i < 31; ++i)
        EXPECT_EQ(table.GetByte(o + i), before[i]) << i;
    EXPECT_EQ(table.GetByte(o + 31), 1);
    EXPECT_EQ(table.GetByte(o + 32), 0x00);
    EXPECT_EQ(table.GetByte(o + 33), 0x55);
    EXPECT_EQ(table.GetByte(o + 34), 0x01);
    EXPECT_EQ(table.GetByte(o + 35), 0x02);
    MenuEntryInfo read{90, 7, 0, u"", 0};
    table.GetMenuEntry(read);
    EXPECT_EQ(read.number, 4);
    EXPECT_EQ(read.label, u"label");
    EXPECT_EQ(read.edited, 1);
}

TEST_F(LangTableTest, EntryInfoIsEmptyUntilTheEntryIsWrittenInFull)
{
    table.SetFont(1);
    MenuEntryInfo read{85, 3, 77, u"stale", 1};
    table.GetMenuEntry(read);
    EXPECT_EQ(read.number, 0);
    EXPECT_TRUE(read.label.empty());
    EXPECT_EQ(read.edited, 0);
    EXPECT_EQ(read.menu, 85);
    EXPECT_EQ(read.entry, 3);

    table.SetMenuEntry(fullEntry(), MenuEntryInfo{85, 3, 1, u"first", 0}, true);
    table.GetMenuEntry(read);
    EXPECT_EQ(read.number, 0);

    table.SetMenuEntry(fullEntry(), MenuEntryInfo{85, 3, 1, u"first", 0}, false);
    table.SetMenuEntry(fullEntry(), MenuEntryInfo{85, 3, 2, u"second", 1}, false);
    table.GetMenuEntry(read);
    EXPECT_EQ(read.number, 2);
    EXPECT_EQ(read.label, u"second");
    EXPECT_EQ(read.edited, 1);
    EXPECT_EQ(table.MenuEntryInfos().size(), 1u);
    ASSERT_NE(table.MenuEntryInfos().find((85 << 16) | 3), nullptr);
}

TEST_F(LangTableTest, MenuNamesAreEmptyWhenAbsentAndReplaced)
{
    EXPECT_TRUE(table.GetMenuName(81).empty());
    table.SetMenuName(81, u"Cameras");
    table.SetMenuName(81, u"Monitors");
    EXPECT_EQ(table.GetMenuName(81), u"Monitors");
    table.SetMenuName(81, u"");
    EXPECT_TRUE(table.GetMenuName(81).empty());
}

} // namespace
} // namespace tarvo::model
