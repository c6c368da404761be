#pragma once
// A server program the launch starts itself, when the bus cannot activate
// its service: it has the start time-out to appear on the bus. A program
// that is given up (the time-out passed, or the launch was cancelled) before
// it appeared is ended, so that it does not stay behind half started.

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <functional>

class QDBusServiceWatcher;

namespace tarvo::server {

// A program asked to end that has not after this long is killed.
inline constexpr int kProgramEndGraceMs = 2000;

class StartedProgram final : public QObject {
    Q_OBJECT
public:
    // appeared: whether the service came onto the bus in time.
    using Done = std::function<void(bool appeared)>;

    StartedProgram(const QDBusConnection& bus, const QString& service, QObject* parent = nullptr);
    // Ends the program unless its service appeared.
    ~StartedProgram() override;
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;

    // Starts program and waits, from the event loop, at most timeoutMs for
    // the service; done runs once. False (and done never runs) when the
    // program could not be started.
    bool start(const QString& program, int timeoutMs, Done done);

private:
    void finish(bool appeared);
    void end();

    QDBusConnection m_bus;
    QString m_service;
    QDBusServiceWatcher* m_watcher = nullptr;
    QTimer m_deadline;
    Done m_done;
    qint64 m_pid = 0; // 0: none, or no longer ours to end
};

} // namespace tarvo::server
