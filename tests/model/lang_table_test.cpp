#include "lang_table_fixture.h"

#include "model/keyboard_fonts.h"

#include <vector>

namespace tarvo::model {
namespace {

using testing_support::kMarker;
using testing_support::LangTableTest;

constexpr std::size_t kNameStart = 1;

TEST(LangTableLifecycle, ConstructedTableIsNotUsableUntilInit)
{
    CS1_LangTable table;
    EXPECT_FALSE(table.IsValid());
    EXPECT_TRUE(table.Image().empty());
    EXPECT_EQ(table.MetadataLabels().bucketCount(), 17u);
    EXPECT_EQ(table.MenuEntryInfos().bucketCount(), 17u);
    EXPECT_TRUE(table.Misc20Groups().empty());
}

TEST_F(LangTableTest, InitGivesAnEmptyTable)
{
    EXPECT_TRUE(table.IsValid());
    ASSERT_EQ(table.Image().size(), 65536u);
    EXPECT_TRUE(
        std::all_of(table.Image().begin(), table.Image().end(), [](std::uint8_t b) { return b == 0; }));
    TableHeader header;
    TableMetadata metadata;
    header.schema = 9;
    table.GetHeader(header, metadata);
    EXPECT_EQ(header.schema, 0);
    EXPECT_TRUE(header.friendlyName.empty());
    EXPECT_EQ(metadata.font, 0);
    EXPECT_TRUE(table.GetMetadataLabel(10).empty());
    for (const auto* groups : {&table.Misc20Groups(), &table.Misc10Groups()}) {
        EXPECT_EQ(groups->size(), 1u);
        ASSERT_NE(groups->find(0), nullptr);
        EXPECT_EQ(*groups->find(0), 0);
        EXPECT_EQ(groups->bucketCount(), 1021u);
    }
    EXPECT_EQ(table.MetadataLabels().bucketCount(), 1021u);
    EXPECT_EQ(table.MenuNames().bucketCount(), 1021u);
    EXPECT_EQ(table.MenuEntryInfos().bucketCount(), 1021u);
}

TEST_F(LangTableTest, InitEmptiesAUsedTable)
{
    table.SetMetadataLabel(10, u"Scripts");
    table.SetMenuName(80, u"Main");
    table.Misc20Groups().set(0, 4);
    table.SetByte(100, 7);
    ASSERT_TRUE(table.Init());
    EXPECT_EQ(table.GetByte(100), 0);
    EXPECT_TRUE(table.MetadataLabels().empty());
    EXPECT_TRUE(table.MenuNames().empty());
    EXPECT_EQ(*table.Misc20Groups().find(0), 0);
}

TEST_F(LangTableTest, BytesKeepTheirLowEightBits)
{
    table.SetByte(10, 0x1AB);
    table.SetByte(11, -1);
    EXPECT_EQ(table.GetByte(10), 0xAB);
    EXPECT_EQ(table.GetByte(11), 0xFF);
    std::uint8_t out[3] = {1, 1, 1};
    EXPECT_EQ(table.ReadBytes(9, 3, out), 3u);
    EXPECT_EQ(out[0], 0);
    EXPECT_EQ(out[1], 0xAB);
    EXPECT_EQ(out[2], 0xFF);
}

struct NameCase {
    int font;
    std::u16string name;
    std::vector<int> bytesFrom1; // what bytes 1... hold afterwards
    std::size_t fieldEnd;        // first byte after the written field
    std::u16string readBack;
};

class FriendlyNameWrite : public LangTableTest, public testing::WithParamInterface<NameCase> {};

TEST_P(FriendlyNameWrite, FillsItsFieldAndNoMore)
{
    const auto& c = GetParam();
    fillImage(kMarker);
    TableHeader header{1, c.name, 0};
    TableMetadata metadata;
    metadata.font = c.font;
    table.SetHeader(header, metadata);
    for (std::size_t i = 0; i < c.bytesFrom1.size(); ++i)
        EXPECT_EQ(table.GetByte(kNameStart + i), c.bytesFrom1[i]) << "byte " << kNameStart + i;
    for (std::size_t i = kNameStart + c.bytesFrom1.size(); i < c.fieldEnd; ++i)
        EXPECT_EQ(table.GetByte(i), 0) << "byte " << i;
    EXPECT_TRUE(allMarker(c.fieldEnd, 21));
    TableHeader read;
    TableMetadata readMetadata;
    table.GetHeader(read, readMetadata);
    EXPECT_EQ(read.friendlyName, c.readBack);
}

const std::u16string k25Letters = u"ABCDEFGHIJKLMNOPQRSTUVWXY";

INSTANTIATE_TEST_SUITE_P(
    Cases, FriendlyNameWrite,
    testing::Values(NameCase{1, u"ABC", {0x41, 0x42, 0x43}, 21, u"ABC"},
                    NameCase{5, u"ABC", {0, 0x41, 0, 0x42, 0, 0x43}, 17, u"ABC"},
                    NameCase{1,
                             k25Letters,
                             {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0x4A,
                              0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0x53, 0x54},
                             21,
                             k25Letters.substr(0, 20)},
                    NameCase{5,
                             u"\uAC00BCDEFGHIJ",
                             {1, 0, 0, 0x42, 0, 0x43, 0, 0x44, 0, 0x45, 0, 0x46, 0, 0x47, 0, 0x48},
                             17,
                             u"\uAC00BCDEFGH"},
                    // One-half has no code in font 1: it ends the text.
                    NameCase{1, u"1\u00BD2", {0x31, 0x00, 0x32}, 21, u"1"},
                    // No font: nothing has a code, the field is cleared byte by byte.
                    NameCase{0, u"ABC", {}, 21, u""}, NameCase{8, u"ABC", {}, 21, u""},
                    NameCase{-3, u"ABC", {}, 21, u""}));

TEST_F(LangTableTest, SetHeaderWritesEveryHeaderByteAndMember)
{
    TableHeader header{2, u"English", 3};
    TableMetadata metadata;
    metadata.font = 1;
    metadata.windowsLanguageId = 1033;
    metadata.versionCode = 0;
    metadata.readOnly = 1;
    metadata.firmwareMajor = 1;
    metadata.firmwareMinor = 40;
    metadata.languageId = 0x21;
    EXPECT_TRUE(table.SetHeader(header, metadata));
    EXPECT_EQ(table.GetByte(0), 2);
    EXPECT_EQ(table.GetByte(21), 3);
    EXPECT_EQ(table.GetByte(330), 1);
    EXPECT_EQ(table.GetByte(331), 0);
    EXPECT_EQ(table.GetByte(332), 1);
    EXPECT_EQ(table.GetByte(333), 1);
    EXPECT_EQ(table.GetByte(334), 40);
    EXPECT_EQ(table.GetByte(335), 0x21);
    EXPECT_EQ(table.GetFont(), 1);
    EXPECT_EQ(table.ReadOnly(), 1);
    EXPECT_EQ(table.WindowsLanguageId(), 1033);
    EXPECT_EQ(table.FirmwareMajor(), 1);
    EXPECT_EQ(table.FirmwareMinor(), 40);

    TableHeader readHeader;
    TableMetadata read;
    table.GetHeader(readHeader, read);
    EXPECT_EQ(readHeader.schema, 2);
    EXPECT_EQ(readHeader.friendlyName, u"English");
    EXPECT_EQ(readHeader.fontSlot, 3);
    EXPECT_EQ(read.font, 1);
    EXPECT_EQ(read.windowsLanguageId, 1033);
    EXPECT_EQ(read.versionCode, 0);
    EXPECT_EQ(read.readOnly, 1);
    EXPECT_EQ(read.firmwareMajor, 1);
    EXPECT_EQ(read.firmwareMinor, 40);
    EXPECT_EQ(read.languageId, 0x21);
}

TEST_F(LangTableTest, GetHeaderTakesMetadataFromTheImageAndLanguageIdFromTheMember)
{
    table.SetWindowsLanguageId(3082);
    table.SetByte(330, 2);
    table.SetByte(332, 5);
    table.SetByte(333, 2);
    table.SetByte(334, 3);
    TableHeader header;
    TableMetadata metadata;
    table.GetHeader(header, metadata);
    EXPECT_EQ(metadata.font, 2);
    EXPECT_EQ(metadata.readOnly, 5);
    EXPECT_EQ(metadata.firmwareMajor, 2);
    EXPECT_EQ(metadata.firmwareMinor, 3);
    EXPECT_EQ(metadata.windowsLanguageId, 3082);
}

struct TextCase {
    int font;
    int width;
    std::u16string text;
    std::vector<int> bytes;
};

class TextRoundTrip : public LangTableTest, public testing::WithParamInterface<TextCase> {};

TEST_P(TextRoundTrip, WritesCodesHighByteFirstThenZeros)
{
    const auto& c = GetParam();
    fillImage(kMarker);
    table.SetFont(c.font);
    table.WriteText(c.text, c.width, 100);
    for (std::size_t i = 0; i < c.bytes.size(); ++i)
        EXPECT_EQ(table.GetByte(100 + i), c.bytes[i]) << i;
    EXPECT_TRUE(allMarker(100 + c.bytes.size(), 140));
    EXPECT_TRUE(allMarker(0, 100));
}

INSTANTIATE_TEST_SUITE_P(Cases, TextRoundTrip,
                         testing::Values(TextCase{2, 3, u"\u0416\u00A0", {0xC6, 0xA0, 0}},
                                         TextCase{5, 2, u"\u201C", {0, 0x93, 0, 0}},
                                         TextCase{5, 1, u"\u9898\uAC00", {0x04, 0x70}},
                                         TextCase{7, 2, u"\u0645A", {0xE3, 0x41}}, TextCase{4, 0, u"AB", {}},
                                         TextCase{4, -2, u"AB", {}}));

TEST_F(LangTableTest, ReadTextStopsAtTheByteCountAndAtTheFirstCodeWithoutCharacter)
{
    table.SetFont(1);
    const std::uint8_t text[] = {'H', 'E', 'L', 'L', 'O'};
    std::copy(std::begin(text), std::end(text), table.MutableImage().begin() + 200);
    EXPECT_EQ(table.ReadText(3, 200), u"HEL");
    EXPECT_EQ(table.ReadText(0, 200), u"");
    table.SetByte(202, 0x81); // undefined in Windows-1252
    EXPECT_EQ(table.ReadText(5, 200), u"HE");

    table.SetFont(5);
    // An odd count never reads half a two-byte code.
    const std::uint8_t wide[] = {0, 'A', 0x01, 0x00, 0, 'B'};
    std::copy(std::begin(wide), std::end(wide), table.MutableImage().begin() + 300);
    EXPECT_EQ(table.ReadText(5, 300), u"A\uAC00");
    EXPECT_EQ(table.ReadText(6, 300), u"A\uAC00B");
    table.SetByte(302, 0x04);
    table.SetByte(303, 0x71); // beyond the table
    EXPECT_EQ(table.ReadText(6, 300), u"A");
}

TEST(LangTableFonts, EveryCharacterOfEveryFontSurvivesWriteAndRead)
{
    const auto& fonts = KeyboardFonts::instance();
    for (int font = 1; font <= 7; ++font) {
        CS1_LangTable table;
        ASSERT_TRUE(table.Init());
        table.SetFont(font);
        for (char16_t ch : fonts.characters(font)) {
            if (ch == KeyboardFonts::kNoCharacter)
                continue;
            table.WriteText(std::u16string(1, ch), 1, 1000);
            ASSERT_EQ(table.ReadText(KeyboardFonts::bytesPerCharacter(font), 1000), std::u16string(1, ch))
                << "font " << font << " U+" << std::hex << int(ch);
        }
    }
}

TEST_F(LangTableTest, LoadImageTakesFontAndFirmwareAndClearsTheReadOnlyByte)
{
    std::vector<std::uint8_t> keyboard(65536, 0x11);
    keyboard[330] = 4;
    keyboard[332] = 9;
    keyboard[333] = 1;
    keyboard[334] = 41;
    table.SetHeader(TableHeader{}, TableMetadata{1, 0, 0, 1, 0, 0, 0});
    table.LoadImage(keyboard);
    EXPECT_EQ(table.GetFont(), 4);
    EXPECT_EQ(table.GetByte(332), 0);
    EXPECT_EQ(table.ReadOnly(), 1); // the member is left as it was
    EXPECT_EQ(table.FirmwareMajor(), 1);
    EXPECT_EQ(table.FirmwareMinor(), 41);
    keyboard[332] = 0;
    EXPECT_TRUE(std::equal(keyboard.begin(), keyboard.end(), table.Image().begin(), table.Image().end()));
}

TEST_F(LangTableTest, LoadImageOfAWrongSizeStillGivesAFullImage)
{
    std::vector<std::uint8_t> shortImage(400, 0x22);
    table.LoadImage(shortImage);
    ASSERT_EQ(table.Image().size(), 65536u);
    EXPECT_EQ(table.GetByte(399), 0x22);
    EXPECT_EQ(table.GetByte(400), 0);
    EXPECT_EQ(table.GetFont(), 0x22);
    std::vector<std::uint8_t> longImage(70000, 0x33);
    table.LoadImage(longImage);
    EXPECT_EQ(table.Image().size(), 65536u);
    table.LoadImage({});
    EXPECT_EQ(table.Image().size(), 65536u);
    EXPECT_EQ(table.GetFont(), 0);
}

TEST_F(LangTableTest, AShortImageIsNeverReadOrWrittenPastItsEnd)
{
    table.SetImage(std::vector<std::uint8_t>(30, 0x41));
    table.SetFont(1);
    TableHeader header;
    TableMetadata metadata;
    table.GetHeader(header, metadata);
    EXPECT_EQ(header.friendlyName, std::u16string(20, u'A'));
    EXPECT_EQ(metadata.font, 0);
    EXPECT_EQ(table.ReadText(20, 25), std::u16string(5, u'A'));
    metadata.font = 1;
    table.SetHeader(header, metadata);
    table.SetProduct(13, Product{u"X", u"Y", 1, 2});
    MenuEntryInfo info{95, 14, 0, u"", 0};
    table.SetMenuEntry(MenuEntry{u"A", u"B", u"C", 1, 2, 3, 4}, info, false);
    EXPECT_EQ(table.Image().size(), 30u);
    EXPECT_EQ(table.GetByte(30), 0);
    std::uint8_t out[8] = {};
    EXPECT_EQ(table.ReadBytes(26, 8, out), 4u);
    EXPECT_EQ(table.ReadBytes(40, 8, out), 0u);
}

class CloneTest : public LangTableTest {
protected:
    void SetUp() override
    {
        LangTableTest::SetUp();
        TableMetadata metadata{1, 1031, 0, 5, 1, 40, 7};
        table.SetHeader(TableHeader{1, u"Deutsch", 2}, metadata);
        table.SetFirmware(1, 41); // member and bytes 333/334 disagree, as after a schema-1 load
        table.SpareText() = u"spare";
        table.SetMetadataLabel(10, u"Scripts");
        table.SetMetadataLabel(26, u"Other");
        table.SpareValues() = {1, 2, 3};
        table.SpareTexts() = {u"a"};
        table.Misc20Groups().set(1, 3);
        table.Misc10Groups().set(0, 2);
        table.Misc20Info().resize(4);
        table.Misc20Info()[2].label = u"info";
        table.Misc10Info().resize(2);
        table.ErrorMessageNames() = {u"e0", u"e1"};
        table.UserFunctionNames() = {u"u0"};
        table.SpareTexts2() = {u"b", u"c"};
        table.SetMenuName(80, u"Main CCL");
        table.SetMenuEntry(MenuEntry{u"L1", u"L2", u"L3", 0, 2, 0x30, 5}, MenuEntryInfo{80, 1, 12, u"lbl", 1},
                           false);
        table.SetByte(40000, 0x5A);
    }
};

TEST_F(CloneTest, CloneIsAnEditableIndependentCopy)
{
    auto copy = table.Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->IsValid());
    EXPECT_EQ(copy->GetByte(332), 0);
    EXPECT_EQ(copy->ReadOnly(), 0);
    EXPECT_EQ(table.GetByte(332), 5);
    EXPECT_EQ(table.ReadOnly(), 5);
    for (std::size_t i = 0; i < 65536; ++i) {
        if (i != 332) {
            ASSERT_EQ(copy->GetByte(i), table.GetByte(i)) << i;
        }
    }
    EXPECT_EQ(copy->GetFont(), 1);
    EXPECT_EQ(copy->WindowsLanguageId(), 1031);
    // The header written back makes the members follow bytes 333/334.
    EXPECT_EQ(copy->FirmwareMajor(), 1);
    EXPECT_EQ(copy->FirmwareMinor(), 40);
    EXPECT_EQ(copy->SpareText(), u"spare");
    EXPECT_EQ(copy->GetMetadataLabel(10), u"Scripts");
    EXPECT_EQ(copy->GetMetadataLabel(26), u"Other");
    EXPECT_EQ(copy->SpareValues(), table.SpareValues());
    EXPECT_EQ(copy->SpareTexts(), table.SpareTexts());
    EXPECT_EQ(*copy->Misc20Groups().find(1), 3);
    EXPECT_EQ(*copy->Misc10Groups().find(0), 2);
    ASSERT_EQ(copy->Misc20Info().size(), 4u);
    EXPECT_EQ(copy->Misc20Info()[2].label, u"info");
    EXPECT_EQ(copy->Misc10Info().size(), 2u);
    EXPECT_EQ(copy->ErrorMessageNames(), table.ErrorMessageNames());
    EXPECT_EQ(copy->UserFunctionNames(), table.UserFunctionNames());
    EXPECT_EQ(copy->SpareTexts2(), table.SpareTexts2());
    EXPECT_EQ(copy->GetMenuName(80), u"Main CCL");
    MenuEntryInfo info{80, 1, 0, u"", 0};
    const MenuEntry entry = copy->GetMenuEntry(info);
    EXPECT_EQ(entry.line1, u"L1");
    EXPECT_EQ(info.number, 12);
    EXPECT_EQ(info.label, u"lbl");
    EXPECT_EQ(copy->MetadataLabels().bucketCount(), 1021u);

    copy->SetMenuName(80, u"Changed");
    copy->SetByte(40000, 0);
    EXPECT_EQ(table.GetMenuName(80), u"Main CCL");
    EXPECT_EQ(table.GetByte(40000), 0x5A);
}

TEST_F(CloneTest, CloneKeepsNameBytesItCannotRead)
{
    // 0x81 has no character in font 1: the bytes after it must survive.
    table.SetByte(4, 0x81);
    table.SetByte(19, 0x7F);
    auto copy = table.Clone();
    ASSERT_NE(copy, nullptr);
    for (std::size_t i = 1; i <= 20; ++i)
        EXPECT_EQ(copy->GetByte(i), table.GetByte(i)) << i;
}

TEST_F(CloneTest, CopyFromIsExactReadOnlyFlagAndMapOrderIncluded)
{
    table.SetMetadataLabel(10 + 16 * 1021, u"same bucket");
    CS1_LangTable copy;
    copy.CopyFrom(table);
    EXPECT_EQ(copy.ReadOnly(), 5);
    EXPECT_EQ(copy.GetByte(332), 5);
    EXPECT_EQ(copy.FirmwareMinor(), 41);
    EXPECT_TRUE(copy.IsValid());
    EXPECT_TRUE(
        std::equal(copy.Image().begin(), copy.Image().end(), table.Image().begin(), table.Image().end()));
    std::vector<int> original;
    std::vector<int> copied;
    table.MetadataLabels().forEach([&](std::int32_t key, const std::u16string&) { original.push_back(key); });
    copy.MetadataLabels().forEach([&](std::int32_t key, const std::u16string&) { copied.push_back(key); });
    EXPECT_EQ(copied, original);
    EXPECT_EQ(copy.Misc20Info().size(), 4u);
}

TEST_F(LangTableTest, MetadataLabelsAreEmptyWhenAbsentAndReplaced)
{
    EXPECT_TRUE(table.GetMetadataLabel(3).empty());
    table.SetMetadataLabel(3, u"first");
    table.SetMetadataLabel(3, u"second");
    EXPECT_EQ(table.GetMetadataLabel(3), u"second");
    EXPECT_EQ(table.MetadataLabels().size(), 1u);
}

} // namespace
} // namespace tarvo::model
