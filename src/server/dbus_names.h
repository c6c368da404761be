#pragma once
// Where the login server and the Halvard server are found on the session
// bus (docs/dbus.md): their services, factory objects, interfaces and
// methods. The fake servers of the tests use the same names.

#include <QString>

namespace tarvo::server::bus {

// "Log.Document.1" and "Halvard.Application.1".
inline const QString kLoginService = QStringLiteral("com.corvane.Log.Document1");
inline const QString kLoginFactoryPath = QStringLiteral("/com/corvane/Log/Document1");
inline const QString kHalvardService = QStringLiteral("com.corvane.Halvard.Application1");
inline const QString kHalvardFactoryPath = QStringLiteral("/com/corvane/Halvard/Application1");

// Every server: its factory makes objects, every object can be released.
inline const QString kFactoryInterface = QStringLiteral("com.corvane.Automation.Factory");
inline const QString kCreate = QStringLiteral("Create"); // () -> o
inline const QString kObjectInterface = QStringLiteral("com.corvane.Automation.Object");
inline const QString kRelease = QStringLiteral("Release"); // ()

inline const QString kLoginInterface = QStringLiteral("com.corvane.Log.Document");
inline const QString kLogin = QStringLiteral("Login"); // (bssqussii) -> (issq)
inline const QString kLoginReplySignature = QStringLiteral("issq");

inline const QString kApplicationInterface = QStringLiteral("com.corvane.Halvard.Application");
inline const QString kDocuments = QStringLiteral("Documents");                     // () -> o
inline const QString kSetAutomationBypass = QStringLiteral("SetAutomationBypass"); // (b)
inline const QString kDocumentsInterface = QStringLiteral("com.corvane.Halvard.Documents");
inline const QString kOpen = QStringLiteral("Open"); // (s) -> o
inline const QString kDocumentInterface = QStringLiteral("com.corvane.Halvard.Document");
inline const QString kShow = QStringLiteral("Show");                     // (bn)
inline const QString kSetWindowState = QStringLiteral("SetWindowState"); // (ni)

inline const QString kObjectReplySignature = QStringLiteral("o");
// The object path that stands for "no object".
inline const QString kNoObject = QStringLiteral("/");
// Errors a server raises itself carry names under this prefix; any other
// error means the call got no usable answer.
inline const QString kServerErrorPrefix = QStringLiteral("com.corvane.");

} // namespace tarvo::server::bus
