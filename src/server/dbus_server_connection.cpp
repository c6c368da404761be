#include "server/dbus_server_connection.h"

#include "server/dbus_names.h"
#include "server/started_program.h"

#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>

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

CallStatus statusOf(const QDBusMessage& reply)
{
    if (reply.type() == QDBusMessage::ReplyMessage)
        return CallStatus::Ok;
    if (reply.type() == QDBusMessage::ErrorMessage && reply.errorName().startsWith(bus::kServerErrorPrefix))
        return CallStatus::Refused;
    return CallStatus::Lost;
}

} // namespace

DbusServerConnection::DbusServerConnection(const QDBusConnection& bus, LaunchSettings settings,
                                           QObject* parent)
    : QObject(parent), m_bus(bus), m_settings(std::move(settings))
{
}

DbusServerConnection::~DbusServerConnection()
{
    abandon();
}

void DbusServerConnection::abandon()
{
    if (m_pending) {
        m_pending->disconnect(this);
        m_pending->deleteLater();
        m_pending = nullptr;
    }
    // Ends the program if it has not appeared yet.
    delete m_starting;
    m_starting = nullptr;
}

void DbusServerConnection::call(const QString& service, const QString& path, const QString& interface,
                                const QString& method, const QVariantList& arguments, int timeoutMs,
                                Reply done)
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
    message.setArguments(arguments);
    auto* watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(message, timeoutMs), this);
    m_pending = watcher;
    // The bus itself ends the call with an error when its time-out passes.
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, done = std::move(done)] {
        watcher->deleteLater();
        m_pending = nullptr;
        const QDBusMessage reply = watcher->reply();
        done(statusOf(reply), reply);
    });
}

void DbusServerConnection::callObject(const ServerObject& object, const QString& interface,
                                      const QString& method, const QVariantList& arguments, Reply done)
{
    call(serviceOf(object.server), object.path, interface, method, arguments, m_settings.callTimeoutMs,
         std::move(done));
}

void DbusServerConnection::callWithoutAnswer(const ServerObject& object, const QString& interface,
                                             const QString& method, const QVariantList& arguments)
{
    // Nothing follows from the answer, and a server that does not answer
    // must not hold anything up.
    QDBusMessage message =
        QDBusMessage::createMethodCall(serviceOf(object.server), object.path, interface, method);
    message.setArguments(arguments);
    m_bus.send(message);
}

void DbusServerConnection::answerObject(CallStatus status, const QDBusMessage& reply, ServerKind server,
                                        const ObjectDone& done)
{
    if (status != CallStatus::Ok) {
        done(status, {});
        return;
    }
    if (reply.signature() != bus::kObjectReplySignature) {
        done(CallStatus::Lost, {});
        return;
    }
    const QString path = reply.arguments().at(0).value<QDBusObjectPath>().path();
    done(CallStatus::Ok, path == bus::kNoObject ? ServerObject{} : ServerObject{server, path});
}

DbusServerConnection::Reply DbusServerConnection::emptyReply(Done done)
{
    return [done = std::move(done)](CallStatus status, const QDBusMessage& reply) {
        done(status == CallStatus::Ok && !reply.signature().isEmpty() ? CallStatus::Lost : status);
    };
}

void DbusServerConnection::ensureService(const QString& service, const QString& program,
                                         std::function<void(bool)> done)
{
    call(kBusService, kBusPath, kBusInterface, kNameHasOwner, {service}, m_settings.callTimeoutMs,
         [this, service, program, done = std::move(done)](CallStatus status,
                                                          const QDBusMessage& reply) mutable {
             if (status == CallStatus::Ok && reply.signature() == QLatin1String("b") &&
                 reply.arguments().at(0).toBool()) {
                 done(true);
                 return;
             }
             call(kBusService, kBusPath, kBusInterface, kStartServiceByName, {service, kNoStartFlags},
                  m_settings.startTimeoutMs,
                  [this, service, program, done = std::move(done)](CallStatus started,
                                                                   const QDBusMessage&) mutable {
                      if (started == CallStatus::Ok)
                          done(true);
                      else
                          startProgram(service, program, std::move(done));
                  });
         });
}

void DbusServerConnection::startProgram(const QString& service, const QString& program,
                                        std::function<void(bool)> done)
{
    if (program.isEmpty() || !QFileInfo(program).isFile()) {
        done(false);
        return;
    }
    auto* starting = new StartedProgram(m_bus, service, this);
    m_starting = starting;
    const bool started =
        starting->start(program, m_settings.startTimeoutMs, [this, starting, done](bool appeared) {
            m_starting = nullptr;
            starting->deleteLater();
            done(appeared);
        });
    if (!started) {
        delete starting;
        done(false);
    }
}

void DbusServerConnection::create(ServerKind server, ObjectDone done)
{
    const QString& program =
        server == ServerKind::Login ? m_settings.loginProgram : m_settings.halvardProgram;
    ensureService(serviceOf(server), program, [this, server, done = std::move(done)](bool running) {
        if (!running) {
            done(CallStatus::Lost, {});
            return;
        }
        call(serviceOf(server), factoryOf(server), bus::kFactoryInterface, bus::kCreate, {},
             m_settings.callTimeoutMs, [server, done](CallStatus status, const QDBusMessage& reply) {
                 answerObject(status, reply, server, done);
             });
    });
}

void DbusServerConnection::login(const ServerObject& loginServer, const LoginArguments& arguments,
                                 LoginDone done)
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
    call(bus::kLoginService, loginServer.path, bus::kLoginInterface, bus::kLogin, in,
         m_settings.loginTimeoutMs,
         [arguments, done = std::move(done)](CallStatus status, const QDBusMessage& reply) {
             LoginArguments back = arguments;
             if (status != CallStatus::Ok) {
                 done(status, -1, back);
                 return;
             }
             if (reply.signature() != bus::kLoginReplySignature) {
                 done(CallStatus::Lost, -1, back);
                 return;
             }
             const QVariantList out = reply.arguments();
             back.user = out.at(1).toString();
             back.password = out.at(2).toString();
             back.accessLevel = static_cast<std::uint16_t>(out.at(3).toUInt());
             done(CallStatus::Ok, out.at(0).toInt(), back);
         });
}

void DbusServerConnection::documents(const ServerObject& halvard, ObjectDone done)
{
    callObject(halvard, bus::kApplicationInterface, bus::kDocuments, {},
               [done = std::move(done)](CallStatus status, const QDBusMessage& reply) {
                   answerObject(status, reply, ServerKind::Halvard, done);
               });
}

void DbusServerConnection::setAutomationBypass(const ServerObject& halvard, bool bypass, Done done)
{
    callObject(halvard, bus::kApplicationInterface, bus::kSetAutomationBypass, {bypass},
               emptyReply(std::move(done)));
}

void DbusServerConnection::open(const ServerObject& documents, const QString& path, ObjectDone done)
{
    callObject(documents, bus::kDocumentsInterface, bus::kOpen, {path},
               [done = std::move(done)](CallStatus status, const QDBusMessage& reply) {
                   answerObject(status, reply, ServerKind::Halvard, done);
               });
}

void DbusServerConnection::show(const ServerObject& document, bool visible, std::int16_t mode, Done done)
{
    callObject(document, bus::kDocumentInterface, bus::kShow, {visible, QVariant::fromValue<qint16>(mode)},
               emptyReply(std::move(done)));
}

void DbusServerConnection::setWindowState(const ServerObject& document, std::int16_t state,
                                          std::int32_t flags, Done done)
{
    callObject(document, bus::kDocumentInterface, bus::kSetWindowState,
               {QVariant::fromValue<qint16>(state), QVariant::fromValue<qint32>(flags)},
               emptyReply(std::move(done)));
}

void DbusServerConnection::restoreRestrictions(const ServerObject& halvard)
{
    callWithoutAnswer(halvard, bus::kApplicationInterface, bus::kSetAutomationBypass, {false});
}

void DbusServerConnection::release(const ServerObject& object)
{
    callWithoutAnswer(object, bus::kObjectInterface, bus::kRelease, {});
}

} // namespace tarvo::server
