#pragma once
// The servers on the D-Bus session bus. Every call waits at most its
// time-out; the wait keeps the windows painted but takes no user input.
// Every answer's signature is checked against docs/dbus.md. A release is
// sent without waiting for its answer.

#include "server/launch_settings.h"
#include "server/server_connection.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantList>

namespace tarvo::server {

class DbusServerConnection final : public ServerConnection {
public:
    DbusServerConnection(const QDBusConnection& bus, LaunchSettings settings);

    CallStatus create(ServerKind server, ServerObject& object) override;
    CallStatus login(const ServerObject& loginServer, LoginArguments& arguments,
                     std::int32_t& status) override;
    CallStatus documents(const ServerObject& halvard, ServerObject& documents) override;
    CallStatus setAutomationBypass(const ServerObject& halvard, bool bypass) override;
    CallStatus open(const ServerObject& documents, const QString& path, ServerObject& document) override;
    CallStatus show(const ServerObject& document, bool visible, std::int16_t mode) override;
    CallStatus setWindowState(const ServerObject& document, std::int16_t state, std::int32_t flags) override;
    void release(const ServerObject& object) override;

private:
    // The service is on the bus, activated by the bus, or started from
    // program and seen on the bus within the start time-out.
    bool ensureService(const QString& service, const QString& program);
    bool serviceOnBus(const QString& service);
    bool waitForService(const QString& service, const QString& program);
    CallStatus call(const QString& service, const QString& path, const QString& interface,
                    const QString& method, const QVariantList& arguments, int timeoutMs, QDBusMessage& reply);
    CallStatus callObject(const ServerObject& object, const QString& interface, const QString& method,
                          const QVariantList& arguments, QDBusMessage& reply);
    // An object path answer: Ok with the object (empty for "none"), or Lost
    // when the answer is not an object path.
    static CallStatus objectOf(CallStatus status, const QDBusMessage& reply, ServerKind server,
                               ServerObject& object);
    // A call that answers nothing: Lost when the answer carries anything.
    static CallStatus emptyReply(CallStatus status, const QDBusMessage& reply);

    QDBusConnection m_bus;
    LaunchSettings m_settings;
};

} // namespace tarvo::server
