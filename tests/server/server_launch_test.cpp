// The launch against the fake servers on a private bus: the exact calls,
// their arguments and order, the messages, and the release of every object;
// every call left unanswered in turn while the event loop runs on, and
// Cancel.

#include "fake_servers.h"

#include "server/dbus_server_connection.h"
#include "server/server_document_name.h"
#include "server/server_launch.h"
#include "server/server_texts.h"

#include <QDBusConnection>
#include <QElapsedTimer>
#include <QFile>
#include <QMetaObject>

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
    // The document is open, but the user hears why its window may not be up.
    {"WindowStateFailureIsReported", kNone, QStringList{"--fail", "7"}, LaunchEnd::Launched,
     {texts::kWindowStateException}, kLaunched},
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

// Records what the launch shows; answers the access-level question.
class RecordingListener final : public LaunchListener {
public:
    void report(const QString& text, bool) override { messages << text; }
    bool askAgain(const QString& text) override
    {
        messages << text;
        return !cancelAtAccessLevel;
    }
    void waiting(LaunchStep step) override
    {
        steps.push_back(step);
        waitingNow = true;
    }
    void waitEnded() override { waitingNow = false; }
    void ended(LaunchEnd launchEnd) override { end = launchEnd; }

    QStringList messages;
    std::vector<LaunchStep> steps;
    bool waitingNow = false;
    std::optional<LaunchEnd> end;
    bool cancelAtAccessLevel = false; // else OK
};

LaunchSettings settingsWith(int timeoutMs)
{
    LaunchSettings settings;
    settings.callTimeoutMs = timeoutMs;
    settings.loginTimeoutMs = timeoutMs;
    settings.startTimeoutMs = timeoutMs;
    return settings;
}

class LaunchTest : public ::testing::Test {
protected:
    // Runs the launch for path to its end.
    LaunchEnd launch(const QString& path, const LaunchSettings& settings)
    {
        DbusServerConnection connection(QDBusConnection::sessionBus(), settings);
        ServerLaunch chain(connection, m_listener);
        m_listener.end.reset();
        chain.start(path, kWindow);
        EXPECT_TRUE(runUntil([this] { return m_listener.end.has_value(); })) << "the launch did not end";
        return m_listener.end.value_or(LaunchEnd::Cancelled);
    }
    LaunchEnd launch(const QString& path, int timeoutMs = kAnsweringTimeoutMs)
    {
        return launch(path, settingsWith(timeoutMs));
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
    RecordingListener m_listener;
};

class LaunchScenarioTest : public LaunchTest, public ::testing::WithParamInterface<Scenario> {};

} // namespace

TEST_P(LaunchScenarioTest, CallsMessagesAndReleases)
{
    const Scenario& scenario = GetParam();
    ASSERT_TRUE(!scenario.login || m_fakes.start(ServerKind::Login, *scenario.login));
    ASSERT_TRUE(!scenario.halvard || m_fakes.start(ServerKind::Halvard, *scenario.halvard));
    const QString path = serverDocument();
    m_listener.cancelAtAccessLevel = scenario.cancelAtAccessLevel;
    EXPECT_EQ(launch(path, scenario.timeoutMs), scenario.end);
    EXPECT_EQ(m_listener.messages, scenario.messages);
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

INSTANTIATE_TEST_SUITE_P(Scenarios, LaunchScenarioTest, ::testing::ValuesIn(kScenarios),
                         [](const auto& info) { return std::string(info.param.name); });

// One call left unanswered, with time-outs far beyond the test.
struct Wait {
    const char* name;
    ServerKind server; // the fake that leaves the call unanswered
    const char* call;  // as the fake's --silent names it
    LaunchStep step;
    QString unanswered;
    QStringList calls; // all of them once the launch is cancelled
};

std::ostream& operator<<(std::ostream& out, const Wait& wait)
{
    return out << wait.name;
}

// clang-format off
const QStringList kBeforeDocuments = {kLoginCreate, kLogin, kHalvardCreate};
const QStringList kWhileLifted = kBeforeDocuments + QStringList{kDocuments, kBypass};
const Wait kWaits[] = {
    {"LoginCreate", ServerKind::Login, "create", LaunchStep::StartLogin, kLoginCreate, {kLoginCreate}},
    {"Login", ServerKind::Login, "1", LaunchStep::Login, kLogin, {kLoginCreate, kLogin, kLoginRelease}},
    {"HalvardCreate", ServerKind::Halvard, "create", LaunchStep::StartHalvard, kHalvardCreate,
     kBeforeDocuments + QStringList{kLoginRelease}},
    {"Documents", ServerKind::Halvard, "2", LaunchStep::Documents, kDocuments,
     kBeforeDocuments + QStringList{kDocuments, kAppRelease, kLoginRelease}},
    // Cancelled with the restrictions lifted: they are restored before the releases.
    {"Bypass", ServerKind::Halvard, "3", LaunchStep::Bypass, kBypass,
     kWhileLifted + QStringList{kRestore, kDocumentsRelease, kAppRelease, kLoginRelease}},
    {"Open", ServerKind::Halvard, "4", LaunchStep::Open, kOpen,
     kWhileLifted + QStringList{kOpen, kRestore, kDocumentsRelease, kAppRelease, kLoginRelease}},
    {"Restore", ServerKind::Halvard, "5", LaunchStep::Restore, kRestore,
     QStringList{kLoginCreate, kLogin} + kOpenCalls +
         QStringList{kDocumentRelease, kDocumentsRelease, kAppRelease, kLoginRelease}},
    {"Show", ServerKind::Halvard, "6", LaunchStep::Show, kShow,
     QStringList{kLoginCreate, kLogin} + kOpenCalls +
         QStringList{kShow, kDocumentRelease, kDocumentsRelease, kAppRelease, kLoginRelease}},
    {"WindowState", ServerKind::Halvard, "7", LaunchStep::WindowState, kWindowState,
     QStringList{kLoginCreate, kLogin} + kOpenCalls +
         QStringList{kShow, kWindowState, kDocumentRelease, kDocumentsRelease, kAppRelease, kLoginRelease}},
};
// clang-format on

class LaunchWaitTest : public LaunchTest, public ::testing::WithParamInterface<Wait> {};

// While a call is unanswered the event loop runs: an event posted meanwhile
// is handled, the launch still waiting. Cancel then ends the launch with one
// message and releases what was obtained.
TEST_P(LaunchWaitTest, TheLoopRunsOnAndCancelEndsTheLaunch)
{
    const Wait& wait = GetParam();
    const QStringList silent = {QStringLiteral("--silent"), QString::fromUtf8(wait.call)};
    ASSERT_TRUE(m_fakes.start(ServerKind::Login, wait.server == ServerKind::Login ? silent : QStringList{}));
    ASSERT_TRUE(
        m_fakes.start(ServerKind::Halvard, wait.server == ServerKind::Halvard ? silent : QStringList{}));
    const QString path = serverDocument();
    DbusServerConnection connection(QDBusConnection::sessionBus(), settingsWith(kAnsweringTimeoutMs));
    ServerLaunch chain(connection, m_listener);
    chain.start(path, kWindow);
    const QString unanswered = withPath({wait.unanswered}, path).first();
    ASSERT_TRUE(runUntil([&] { return m_listener.waitingNow && m_fakes.calls().contains(unanswered); }));
    ASSERT_FALSE(m_listener.steps.empty());
    EXPECT_EQ(m_listener.steps.back(), wait.step);

    QObject window;
    bool handled = false;
    QMetaObject::invokeMethod(
        &window, [&handled] { handled = true; }, Qt::QueuedConnection);
    ASSERT_TRUE(runUntil([&handled] { return handled; }));
    EXPECT_TRUE(chain.running());
    EXPECT_TRUE(m_listener.waitingNow);

    chain.cancel(CancelNotice::Say);
    EXPECT_FALSE(chain.running());
    EXPECT_EQ(m_listener.end, LaunchEnd::Cancelled);
    EXPECT_EQ(m_listener.messages, QStringList{texts::kLaunchCancelled});
    EXPECT_EQ(byServer(m_fakes.waitForCalls(wait.calls.size())), byServer(withPath(wait.calls, path)));
}

INSTANTIATE_TEST_SUITE_P(Waits, LaunchWaitTest, ::testing::ValuesIn(kWaits),
                         [](const auto& info) { return std::string(info.param.name); });

// A login server program that never comes onto the bus is ended when its
// wait is given up: by the start time-out, and by Cancel.
TEST_F(LaunchTest, AStartedProgramThatNeverAppearsIsEnded)
{
    LaunchSettings settings = settingsWith(kSilenceTimeoutMs);
    settings.loginProgram = m_fakes.starterScript(ServerKind::Login, {QStringLiteral("--unregistered")});
    const QString path = serverDocument();
    EXPECT_EQ(launch(path, settings), LaunchEnd::LoginNotStarted);
    EXPECT_EQ(m_listener.messages, QStringList{texts::kLoginNotStarted});
    EXPECT_TRUE(runUntil([this] { return m_fakes.runningPrograms().isEmpty(); }));

    settings.startTimeoutMs = kAnsweringTimeoutMs;
    DbusServerConnection connection(QDBusConnection::sessionBus(), settings);
    ServerLaunch chain(connection, m_listener);
    chain.start(path, kWindow);
    ASSERT_TRUE(runUntil([this] { return !m_fakes.runningPrograms().isEmpty(); }));
    chain.cancel(CancelNotice::Quiet);
    EXPECT_EQ(m_listener.end, LaunchEnd::Cancelled);
    EXPECT_TRUE(runUntil([this] { return m_fakes.runningPrograms().isEmpty(); }));
    EXPECT_TRUE(m_fakes.calls().isEmpty());
}

TEST_F(LaunchTest, PathChecksComeBeforeAnyCall)
{
    ASSERT_TRUE(m_fakes.start(ServerKind::Login));
    const QString badName = m_fakes.filePath(QStringLiteral("site.hvdx"));
    EXPECT_TRUE(QFile(badName).open(QIODevice::WriteOnly));
    EXPECT_EQ(launch(badName), LaunchEnd::BadExtension);
    const QString missing = m_fakes.filePath(QStringLiteral("gone.hvd"));
    EXPECT_EQ(launch(missing), LaunchEnd::DocumentMissing);
    EXPECT_EQ(m_listener.messages,
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
