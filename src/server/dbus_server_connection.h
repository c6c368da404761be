#pragma once
// The servers on the D-Bus session bus. Every call goes out asynchronously
// and is answered through a pending-call watcher, at most its time-out
// later; the event loop runs freely meanwhile. Every answer's signature is
// checked against docs/dbus.md. A release is sent without waiting for its
// answer.

#include "server/launch_settings.h"
#include "server/server_connection.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QPointer>
#include <QVariantList>

class QDBusPendingCallWatcher;

namespace tarvo::server {

class StartedProgram;

class DbusServerConnection final : public QObject, public ServerConnection {
    Q_OBJECT
public:
    DbusServerConnection(const QDBusConnection& bus, LaunchSettings settings, QObject* parent = nullptr);
    ~DbusServerConnection() override;

    void create(ServerKind server, ObjectDone done) override;
    void login(const ServerObject& loginServer, const LoginArguments& arguments, LoginDone done) override;
    void documents(const ServerObject& halvard, ObjectDone done) override;
    void setAutomationBypass(const ServerObject& halvard, bool bypass, Done done) override;
    void open(const ServerObject& documents, const QString& path, ObjectDone done) override;
    void show(const ServerObject& document, bool visible, std::int16_t mode, Done done) override;
    void setWindowState(const ServerObject& document, std::int16_t state, std::int32_t flags,
                        Done done) override;
    void restoreRestrictions(const ServerObject& halvard) override;
    void release(const ServerObject& object) override;
    void abandon() override;

private:
    using Reply = std::function<void(CallStatus status, const QDBusMessage& reply)>;

    // The service is on the bus, activated by the bus, or started from
    // program and seen on the bus within the start time-out.
    void ensureService(const QString& service, const QString& program, std::function<void(bool)> done);
    void startProgram(const QString& service, const QString& program, std::function<void(bool)> done);
    void call(const QString& service, const QString& path, const QString& interface, const QString& method,
              const QVariantList& arguments, int timeoutMs, Reply done);
    void callObject(const ServerObject& object, const QString& interface, const QString& method,
                    const QVariantList& arguments, Reply done);
    void callWithoutAnswer(const ServerObject& object, const QString& interface, const QString& method,
                           const QVariantList& arguments);
    // An object path answer: Ok with the object (empty for "none"), or Lost
    // when the answer is not an object path.
    static void answerObject(CallStatus status, const QDBusMessage& reply, ServerKind server,
                             const ObjectDone& done);
    // A call that answers nothing: Lost when the answer carries anything.
    static Reply emptyReply(Done done);

    QDBusConnection m_bus;
    LaunchSettings m_settings;
    // The operation under way: a call, or a program waited for.
    QPointer<QDBusPendingCallWatcher> m_pending;
    QPointer<StartedProgram> m_starting;
};

} // namespace tarvo::server
