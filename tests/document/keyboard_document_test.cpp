// Documents made of images read from a keyboard: the import's, with the
// template's tables chosen by language, and the backup's, byte for byte;
// both record the slot each table came from, across a save and reopen.

#include "document/keyboard_document.h"
#include "document/source_slot.h"
#include "document/table_record.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"

#include "templates/utf_text.h"

#include <gtest/gtest.h>

namespace tarvo::document {
namespace {

using test::imageOf;
using test::makeTable;

// A template of languages 7, 9 and 11, each with side data of its own:
// Windows language ID 1000 + language, menu 80 named after the language.
constexpr int kTemplateLanguages[] = {7, 9, 11};

int windowsIdOf(int languageId)
{
    return 1000 + languageId;
}

std::u16string mainMenuNameOf(int languageId)
{
    return u"Main " + std::u16string(1, static_cast<char16_t>(u'A' + languageId));
}

templates::TemplateBuildResult templateTables(int)
{
    templates::TemplateBuildResult built;
    built.ok = true;
    for (const int id : kTemplateLanguages) {
        auto table = makeTable(1, id, 1, 94, u"Template");
        table->SetWindowsLanguageId(windowsIdOf(id));
        table->SetMenuName(80, mainMenuNameOf(id));
        built.tables.push_back(std::move(table));
    }
    return built;
}

std::vector<std::uint8_t> keyboardImage(int languageId, const std::u16string& name, int readOnly)
{
    auto table = makeTable(1, languageId, 1, 94, name);
    auto image = imageOf(*table);
    image[model::layout::kReadOnlyOffset] = static_cast<std::uint8_t>(readOnly);
    image[model::layout::kFontSlotOffset] = 0x42;
    image[60000] = 0xA5;
    return image;
}

TEST(SourceSlot, IsKeptBesideOtherSpareValuesAndTheEditedEntries)
{
    auto table = makeTable(1, 0);
    table->SpareValues() = {5, 6};
    EXPECT_FALSE(sourceSlot(*table));
    setSourceSlot(*table, 4);
    setSourceSlot(*table, 9); // replaces, never piles up
    EXPECT_EQ(sourceSlot(*table), 9);
    EXPECT_EQ(table->SpareValues(), (std::vector<std::uint32_t>{5, 6, kSourceSlotMarker, 9}));

    const auto joined = joinSpareValues(table->SpareValues(), {(81 << 16) | 2});
    const SpareValues split = splitSpareValues(joined);
    EXPECT_EQ(split.kept, table->SpareValues());
    EXPECT_EQ(split.editedKeys, std::vector<std::int32_t>{(81 << 16) | 2});

    table->SpareValues() = {kSourceSlotMarker, 14}; // not a slot: no record
    EXPECT_FALSE(sourceSlot(*table));
}

TEST(KeyboardDocument, ABackupHoldsEveryImageExactlyInSlotOrderAndSurvivesReopening)
{
    DocumentNumberPool pool;
    ImportResults images;
    images[1] = keyboardImage(9, u"Deutsch", 1);
    images[4] = keyboardImage(11, u"Other", 0);
    images[6] = keyboardImage(9, u"Deutsch2", 0); // the same language again
    const DocOutcome made =
        documentFromKeyboardImages(pool, templateTables, images, KeyboardImageUse::Backup, 0);
    ASSERT_TRUE(made.doc) << tarvo::templates::oneLineUtf8(made.result.message);
    ASSERT_EQ(made.doc->tableCount(), 3u);

    test::TempDir dir;
    ASSERT_TRUE(made.doc->saveToPath(dir.file("backup.tvo"), true).ok());
    const DocOutcome reopened = openDocument(pool, dir.file("backup.tvo"), 0);
    ASSERT_TRUE(reopened.doc);
    const int slots[] = {2, 5, 7};
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& table = reopened.doc->table(k);
        EXPECT_EQ(sourceSlot(table), slots[k]) << k;
        const auto& expected = images[static_cast<std::size_t>(slots[k] - 1)];
        const auto actual = imageOf(table);
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), actual.begin(), actual.end()))
            << "table " << k << " differs from slot " << slots[k];
    }
}

TEST(KeyboardDocument, AnImportLoadsTheImagesAndRecordsTheirSlots)
{
    DocumentNumberPool pool;
    ImportResults images;
    images[0] = keyboardImage(9, u"Deutsch", 1);
    images[2] = keyboardImage(7, u"English", 0);
    const DocOutcome made =
        documentFromKeyboardImages(pool, templateTables, images, KeyboardImageUse::Import, 0);
    ASSERT_TRUE(made.doc);
    ASSERT_EQ(made.doc->tableCount(), 2u);
    EXPECT_TRUE(made.doc->importComplete());
    EXPECT_TRUE(made.doc->isModified()) << "what was read is in no file yet: closing asks to save it";
    EXPECT_EQ(languageIdOf(made.doc->table(0)), 9);
    EXPECT_EQ(languageIdOf(made.doc->table(1)), 7);
    EXPECT_EQ(sourceSlot(made.doc->table(0)), 1);
    EXPECT_EQ(sourceSlot(made.doc->table(1)), 3);
    // Loading clears the read-only flag and keeps every other byte.
    auto expected = images[0];
    expected[model::layout::kReadOnlyOffset] = 0;
    EXPECT_EQ(imageOf(made.doc->table(0)), expected);
}

// The slots' languages out of the template's order, one of them twice: each
// table still carries the side data of its own language's template table.
TEST(KeyboardDocument, EveryTableTakesTheSideDataOfItsOwnLanguage)
{
    for (const KeyboardImageUse use : {KeyboardImageUse::Import, KeyboardImageUse::Backup}) {
        const char* kind = use == KeyboardImageUse::Import ? "import" : "backup";
        DocumentNumberPool pool;
        ImportResults images;
        images[0] = keyboardImage(9, u"Nine", 0);
        images[1] = keyboardImage(9, u"Nine again", 0);
        images[2] = keyboardImage(7, u"Seven", 0);
        const DocOutcome made = documentFromKeyboardImages(pool, templateTables, images, use, 0);
        ASSERT_TRUE(made.doc) << kind;
        ASSERT_EQ(made.doc->tableCount(), 3u) << kind;
        const int languages[] = {9, 9, 7};
        for (std::size_t k = 0; k < 3; ++k) {
            const auto& table = made.doc->table(k);
            EXPECT_EQ(languageIdOf(table), languages[k]) << kind << " table " << k;
            EXPECT_EQ(table.WindowsLanguageId(), windowsIdOf(languages[k])) << kind << " table " << k;
            EXPECT_EQ(table.GetMenuName(80), mainMenuNameOf(languages[k])) << kind << " table " << k;
            EXPECT_EQ(sourceSlot(table), static_cast<int>(k) + 1) << kind;
        }
        // Two tables of one language are two tables, not one shared.
        EXPECT_NE(&made.doc->table(0), &made.doc->table(1));
        made.doc->table(1).SetMenuName(80, u"Changed");
        EXPECT_EQ(made.doc->table(0).GetMenuName(80), mainMenuNameOf(9)) << kind;
    }
}

TEST(KeyboardDocument, ALanguageTheTemplateLacksIsRefusedNotBorrowed)
{
    for (const KeyboardImageUse use : {KeyboardImageUse::Import, KeyboardImageUse::Backup}) {
        DocumentNumberPool pool;
        ImportResults images;
        images[0] = keyboardImage(9, u"Nine", 0);
        images[3] = keyboardImage(46, u"Unknown", 0);
        const DocOutcome made = documentFromKeyboardImages(pool, templateTables, images, use, 0);
        EXPECT_FALSE(made.doc);
        const std::u16string message = made.result.message.text();
        EXPECT_NE(message.find(u"#4"), std::u16string::npos) << std::string(message.begin(), message.end());
        EXPECT_NE(message.find(u"46"), std::u16string::npos) << std::string(message.begin(), message.end());
        EXPECT_EQ(pool.inUse(), 0) << "the document number is given back";
    }
}

TEST(KeyboardDocument, AnImportNeverLandsInAnotherLanguagesTable)
{
    // Tables that were not filtered for the import: slot 1's language is
    // table 1's, not table 0's.
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 7));
    tables.push_back(makeTable(1, 9));
    auto doc = test::makeDocument(pool, std::move(tables));
    SlotCodes codes;
    codes.fill(kNoSlot);
    codes[0] = 9;
    codes[1] = 7;
    ImportResults images;
    images[0] = keyboardImage(9, u"Nine", 0);
    images[1] = keyboardImage(7, u"Seven", 0);
    const auto before = imageOf(doc->table(0));
    EXPECT_FALSE(doc->completeNewDocumentImport(codes, images));
    EXPECT_EQ(imageOf(doc->table(0)), before);
    EXPECT_FALSE(doc->importComplete());
}

TEST(KeyboardDocument, NothingWholeToUseMakesNoDocument)
{
    DocumentNumberPool pool;
    EXPECT_FALSE(documentFromKeyboardImages(pool, templateTables, {}, KeyboardImageUse::Import, 0).doc);
    ImportResults shortOne;
    shortOne[0].assign(1000, 1);
    EXPECT_FALSE(documentFromKeyboardImages(pool, templateTables, shortOne, KeyboardImageUse::Backup, 0).doc);
}

} // namespace
} // namespace tarvo::document
