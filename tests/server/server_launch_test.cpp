// The launch against the fake servers on a private bus: the exact calls,
// their arguments and order, the messages, and the release of every object.

#include "fake_servers.h"

#include "server/dbus_server_connection.h"
#include "server/server_document_name.h"
#include "server/server_launch.h"
#include "server/server_texts.h"

#include <QDBusConnection>
#include <QElapsedTimer>
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
    bool cancelAtAccessLevel = false; // else OK
};

std::ostream& operator<<(std::ostream& out, const Scenario& scenario)
{
    return out << scenario.name;
}

QStringList repeated(const QString& item, int times)
{
    QStringList items;
    for (int i = 0; i < times; ++i)
        items << item;
    return items;
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
    // A login server that never gives a level that may open: Cancel ends the
    // launch, and without Cancel the rounds run out.
    {"CancelAtTheAccessLevelEndsTheLaunch", QStringList{"--levels", "3"}, kNone, LaunchEnd::AccessLevelRefused,
     {texts::kInvalidAccessLevel}, {kLoginCreate, kLogin, kLoginRelease}, kAnsweringTimeoutMs, true},
    {"AccessLevelLoopEndsAfterItsRounds", QStringList{"--levels", "3"}, kNone, LaunchEnd::AccessLevelRefused,
     repeated(texts::kInvalidAccessLevel, kMaxLoginRounds),
     QStringList{kLoginCreate} + repeated(kLogin, kMaxLoginRounds) + QStringList{kLoginRelease}},
    // An answer of the wrong type is no usable answer.
    {"WrongReplyToBypass", kNone, QStringList{"--wrong-reply", "3"}, LaunchEnd::Launched,
     {texts::kBypassException}, kLaunched},
    {"WrongReplyToRestore", kNone, QStringList{"--wrong-reply", "5"}, LaunchEnd::Launched,
     {texts::kRestoreException}, kLaunched},
    {"WrongReplyToShow", kNone, QStringList{"--wrong-reply", "6"}, LaunchEnd::CallsFailed,
     {texts::kGeneralException}, QStringList{kLoginCreate, kLogin} + kOpenCalls +
         QStringList{kShow, kDocumentRelease, kDocumentsRelease, kAppRelease, kLoginRelease}},
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
        ServerLaunch launch(
            connection, [this](const QString& text, bool) { m_messages << text; },
            [this](const QString& text) {
                m_messages << text;
                return !m_cancelAtAccessLevel;
            });
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

    // Releases go out without waiting, to two servers recording on their
    // own: the order is kept within each server.
    static QStringList byServer(const QStringList& calls)
    {
        QStringList login, halvard;
        for (const QString& call : calls)
            (call.startsWith(QStringLiteral("login ")) ? login : halvard) << call;
        return login + halvard;
    }

    FakeServers m_fakes;
    QStringList m_messages;
    bool m_cancelAtAccessLevel = false;
};

} // namespace

TEST_P(LaunchTest, CallsMessagesAndReleases)
{
    const Scenario& scenario = GetParam();
    ASSERT_TRUE(!scenario.login || m_fakes.start(ServerKind::Login, *scenario.login));
    ASSERT_TRUE(!scenario.halvard || m_fakes.start(ServerKind::Halvard, *scenario.halvard));
    const QString path = serverDocument();
    m_cancelAtAccessLevel = scenario.cancelAtAccessLevel;
    EXPECT_EQ(launch(path, scenario.timeoutMs), scenario.end);
    EXPECT_EQ(m_messages, scenario.messages);
    EXPECT_EQ(byServer(m_fakes.waitForCalls(scenario.calls.size())),
              byServer(withPath(scenario.calls, path)));
}

// Servers that never answer a release do not hold the launch: the releases
// are sent, and the launch ends well within one call time-out.
TEST_F(LaunchTest, ReleasesAreNotWaitedFor)
{
    ASSERT_TRUE(m_fakes.start(ServerKind::Login, {QStringLiteral("--silent"), QStringLiteral("release")}));
    ASSERT_TRUE(m_fakes.start(ServerKind::Halvard, {QStringLiteral("--silent"), QStringLiteral("release")}));
    const QString path = serverDocument();
    QElapsedTimer clock;
    clock.start();
    EXPECT_EQ(launch(path, kAnsweringTimeoutMs), LaunchEnd::Launched);
    EXPECT_LT(clock.elapsed(), kAnsweringTimeoutMs) << "a release waited for its answer";
    EXPECT_EQ(byServer(m_fakes.waitForCalls(kLaunched.size())), byServer(withPath(kLaunched, path)));
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
