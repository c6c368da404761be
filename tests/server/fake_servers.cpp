#include "fake_servers.h"

#include "server/dbus_names.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QFile>

#include <gtest/gtest.h>

namespace tarvo::server::test {

namespace {
// Generous: a loaded machine may take a while to start a program.
constexpr int kAppearanceLimitMs = 15000;
} // namespace

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
