// tarvo history after the tool's own transfers on the simulated keyboard:
// the rows it prints and the records behind them.

#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/test_settings.h"
#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QFile>
#include <QJsonObject>

#include <cstdlib>
#include <filesystem>

namespace tarvo::test {
namespace {

std::string fileSha256(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex().toStdString();
}

TEST(HistoryCommand, DownloadAndQueryAreRowsFoundByThePortAsNamedOrCanonical)
{
    const TempDir dir;
    ASSERT_EQ(setenv("XDG_STATE_HOME", dir.file("state").c_str(), 1), 0);
    const TestSettings settings;
    SimulatedKeyboard keyboard;
    ASSERT_TRUE(keyboard.start());
    const std::string doc = dir.file("site.tvo");
    ASSERT_EQ(runTarvo({"new", "-o", doc}).status, 0);

    const RunResult download =
        runTarvo({"download", doc, "--port", keyboard.link(), "--slots", "2", "--force-write", "--quiet"});
    ASSERT_EQ(download.status, 0) << download.err;
    ASSERT_EQ(runTarvo({"query", "--port", keyboard.link(), "--quiet"}).status, 0);

    const RunResult rows = runTarvo({"history", "--port", keyboard.link()});
    ASSERT_EQ(rows.status, 0) << rows.err;
    const std::string canonical = std::filesystem::canonical(keyboard.link()).string();
    EXPECT_NE(rows.out.find("download  " + canonical), std::string::npos) << rows.out;
    EXPECT_NE(rows.out.find("2 written  complete"), std::string::npos) << rows.out;
    EXPECT_NE(rows.out.find("query     " + canonical), std::string::npos) << rows.out;

    const RunResult json = runTarvo({"history", "--port", canonical, "--json"});
    ASSERT_EQ(json.status, 0) << json.err;
    const auto records = jsonLines(json.out);
    ASSERT_EQ(records.size(), 6U)
        << json.out; // download: start, slot_start, slot_end, end; query: start, end
    const QJsonObject& start = records.front();
    EXPECT_EQ(start["record"].toString(), "start");
    EXPECT_EQ(start["program"].toString(), "tarvo");
    EXPECT_EQ(start["port"].toString().toStdString(), keyboard.link());
    EXPECT_EQ(start["device"].toString().toStdString(), canonical);
    EXPECT_FALSE(start["keyboard"].toObject()["firmware"].toString().isEmpty());
    EXPECT_EQ(start["document_sha256"].toString().toStdString(), fileSha256(doc));
    EXPECT_EQ(records[2]["outcome"].toString(), "written");
    EXPECT_EQ(records[2]["sha256"].toString().size(), 64);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i]["transfer"], records[i < 4 ? 0 : 4]["transfer"]) << i;
    EXPECT_NE(records[0]["transfer"], records[4]["transfer"]) << "each transfer its own id";
#ifdef TARVO_WITH_SHEET
    // The sheet's cover names the keyboard this document was written to.
    const std::string pdf = dir.file("site.pdf");
    ASSERT_EQ(runTarvo({"sheet", doc, "-o", pdf, "--history"}).status, 0);
    const RunResult text = runProgram("pdftotext", {pdf, "-"}, dir.path().string());
    EXPECT_NE(text.out.find(canonical), std::string::npos) << text.out.substr(0, 2000);
#endif
    unsetenv("XDG_STATE_HOME");
}

} // namespace
} // namespace tarvo::test
