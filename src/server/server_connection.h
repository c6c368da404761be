#pragma once
// What the launch asks of the login server and the Halvard server, one
// operation per call it makes. Every operation answers later, through its
// callback, from the event loop: nothing waits. The D-Bus implementation is
// DbusServerConnection; the launch itself knows nothing of the bus.

#include <QString>

#include <cstdint>
#include <functional>

namespace tarvo::server {

enum class ServerKind { Login, Halvard };

// How a call ended. Refused: the server answered with an error of its own.
// Lost: no answer within the time allowed, the server went away, or the
// answer could not be read.
enum class CallStatus { Ok, Refused, Lost };

// An object a server made for this program; released when no longer used.
struct ServerObject {
    ServerKind server = ServerKind::Login;
    QString path; // empty: no object
    bool exists() const { return !path.isEmpty(); }
};

// The login call's arguments in order. The user, password and access level
// are passed in and come back changed.
inline constexpr std::uint16_t kAccessLevelOnEntry = 9999;
inline const QString kLoginApplication = QStringLiteral("Corvane GUI Halvard Server");
inline constexpr std::int32_t kLoginReserved = 0;
inline constexpr std::int32_t kLoginMode = 2;

struct LoginArguments {
    bool flag = false;
    QString user;
    QString password;
    std::uint16_t accessLevel = kAccessLevelOnEntry;
    std::uint32_t window = 0;
    QString reserved; // travels empty: the bus has no null string
    QString application = kLoginApplication;
    std::int32_t reservedNumber = kLoginReserved;
    std::int32_t mode = kLoginMode;
};

class ServerConnection {
public:
    using Done = std::function<void(CallStatus status)>;
    // object stays empty when the server answered "no object".
    using ObjectDone = std::function<void(CallStatus status, const ServerObject& object)>;
    // loginStatus 0 means the login completed; arguments as the server gave them back.
    using LoginDone =
        std::function<void(CallStatus status, std::int32_t loginStatus, const LoginArguments& arguments)>;

    virtual ~ServerConnection() = default;

    // One operation is under way at a time; its callback runs once, from the
    // event loop, unless the operation is abandoned first.

    // Makes sure the server runs and has it create an object for this program.
    virtual void create(ServerKind server, ObjectDone done) = 0;
    // Call 1.
    virtual void login(const ServerObject& loginServer, const LoginArguments& arguments, LoginDone done) = 0;
    // Call 2: the object through which documents are opened.
    virtual void documents(const ServerObject& halvard, ObjectDone done) = 0;
    // Calls 3 (true, restrictions lifted) and 5 (false, restored).
    virtual void setAutomationBypass(const ServerObject& halvard, bool bypass, Done done) = 0;
    // Call 4: the document, or none when the server opened none.
    virtual void open(const ServerObject& documents, const QString& path, ObjectDone done) = 0;
    // Call 6.
    virtual void show(const ServerObject& document, bool visible, std::int16_t mode, Done done) = 0;
    // Call 7.
    virtual void setWindowState(const ServerObject& document, std::int16_t state, std::int32_t flags,
                                Done done) = 0;

    // Sent without waiting for an answer.
    // Call 5 for a launch that ends before its own call 5 could be made.
    virtual void restoreRestrictions(const ServerObject& halvard) = 0;
    // Lets the server free object; the object is not used afterwards.
    virtual void release(const ServerObject& object) = 0;

    // Gives up the operation under way: its callback never runs, and a
    // program started for it that is not on the bus yet is ended.
    virtual void abandon() = 0;
};

} // namespace tarvo::server
