#include "server/server_launch.h"

#include "server/server_document_name.h"
#include "server/server_texts.h"

#include <QFileInfo>

namespace tarvo::server {

ServerLaunch::~ServerLaunch()
{
    if (m_running)
        cancel(CancelNotice::Quiet);
}

void ServerLaunch::start(const QString& serverDocumentPath, std::uint32_t window)
{
    if (m_running)
        return;
    m_running = true;
    m_path = serverDocumentPath;
    m_window = window;
    m_round = 0;
    if (!hasServerDocumentExtension(m_path)) {
        report(texts::kNoHvdExtension.arg(m_path), true);
        finish(LaunchEnd::BadExtension);
        return;
    }
    if (!QFileInfo(m_path).isFile()) {
        report(texts::kDocumentNotFound.arg(m_path), true);
        finish(LaunchEnd::DocumentMissing);
        return;
    }
    await(LaunchStep::StartLogin);
    m_connection.create(ServerKind::Login, [this](CallStatus status, const ServerObject& object) {
        if (!answered())
            return;
        m_loginServer = object;
        if (status != CallStatus::Ok || !object.exists()) {
            report(texts::kLoginNotStarted, false);
            finish(LaunchEnd::LoginNotStarted);
            return;
        }
        logIn();
    });
}

void ServerLaunch::logIn()
{
    ++m_round;
    LoginArguments arguments;
    arguments.window = m_window;
    await(LaunchStep::Login);
    m_connection.login(m_loginServer, arguments,
                       [this](CallStatus status, std::int32_t loginStatus, const LoginArguments& back) {
                           if (answered())
                               loginAnswered(status, loginStatus, back);
                       });
}

void ServerLaunch::loginAnswered(CallStatus status, std::int32_t loginStatus, const LoginArguments& arguments)
{
    if (status != CallStatus::Ok) {
        report(texts::kLoginNotStarted, false);
        finish(LaunchEnd::LoginNotStarted);
        return;
    }
    if (loginStatus != 0) {
        finish(LaunchEnd::LoginEnded);
        return;
    }
    if (arguments.accessLevel <= kHighestOpeningAccessLevel) {
        createHalvard();
        return;
    }
    if (m_round == kMaxLoginRounds) {
        report(texts::kInvalidAccessLevel, false);
        finish(LaunchEnd::AccessLevelRefused);
        return;
    }
    const bool again = m_listener.askAgain(texts::kInvalidAccessLevel);
    if (!m_running)
        return;
    if (again)
        logIn();
    else
        finish(LaunchEnd::AccessLevelRefused);
}

void ServerLaunch::createHalvard()
{
    await(LaunchStep::StartHalvard);
    m_connection.create(ServerKind::Halvard, [this](CallStatus status, const ServerObject& object) {
        if (!answered())
            return;
        m_halvard = object;
        // Whatever kept the server from being obtained is reported: after a
        // completed login the user expects to hear why nothing opened.
        if (status != CallStatus::Ok || !object.exists()) {
            report(texts::kLaunchException, true);
            finish(LaunchEnd::ServerNotObtained);
            return;
        }
        listDocuments();
    });
}

void ServerLaunch::listDocuments()
{
    await(LaunchStep::Documents);
    m_connection.documents(m_halvard, [this](CallStatus status, const ServerObject& object) {
        if (!answered())
            return;
        m_documents = object;
        if (status != CallStatus::Ok)
            failed(status);
        else if (!object.exists())
            failed(CallStatus::Lost);
        else
            liftRestrictions();
    });
}

void ServerLaunch::liftRestrictions()
{
    await(LaunchStep::Bypass);
    m_restrictionsLifted = true;
    m_connection.setAutomationBypass(m_halvard, true, [this](CallStatus status) {
        if (!answered())
            return;
        if (status != CallStatus::Ok)
            report(texts::kBypassException, true);
        if (m_running)
            openDocument();
    });
}

void ServerLaunch::openDocument()
{
    await(LaunchStep::Open);
    m_connection.open(m_documents, m_path, [this](CallStatus status, const ServerObject& object) {
        if (!answered())
            return;
        m_document = object;
        // The restrictions are restored whatever the open did, a failure included.
        restoreRestrictions(status);
    });
}

void ServerLaunch::restoreRestrictions(CallStatus opened)
{
    await(LaunchStep::Restore);
    m_restrictionsLifted = false;
    m_connection.setAutomationBypass(m_halvard, false, [this, opened](CallStatus status) {
        if (!answered())
            return;
        if (status != CallStatus::Ok)
            report(texts::kRestoreException, true);
        if (!m_running)
            return;
        if (opened != CallStatus::Ok)
            failed(opened);
        else if (!m_document.exists())
            finish(LaunchEnd::NoDocument);
        else
            showDocument();
    });
}

void ServerLaunch::showDocument()
{
    await(LaunchStep::Show);
    m_connection.show(m_document, kShowVisible, kShowMode, [this](CallStatus status) {
        if (!answered())
            return;
        if (status != CallStatus::Ok)
            failed(status);
        else
            restoreWindow();
    });
}

void ServerLaunch::restoreWindow()
{
    await(LaunchStep::WindowState);
    m_connection.setWindowState(m_document, kRestoredWindowState, kWindowStateFlags,
                                [this](CallStatus status) {
                                    if (!answered())
                                        return;
                                    // The document is open either way; the user hears why its window
                                    // may not have come up.
                                    if (status != CallStatus::Ok)
                                        report(texts::kWindowStateException, true);
                                    if (m_running)
                                        finish(LaunchEnd::Launched);
                                });
}

void ServerLaunch::failed(CallStatus status)
{
    if (status == CallStatus::Lost)
        report(texts::kGeneralException, true);
    if (m_running)
        finish(LaunchEnd::CallsFailed);
}

void ServerLaunch::cancel(CancelNotice notice)
{
    if (!m_running)
        return;
    m_connection.abandon();
    // The server is never left with its restrictions lifted.
    if (m_restrictionsLifted && m_halvard.exists())
        m_connection.restoreRestrictions(m_halvard);
    m_restrictionsLifted = false;
    if (m_waiting) {
        m_waiting = false;
        m_listener.waitEnded();
    }
    if (notice == CancelNotice::Say)
        m_listener.report(texts::kLaunchCancelled, false);
    finish(LaunchEnd::Cancelled);
}

void ServerLaunch::finish(LaunchEnd end)
{
    if (!m_running)
        return;
    m_running = false;
    for (ServerObject* object : {&m_document, &m_documents, &m_halvard, &m_loginServer}) {
        if (object->exists())
            m_connection.release(*object);
        *object = {};
    }
    m_listener.ended(end);
}

void ServerLaunch::await(LaunchStep step)
{
    m_waiting = true;
    m_listener.waiting(step);
}

bool ServerLaunch::answered()
{
    m_waiting = false;
    m_listener.waitEnded();
    return m_running;
}

void ServerLaunch::report(const QString& text, bool exclamation)
{
    m_listener.report(text, exclamation);
}

} // namespace tarvo::server
