// The catalogue: where templates are found, in which order, the fallback to
// the program's own folder, and the tables of a new document.
#include "template_test_support.h"
#include "templates/template_catalogue.h"
#include "templates/template_messages.h"
#include "templates/utf_text.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

namespace tarvo::templates {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> minimalBytes()
{
    return test::utf16le(test::joinLines(test::minimalTemplateLines()));
}

std::vector<std::string> fileNames(const std::vector<std::string>& paths)
{
    std::vector<std::string> names;
    for (const auto& p : paths)
        names.push_back(fs::path(p).filename().string());
    return names;
}

TEST(TemplateCatalogue, FindsTemplateNumberThreeInByteOrderOfNames)
{
    test::TempDir dir;
    for (const char* name :
         {"b.LT3", "B.lt3", "a.Lt3", "_first.LT3", "d.LT2", "e.LT30", "f.LT", "LT3", "g.LT3.bak"})
        dir.write(name, minimalBytes());
    fs::create_directory(dir.path() / "sub.LT3");
    const auto found = findTemplateFiles(dir.path().string(), 3);
    EXPECT_EQ(fileNames(found), (std::vector<std::string>{"B.lt3", "_first.LT3", "a.Lt3", "b.LT3"}));
    for (const auto& p : found)
        EXPECT_TRUE(fs::path(p).is_absolute()) << p;
    EXPECT_EQ(fileNames(findTemplateFiles(dir.path().string(), 2)), (std::vector<std::string>{"d.LT2"}));
    EXPECT_TRUE(findTemplateFiles(dir.file("missing"), 3).empty());
    EXPECT_TRUE(findTemplateFiles("", 3).empty());
}

TEST(TemplateCatalogue, HoldsTheFirstFileOfTheStartDirectory)
{
    test::TempDir start;
    test::TempDir program;
    start.write("Zulu.LT3", minimalBytes());
    start.write("Alpha.LT3", minimalBytes());
    program.write("Standard.LT3", minimalBytes());
    TemplateCatalogue catalogue(start.path().string(), program.path().string());
    ASSERT_TRUE(catalogue.RefreshTemplateCatalogue());
    ASSERT_EQ(catalogue.Entries().size(), 1u);
    EXPECT_EQ(catalogue.Entries()[0].path, start.file("Alpha.LT3"));
    EXPECT_EQ(catalogue.Entries()[0].templateNumber, 3);
    EXPECT_TRUE(catalogue.Entries()[0].friendlyName.empty());
    EXPECT_TRUE(catalogue.CheckErrors().empty());
    // A second refresh starts afresh.
    ASSERT_TRUE(catalogue.RefreshTemplateCatalogue());
    EXPECT_EQ(catalogue.Entries().size(), 1u);
}

TEST(TemplateCatalogue, FallsBackToTheProgramFolderOnlyWhenTheStartDirectoryHasNone)
{
    test::TempDir start;
    test::TempDir program;
    start.write("Old.LT2", minimalBytes());
    program.write("Standard.LT3", minimalBytes());
    TemplateCatalogue catalogue(start.path().string(), program.path().string());
    ASSERT_TRUE(catalogue.RefreshTemplateCatalogue());
    EXPECT_EQ(catalogue.Entries()[0].path, program.file("Standard.LT3"));

    TemplateCatalogue none(start.path().string(), (program.path() / "missing").string());
    EXPECT_FALSE(none.RefreshTemplateCatalogue());
    EXPECT_TRUE(none.Entries().empty());
    const TemplateBuildResult result = none.CreateTablesFromTemplate(0);
    EXPECT_FALSE(result.ok);
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->code, msg::kNoValidTemplates);
    EXPECT_EQ(
        utf16ToUtf8(result.error->fullText),
        "Error: The document could not be created -- no valid language table templates could be found.");
}

TEST(TemplateCatalogue, TemplateWithoutMarkIsEnteredAndFailsWhenUsed)
{
    test::TempDir start;
    start.write("A.LT3", test::utf16le(u"x", false));
    start.write("B.LT3", minimalBytes());
    TemplateCatalogue catalogue(start.path().string(), "");
    ASSERT_TRUE(catalogue.RefreshTemplateCatalogue());
    EXPECT_EQ(catalogue.Entries()[0].path, start.file("A.LT3"));
    ASSERT_EQ(catalogue.CheckErrors().size(), 1u);
    EXPECT_EQ(catalogue.CheckErrors()[0].code, msg::kNoByteOrderMark);

    const TemplateBuildResult result = catalogue.CreateTablesFromTemplate(0);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.tables.empty());
    ASSERT_TRUE(result.error.has_value());
    EXPECT_EQ(result.error->code, msg::kNoByteOrderMark);
    const std::string text = utf16ToUtf8(result.error->fullText);
    const std::string note = "\n\n\nA new document could not be created.";
    ASSERT_GE(text.size(), note.size());
    EXPECT_EQ(text.substr(text.size() - note.size()), note);
}

TEST(TemplateCatalogue, EveryDocumentNumberIsMadeFromTheFirstEntry)
{
    test::TempDir start;
    start.write("A.LT3", minimalBytes());
    TemplateCatalogue catalogue(start.path().string(), "");
    ASSERT_TRUE(catalogue.RefreshTemplateCatalogue());
    for (int number = 0; number < kDocumentNumbers; ++number)
        EXPECT_EQ(catalogue.TemplateChoice(number), 0);
    const TemplateBuildResult result = catalogue.CreateTablesFromTemplate(15);
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.tables.size(), 1u);
    EXPECT_EQ(result.tables[0]->GetMenuName(80), u"Main");
}

TEST(TemplateCatalogue, ProgramTemplateFolderLiesBesideBin)
{
    EXPECT_EQ(programTemplateDirectory("/opt/tarvo/bin/tarvo"), "/opt/tarvo/share/tarvo-script/templates");
    EXPECT_EQ(programTemplateDirectory("/usr/bin/../bin/tarvo-script"), "/usr/share/tarvo-script/templates");
    const fs::path relative = programTemplateDirectory("build/bin/tarvo");
    EXPECT_TRUE(relative.is_absolute());
    EXPECT_EQ(relative, (fs::current_path() / "build/share/tarvo-script/templates").lexically_normal());
}

TEST(ShippedTemplate, ParsesIntoUsefulTablesInSeveralFonts)
{
    const std::string path = std::string(TARVO_SOURCE_DIR) + "/data/templates/Standard.LT3";
    const TemplateBuildResult result = buildTablesFromTemplate(path);
    ASSERT_TRUE(result.ok) << (result.error ? utf16ToUtf8(result.error->fullText) : std::string());
    ASSERT_GE(result.tables.size(), 3u);
    std::set<int> fonts;
    std::set<int> languageIds;
    for (const auto& table : result.tables) {
        fonts.insert(table->GetFont());
        languageIds.insert(table->GetByte(335));
        EXPECT_FALSE(table->GetMetadataLabel(10).empty());
        for (int menu = 80; menu <= 95; ++menu)
            EXPECT_FALSE(table->GetMenuName(menu).empty()) << menu;
        // Every entry of every script menu comes from the template.
        for (int menu = 80; menu <= 95; ++menu)
            for (int entry = 1; entry <= 14; ++entry)
                EXPECT_NE(table->MenuEntryInfos().find(model::menuEntryKey(menu, entry)), nullptr)
                    << menu << "/" << entry;
        // No text in the template used a character the table's font lacks:
        // each line reads back as wide as it was written.
        const std::size_t width = table->GetFont() == 5 ? 4 : 10;
        for (int menu = 80; menu <= 95; ++menu)
            for (int entry = 1; entry <= 14; ++entry) {
                model::MenuEntryInfo info;
                info.menu = menu;
                info.entry = entry;
                const model::MenuEntry e = table->GetMenuEntry(info);
                EXPECT_EQ(e.line1.size(), width) << table->GetFont() << " " << menu << "/" << entry;
                EXPECT_EQ(e.line2.size(), width) << table->GetFont() << " " << menu << "/" << entry;
            }
    }
    EXPECT_TRUE(fonts.count(1));
    EXPECT_TRUE(fonts.count(2));
    EXPECT_TRUE(fonts.count(5));
    EXPECT_EQ(languageIds.size(), result.tables.size());
}

} // namespace
} // namespace tarvo::templates
