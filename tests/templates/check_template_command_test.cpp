// tarvo check-template, run as a program.
#include "template_test_support.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tarvo::templates {
namespace {

const std::string kTarvo = std::string(TARVO_BIN_DIR) + "/tarvo";

struct ToolRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

ToolRun checkTemplate(const test::TempDir& dir, const std::string& file)
{
    const std::string command =
        "cd '" + dir.path().string() + "' && '" + kTarvo + "' check-template " + file + " >out.txt 2>err.txt";
    const int raw = std::system(command.c_str());
    ToolRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(dir.file("out.txt"));
    run.err = slurp(dir.file("err.txt"));
    return run;
}

TEST(CheckTemplateCommand, ReportsTheFirstErrorWithFileLineAndColumn)
{
    test::TempDir dir;
    std::vector<std::u16string> lines = test::minimalTemplateLines();
    lines[10] = u"80, 8, 0, , 0, 2, 0x1F, , \"Pan\", \"Left\", \"\"";
    dir.write("Bad.LT3", test::utf16le(test::joinLines(lines, u"\r\n")));
    const ToolRun run = checkTemplate(dir, "Bad.LT3");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "Bad.LT3:11:2: error 12000: Error: <illegal character>: 'x' (120)\n");
    EXPECT_EQ(run.out, "");
}

TEST(CheckTemplateCommand, CleanTemplateGivesOneSummaryLine)
{
    test::TempDir dir;
    dir.write("Good.LT3", test::utf16le(test::joinLines(test::minimalTemplateLines())));
    const ToolRun run = checkTemplate(dir, "Good.LT3");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Good.LT3: ok: 1 table, languages 1033, fonts 1, named script menus 1\n");
    EXPECT_EQ(run.err, "");
}

TEST(CheckTemplateCommand, UsageAndFileErrorsHaveTheirStatus)
{
    test::TempDir dir;
    EXPECT_EQ(checkTemplate(dir, "").status, 2);
    EXPECT_EQ(checkTemplate(dir, "a.LT3 b.LT3").status, 2);
    const ToolRun missing = checkTemplate(dir, "missing.LT3");
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "missing.LT3:0:0: error 12103: The template \"missing.LT3\" could not be opened.  "
                           "It could not be found.\n");
}

} // namespace
} // namespace tarvo::templates
