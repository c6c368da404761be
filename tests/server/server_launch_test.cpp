// The launch against the fake servers on a private bus: the exact calls,
// their arguments and order, the messages, and the release of every object.

#include "fake_servers.h"

#include "server/dbus_server_connection.h"
#include "server/server_document_name.h"
#include "server/server_launch.h"
#include "server/server_texts.h"

#include <QDBusConnection>
#include <QFile>

#include <gtest/gtest.h>

#include <optional>

namespace tarvo::server::test {

namespace {

constexpr std::uint32_t kWindow = 4660;
// Long enough for any machine when the fake answers; short when it does not.
constexpr int kAnsweringTimeoutMs = 20000;
constexpr int kSilenceTimeoutMs = 300;

const QString kLoginCreate = QStringLiteral("login factory Create()");
const QString kLogin = QStringLiteral(
    "login login1 Login(false, \"\", \"\", 9999, 4660, \"\", \"Corvane GUI Halvard Server\", 0, 2)");
const QString kLoginRelease = QStringLiteral("login login1 Release()");
const QString kHalvardCreate = QStringLiteral("halvard factory Create()");
const QString kDocuments = QStringLiteral("halvard app1 Documents()");
const QString kBypass = QStringLiteral("halvard app1 SetAutomationBypass(true)");
const QString kOpen = QStringLiteral("halvard documents1 Open(\"%1\")");
const QString kRestore = QStringLiteral("halvard app1 SetAutomationBypass(false)");
const QString kShow = QStringLiteral("halvard document1 Show(true, 1)");
const QString kWindowState = QStringLiteral("halvard document1 SetWindowState(9, 0)");
const QString kDocumentRelease = QStringLiteral("halvard document1 Release()");
const QString kDocumentsRelease = QStringLiteral("halvard documents1 Release()");
const QString kAppRelease = QStringLiteral("halvard app1 Release()");

const QStringList kOpenCalls = {kHalvardCreate, kDocuments, kBypass, kOpen, kRestore};
const QStringList kLaunched =
    QStringList{kLoginCreate, kLogin} + kOpenCalls +
    QStringList{kShow, kWindowState, kDocumentRelease, kDocumentsRelease, kAppRelease, kLoginRelease};
const QStringList kOpenedNothing = QStringList{kLoginCreate, kLogin} + kOpenCalls +
                                   QStringList{kDocumentsRelease, kAppRelease, kLoginRelease};

struct Scenario {
    const char* name;
    std::optional<QStringList> login;   // options of the fake login server; none: not running
    std::optional<QStringList> halvard; // the same for the Halvard server
    LaunchEnd end;
    QStringList messages;
    QStringList calls; // %1 stands for the document's path
    int timeoutMs = kAnsweringTimeoutMs;
};

std::ostream& operator<<(std::ostream& out, const Scenario& scenario)
{
    return out << scenario.name;
}

// clang-format off
const QStringList kNone;
const Scenario kScenarios[] = {
    {"Success", kNone, kNone, LaunchEnd::Launched, {}, kLaunched},
    {"LoginCancelledEndsSilently", QStringList{"--status", "1"}, kNone, LaunchEnd::LoginEnded, {},
     {kLoginCreate, kLogin, kLoginRelease}},
    {"AccessLevelThreeAsksAgain", QStringList{"--levels", "3,2"}, kNone, LaunchEnd::Launched,
     {texts::kInvalidAccessLevel}, QStringList{kLoginCreate, kLogin} + kLaunched.mid(1)},
    {"NoLoginServer", std::nullopt, kNone, LaunchEnd::LoginNotStarted, {texts::kLoginNotStarted}, {}},
    {"LoginRefusesToCreate", QStringList{"--fail", "create"}, kNone, LaunchEnd::LoginNotStarted,
     {texts::kLoginNotStarted}, {kLoginCreate}},
    {"NoHalvardServer", kNone, std::nullopt, LaunchEnd::ServerNotObtained, {texts::kLaunchException},
     {kLoginCreate, kLogin, kLoginRelease}},
    {"HalvardRefusesToCreate", kNone, QStringList{"--fail", "create"}, LaunchEnd::ServerNotObtained,
     {texts::kLaunchException}, {kLoginCreate, kLogin, kHalvardCreate, kLoginRelease}},
    {"DocumentsRefusedEndsSilently", kNone, QStringList{"--fail", "2"}, LaunchEnd::CallsFailed, {},
     {kLoginCreate, kLogin, kHalvardCreate, kDocuments, kAppRelease, kLoginRelease}},
    {"BypassFailsAndGoesOn", kNone, QStringList{"--fail", "3"}, LaunchEnd::Launched, {texts::kBypassException},
     kLaunched},
    {"RestoreFailsAndGoesOn", kNone, QStringList{"--fail", "5"}, LaunchEnd::Launched, {texts::kRestoreException},
     kLaunched},
    {"OpenRefusedStillRestores", kNone, QStringList{"--fail", "4"}, LaunchEnd::CallsFailed, {}, kOpenedNothing},
    {"NoDocumentSkipsShow", kNone, QStringList{"--no-document"}, LaunchEnd::NoDocument, {}, kOpenedNothing},
    {"ShowRefusedSkipsWindowState", kNone, QStringList{"--fail", "6"}, LaunchEnd::CallsFailed, {},
     QStringList{kLoginCreate, kLogin} + kOpenCalls +
         QStringList{kShow, kDocumentRelease, kDocumentsRelease, kAppRelease, kLoginRelease}},
    {"WindowStateFailureIgnored", kNone, QStringList{"--fail", "7"}, LaunchEnd::Launched, {}, kLaunched},
    // A server that does not answer costs the time-out, then that call's message.
    {"SilentLogin", QStringList{"--silent", "1"}, std::nullopt, LaunchEnd::LoginNotStarted,
     {texts::kLoginNotStarted}, {kLoginCreate, kLogin, kLoginRelease}, kSilenceTimeoutMs},
    {"SilentBypass", kNone, QStringList{"--silent", "3"}, LaunchEnd::Launched, {texts::kBypassException},
     kLaunched, kSilenceTimeoutMs},
    {"SilentOpenStillRestores", kNone, QStringList{"--silent", "4"}, LaunchEnd::CallsFailed,
     {texts::kGeneralException}, kOpenedNothing, kSilenceTimeoutMs},
};
// clang-format on

class LaunchTest : public ::testing::TestWithParam<Scenario> {
protected:
    // Runs the launch for path with the given call time-out.
    LaunchEnd launch(const QString& path, int timeoutMs = kAnsweringTimeoutMs)
    {
        LaunchSettings settings;
        settings.callTimeoutMs = timeoutMs;
        settings.loginTimeoutMs = timeoutMs;
        settings.startTimeoutMs = timeoutMs;
        DbusServerConnection connection(QDBusConnection::sessionBus(), settings);
        ServerLaunch launch(connection, [this](const QString& text, bool) { m_messages << text; });
        return launch.run(path, kWindow);
    }

    QString serverDocument()
    {
        const QString path = m_fakes.filePath(QStringLiteral("site.hvd"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }

    static QStringList withPath(QStringList calls, const QString& path)
    {
        for (QString& call : calls)
            if (call.contains(QStringLiteral("%1")))
                call = call.arg(path);
        return calls;
    }

    FakeServers m_fakes;
    QStringList m_messages;
};

} // namespace

TEST_P(LaunchTest, CallsMessagesAndReleases)
{
    const Scenario& scenario = GetParam();
    ASSERT_TRUE(!scenario.login || m_fakes.start(ServerKind::Login, *scenario.login));
    ASSERT_TRUE(!scenario.halvard || m_fakes.start(ServerKind::Halvard, *scenario.halvard));
    const QString path = serverDocument();
    EXPECT_EQ(launch(path, scenario.timeoutMs), scenario.end);
    EXPECT_EQ(m_messages, scenario.messages);
    EXPECT_EQ(m_fakes.calls(), withPath(scenario.calls, path));
}

INSTANTIATE_TEST_SUITE_P(Scenarios, LaunchTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(LaunchTest, PathChecksComeBeforeAnyCall)
{
    ASSERT_TRUE(m_fakes.start(ServerKind::Login));
    const QString badName = m_fakes.filePath(QStringLiteral("site.hvdx"));
    EXPECT_TRUE(QFile(badName).open(QIODevice::WriteOnly));
    EXPECT_EQ(launch(badName), LaunchEnd::BadExtension);
    const QString missing = m_fakes.filePath(QStringLiteral("gone.hvd"));
    EXPECT_EQ(launch(missing), LaunchEnd::DocumentMissing);
    EXPECT_EQ(m_messages,
              (QStringList{texts::kNoHvdExtension.arg(badName), texts::kDocumentNotFound.arg(missing)}));
    EXPECT_TRUE(m_fakes.calls().isEmpty());
}

TEST(ServerDocumentName, OnlyTheFileNamesOwnExtensionCounts)
{
    const struct {
        const char* path;
        bool accepted;
    } cases[] = {
        {"/sites/site.hvd", true},   {"/sites/site.HVD", true},      {"site.Hvd", true},
        {"/sites/site.hvdx", false}, {"/sites/site", false},         {"/sites/a.hv/site", false},
        {"/x.hvd/site", false},      {"/sites/site.hvd.bak", false}, {"/sites/site.hv", false},
        {"/sites/site.", false},     {"/sites/site.hvd/", false},    {"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(hasServerDocumentExtension(QString::fromUtf8(c.path)), c.accepted) << c.path;
}

} // namespace tarvo::server::test
