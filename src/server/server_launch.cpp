#include "server/server_launch.h"

#include "server/server_document_name.h"
#include "server/server_texts.h"

#include <QFileInfo>

namespace tarvo::server {

// Everything obtained from the servers; released in this order when the
// launch ends, whichever way it ends.
struct ServerLaunch::Objects {
    explicit Objects(ServerConnection& c) : connection(c) {}
    ~Objects()
    {
        for (const ServerObject* object : {&document, &documents, &halvard, &loginServer})
            if (object->exists())
                connection.release(*object);
    }
    Objects(const Objects&) = delete;
    Objects& operator=(const Objects&) = delete;

    ServerConnection& connection;
    ServerObject loginServer;
    ServerObject halvard;
    ServerObject documents;
    ServerObject document;
};

LaunchEnd ServerLaunch::run(const QString& serverDocumentPath, std::uint32_t window)
{
    if (!hasServerDocumentExtension(serverDocumentPath)) {
        m_report(texts::kNoHvdExtension.arg(serverDocumentPath), true);
        return LaunchEnd::BadExtension;
    }
    if (!QFileInfo(serverDocumentPath).isFile()) {
        m_report(texts::kDocumentNotFound.arg(serverDocumentPath), true);
        return LaunchEnd::DocumentMissing;
    }

    Objects objects(m_connection);
    if (m_connection.create(ServerKind::Login, objects.loginServer) != CallStatus::Ok ||
        !objects.loginServer.exists()) {
        m_report(texts::kLoginNotStarted, false);
        return LaunchEnd::LoginNotStarted;
    }
    LaunchEnd end = LaunchEnd::Launched;
    if (!logIn(objects.loginServer, window, end))
        return end;

    // Whatever kept the server from being obtained is reported: after a
    // completed login the user expects to hear why nothing opened.
    if (m_connection.create(ServerKind::Halvard, objects.halvard) != CallStatus::Ok ||
        !objects.halvard.exists()) {
        m_report(texts::kLaunchException, true);
        return LaunchEnd::ServerNotObtained;
    }
    return openDocument(objects, serverDocumentPath);
}

bool ServerLaunch::logIn(const ServerObject& loginServer, std::uint32_t window, LaunchEnd& end)
{
    for (int round = 1;; ++round) {
        LoginArguments arguments;
        arguments.window = window;
        std::int32_t status = -1;
        if (m_connection.login(loginServer, arguments, status) != CallStatus::Ok) {
            m_report(texts::kLoginNotStarted, false);
            end = LaunchEnd::LoginNotStarted;
            return false;
        }
        if (status != 0) {
            end = LaunchEnd::LoginEnded;
            return false;
        }
        if (arguments.accessLevel <= kHighestOpeningAccessLevel)
            return true;
        end = LaunchEnd::AccessLevelRefused;
        if (round == kMaxLoginRounds) {
            m_report(texts::kInvalidAccessLevel, false);
            return false;
        }
        if (!m_askAgain(texts::kInvalidAccessLevel))
            return false;
    }
}

LaunchEnd ServerLaunch::openDocument(Objects& objects, const QString& path)
{
    // A refusal by the server is dropped without a message; a call that got
    // no usable answer is reported once, after the restrictions are back.
    auto failed = [this](CallStatus status) {
        if (status == CallStatus::Lost)
            m_report(texts::kGeneralException, true);
        return LaunchEnd::CallsFailed;
    };

    const CallStatus listed = m_connection.documents(objects.halvard, objects.documents);
    if (listed != CallStatus::Ok)
        return failed(listed);
    if (!objects.documents.exists())
        return failed(CallStatus::Lost);

    if (m_connection.setAutomationBypass(objects.halvard, true) != CallStatus::Ok)
        m_report(texts::kBypassException, true);
    const CallStatus opened = m_connection.open(objects.documents, path, objects.document);
    // The restrictions are restored whatever the open did, a failure included.
    if (m_connection.setAutomationBypass(objects.halvard, false) != CallStatus::Ok)
        m_report(texts::kRestoreException, true);
    if (opened != CallStatus::Ok)
        return failed(opened);
    if (!objects.document.exists())
        return LaunchEnd::NoDocument;

    const CallStatus shown = m_connection.show(objects.document, kShowVisible, kShowMode);
    if (shown != CallStatus::Ok)
        return failed(shown);
    // The window state is a nicety; the document is open either way.
    m_connection.setWindowState(objects.document, kRestoredWindowState, kWindowStateFlags);
    return LaunchEnd::Launched;
}

} // namespace tarvo::server
