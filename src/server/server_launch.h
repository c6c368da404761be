#pragma once
// The launch of the Halvard server with a document: the path checks, the
// login and its access-level loop, the calls that open the document and
// bring its window up, and the release of every object obtained, on every
// path. It is a chain of steps driven by the answers of the connection:
// nothing in it waits, and every wait can be cancelled.

#include "server/server_connection.h"

#include <QString>

#include <cstdint>

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

// What the launch waits for, in the order it can wait.
enum class LaunchStep {
    StartLogin,
    Login,
    StartHalvard,
    Documents,
    Bypass,
    Open,
    Restore,
    Show,
    WindowState
};

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
    Cancelled, // the user or the window gave up a wait
};

// Who shows the launch: its messages, its question, and its waits.
class LaunchListener {
public:
    virtual ~LaunchListener() = default;
    // exclamation: shown with the exclamation icon; the login's messages have none.
    virtual void report(const QString& text, bool exclamation) = 0;
    // The access-level message with OK and Cancel: true (OK) logs in again.
    virtual bool askAgain(const QString& text) = 0;
    // A call went out; waitEnded follows when it is answered.
    virtual void waiting(LaunchStep step) = 0;
    virtual void waitEnded() = 0;
    // The last thing the launch does; the listener may delete it here.
    virtual void ended(LaunchEnd end) = 0;
};

// Whether a cancelled launch says so.
enum class CancelNotice { Say, Quiet };

class ServerLaunch {
public:
    ServerLaunch(ServerConnection& connection, LaunchListener& listener)
        : m_connection(connection), m_listener(listener)
    {
    }
    // A launch still under way is cancelled quietly.
    ~ServerLaunch();
    ServerLaunch(const ServerLaunch&) = delete;
    ServerLaunch& operator=(const ServerLaunch&) = delete;

    // Starts the launch; window is the handle passed to the login server.
    // The path checks end it at once; otherwise it goes on from the event loop.
    void start(const QString& serverDocumentPath, std::uint32_t window);
    // Gives up the wait under way, restores the server's restrictions if
    // they are lifted, releases every object obtained and ends the launch;
    // with Say, one message tells the user.
    void cancel(CancelNotice notice);
    bool running() const { return m_running; }

private:
    void logIn();
    void loginAnswered(CallStatus status, std::int32_t loginStatus, const LoginArguments& arguments);
    void createHalvard();
    void listDocuments();
    void liftRestrictions();
    void openDocument();
    void restoreRestrictions(CallStatus opened);
    void showDocument();
    void restoreWindow();
    // A refusal ends the launch without a message; no usable answer with one.
    void failed(CallStatus status);
    // Releases every object obtained, in order, and tells the listener.
    void finish(LaunchEnd end);
    void await(LaunchStep step);
    // The listener's answer came; false when the launch was cancelled meanwhile.
    bool answered();
    void report(const QString& text, bool exclamation);

    ServerConnection& m_connection;
    LaunchListener& m_listener;
    bool m_running = false;
    bool m_waiting = false;
    QString m_path;
    std::uint32_t m_window = 0;
    int m_round = 0;
    // Between calls 3 and 5 the server's restrictions are lifted.
    bool m_restrictionsLifted = false;
    ServerObject m_loginServer;
    ServerObject m_halvard;
    ServerObject m_documents;
    ServerObject m_document;
};

} // namespace tarvo::server
