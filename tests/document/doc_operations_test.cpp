// The document's table operations: replace-and-merge, the import batch and
// the import into a new document, moves, the number pool, the save policy,
// and an edit that survives save, open and merge.
#include "document/doc.h"
#include "document/entry_editor.h"
#include "document/save_policy.h"
#include "model/lang_table_layout.h"
#include "support/document_builders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <sys/stat.h>

namespace tarvo::document {
namespace {

using test::entryOf;
using test::makeTable;
using test::putEntry;

// What a keyboard holds: the table with other texts in its script menus.
std::vector<std::uint8_t> keyboardImage(int font, int languageId)
{
    auto t = makeTable(font, languageId, 2, 5);
    putEntry(*t, 80, 3, u"KbPan", u"", 2, '0');
    putEntry(*t, 80, 4, u"KbFour", u"", 2, '1');
    putEntry(*t, 81, 2, u"KbZoom", u"", 2, '5');
    putEntry(*t, 95, 14, u"KbLast", u"", 2, '6');
    return test::imageOf(*t);
}

std::string u8(const std::u16string& s)
{
    return std::string(s.begin(), s.end());
}

TEST(DocOperations, ReplaceAndMergeTakesEveryEditedEntryOfMenus80To95)
{
    for (const int font : {1, 5}) {
        DocumentNumberPool pool;
        TableList tables;
        tables.push_back(makeTable(font, 9));
        auto doc = test::makeDocument(pool, std::move(tables));
        auto& t = doc->table(0);
        putEntry(t, 80, 3, u"Mine", u"", 2, '0' | (3 << 8), 17, true); // edited
        putEntry(t, 80, 4, u"", u"", 0, 0, 0, true);                   // edited and cleared
        putEntry(t, 81, 2, u"Same", u"", 2, '5', 0, false);            // not edited
        putEntry(t, 95, 14, u"End", u"", 2, '6' | (4 << 8), 0, true);  // edited, menu 95

        const auto image = keyboardImage(font, 9);
        ASSERT_TRUE(doc->replaceAndMerge(0, image));
        const auto& merged = doc->table(0);
        model::MenuEntryInfo info;
        const auto e3 = entryOf(merged, 80, 3, &info);
        EXPECT_EQ(e3.line1, u"Mine") << font;
        EXPECT_EQ(e3.valueA, '0' | (3 << 8));
        EXPECT_EQ(e3.valueB, 17);
        EXPECT_EQ(info.edited, 1) << "the edit stays marked for the next merge";
        const auto e4 = entryOf(merged, 80, 4);
        EXPECT_EQ(e4.line1, u"") << "a cleared entry stays cleared (font " << font << ")";
        EXPECT_EQ(e4.actionKind, 0);
        EXPECT_EQ(entryOf(merged, 81, 2).line1, font == 5 ? u"KbZo" : u"KbZoom")
            << "not edited: the keyboard's";
        EXPECT_EQ(entryOf(merged, 95, 14).line1, u"End") << "menu 95 is merged too";
        // Outside the script menus the image is the keyboard's.
        EXPECT_EQ(merged.GetByte(model::layout::kFirmwareMajorOffset), 2);
        EXPECT_FALSE(doc->isModified()) << "replacing and merging do not mark the document";
    }
}

TEST(DocOperations, ImportBatchAppendsReplacesAndSkipsByPosition)
{
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    tables.push_back(makeTable(5, 18));
    auto doc = test::makeDocument(pool, std::move(tables));
    putEntry(doc->table(1), 80, 3, u"Edit", u"", 2, '0', 0, true);

    PositionList positions;
    positions.fill(kNoSlot);
    positions[2] = 1;
    positions[5] = kNewTablePosition;
    ImportResults results;
    results[2] = keyboardImage(5, 18);
    results[5] = keyboardImage(1, 7);
    ASSERT_TRUE(doc->applyImportBatch(positions, results, true));
    ASSERT_EQ(doc->tableCount(), 3u);
    EXPECT_EQ(entryOf(doc->table(1), 80, 3).line1, u"Edit");
    EXPECT_EQ(entryOf(doc->table(1), 80, 4).line1, u"KbFo");
    EXPECT_EQ(doc->table(2).GetByte(model::layout::kLanguageIdOffset), 7);
    EXPECT_EQ(doc->table(2).GetMenuName(80), u"Main") << "a new table is cloned from the first";
    EXPECT_EQ(doc->workingCopyCount(), 2u);
    EXPECT_TRUE(doc->isModified()) << "appending marks the document";
}

TEST(DocOperations, ImportBatchWithABadPositionOrImageChangesNothing)
{
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    auto doc = test::makeDocument(pool, std::move(tables));
    const auto before = test::imageOf(doc->table(0));
    PositionList positions;
    positions.fill(kNoSlot);
    ImportResults results;
    positions[0] = 0;
    results[0] = keyboardImage(1, 9);
    positions[1] = 3; // past the tables
    results[1] = keyboardImage(1, 9);
    EXPECT_FALSE(doc->applyImportBatch(positions, results, false));
    positions[1] = kNoSlot;
    positions[4] = kNewTablePosition;
    results[4].resize(100); // not a full image
    EXPECT_FALSE(doc->applyImportBatch(positions, results, false));
    EXPECT_EQ(test::imageOf(doc->table(0)), before);
    EXPECT_EQ(doc->tableCount(), 1u);
}

TEST(DocOperations, ImportFilterKeepsChosenLanguagesInSlotOrder)
{
    TableList tables;
    for (const int id : {9, 7, 18, 3, 12})
        tables.push_back(makeTable(1, id));
    SlotCodes codes;
    codes.fill(kNoSlot);
    codes[1] = 18;
    codes[4] = 9;
    codes[6] = 12;
    filterAndOrderForImport(tables, codes);
    std::vector<int> ids;
    for (const auto& t : tables)
        ids.push_back(languageIdOf(*t));
    EXPECT_EQ(ids, (std::vector<int>{18, 9, 12}));

    // Removing the first table does not skip the one that follows it.
    TableList adjacent;
    for (const int id : {1, 2, 9})
        adjacent.push_back(makeTable(1, id));
    SlotCodes only9;
    only9.fill(kNoSlot);
    only9[0] = 9;
    filterAndOrderForImport(adjacent, only9);
    ASSERT_EQ(adjacent.size(), 1u);
    EXPECT_EQ(languageIdOf(*adjacent[0]), 9);
}

TEST(DocOperations, NewDocumentImportPutsTheKthChosenSlotIntoTableK)
{
    struct Case {
        const char* name;
        std::vector<int> templateIds;
        std::vector<std::pair<int, int>> slots; // slot, language ID
    };
    const Case cases[] = {
        {"gaps between slots", {9, 18}, {{1, 18}, {3, 9}}},
        {"a language chosen twice", {9, 18}, {{0, 18}, {2, 9}, {12, 18}}},
        {"template tables beyond the import are dropped", {9, 9, 18}, {{4, 9}}},
    };
    for (const auto& c : cases) {
        DocumentNumberPool pool;
        TableList tables;
        for (const int id : c.templateIds)
            tables.push_back(makeTable(1, id));
        SlotCodes codes;
        codes.fill(kNoSlot);
        ImportResults results;
        for (const auto& [slot, id] : c.slots) {
            codes[static_cast<std::size_t>(slot)] = id;
            results[static_cast<std::size_t>(slot)] = keyboardImage(slot % 2 == 0 ? 5 : 1, id);
        }
        auto number = pool.take();
        CS1_Doc doc(std::move(*number), 0);
        doc.newDocument(std::move(tables), &codes);
        ASSERT_TRUE(doc.completeNewDocumentImport(codes, results)) << c.name;
        ASSERT_EQ(doc.tableCount(), c.slots.size()) << c.name;
        for (std::size_t k = 0; k < c.slots.size(); ++k) {
            const auto slot = static_cast<std::size_t>(c.slots[k].first);
            EXPECT_EQ(test::imageOf(doc.table(k)), results[slot]) << c.name << " table " << k;
            EXPECT_EQ(languageIdOf(doc.table(k)), c.slots[k].second) << c.name;
        }
        EXPECT_TRUE(doc.importComplete());
    }
}

TEST(DocOperations, MovesExchangeTablesWithTheirLinkIndexEntries)
{
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    tables.push_back(makeTable(1, 7));
    putEntry(*tables[1], 80, 6, u"More", u"", 1, 86);
    auto doc = test::makeDocument(pool, std::move(tables));
    EXPECT_EQ(doc->linkIndex(1).menusLinkingTo(86), (std::vector<int>{80}));
    EXPECT_EQ(doc->linkIndex(0).menusLinkingTo(80), (std::vector<int>{81})) << "sub menu entry 1 links back";
    EXPECT_FALSE(doc->moveTableUp(0));
    EXPECT_FALSE(doc->moveTableDown(1));
    EXPECT_FALSE(doc->isModified());
    ASSERT_TRUE(doc->moveTableUp(1));
    EXPECT_EQ(languageIdOf(doc->table(0)), 7);
    EXPECT_EQ(doc->linkIndex(0).countLinkingTo(86), 1);
    EXPECT_EQ(doc->linkIndex(1).countLinkingTo(86), 0);
    EXPECT_TRUE(doc->isModified());
}

TEST(DocOperations, TableNamesAreShownWithoutTheirPadding)
{
    DocumentNumberPool pool;
    TableList tables;
    for (const std::u16string name : {u"  Lobby  ", u"English", u"   ", u"Car  Park "})
        tables.push_back(makeTable(1, 9, 1, 94, name));
    const auto doc = test::makeDocument(pool, std::move(tables));
    EXPECT_EQ(tableNames(*doc), (std::vector<std::u16string>{u"Lobby", u"English", u"", u"Car  Park"}));
}

TEST(DocOperations, TheNumberPoolGivesTheLowestFreeNumberAndNoSeventeenth)
{
    DocumentNumberPool pool;
    std::vector<std::unique_ptr<CS1_Doc>> docs;
    for (int i = 0; i < 16; ++i) {
        auto d = test::makeDocument(pool, {});
        EXPECT_EQ(d->documentNumber(), i);
        docs.push_back(std::move(d));
    }
    auto refused = createNewDocument(
        pool, [](int) { return templates::TemplateBuildResult{}; }, nullptr, 0);
    EXPECT_FALSE(refused.doc);
    EXPECT_EQ(refused.result.status, DocStatus::TooManyDocuments);
    docs[5].reset();
    docs[2].reset();
    EXPECT_EQ(test::makeDocument(pool, {})->documentNumber(), 2) << "released again at once";
    auto kept = test::makeDocument(pool, {});
    EXPECT_EQ(kept->documentNumber(), 2);
    EXPECT_EQ(test::makeDocument(pool, {})->documentNumber(), 5);
}

TEST(DocOperations, AFailedTemplateBuildLeavesNoDocument)
{
    DocumentNumberPool pool;
    auto failed = createNewDocument(
        pool,
        [](int) {
            templates::TemplateBuildResult r;
            r.error = templates::TemplateError{};
            r.error->fullText = u"bad template";
            return r;
        },
        nullptr, 0);
    EXPECT_FALSE(failed.doc);
    EXPECT_EQ(failed.result.status, DocStatus::TemplateFailed);
    EXPECT_EQ(failed.result.message, u"bad template");
    EXPECT_EQ(pool.inUse(), 0);
}

TEST(DocOperations, SavePolicyKeepsOpenedFilesAndNamesNewOnes)
{
    struct Case {
        const char* name;
        SavePolicyInput input;
        SaveTargetKind kind;
        std::string path;
    };
    const Case cases[] = {
        {"opened document goes back to its file",
         {true, "/data/plans/site.tvo", u"site.tvo", true, "/elsewhere", "/home/u/Documents/Tarvo Scripts"},
         SaveTargetKind::DocumentPath,
         "/data/plans/site.tvo"},
        {"new document to the Scripts folder",
         {false, "", u"Tarvo1", false, "/elsewhere", "/home/u/Documents/Tarvo Scripts"},
         SaveTargetKind::NewFile,
         "/home/u/Documents/Tarvo Scripts/Tarvo1.tvo"},
        {"title with .tvo is not doubled",
         {false, "", u"Plan.tvo", false, "", "/s"},
         SaveTargetKind::NewFile,
         "/s/Plan.tvo"},
        {"known folder uses the last browse folder",
         {false, "", u"Tarvo2", true, "/elsewhere/", "/s"},
         SaveTargetKind::NewFile,
         "/elsewhere/Tarvo2.tvo"},
        {"known folder without a browse folder",
         {false, "", u"T", true, "", "/s"},
         SaveTargetKind::NewFile,
         "/s/T.tvo"},
        {"separators stay out of the name",
         {false, "", u"a/b", false, "", "/s"},
         SaveTargetKind::NewFile,
         "/s/a_b.tvo"},
    };
    for (const auto& c : cases) {
        const SaveTarget t = decideSaveTarget(c.input);
        EXPECT_EQ(t.kind, c.kind) << c.name;
        EXPECT_EQ(t.path, c.path) << c.name;
    }
    EXPECT_EQ(fileNameFromTitle(u"My.tvo Plan.tvo"), "My    Plan.tvo");
    EXPECT_EQ(fileNameFromTitle(u".tvo"), "Untitled.tvo");
}

TEST(DocOperations, DefaultScriptsFolderFollowsTheDocumentsFolder)
{
    test::TempDir dir;
    const std::string config = dir.file("config");
    std::filesystem::create_directories(config);
    const std::string dirs = "# comment\nXDG_DOCUMENTS_DIR=\"$HOME/Docs\"\n";
    dir.write("config/user-dirs.dirs", {dirs.begin(), dirs.end()});
    const auto env = [&](std::map<std::string, std::string> values) {
        return [values](const std::string& name) -> std::optional<std::string> {
            const auto it = values.find(name);
            return it == values.end() ? std::nullopt : std::optional<std::string>(it->second);
        };
    };
    EXPECT_EQ(defaultScriptsFolder(env({{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", config}})),
              "/home/u/Docs/Tarvo Scripts");
    EXPECT_EQ(defaultScriptsFolder(env({{"HOME", "/home/u"}, {"XDG_CONFIG_HOME", dir.file("none")}})),
              "/home/u/Documents/Tarvo Scripts");
    EXPECT_EQ(defaultScriptsFolder(env({{"HOME", "/home/u"}, {"XDG_DOCUMENTS_DIR", "/d"}})),
              "/d/Tarvo Scripts");

    std::string reason;
    EXPECT_TRUE(ensureFolderExists(dir.file("a/b/Tarvo Scripts"), reason)) << reason;
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/Tarvo Scripts")));
    EXPECT_FALSE(ensureFolderExists(dir.file("config/user-dirs.dirs/x"), reason));
}

TEST(DocOperations, FileSaveWritesNewDocumentsByTitleAndOpenedOnesOverTheirFile)
{
    test::TempDir dir;
    const std::string scripts = dir.file("Documents/Tarvo Scripts");
    DocumentNumberPool pool;
    auto doc = test::makeDocument(pool, {});
    doc->setTitle(u"Tarvo1");
    auto first = doc->save(dir.file("browsed"), scripts);
    ASSERT_TRUE(first.result.ok());
    EXPECT_EQ(doc->path(), scripts + "/Tarvo1.tvo");
    EXPECT_EQ(first.lastBrowseFolder, scripts);

    // A second new document of the same title asks before replacing it.
    auto other = test::makeDocument(pool, {});
    other->setTitle(u"Tarvo1.tvo");
    other->setServerPath(u"other");
    auto asked = other->save("", scripts);
    EXPECT_TRUE(asked.needsConfirmation);
    EXPECT_FALSE(other->hasPath());
    EXPECT_EQ(test::readBytes(scripts + "/Tarvo1.tvo"), doc->serialize());
    ASSERT_TRUE(other->save("", scripts, true).result.ok());
    EXPECT_EQ(test::readBytes(scripts + "/Tarvo1.tvo"), other->serialize());

    // An opened document goes back to its own file, whatever was browsed since.
    auto opened = openDocument(pool, scripts + "/Tarvo1.tvo", 0);
    ASSERT_TRUE(opened.doc);
    opened.doc->setServerPath(u"changed");
    const auto again = opened.doc->save(dir.file("browsed"), dir.file("elsewhere"));
    ASSERT_TRUE(again.result.ok());
    EXPECT_EQ(again.target.path, scripts + "/Tarvo1.tvo");
    EXPECT_TRUE(again.lastBrowseFolder.empty());
    EXPECT_FALSE(std::filesystem::exists(dir.file("browsed")));

    std::filesystem::remove_all(scripts);
    const auto failed = opened.doc->save("", scripts);
    EXPECT_FALSE(failed.result.ok());
    EXPECT_TRUE(failed.offerSaveAs);
}

TEST(DocOperations, FileSaveNeverReplacesAReadOnlyFileAndOffersSaveAs)
{
    test::TempDir dir;
    const std::string scripts = dir.file("Scripts");
    DocumentNumberPool pool;
    auto first = test::makeDocument(pool, {});
    first->setTitle(u"Plan");
    ASSERT_TRUE(first->save("", scripts).result.ok());
    const std::string path = scripts + "/Plan.tvo";
    const auto bytes = test::readBytes(path);

    for (const mode_t mode : {mode_t(0444), mode_t(0464)}) {
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        // The document's own file.
        auto opened = openDocument(pool, path, 0);
        ASSERT_TRUE(opened.doc);
        opened.doc->setServerPath(u"changed");
        opened.doc->setModified();
        const auto own = opened.doc->save("", scripts);
        EXPECT_EQ(own.result.status, DocStatus::ReadOnly) << std::oct << mode;
        EXPECT_NE(own.result.message.text().find(u"read-only"), std::u16string::npos);
        EXPECT_TRUE(own.offerSaveAs);
        EXPECT_TRUE(opened.doc->isModified()) << "nothing was saved";
        // A new document whose name is taken by the read-only file, replacing confirmed.
        auto fresh = test::makeDocument(pool, {});
        fresh->setTitle(u"Plan");
        const auto named = fresh->save("", scripts, true);
        EXPECT_EQ(named.result.status, DocStatus::ReadOnly);
        EXPECT_TRUE(named.offerSaveAs);
        EXPECT_FALSE(fresh->hasPath());
        EXPECT_EQ(fresh->saveAs(path).status, DocStatus::ReadOnly);

        EXPECT_EQ(test::readBytes(path), bytes);
        struct stat st {};
        ASSERT_EQ(::stat(path.c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, mode);
    }
}

TEST(DocOperations, MergeWritesAnEntryWhereItWasReadWhateverItsInfoSays)
{
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    auto doc = test::makeDocument(pool, std::move(tables));
    putEntry(doc->table(0), 80, 3, u"Mine", u"", 2, '0', 0, true);
    // The info record under 80/3 names user function 127's bytes.
    model::MenuEntryInfo* info = doc->table(0).MenuEntryInfos().find(model::menuEntryKey(80, 3));
    ASSERT_NE(info, nullptr);
    info->menu = 0;
    info->entry = 0;

    const auto image = keyboardImage(1, 9);
    ASSERT_TRUE(doc->replaceAndMerge(0, image));
    const auto merged = test::imageOf(doc->table(0));
    const std::size_t scriptMenus = model::layout::menuEntryOffset(80, 1);
    EXPECT_TRUE(
        std::equal(image.begin(), image.begin() + static_cast<std::ptrdiff_t>(scriptMenus), merged.begin()))
        << "nothing before the script menus changes";
    EXPECT_EQ(entryOf(doc->table(0), 80, 3).line1, u"Mine");
}

TEST(DocOperations, AnEditSurvivesSaveOpenAndMerge)
{
    test::TempDir dir;
    DocumentNumberPool pool;
    TableList tables;
    tables.push_back(makeTable(1, 9));
    auto doc = test::makeDocument(pool, std::move(tables));
    EntryEditRequest edit;
    edit.menu = 80;
    edit.entry = 3;
    edit.lines = std::vector<std::u16string>{u"Saved"};
    ASSERT_TRUE(applyEntryEdit(doc->table(0), edit).ok);
    ASSERT_TRUE(doc->saveToPath(dir.file("e.tvo"), true).ok());

    auto opened = openDocument(pool, dir.file("e.tvo"), 0);
    ASSERT_TRUE(opened.doc);
    ASSERT_TRUE(opened.doc->saveToPath(dir.file("e.tvo"), true).ok()) << "a second save keeps the edit too";
    opened = openDocument(pool, dir.file("e.tvo"), 0);
    ASSERT_TRUE(opened.doc);
    PositionList positions;
    positions.fill(kNoSlot);
    positions[0] = 0;
    ImportResults results;
    results[0] = keyboardImage(1, 9);
    ASSERT_TRUE(opened.doc->applyImportBatch(positions, results, true));
    EXPECT_EQ(u8(entryOf(opened.doc->table(0), 80, 3).line1), "Saved     ");
    EXPECT_EQ(u8(entryOf(opened.doc->table(0), 80, 4).line1), "KbFour")
        << "an entry not edited is the keyboard's";
}

} // namespace
} // namespace tarvo::document
