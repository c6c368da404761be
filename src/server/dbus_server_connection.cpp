#include "server/dbus_server_connection.h"

#include "server/dbus_names.h"

#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QTimer>

namespace tarvo::server {

namespace {

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
const QString kBusInterface = QStringLiteral("org.freedesktop.DBus");
const QString kNameHasOwner = QStringLiteral("NameHasOwner");
const QString kStartServiceByName = QStringLiteral("StartServiceByName");
constexpr quint32 kNoStartFlags = 0;

const QString& serviceOf(ServerKind server)
{
    return server == ServerKind::Login ? bus::kLoginService : bus::kHalvardService;
}

const QString& factoryOf(ServerKind server)
{
    return server == ServerKind::Login ? bus::kLoginFactoryPath : bus::kHalvardFactoryPath;
}

// Runs the event loop, without user input, until pending has its answer;
// the bus ends the call with an error when its time-out passes.
void waitFor(const QDBusPendingCall& pending)
{
    QDBusPendingCallWatcher watcher(pending);
    if (watcher.isFinished())
        return;
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

DbusServerConnection::DbusServerConnection(const QDBusConnection& bus, LaunchSettings settings)
    : m_bus(bus), m_settings(std::move(settings))
{
}

CallStatus DbusServerConnection::call(const QString& service, const QString& path, const QString& interface,
                                      const QString& method, const QVariantList& arguments, int timeoutMs,
                                      QDBusMessage& reply)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    const QDBusPendingCall pending = m_bus.asyncCall(message, timeoutMs);
    waitFor(pending);
    reply = pending.reply();
    if (reply.type() == QDBusMessage::ReplyMessage)
        return CallStatus::Ok;
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName().startsWith(bus::kServerErrorPrefix))
        return CallStatus::Refused;
    return CallStatus::Lost;
}

CallStatus DbusServerConnection::callObject(const ServerObject& object, const QString& interface,
                                            const QString& method, const QVariantList& arguments,
                                            QDBusMessage& reply)
{
    return call(serviceOf(object.server), object.path, interface, method, arguments, m_settings.callTimeoutMs,
                reply);
}

CallStatus DbusServerConnection::objectOf(CallStatus status, const QDBusMessage& reply, ServerKind server,
                                          ServerObject& object)
{
    if (status != CallStatus::Ok)
        return status;
    if (reply.signature() != bus::kObjectReplySignature)
        return CallStatus::Lost;
    const QString path = reply.arguments().at(0).value<QDBusObjectPath>().path();
    if (path != bus::kNoObject)
        object = ServerObject{server, path};
    return CallStatus::Ok;
}

CallStatus DbusServerConnection::emptyReply(CallStatus status, const QDBusMessage& reply)
{
    if (status == CallStatus::Ok && !reply.signature().isEmpty())
        return CallStatus::Lost;
    return status;
}

bool DbusServerConnection::serviceOnBus(const QString& service)
{
    QDBusMessage reply;
    return call(kBusService, kBusPath, kBusInterface, kNameHasOwner, {service}, m_settings.callTimeoutMs,
                reply) == CallStatus::Ok &&
           reply.signature() == QLatin1String("b") && reply.arguments().at(0).toBool();
}

bool DbusServerConnection::ensureService(const QString& service, const QString& program)
{
    if (serviceOnBus(service))
        return true;
    QDBusMessage reply;
    if (call(kBusService, kBusPath, kBusInterface, kStartServiceByName, {service, kNoStartFlags},
             m_settings.startTimeoutMs, reply) == CallStatus::Ok)
        return true;
    return waitForService(service, program);
}

bool DbusServerConnection::waitForService(const QString& service, const QString& program)
{
    if (program.isEmpty() || !QFileInfo(program).isFile())
        return false;
    // Watching starts before the program does, so its arrival is not missed.
    QDBusServiceWatcher watcher(service, m_bus, QDBusServiceWatcher::WatchForRegistration);
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusServiceWatcher::serviceRegistered, &loop, &QEventLoop::quit);
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    if (!QProcess::startDetached(program, {}))
        return false;
    if (serviceOnBus(service))
        return true;
    deadline.start(m_settings.startTimeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return serviceOnBus(service);
}

CallStatus DbusServerConnection::create(ServerKind server, ServerObject& object)
{
    const QString& program =
        server == ServerKind::Login ? m_settings.loginProgram : m_settings.halvardProgram;
    if (!ensureService(serviceOf(server), program))
        return CallStatus::Lost;
    QDBusMessage reply;
    const CallStatus status = call(serviceOf(server), factoryOf(server), bus::kFactoryInterface, bus::kCreate,
                                   {}, m_settings.callTimeoutMs, reply);
    return objectOf(status, reply, server, object);
}

CallStatus DbusServerConnection::login(const ServerObject& loginServer, LoginArguments& arguments,
                                       std::int32_t& status)
{
    const QVariantList in = {arguments.flag,
                             arguments.user,
                             arguments.password,
                             QVariant::fromValue<quint16>(arguments.accessLevel),
                             QVariant::fromValue<quint32>(arguments.window),
                             arguments.reserved,
                             arguments.application,
                             QVariant::fromValue<qint32>(arguments.reservedNumber),
                             QVariant::fromValue<qint32>(arguments.mode)};
    QDBusMessage reply;
    const CallStatus result = call(bus::kLoginService, loginServer.path, bus::kLoginInterface, bus::kLogin,
                                   in, m_settings.loginTimeoutMs, reply);
    if (result != CallStatus::Ok)
        return result;
    if (reply.signature() != bus::kLoginReplySignature)
        return CallStatus::Lost;
    const QVariantList out = reply.arguments();
    status = out.at(0).toInt();
    arguments.user = out.at(1).toString();
    arguments.password = out.at(2).toString();
    arguments.accessLevel = static_cast<std::uint16_t>(out.at(3).toUInt());
    return CallStatus::Ok;
}

CallStatus DbusServerConnection::documents(const ServerObject& halvard, ServerObject& documents)
{
    QDBusMessage reply;
    const CallStatus status = callObject(halvard, bus::kApplicationInterface, bus::kDocuments, {}, reply);
    return objectOf(status, reply, ServerKind::Halvard, documents);
}

CallStatus DbusServerConnection::setAutomationBypass(const ServerObject& halvard, bool bypass)
{
    QDBusMessage reply;
    return emptyReply(
        callObject(halvard, bus::kApplicationInterface, bus::kSetAutomationBypass, {bypass}, reply), reply);
}

CallStatus DbusServerConnection::open(const ServerObject& documents, const QString& path,
                                      ServerObject& document)
{
    QDBusMessage reply;
    const CallStatus status = callObject(documents, bus::kDocumentsInterface, bus::kOpen, {path}, reply);
    return objectOf(status, reply, ServerKind::Halvard, document);
}

CallStatus DbusServerConnection::show(const ServerObject& document, bool visible, std::int16_t mode)
{
    QDBusMessage reply;
    return emptyReply(callObject(document, bus::kDocumentInterface, bus::kShow,
                                 {visible, QVariant::fromValue<qint16>(mode)}, reply),
                      reply);
}

CallStatus DbusServerConnection::setWindowState(const ServerObject& document, std::int16_t state,
                                                std::int32_t flags)
{
    QDBusMessage reply;
    return emptyReply(callObject(document, bus::kDocumentInterface, bus::kSetWindowState,
                                 {QVariant::fromValue<qint16>(state), QVariant::fromValue<qint32>(flags)},
                                 reply),
                      reply);
}

void DbusServerConnection::release(const ServerObject& object)
{
    // Sent without waiting for the reply: nothing follows from it, and a
    // server that does not answer must not hold the window.
    QDBusMessage message = QDBusMessage::createMethodCall(serviceOf(object.server), object.path,
                                                          bus::kObjectInterface, bus::kRelease);
    m_bus.send(message);
}

} // namespace tarvo::server
