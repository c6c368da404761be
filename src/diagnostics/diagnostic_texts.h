#pragma once
// The texts of the diagnostic tools, as their users know them.

#include <QString>

namespace tarvo::diagnostics::texts {

// Locale and error-code dialogs.
inline const QString kSystemLocaleCommand = QStringLiteral("&System Default Locale...");
inline const QString kThreadLocaleCommand = QStringLiteral("Set &Thread Locale");
inline const QString kLastErrorCommand = QStringLiteral("Last &Error Message...");
inline const QString kSystemLocaleTitle = QStringLiteral("System Default Locale");
inline const QString kSystemLocaleLabel = QStringLiteral("System Defalut Locale (LCID):");
inline const QString kLangIdLabel = QStringLiteral("LANGID:");
inline const QString kSortIdLabel = QStringLiteral("SORTID:");
inline const QString kApproximatedLocale =
    QStringLiteral("The system locale \"%1\" has no identifier of its own; shown as %2.");
inline const QString kThreadLocaleTitle = QStringLiteral("Set Thread Locale");
inline const QString kLocalesGroup = QStringLiteral("Locales");
inline const QString kThreadLocaleExplanation = QStringLiteral(
    "This sets the app's ThreadLocale value in the registry.  On startup, this value is read by the app's "
    "constructor.  If TL = 0x000, then the app uses the system default locale as usual.  Otherwise it sets "
    "its thread locale to whatever has been chosen above.");
inline const QString kLastErrorTitle = QStringLiteral("Debug Last Error Message");
inline const QString kErrorCodeLabel = QStringLiteral("Error Code:");
inline const QString kDisplay = QStringLiteral("Display");
inline const QString kLastErrorSource = QStringLiteral("DebugLastErrorMsgDlg");
inline constexpr int kLastErrorLine = 69;

// COM port console.
inline const QString kConsoleCommand = QStringLiteral("&COM Port Debug...");
inline const QString kConsoleTitle = QStringLiteral("Debug COM Port");
inline const QString kStopCaption = QStringLiteral("Debug COM Port");
inline const QString kInternalError = QStringLiteral("Internal application error.");
inline const QString kGetPortOpenFailed = QStringLiteral("GetPortOpen() threw an exception.");
inline const QString kOpenFailed = QStringLiteral("SetPortOpen(TRUE) threw an exception.");
inline const QString kCloseFailed = QStringLiteral("SetPortOpen(FALSE) threw an exception.");
inline const QString kInputModeFailed = QStringLiteral("GetInputMode() threw an exception.");
inline const QString kSendBinaryFailed = QStringLiteral("SendBinary() threw an exception.");
inline const QString kSendTextFailed = QStringLiteral("SendText() threw an exception.");
inline const QString kInBufferFailed = QStringLiteral("GetInBufferCount() threw an exception.");
inline const QString kOutBufferFailed = QStringLiteral("GetOutBufferCount() threw an exception.");
inline const QString kReceiveBinaryFailed = QStringLiteral("ReceiveBinary() threw an exception.");
inline const QString kReceiveTextFailed = QStringLiteral("ReceiveText() threw an exception.");

// Dumps.
inline const QString kDumpCommand = QStringLiteral("&Dump Lang Table Data...");
inline const QString kIconicDumpCommand = QStringLiteral("Dump &Iconic SRecord");

// Template tools and Unicode input.
inline const QString kTemplateListCommand = QStringLiteral("Display Schema 1 Template &List...");
inline const QString kTemplateListTitle = QStringLiteral("Schema 1 Templates");
inline const QString kParserCommand = QStringLiteral("Template &Parser...");
inline const QString kParserTitle = QStringLiteral("Template Parser");
inline const QString kTemplateFilter = QStringLiteral("Template Files (*.LT3 *.lt3);;All Files (*)");
inline const QString kUnicodeCommand = QStringLiteral("&Unicode Input Dialog...");
inline const QString kUnicodeTitle = QStringLiteral("Unicode Input");

} // namespace tarvo::diagnostics::texts
