#pragma once
// Runs the fake login and Halvard servers for a test on its private bus,
// all recording into one file, and reads back what they were asked.

#include "server/server_connection.h"
#include "testkit/child_process.h"

#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace tarvo::server::test {

class FakeServers {
public:
    FakeServers();
    // Ends the fakes, and whatever the starter scripts started that still runs.
    ~FakeServers();
    FakeServers(const FakeServers&) = delete;
    FakeServers& operator=(const FakeServers&) = delete;

    // Starts the fake and waits until it is on the bus; false when it is not.
    bool start(ServerKind server, const QStringList& options = {});
    // A shell script that starts the fake with options, for a settings
    // value naming the server's program.
    QString starterScript(ServerKind server, const QStringList& options = {}) const;
    // The processes still running (not ended, reaped or not) that this
    // test's files name on their command line: the starter scripts and the
    // fakes they became.
    QList<qint64> runningPrograms() const;
    // Every call recorded so far, in order.
    QStringList calls() const;
    // The same once count calls are recorded (releases are not waited for by
    // the launch, so they may still be on their way), or after a generous limit.
    QStringList waitForCalls(qsizetype count) const;
    QString recordFile() const { return m_home.filePath(QStringLiteral("calls.txt")); }
    QString filePath(const QString& name) const { return m_home.filePath(name); }

private:
    QStringList arguments(const QStringList& options) const;

    QTemporaryDir m_home;
    std::vector<std::unique_ptr<::tarvo::test::ChildProcess>> m_processes;
};

// The program of a fake.
QString fakeProgram(ServerKind server);

// Runs the event loop until done() holds or a generous bound passed;
// whether it held. For what the servers and the launch do, never for timing.
bool runUntil(const std::function<bool()>& done);

} // namespace tarvo::server::test
