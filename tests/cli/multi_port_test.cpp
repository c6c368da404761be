// tarvo download to several simulated keyboards at once: a faulty keyboard
// and a missing port fail on their own while the others complete and
// verify; the summary, the JSON events and the exit status say which.

#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/test_settings.h"
#include "support/tool_documents.h"
#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <QJsonArray>

#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace tarvo::test {
namespace {

namespace fs = std::filesystem;

constexpr int kKeyboards = 4;
constexpr int kFaultyKeyboard = 2;
// The frames before the write's first S2 (slot information, read-back of one
// slot) are about 4150: frame 6000 falls inside the write.
constexpr const char* kStopMidWrite = "stop:6000";
constexpr const char* kSpeed = "57600";
constexpr int kNoAnswer = 3;
constexpr int kPortError = 7;
constexpr int kCancelled = 5;

class MultiPortDownload : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int i = 0; i < kKeyboards; ++i) {
            const std::string dir = m_dir.file("kb" + std::to_string(i));
            fs::create_directories(dir);
            m_keyboards.push_back(std::make_unique<SimulatedKeyboard>(dir));
        }
        ASSERT_EQ(tarvo({"new", "-o", document()}).status, 0);
        // An edit in slot 1's table, so that every keyboard's slot 1 is written.
        ASSERT_EQ(tarvo({"set-entry", document(), "--table", "0", "--menu", "80", "--entry", "2", "--lines",
                         "Site|Four"})
                      .status,
                  0);
    }

    RunResult tarvo(const std::vector<std::string>& args) { return runTarvo(args, m_dir.path()); }
    std::string document() const { return m_dir.file("doc.tvo"); }

    bool startAll(int faulty)
    {
        for (int i = 0; i < kKeyboards; ++i) {
            std::vector<std::string> options{"--baud", kSpeed};
            if (i == faulty)
                options.insert(options.end(), {"--fault", kStopMidWrite});
            if (!m_keyboards[static_cast<std::size_t>(i)]->start(options))
                return false;
        }
        return true;
    }

    std::vector<std::string> downloadArgs(const std::vector<std::string>& extra)
    {
        std::vector<std::string> args{"download", document(), "--slots", "1", "--verify", "--baud", kSpeed};
        for (const auto& k : m_keyboards)
            args.insert(args.end(), {"--port", k->link()});
        args.insert(args.end(), extra.begin(), extra.end());
        return args;
    }

    TempDir m_dir;
    // The line speeds the tool keeps stay in this test.
    TestSettings m_settings;
    std::vector<std::unique_ptr<SimulatedKeyboard>> m_keyboards;
};

TEST_F(MultiPortDownload, AFaultyKeyboardAndAMissingPortFailAloneTheOthersVerify)
{
    ASSERT_TRUE(startAll(kFaultyKeyboard));
    const std::string missing = m_dir.file("no-such-port");
    const std::string backups = m_dir.file("backups");
    const RunResult run = tarvo(downloadArgs({"--port", missing, "--json", "--backup", backups}));
    EXPECT_EQ(run.status, kNoAnswer) << "the first failing port in command-line order\n" << run.err;

    const std::vector<QJsonObject> events = jsonLines(run.out);
    ASSERT_FALSE(events.empty());
    const QJsonObject done = events.back();
    EXPECT_EQ(done["event"].toString(), "done");
    EXPECT_EQ(done["status"].toInt(), kNoAnswer);
    const QJsonArray ports = done["ports"].toArray();
    ASSERT_EQ(ports.size(), kKeyboards + 1);
    for (int i = 0; i < kKeyboards; ++i) {
        const std::string link = m_keyboards[static_cast<std::size_t>(i)]->link();
        EXPECT_EQ(ports[i].toObject()["port"].toString().toStdString(), link);
        EXPECT_EQ(ports[i].toObject()["status"].toInt(), i == kFaultyKeyboard ? kNoAnswer : 0) << link;
    }
    EXPECT_EQ(ports[kKeyboards].toObject()["status"].toInt(), kPortError);

    // Every other event names its port; each good keyboard wrote and verified slot 1.
    for (std::size_t e = 0; e + 1 < events.size(); ++e)
        EXPECT_TRUE(events[e].contains("port")) << e;
    for (int i = 0; i < kKeyboards; ++i) {
        const QString link = QString::fromStdString(m_keyboards[static_cast<std::size_t>(i)]->link());
        std::vector<QJsonObject> own;
        for (const auto& ev : events)
            if (ev["port"].toString() == link)
                own.push_back(ev);
        const auto results = slotResults(own);
        if (i == kFaultyKeyboard) {
            EXPECT_NE(errorMessage(own).find("#1 in the keyboard is now incomplete"), std::string::npos)
                << errorMessage(own);
            EXPECT_EQ(std::count(results.begin(), results.end(), std::pair<int, std::string>{1, "verified"}),
                      0);
        } else {
            EXPECT_EQ(errorMessage(own), "") << link.toStdString();
            EXPECT_EQ(std::count(results.begin(), results.end(), std::pair<int, std::string>{1, "verified"}),
                      1)
                << link.toStdString();
            // The backup of each keyboard is its own file in the folder.
            const std::string name = fs::path(link.toStdString()).relative_path().string();
            std::string file = name;
            std::replace(file.begin(), file.end(), '/', '_');
            EXPECT_EQ(documentImages(backups + "/" + file + ".tvo").size(), 1u) << file;
        }
    }
    EXPECT_NE(run.err.find(missing), std::string::npos) << run.err;

    // The faulty keyboard, well again, is put right; the others find slot 1 unchanged.
    m_keyboards[kFaultyKeyboard]->stop();
    ASSERT_TRUE(m_keyboards[kFaultyKeyboard]->start({"--baud", kSpeed}));
    const RunResult again = tarvo(downloadArgs({}));
    EXPECT_EQ(again.status, 0) << again.err;
    for (int i = 0; i < kKeyboards; ++i) {
        const std::string link = m_keyboards[static_cast<std::size_t>(i)]->link();
        const auto row = again.out.find(link);
        ASSERT_NE(row, std::string::npos) << again.out;
        const std::string line = again.out.substr(row, again.out.find('\n', row) - row);
        EXPECT_NE(line.find("KBD-OMNIA"), std::string::npos) << line;
        EXPECT_NE(line.find(" ok"), std::string::npos) << line;
        const char* counts = i == kFaultyKeyboard ? " 1         0        1 " : " 0         1        0 ";
        EXPECT_NE(line.find(counts), std::string::npos) << line;
    }
}

// The ports that have sent a progress event of the write phase so far.
std::function<bool(const QJsonObject&)> whenAllAreWriting(std::size_t ports)
{
    auto writing = std::make_shared<std::set<QString>>();
    return [writing, ports](const QJsonObject& e) {
        if (e["event"].toString() == "progress" && e["phase"].toString() == "write")
            writing->insert(e["port"].toString());
        return writing->size() == ports;
    };
}

TEST_F(MultiPortDownload, CtrlCCancelsEveryPortAndNamesEachHalfWrittenSlot)
{
    // Slow replies keep every write going until Ctrl-C comes.
    for (auto& k : m_keyboards)
        ASSERT_TRUE(
            k->start({"--baud", kSpeed, "--fault", "late:S2:200:2500", "--fault", "late:S2:1500:2500"}));
    const RunResult run =
        runTarvoInterrupted(downloadArgs({"--json"}), m_dir.path(), whenAllAreWriting(kKeyboards));
    EXPECT_EQ(run.status, kCancelled) << run.err;
    const std::vector<QJsonObject> events = jsonLines(run.out);
    ASSERT_FALSE(events.empty());
    const QJsonArray ports = events.back()["ports"].toArray();
    ASSERT_EQ(ports.size(), kKeyboards);
    for (const auto& port : ports)
        EXPECT_EQ(port.toObject()["status"].toInt(), kCancelled);
    int named = 0;
    for (const auto& e : events)
        if (e["event"].toString() == "error" && e["message"].toString().contains("incomplete") &&
            e["slot"].toInt() == 1)
            ++named;
    EXPECT_EQ(named, kKeyboards) << run.out;
}

TEST_F(MultiPortDownload, AKeyboardThatVanishesFailsAloneWithThePortStatus)
{
    for (int i = 0; i < kKeyboards; ++i) {
        std::vector<std::string> options{"--baud", kSpeed};
        if (i == kFaultyKeyboard)
            options.insert(options.end(), {"--fault", "late:S2:200:2500", "--fault", "late:S2:1500:2500"});
        ASSERT_TRUE(m_keyboards[static_cast<std::size_t>(i)]->start(options));
    }
    SimulatedKeyboard& vanishing = *m_keyboards[kFaultyKeyboard];
    const QString link = QString::fromStdString(vanishing.link());
    const RunResult run = runTarvoUntil(
        downloadArgs({"--json"}), m_dir.path(),
        [link](const QJsonObject& e) {
            return e["port"].toString() == link && e["phase"].toString() == "write";
        },
        [&vanishing](pid_t) { vanishing.stop(); });
    EXPECT_EQ(run.status, kPortError) << run.err;
    EXPECT_NE(run.err.find(vanishing.link()), std::string::npos) << run.err;
    const std::vector<QJsonObject> events = jsonLines(run.out);
    ASSERT_FALSE(events.empty());
    const QJsonArray ports = events.back()["ports"].toArray();
    ASSERT_EQ(ports.size(), kKeyboards);
    for (int i = 0; i < kKeyboards; ++i)
        EXPECT_EQ(ports[i].toObject()["status"].toInt(), i == kFaultyKeyboard ? kPortError : 0) << i;
    std::vector<QJsonObject> own;
    for (const auto& e : events)
        if (e["port"].toString() == link)
            own.push_back(e);
    const std::string message = errorMessage(own);
    EXPECT_NE(message.find("#1"), std::string::npos) << message;
    EXPECT_NE(message.find("incomplete"), std::string::npos) << message;
}

TEST_F(MultiPortDownload, OneDeviceNamedTwiceIsAUsageError)
{
    const std::string device = m_dir.file("device");
    writeBytes(device, {});
    fs::create_symlink(device, m_dir.file("alias"));
    EXPECT_EQ(tarvo({"download", document(), "--port", device, "--port", m_dir.file("alias")}).status, 2);
    EXPECT_EQ(tarvo({"download", document(), "--port", "3", "--port", "/dev/ttyS2"}).status, 2);
    EXPECT_EQ(tarvo({"query", "--port", "COM3", "--port", "/dev/ttyS2"}).status, 2) << "COM3 is COM 3";
    EXPECT_EQ(tarvo({"query", "--port", device, "--port", m_dir.file("alias")}).status, 2);
}

} // namespace
} // namespace tarvo::test
