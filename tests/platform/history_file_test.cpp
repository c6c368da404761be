// The history file: writers side by side never mix inside a line, a
// half-written line is skipped and counted, and a record reads back as written.

#include "platform/history_file.h"
#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <QFile>

#include <thread>
#include <vector>

namespace tarvo::platform {
namespace {

history::HistoryRecord slotEnd(int writer, int n)
{
    history::HistoryRecord r;
    r.kind = history::RecordKind::SlotEnd;
    r.transfer = "writer-" + std::to_string(writer);
    r.time = "2026-03-04T10:00:00Z";
    r.slot = n;
    r.outcome = "written";
    // Long enough that a line takes more than one small write if it were split.
    r.backup = "/home/u/Tarvo Scripts/" + std::string(600, static_cast<char>('a' + writer)) + ".tvo";
    return r;
}

TEST(HistoryFile, EightWritersAtOnceLeaveOnlyWholeLines)
{
    constexpr int kWriters = 8;
    constexpr int kRecordsEach = 200;
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("history.jsonl"));
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w)
        writers.emplace_back([&path, w] {
            HistoryFile file(path); // each its own, as each transfer opens the file for each record
            std::string reason;
            for (int n = 0; n < kRecordsEach; ++n)
                ASSERT_TRUE(file.append(slotEnd(w, n), reason)) << reason;
        });
    for (auto& t : writers)
        t.join();

    history::HistoryLog log;
    std::string reason;
    ASSERT_TRUE(HistoryFile(path).read(log, reason)) << reason;
    EXPECT_EQ(log.damagedLines, 0);
    ASSERT_EQ(log.records.size(), static_cast<std::size_t>(kWriters * kRecordsEach));
    std::vector<int> next(kWriters, 0);
    for (const auto& r : log.records) {
        const int w = r.transfer.back() - '0';
        EXPECT_EQ(r.slot, next[static_cast<std::size_t>(w)]++) << "each writer's records in its order";
        EXPECT_EQ(r.backup, slotEnd(w, 0).backup);
    }
}

TEST(HistoryFile, HalfWrittenLineIsSkippedAndCountedAndTheRestRead)
{
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("history.jsonl"));
    HistoryFile file(path);
    history::HistoryRecord start;
    start.transfer = "t1";
    start.time = "2026-03-04T10:00:00Z";
    start.command = "download";
    start.port = "/dev/ttyUSB0";
    start.keyboard = serial::KeyboardId{};
    start.keyboard->bytes = {'K', 'B', 0, 1, 2, 3, 2, 0xFE, 1, 0, 1, 94, 0, 0, 5, 3};
    start.document = "/home/u/카메라.tvo";
    std::string reason;
    ASSERT_TRUE(file.append(start, reason)) << reason;
    {
        // A power cut in the middle of a line, then a later transfer's record.
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::Append));
        raw.write(R"({"record":"slot_start","transfer":"t1","ti)");
        raw.write("\n");
    }
    ASSERT_TRUE(file.append(slotEnd(2, 1), reason)) << reason;

    history::HistoryLog log;
    ASSERT_TRUE(file.read(log, reason)) << reason;
    EXPECT_EQ(log.damagedLines, 1);
    ASSERT_EQ(log.records.size(), 2U);
    EXPECT_EQ(log.records[0].keyboard, start.keyboard);
    EXPECT_EQ(log.records[0].document, start.document);
    EXPECT_EQ(log.records[1].outcome, "written");
}

TEST(HistoryFile, EndMessageReadsBackAsSaidAndADamagedOneAsItsEnglishLine)
{
    const test::TempDir dir;
    const QString path = QString::fromStdString(dir.file("history.jsonl"));
    HistoryFile file(path);
    history::HistoryRecord end;
    end.kind = history::RecordKind::End;
    end.transfer = "t1";
    end.time = "2026-03-04T10:00:00Z";
    end.status = 7;
    end.said = messages::Message(u"Language table #%d: %s",
                                 {messages::number(3), messages::Message(u"the port was lost")})
                   .append(u"\n\n", messages::Message::data(u"케이블 (%s)"));
    end.message = "Language table #3: the port was lost 케이블 (%s)";
    std::string reason;
    ASSERT_TRUE(file.append(end, reason)) << reason;
    {
        // A line another program wrote, nested past anything the system writes.
        QFile raw(path);
        ASSERT_TRUE(raw.open(QIODevice::Append));
        const QByteArray deep = QByteArray(100, '[') + QByteArray(100, ']');
        raw.write(R"({"record":"end","transfer":"t2","time":"2026-03-04T11:00:00Z","status":3,)"
                  R"("message":"no answer","said":[{"pattern":"%s","args":[)" +
                  deep + "]}]}\n");
    }

    history::HistoryLog log;
    ASSERT_TRUE(file.read(log, reason)) << reason;
    ASSERT_EQ(log.records.size(), 2U);
    EXPECT_EQ(log.records[0].said.text(), end.said.text());
    const auto& parts = log.records[0].said.parts();
    ASSERT_EQ(parts.size(), 2U);
    EXPECT_EQ(parts[0].pattern, u"Language table #%d: %s");
    ASSERT_TRUE(parts[0].args.at(1).message);
    EXPECT_EQ(parts[0].args[1].message->parts().at(0).pattern, u"the port was lost");
    EXPECT_TRUE(parts[1].data) << "what a port said is never looked up";
    EXPECT_EQ(parts[1].separator, u"\n\n");
    EXPECT_TRUE(log.records[1].said.empty());
    EXPECT_EQ(log.records[1].message, "no answer");
}

TEST(HistoryFile, Sha256IsTheStandardDigest)
{
    const std::string abc = "abc";
    const std::vector<std::uint8_t> bytes(abc.begin(), abc.end());
    EXPECT_EQ(HistoryFile().sha256Hex(bytes),
              "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
}

} // namespace
} // namespace tarvo::platform
