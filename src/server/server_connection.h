#pragma once
// What the launch asks of the login server and the Halvard server, one
// operation per call it makes. The D-Bus implementation is
// DbusServerConnection; the launch itself knows nothing of the bus.

#include <QString>

#include <cstdint>

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
    virtual ~ServerConnection() = default;

    // Makes sure the server runs and has it create an object for this program.
    virtual CallStatus create(ServerKind server, ServerObject& object) = 0;
    // Call 1: status 0 means the login completed.
    virtual CallStatus login(const ServerObject& loginServer, LoginArguments& arguments,
                             std::int32_t& status) = 0;
    // Call 2: the object through which documents are opened.
    virtual CallStatus documents(const ServerObject& halvard, ServerObject& documents) = 0;
    // Calls 3 (true, restrictions lifted) and 5 (false, restored).
    virtual CallStatus setAutomationBypass(const ServerObject& halvard, bool bypass) = 0;
    // Call 4: document stays empty when the server opened none.
    virtual CallStatus open(const ServerObject& documents, const QString& path, ServerObject& document) = 0;
    // Call 6.
    virtual CallStatus show(const ServerObject& document, bool visible, std::int16_t mode) = 0;
    // Call 7.
    virtual CallStatus setWindowState(const ServerObject& document, std::int16_t state,
                                      std::int32_t flags) = 0;
    // Lets the server free object; the object is not used afterwards.
    virtual void release(const ServerObject& object) = 0;
};

} // namespace tarvo::server
