// A stand-in for the login server (built with FAKE_LOGIN_SERVER) or the
// Halvard server on the session bus. It appends every call it gets, with its
// arguments, to the record file as "<server> <object> <Method>(<arguments>)"
// and answers as its options say:
//   --record FILE      where calls are recorded (appended, one per line)
//   --status N         the login's status (default 0)
//   --levels 3,2       access levels of successive logins; the last repeats
//   --no-document      Open answers with no document
//   --fail CALL        CALL answers with an error of the server's own
//   --silent CALL      CALL gets no answer at all
//   --wrong-reply CALL CALL answers with an extra string the call does not have
//   --unregistered     never comes onto the bus: a server that hangs while starting
// CALL is "create", "release" or the number of the call: 1 the login,
// 2 Documents, 3 and 5 SetAutomationBypass(true / false), 4 Open, 6 Show,
// 7 SetWindowState. The server ends when its last object is released.

#include "server/dbus_names.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVirtualObject>
#include <QFile>
#include <QSet>
#include <QTimer>

namespace {

using namespace tarvo::server::bus;

#ifdef FAKE_LOGIN_SERVER
const QString kRole = QStringLiteral("login");
const QString& kService = kLoginService;
const QString& kFactory = kLoginFactoryPath;
#else
const QString kRole = QStringLiteral("halvard");
const QString& kService = kHalvardService;
const QString& kFactory = kHalvardFactoryPath;
#endif
// No fake outlives a test run by long, whatever happens to its client.
constexpr int kLifetimeMs = 60000;

struct Script {
    QString recordFile;
    int status = 0;
    QList<int> levels{2};
    bool noDocument = false;
    QStringList failing;
    QStringList silent;
    QStringList wrongReply;
    bool unregistered = false;
};

QString describe(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<bool>())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    if (value.metaType() == QMetaType::fromType<QString>())
        return QLatin1Char('"') + value.toString() + QLatin1Char('"');
    return value.toString();
}

class FakeServer final : public QDBusVirtualObject {
public:
    explicit FakeServer(Script script) : m_script(std::move(script)) {}

    QString introspect(const QString&) const override { return {}; }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override
    {
        const QString object = message.path() == kFactory ? QStringLiteral("factory")
                                                          : message.path().section(QLatin1Char('/'), -1);
        QStringList arguments;
        for (const QVariant& argument : message.arguments())
            arguments << describe(argument);
        record(QStringLiteral("%1 %2 %3(%4)").arg(kRole, object, message.member(), arguments.join(", ")));

        const QString call = callOf(message);
        if (m_script.silent.contains(call))
            return true;
        if (m_script.failing.contains(call)) {
            connection.send(message.createErrorReply(QStringLiteral("com.corvane.Automation.Error.Failed"),
                                                     QStringLiteral("scripted failure of call ") + call));
            return true;
        }
        QDBusMessage reply = answer(message, call, object);
        if (m_script.wrongReply.contains(call))
            reply << QStringLiteral("unexpected");
        connection.send(reply);
        if (call == QStringLiteral("release") && m_live.isEmpty())
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return true;
    }

private:
    static QString callOf(const QDBusMessage& message)
    {
        const QString member = message.member();
        if (member == kCreate)
            return QStringLiteral("create");
        if (member == kRelease)
            return QStringLiteral("release");
        if (member == kLogin)
            return QStringLiteral("1");
        if (member == kDocuments)
            return QStringLiteral("2");
        if (member == kSetAutomationBypass)
            return message.arguments().value(0).toBool() ? QStringLiteral("3") : QStringLiteral("5");
        if (member == kOpen)
            return QStringLiteral("4");
        if (member == kShow)
            return QStringLiteral("6");
        return member == kSetWindowState ? QStringLiteral("7") : member;
    }

    QDBusMessage answer(const QDBusMessage& message, const QString& call, const QString& object)
    {
        if (call == QStringLiteral("create"))
            return message.createReply(
                QVariant::fromValue(makeObject(kRole == QStringLiteral("login") ? "login" : "app")));
        if (call == QStringLiteral("2"))
            return message.createReply(QVariant::fromValue(makeObject("documents")));
        if (call == QStringLiteral("4"))
            return message.createReply(QVariant::fromValue(m_script.noDocument ? QDBusObjectPath(kNoObject)
                                                                               : makeObject("document")));
        if (call == QStringLiteral("release"))
            m_live.remove(object);
        if (call == QStringLiteral("1")) {
            const int level =
                m_script.levels.size() > 1 ? m_script.levels.takeFirst() : m_script.levels.first();
            return message.createReply({m_script.status, QStringLiteral("installer"), QString(),
                                        QVariant::fromValue<quint16>(static_cast<quint16>(level))});
        }
        return message.createReply();
    }

    QDBusObjectPath makeObject(const char* kind)
    {
        const QString name = QLatin1String(kind) + QString::number(++m_made[QLatin1String(kind)]);
        m_live.insert(name);
        return QDBusObjectPath(kFactory + QLatin1Char('/') + name);
    }

    void record(const QString& line) const
    {
        QFile file(m_script.recordFile);
        if (file.open(QIODevice::Append | QIODevice::Text))
            file.write((line + QLatin1Char('\n')).toUtf8());
    }

    Script m_script;
    QHash<QString, int> m_made;
    QSet<QString> m_live;
};

Script parse(const QCoreApplication& app)
{
    QCommandLineParser parser;
    const QCommandLineOption record(QStringLiteral("record"), {}, QStringLiteral("file"));
    const QCommandLineOption status(QStringLiteral("status"), {}, QStringLiteral("n"));
    const QCommandLineOption levels(QStringLiteral("levels"), {}, QStringLiteral("list"));
    const QCommandLineOption noDocument(QStringLiteral("no-document"));
    const QCommandLineOption fail(QStringLiteral("fail"), {}, QStringLiteral("call"));
    const QCommandLineOption silent(QStringLiteral("silent"), {}, QStringLiteral("call"));
    const QCommandLineOption wrongReply(QStringLiteral("wrong-reply"), {}, QStringLiteral("call"));
    const QCommandLineOption unregistered(QStringLiteral("unregistered"));
    parser.addOptions({record, status, levels, noDocument, fail, silent, wrongReply, unregistered});
    parser.process(app);
    Script script;
    script.recordFile = parser.value(record);
    script.status = parser.value(status).toInt();
    if (parser.isSet(levels)) {
        script.levels.clear();
        for (const QString& level : parser.value(levels).split(QLatin1Char(',')))
            script.levels << level.toInt();
    }
    script.noDocument = parser.isSet(noDocument);
    script.failing = parser.values(fail);
    script.silent = parser.values(silent);
    script.wrongReply = parser.values(wrongReply);
    script.unregistered = parser.isSet(unregistered);
    return script;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const Script script = parse(app);
    FakeServer server(script);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!script.unregistered && (!bus.registerVirtualObject(kFactory, &server, QDBusConnection::SubPath) ||
                                 !bus.registerService(kService)))
        return 1;
    QTimer::singleShot(kLifetimeMs, &app, &QCoreApplication::quit);
    return QCoreApplication::exec();
}
