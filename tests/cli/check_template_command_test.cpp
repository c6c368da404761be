// tarvo check-template, run as a program.
#include "support/tarvo_run.h"
#include "templates/template_test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvo::templates {
namespace {

tarvo::test::RunResult checkTemplate(const test::TempDir& dir, const std::vector<std::string>& files)
{
    std::vector<std::string> args = {"check-template"};
    args.insert(args.end(), files.begin(), files.end());
    return tarvo::test::runTarvo(args, dir.path());
}

TEST(CheckTemplateCommand, ReportsTheFirstErrorWithFileLineAndColumn)
{
    test::TempDir dir;
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    lines[10] = u"80, 8, 0, , 0, 2, 0x1F, , \"Pan\", \"Left\", \"\"";
    dir.write("Bad.LT3", test::utf16le(test::joinLines(lines, u"\r\n")));
    const tarvo::test::RunResult run = checkTemplate(dir, {"Bad.LT3"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Bad.LT3:11:2: error 12000: Error: <illegal character>: 'x' (120)\n");
    EXPECT_EQ(run.out, "");
}

TEST(CheckTemplateCommand, CleanTemplateGivesOneSummaryLine)
{
    test::TempDir dir;
    dir.write("Good.LT3", test::utf16le(test::joinLines(test::minimalTemplateLines())));
    const tarvo::test::RunResult run = checkTemplate(dir, {"Good.LT3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Good.LT3: ok: 1 table, languages 1033, fonts 1, named script menus 1\n");
    EXPECT_EQ(run.err, "");
}

TEST(CheckTemplateCommand, UsageAndFileErrorsHaveTheirStatus)
{
    test::TempDir dir;
    EXPECT_EQ(checkTemplate(dir, {}).status, 2);
    EXPECT_EQ(checkTemplate(dir, {"a.LT3", "b.LT3"}).status, 2);
    const tarvo::test::RunResult missing = checkTemplate(dir, {"missing.LT3"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "missing.LT3:0:0: error 12103: The template \"missing.LT3\" could not be opened.  "
                           "It could not be found.\n");
}

} // namespace
} // namespace tarvo::templates
