#pragma once
// The launch of the Halvard server with a document: the path checks, the
// login and its access-level loop, the calls that open the document and
// bring its window up, and the release of every object obtained, on every
// path.

#include "server/server_connection.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace tarvo::server {

// Levels up to this one may open a server document.
inline constexpr std::uint16_t kHighestOpeningAccessLevel = 2;
// Logins answered with a higher level before the launch gives up: a login
// server that keeps answering so cannot keep the user asking for ever.
inline constexpr int kMaxLoginRounds = 5;
// Call 6: shown, mode 1; call 7: state 9 (restored), no flags.
inline constexpr bool kShowVisible = true;
inline constexpr std::int16_t kShowMode = 1;
inline constexpr std::int16_t kRestoredWindowState = 9;
inline constexpr std::int32_t kWindowStateFlags = 0;

enum class LaunchEnd {
    BadExtension,
    DocumentMissing,
    LoginNotStarted,
    LoginEnded,         // the login was cancelled or failed: no message
    AccessLevelRefused, // the user cancelled at the access-level message, or the rounds ran out
    ServerNotObtained,
    CallsFailed, // a call of the server failed; its message (if any) was shown
    NoDocument,  // the server opened no document
    Launched,
};

class ServerLaunch {
public:
    // exclamation: shown with the exclamation icon; the login's messages have none.
    using Report = std::function<void(const QString& text, bool exclamation)>;
    // The access-level message with OK and Cancel: true (OK) logs in again.
    using AskAgain = std::function<bool(const QString& text)>;

    ServerLaunch(ServerConnection& connection, Report report, AskAgain askAgain)
        : m_connection(connection), m_report(std::move(report)), m_askAgain(std::move(askAgain))
    {
    }

    // window: the handle passed to the login server.
    LaunchEnd run(const QString& serverDocumentPath, std::uint32_t window);

private:
    struct Objects;
    bool logIn(const ServerObject& loginServer, std::uint32_t window, LaunchEnd& end);
    LaunchEnd openDocument(Objects& objects, const QString& path);

    ServerConnection& m_connection;
    Report m_report;
    AskAgain m_askAgain;
};

} // namespace tarvo::server
