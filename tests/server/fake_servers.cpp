#include "fake_servers.h"

#include "server/dbus_names.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>

namespace tarvo::server::test {

namespace {
// Generous: a loaded machine may take a while to start a program.
constexpr int kAppearanceLimitMs = 15000;

// A process that has ended but is not reaped yet counts as ended.
bool endedState(const QByteArray& stat)
{
    // "pid (name) S ...": the state follows the name's closing parenthesis.
    const qsizetype state = stat.lastIndexOf(')') + 2;
    return state < 2 || state >= stat.size() || stat.at(state) == 'Z' || stat.at(state) == 'X';
}

QByteArray readProcFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

bool runUntil(const std::function<bool()>& done)
{
    return ::tarvo::test::waitUntil(done, kAppearanceLimitMs);
}

QString fakeProgram(ServerKind server)
{
    return QStringLiteral(TARVO_FAKE_SERVER_DIR) + (server == ServerKind::Login
                                                        ? QStringLiteral("/fake-login-server")
                                                        : QStringLiteral("/fake-halvard-server"));
}

FakeServers::FakeServers()
{
    EXPECT_TRUE(m_home.isValid());
    EXPECT_TRUE(QDBusConnection::sessionBus().isConnected())
        << "the tests need a session bus (dbus-run-session)";
}

FakeServers::~FakeServers()
{
    m_processes.clear();
    for (const qint64 pid : runningPrograms())
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}

QList<qint64> FakeServers::runningPrograms() const
{
    const QByteArray home = m_home.path().toUtf8();
    QList<qint64> running;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (!number)
            continue;
        const QString folder = QStringLiteral("/proc/") + entry;
        const QByteArray commandLine = readProcFile(folder + QStringLiteral("/cmdline"));
        if (commandLine.contains(home) && !endedState(readProcFile(folder + QStringLiteral("/stat"))))
            running << pid;
    }
    return running;
}

QStringList FakeServers::arguments(const QStringList& options) const
{
    return QStringList{QStringLiteral("--record"), recordFile()} + options;
}

bool FakeServers::start(ServerKind server, const QStringList& options)
{
    std::vector<std::string> args{fakeProgram(server).toStdString()};
    for (const QString& argument : arguments(options))
        args.push_back(argument.toStdString());
    auto process = std::make_unique<::tarvo::test::ChildProcess>();
    const QString output = m_home.filePath(QStringLiteral("server%1.out").arg(m_processes.size()));
    if (!process->start(std::move(args), output.toStdString()))
        return false;
    m_processes.push_back(std::move(process));
    const QString service = server == ServerKind::Login ? bus::kLoginService : bus::kHalvardService;
    return ::tarvo::test::waitUntil(
        [&service] {
            return QDBusConnection::sessionBus().interface()->isServiceRegistered(service).value();
        },
        kAppearanceLimitMs);
}

QString FakeServers::starterScript(ServerKind server, const QStringList& options) const
{
    const QString path = m_home.filePath(server == ServerKind::Login ? QStringLiteral("login-server.sh")
                                                                     : QStringLiteral("halvard-server.sh"));
    QStringList quoted;
    for (const QString& argument : arguments(options))
        quoted << QLatin1Char('\'') + argument + QLatin1Char('\'');
    QFile script(path);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nexec '%1' %2 </dev/null >/dev/null 2>&1\n")
                     .arg(fakeProgram(server), quoted.join(QLatin1Char(' ')))
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    return path;
}

QStringList FakeServers::waitForCalls(qsizetype count) const
{
    ::tarvo::test::waitUntil([this, count] { return calls().size() >= count; }, kAppearanceLimitMs);
    return calls();
}

QStringList FakeServers::calls() const
{
    QFile file(recordFile());
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace tarvo::server::test
