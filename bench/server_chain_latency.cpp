#include "server_chain_latency.h"

#include "loop_watch.h"
#include "transfer_bench_support.h"

#include "server/dbus_names.h"
#include "server/launch_host.h"
#include "ui/user_dialogs.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <vector>

namespace tarvo::bench {

namespace {

using namespace server::bus;

// Just over the progress dialog's delay, so that every unanswered call shows it.
constexpr int kTimeoutMs = server::kProgressDelayMs + 200;
// A launch that has not ended by then never will.
constexpr int kLaunchLimitMs = 20 * kTimeoutMs;
constexpr quint16 kOpeningAccessLevel = 2;
const QString kConnectionName = QStringLiteral("bench-servers");

// A server that answers every call at once, except the one it is told to
// leave unanswered: "create", or a call's number as the launch makes them.
class BenchServer final : public QDBusVirtualObject {
public:
    explicit BenchServer(QString factory) : m_factory(std::move(factory)) {}

    QString silent;

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString member = message.member();
        const QString call =
            member == kCreate      ? QStringLiteral("create")
            : member == kLogin     ? QStringLiteral("1")
            : member == kDocuments ? QStringLiteral("2")
            : member == kSetAutomationBypass
                ? (message.arguments().value(0).toBool() ? QStringLiteral("3") : QStringLiteral("5"))
            : member == kOpen           ? QStringLiteral("4")
            : member == kShow           ? QStringLiteral("6")
            : member == kSetWindowState ? QStringLiteral("7")
                                        : member;
        if (call == silent)
            return true;
        const QDBusObjectPath object(m_factory + QStringLiteral("/object"));
        if (member == kCreate || member == kDocuments || member == kOpen)
            connection.send(message.createReply(QVariant::fromValue(object)));
        else if (member == kLogin)
            connection.send(message.createReply(
                {0, QString(), QString(), QVariant::fromValue<quint16>(kOpeningAccessLevel)}));
        else
            connection.send(message.createReply());
        return true;
    }

private:
    QString m_factory;
};

// Runs one launch to its end; false when it did not end. worstMs grows to
// the longest hold of the event loop seen meanwhile.
bool launchOnce(const server::LaunchSettings& settings, const QString& path, long long& worstMs)
{
    const LoopWatch watch;
    server::LaunchHost host(nullptr, QStringLiteral("bench"), settings);
    QEventLoop loop;
    bool ended = false;
    QObject::connect(&host, &server::LaunchHost::finished, &loop, [&] {
        ended = true;
        loop.quit();
    });
    QTimer::singleShot(kLaunchLimitMs, &loop, &QEventLoop::quit);
    host.start(path, 0);
    if (!ended)
        loop.exec();
    worstMs = std::max(worstMs, static_cast<long long>(watch.worstMs()));
    return ended;
}

} // namespace

bool runServerChains(int& launches, long long& worstMs, std::string& error)
{
    launches = 0;
    worstMs = 0;
    QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, kConnectionName);
    if (!bus.isConnected() || !QDBusConnection::sessionBus().isConnected()) {
        error = "no session bus (run under dbus-run-session)";
        return false;
    }
    const test::TempDir folder;
    const QString path = QString::fromStdString((folder.path() / "site.hvd").string());
    const QString neverAppears = QString::fromStdString((folder.path() / "login-server.sh").string());
    {
        QFile document(path);
        QFile program(neverAppears);
        if (!document.open(QIODevice::WriteOnly) || !program.open(QIODevice::WriteOnly)) {
            error = "cannot write the launch's files";
            return false;
        }
        program.write("#!/bin/sh\nexec sleep 60\n");
        program.setPermissions(program.permissions() | QFileDevice::ExeOwner);
    }
    server::LaunchSettings settings;
    settings.callTimeoutMs = kTimeoutMs;
    settings.loginTimeoutMs = kTimeoutMs;
    settings.startTimeoutMs = kTimeoutMs;
    ui::UserDialogs::setScripted(true);

    // First the login server's program, started and never on the bus.
    settings.loginProgram = neverAppears;
    ++launches;
    if (!launchOnce(settings, path, worstMs)) {
        error = "the launch with a login server that never appears did not end";
        return false;
    }
    settings.loginProgram.clear();

    BenchServer login(kLoginFactoryPath);
    BenchServer halvard(kHalvardFactoryPath);
    if (!bus.registerVirtualObject(kLoginFactoryPath, &login, QDBusConnection::SubPath) ||
        !bus.registerVirtualObject(kHalvardFactoryPath, &halvard, QDBusConnection::SubPath) ||
        !bus.registerService(kLoginService) || !bus.registerService(kHalvardService)) {
        error = "cannot put the servers on the session bus";
        return false;
    }
    struct Run {
        BenchServer* server;
        const char* silent;
    };
    const std::vector<Run> runs = {{nullptr, ""},   {&login, "create"}, {&login, "1"},   {&halvard, "create"},
                                   {&halvard, "2"}, {&halvard, "3"},    {&halvard, "4"}, {&halvard, "5"},
                                   {&halvard, "6"}, {&halvard, "7"}};
    bool allEnded = true;
    for (const Run& run : runs) {
        login.silent.clear();
        halvard.silent.clear();
        if (run.server != nullptr)
            run.server->silent = QString::fromUtf8(run.silent);
        ++launches;
        if (!launchOnce(settings, path, worstMs)) {
            error = std::string("the launch with call ") + run.silent + " unanswered did not end";
            allEnded = false;
            break;
        }
    }
    bus.unregisterService(kLoginService);
    bus.unregisterService(kHalvardService);
    bus.unregisterObject(kLoginFactoryPath, QDBusConnection::UnregisterTree);
    bus.unregisterObject(kHalvardFactoryPath, QDBusConnection::UnregisterTree);
    QDBusConnection::disconnectFromBus(kConnectionName);
    return allEnded;
}

} // namespace tarvo::bench
