// tarvo sheet: the shipped template's document as a PDF whose text reads
// back (table names, Hangul, a menu's lines and actions), and an existing
// output refused without --force.

#include "support/tarvo_run.h"
#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tarvo::test {
namespace {

TEST(SheetCommand, PdfTextReadsBackTheTablesHangulAndTheMenusAsTheKeyboardShowsThem)
{
    const TempDir dir;
    const std::string doc = dir.file("site.tvo");
    const std::string pdf = dir.file("site.pdf");
    ASSERT_EQ(runTarvo({"new", "-o", doc}).status, 0);
    // Menu 81 of the English table (0): entry 5 edited, a camera macro.
    ASSERT_EQ(runTarvo({"set-entry", doc, "--table", "0", "--menu", "81", "--entry", "5", "--lines",
                        "Gate|North", "--action", "camera:7"})
                  .status,
              0);

    const RunResult sheet = runTarvo({"sheet", doc, "-o", pdf});
    ASSERT_EQ(sheet.status, 0) << sheet.err;
    const RunResult text = runProgram("pdftotext", {"-layout", pdf, "-"}, dir.path().string());
    ASSERT_EQ(text.status, 0) << "pdftotext (poppler-utils) reads the sheet: " << text.err;
    for (const char* expected :
         {"Hand-over sheet", "English", "한국어", "카메라", "Quick Calls", "Camera 1", "to Mon 1",
          "CCL macro 8001", "link to menu 83", "Gate", "North", "camera macro 7", "edited"})
        EXPECT_NE(text.out.find(expected), std::string::npos) << expected;

    const RunResult again = runTarvo({"sheet", doc, "-o", pdf});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("file exists"), std::string::npos) << again.err;
}

} // namespace
} // namespace tarvo::test
