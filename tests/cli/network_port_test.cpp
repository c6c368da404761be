// tarvo against a simulated keyboard behind Debian's ser2net (RFC 2217 on
// 127.0.0.1): the line speed found through the server, a download that
// leaves the slot as a direct download does, the server stopped during the
// write, and the addresses where no RFC 2217 server answers.

#include "support/keyboard_flash.h"
#include "support/tarvo_run.h"
#include "support/test_settings.h"
#include "support/tool_documents.h"
#include "testkit/ser2net_server.h"
#include "testkit/temp_dir.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

#include <string>
#include <vector>

namespace tarvo::test {
namespace {

constexpr int kSlot = 2;
constexpr int kMenu = 81;
constexpr int kEntry = 1;

class NetworkPort : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(run({"new", "-o", document()}).status, 0);
        ASSERT_EQ(run({"set-entry", document(), "--table", "1", "--menu", std::to_string(kMenu), "--entry",
                       std::to_string(kEntry), "--lines", "Net|Work"})
                      .status,
                  0);
    }

    RunResult run(const std::vector<std::string>& args) { return runTarvo(args, m_dir.path()); }

    // The simulated keyboard, and ser2net in front of it.
    void startBehindServer(const std::vector<std::string>& keyboardOptions, bool rfc2217 = true)
    {
        ASSERT_TRUE(m_keyboard.start(keyboardOptions));
        ASSERT_TRUE(m_server.start(m_keyboard.link(), rfc2217));
    }

    std::vector<std::string> downloadArgs(const std::string& port) const
    {
        return {"download", document(), "--port", port, "--slots", std::to_string(kSlot), "--json"};
    }

    std::string document() const { return m_dir.file("doc.tvo"); }

    TempDir m_dir;
    // The line speeds the tool keeps stay in this test.
    TestSettings m_settings;
    SimulatedKeyboard m_keyboard{m_dir.path()};
    Ser2NetServer m_server{m_dir.path()};
};

TEST_F(NetworkPort, AKeyboardAt57600IsFoundThroughTheProbe)
{
    // The simulator answers only a line the server has set to 57600.
    startBehindServer({"--baud", "57600"});
    const RunResult result = run({"query", "--port", m_server.address(), "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const QJsonObject root = QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
    EXPECT_EQ(root["model"].toString(), "KBD-OMNIA");
    EXPECT_EQ(root["baud"].toInt(), 57600);
    // An erased slot answers with 0xFF bytes, which the server sends doubled.
    const QJsonArray slotList = root["slots"].toArray();
    ASSERT_EQ(slotList.size(), kFlashSlots);
    EXPECT_TRUE(slotList[kFlashSlots - 1].isNull());
}

TEST_F(NetworkPort, ADownloadLeavesTheSlotAsADirectDownloadDoes)
{
    startBehindServer({});
    const RunResult overNetwork = run(downloadArgs(m_server.address()));
    ASSERT_EQ(overNetwork.status, 0) << overNetwork.err << overNetwork.out;
    m_server.stop();
    m_keyboard.stop();
    const Bytes networkFlash = readBytes(m_keyboard.flashPath());

    TempDir directDir;
    SimulatedKeyboard direct(directDir.path());
    ASSERT_TRUE(direct.start());
    ASSERT_EQ(run(downloadArgs(direct.link())).status, 0);
    direct.stop();
    const Bytes directFlash = readBytes(direct.flashPath());

    ASSERT_EQ(networkFlash.size(), kSlotBytes * kFlashSlots);
    ASSERT_EQ(directFlash.size(), networkFlash.size());
    EXPECT_TRUE(networkFlash == directFlash);
}

TEST_F(NetworkPort, ServerStoppedDuringTheWriteIsAPortFailureNamingAddressAndSlot)
{
    // Slow replies keep the write going until the server is gone.
    startBehindServer({"--fault", "late:S2:200:2500", "--fault", "late:S2:1500:2500"});
    const RunResult result = runTarvoUntil(
        downloadArgs(m_server.address()), m_dir.path(),
        [](const QJsonObject& e) { return e["phase"].toString() == "write"; },
        [this](pid_t) { m_server.stop(); });
    EXPECT_EQ(result.status, 7) << result.err;
    EXPECT_NE(result.err.find(m_server.address()), std::string::npos) << result.err;
    const std::vector<QJsonObject> events = jsonLines(result.out);
    const std::string message = errorMessage(events);
    EXPECT_NE(message.find("#" + std::to_string(kSlot)), std::string::npos) << message;
    EXPECT_NE(message.find("incomplete"), std::string::npos) << message;
}

struct NoServerCase {
    const char* name;
    int status;
    const char* reason;
};

class NetworkPortWithoutServer : public NetworkPort, public ::testing::WithParamInterface<NoServerCase> {};

TEST_P(NetworkPortWithoutServer, IsNamedWithTheReason)
{
    const NoServerCase& c = GetParam();
    std::string address;
    if (c.name == std::string("telnetWithoutComPortControl")) {
        startBehindServer({}, false);
        address = m_server.address();
    } else if (c.name == std::string("nothingListens")) {
        address = "rfc2217://127.0.0.1:" + std::to_string(Ser2NetServer::freePort());
    } else {
        address = "rfc2217://127.0.0.1";
    }
    const RunResult result = run({"query", "--port", address});
    EXPECT_EQ(result.status, c.status) << result.err;
    EXPECT_NE(result.err.find(address), std::string::npos) << result.err;
    EXPECT_NE(result.err.find(c.reason), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(Cases, NetworkPortWithoutServer,
                         ::testing::Values(NoServerCase{"nothingListens", 7, "nothing listens"},
                                           NoServerCase{"telnetWithoutComPortControl", 7,
                                                        "does not speak RFC 2217"},
                                           NoServerCase{"addressWithoutPort", 2, "no port number"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvo::test
