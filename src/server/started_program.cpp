#include "server/started_program.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QProcess>

#include <csignal>
#include <sys/types.h>
#include <utility>

namespace tarvo::server {

StartedProgram::StartedProgram(const QDBusConnection& bus, const QString& service, QObject* parent)
    : QObject(parent), m_bus(bus), m_service(service)
{
    m_deadline.setSingleShot(true);
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        end();
        finish(false);
    });
}

StartedProgram::~StartedProgram()
{
    end();
}

bool StartedProgram::start(const QString& program, int timeoutMs, Done done)
{
    // Watching starts before the program does, so its arrival is not missed.
    m_watcher = new QDBusServiceWatcher(m_service, m_bus, QDBusServiceWatcher::WatchForRegistration, this);
    connect(m_watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] { finish(true); });
    qint64 pid = 0;
    if (!QProcess::startDetached(program, {}, {}, &pid))
        return false;
    m_pid = pid;
    m_done = std::move(done);
    m_deadline.start(timeoutMs);
    // A program quicker than the watcher's rule on the bus is still seen.
    auto* owner = new QDBusPendingCallWatcher(
        m_bus.interface()->asyncCall(QStringLiteral("NameHasOwner"), m_service), this);
    connect(owner, &QDBusPendingCallWatcher::finished, this, [this, owner] {
        owner->deleteLater();
        const QDBusPendingReply<bool> reply = *owner;
        if (reply.isValid() && reply.value())
            finish(true);
    });
    return true;
}

void StartedProgram::finish(bool appeared)
{
    if (!m_done)
        return;
    m_deadline.stop();
    if (appeared)
        m_pid = 0; // the server runs on by itself
    // done may delete this object: it is the last thing done here.
    const Done done = std::exchange(m_done, nullptr);
    done(appeared);
}

void StartedProgram::end()
{
    if (m_pid <= 0)
        return;
    const auto pid = static_cast<pid_t>(std::exchange(m_pid, 0));
    ::kill(pid, SIGTERM);
    // A program that ignores the request is not left hanging either.
    QTimer::singleShot(kProgramEndGraceMs, QCoreApplication::instance(), [pid] {
        if (::kill(pid, 0) == 0)
            ::kill(pid, SIGKILL);
    });
}

} // namespace tarvo::server
