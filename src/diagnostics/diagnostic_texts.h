#pragma once
// The texts of the diagnostic tools, as their users know them.

#include "platform/translatable_text.h"

#include <QString>

namespace tarvo::diagnostics::texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Diagnostics";

// Locale and error-code dialogs.
inline constexpr Text kSystemLocaleCommand{kContext,
                                           QT_TRANSLATE_NOOP("Diagnostics", "&System Default Locale...")};
inline constexpr Text kThreadLocaleCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Set &Thread Locale")};
inline constexpr Text kLastErrorCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Last &Error Message...")};
inline constexpr Text kSystemLocaleTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "System Default Locale")};
inline constexpr Text kSystemLocaleLabel{kContext,
                                         QT_TRANSLATE_NOOP("Diagnostics", "System Defalut Locale (LCID):")};
inline constexpr Text kLangIdLabel{kContext, QT_TRANSLATE_NOOP("Diagnostics", "LANGID:")};
inline constexpr Text kSortIdLabel{kContext, QT_TRANSLATE_NOOP("Diagnostics", "SORTID:")};
inline constexpr Text kApproximatedLocale{
    kContext,
    QT_TRANSLATE_NOOP("Diagnostics", "The system locale \"%1\" has no identifier of its own; shown as %2.")};
inline constexpr Text kThreadLocaleTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Set Thread Locale")};
inline constexpr Text kLocalesGroup{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Locales")};
inline constexpr Text kThreadLocaleExplanation{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "This sets the app's ThreadLocale value in the registry.  On "
                                               "startup, this value is read by the app's "
                                               "constructor.  If TL = 0x000, then the app uses the system "
                                               "default locale as usual.  Otherwise it sets "
                                               "its thread locale to whatever has been chosen above.")};
inline constexpr Text kLastErrorTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Debug Last Error Message")};
inline constexpr Text kErrorCodeLabel{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Error Code:")};
inline constexpr Text kDisplay{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Display")};
//: The window's own name from the system it came from; no translation.
inline constexpr Text kLastErrorSource{kContext, QT_TRANSLATE_NOOP("Diagnostics", "DebugLastErrorMsgDlg")};
inline constexpr int kLastErrorLine = 69;

// COM port console.
inline constexpr Text kConsoleCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&COM Port Debug...")};
inline constexpr Text kConsoleTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Debug COM Port")};
inline constexpr Text kStopCaption{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Debug COM Port")};
inline constexpr Text kInternalError{kContext,
                                     QT_TRANSLATE_NOOP("Diagnostics", "Internal application error.")};
inline constexpr Text kGetPortOpenFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "GetPortOpen() threw an exception.")};
inline constexpr Text kOpenFailed{kContext,
                                  QT_TRANSLATE_NOOP("Diagnostics", "SetPortOpen(TRUE) threw an exception.")};
inline constexpr Text kCloseFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "SetPortOpen(FALSE) threw an exception.")};
inline constexpr Text kInputModeFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "GetInputMode() threw an exception.")};
inline constexpr Text kSendBinaryFailed{kContext,
                                        QT_TRANSLATE_NOOP("Diagnostics", "SendBinary() threw an exception.")};
inline constexpr Text kSendTextFailed{kContext,
                                      QT_TRANSLATE_NOOP("Diagnostics", "SendText() threw an exception.")};
inline constexpr Text kInBufferFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "GetInBufferCount() threw an exception.")};
inline constexpr Text kOutBufferFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "GetOutBufferCount() threw an exception.")};
inline constexpr Text kReceiveBinaryFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "ReceiveBinary() threw an exception.")};
inline constexpr Text kReceiveTextFailed{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "ReceiveText() threw an exception.")};

// Dumps.
inline constexpr Text kDumpCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Dump Lang Table Data...")};
inline constexpr Text kIconicDumpCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Dump &Iconic SRecord")};

// Template tools and Unicode input.
inline constexpr Text kTemplateListCommand{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Display Schema 1 Template &List...")};
inline constexpr Text kTemplateListTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Schema 1 Templates")};
inline constexpr Text kParserCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Template &Parser...")};
inline constexpr Text kParserTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Template Parser")};
inline constexpr Text kTemplateFilter{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Template Files (*.LT3 *.lt3);;All Files (*)")};
inline constexpr Text kUnicodeCommand{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Unicode Input Dialog...")};
inline constexpr Text kUnicodeTitle{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Unicode Input")};

// diagnostic_commands.cpp.
inline constexpr Text kWriteTheIconicFontAnd{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Write the iconic font and the tables as S-records")};
inline constexpr Text kWriteTheTablesAsS{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Write the tables as S-records or memory maps")};
inline constexpr Text kShowTheLocaleTheApplication{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Show the locale the application runs under")};
inline constexpr Text kTalkToTheKeyboardBy{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Talk to the keyboard by hand on the COM port")};
inline constexpr Text kListTheInstalledTemplatesAnd{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "List the installed templates and their check results")};
inline constexpr Text kShowTheSystemSText{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Show the system's text for an error code")};
inline constexpr Text kChooseTheLocaleTheApplication{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Choose the locale the application takes at its next start")};
inline constexpr Text kParseATemplateAndList{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Parse a template and list its messages")};
inline constexpr Text kTypeACharacterByIts{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Type a character by its code point into the focused edit")};

// comm_console.cpp.
inline constexpr Text kNotAvailableASingleFrame{
    kContext,
    QT_TRANSLATE_NOOP("Diagnostics", "Not available: a single frame must not change the keyboard's flash.")};
inline constexpr Text kReceive{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Receive")};
inline constexpr Text kClear{kContext, QT_TRANSLATE_NOOP("Diagnostics", "C&lear")};
inline constexpr Text kBuffers{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Buffers")};
//: The input buffer count, as the COM port names it; keep the abbreviation.
inline constexpr Text kIBC{kContext, QT_TRANSLATE_NOOP("Diagnostics", "IBC:")};
//: The output buffer count, as the COM port names it; keep the abbreviation.
inline constexpr Text kOBC{kContext, QT_TRANSLATE_NOOP("Diagnostics", "OBC:")};
inline constexpr Text kUpdate{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Update")};
inline constexpr Text kCOM{kContext, QT_TRANSLATE_NOOP("Diagnostics", "CO&M...")};
inline constexpr Text kGoOnline{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Go O&nline")};
inline constexpr Text kGoOffline{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Go O&ffline")};
//: C0, T7, S8, T0, S2 and C1 are the keyboard's frame names: keep them.
inline constexpr Text kSendC0{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Send C&0")};
//: C0, T7, S8, T0, S2 and C1 are the keyboard's frame names: keep them.
inline constexpr Text kSendT7{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Send T&7")};
//: C0, T7, S8, T0, S2 and C1 are the keyboard's frame names: keep them.
inline constexpr Text kSendS8{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Send S&8")};
//: C0, T7, S8, T0, S2 and C1 are the keyboard's frame names: keep them.
inline constexpr Text kSendT0{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Send &T0")};
//: C0, T7, S8, T0, S2 and C1 are the keyboard's frame names: keep them.
inline constexpr Text kSendS2{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Send S&2")};
//: C0, T7, S8, T0, S2 and C1 are the keyboard's frame names: keep them.
inline constexpr Text kSendC1{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Send C&1")};
inline constexpr Text kInput{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Input:")};
inline constexpr Text kAddr{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Addr:")};
inline constexpr Text kHex{kContext, QT_TRANSLATE_NOOP("Diagnostics", "(Hex)")};
inline constexpr Text kOutput{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Output:")};
inline constexpr Text kSend{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Send")};
inline constexpr Text kClear2{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Cl&ear")};
inline constexpr Text kOK{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&OK")};

// dump_dialog.cpp.
inline constexpr Text kOutputFile{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Output File:")};
inline constexpr Text kBrowse{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Browse...")};
inline constexpr Text kLanguageTables{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Language Tables:")};
inline constexpr Text kDumpType{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Dump Type")};
inline constexpr Text kSRecordS{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&S-Record(s)")};
inline constexpr Text kMemoryMapSBlock{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Memory Map(s)  [Block]")};
inline constexpr Text kMemoryMapSDetail{kContext,
                                        QT_TRANSLATE_NOOP("Diagnostics", "M&emory Map(s)  [Detail]")};
inline constexpr Text kAutoSet18{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Auto Set 1-8")};
inline constexpr Text kClearAll{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Clear All")};
inline constexpr Text kDump{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Dump")};
inline constexpr Text kClose{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Close")};
inline constexpr Text k1AlreadyExistsNDoYou{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "%1 already exists.\nDo you want to replace it?")};

// locale_dialogs.cpp.
inline constexpr Text kCancel{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Cancel")};
inline constexpr Text kOK2{kContext, QT_TRANSLATE_NOOP("Diagnostics", "OK")};

// template_dialogs.cpp.
inline constexpr Text kMessage1{kContext, QT_TRANSLATE_NOOP("Diagnostics", "  message %1")};
inline constexpr Text kAtLine1Column2{kContext, QT_TRANSLATE_NOOP("Diagnostics", " at line %1, column %2")};
inline constexpr Text kUnknownLanguage{kContext, QT_TRANSLATE_NOOP("Diagnostics", "unknown language")};
inline constexpr Text kTable1Language0x2{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "  table \"%1\": language 0x%2 (%3), font %4")};
inline constexpr Text kParsed1TableSN{kContext, QT_TRANSLATE_NOOP("Diagnostics", "  parsed: %1 table(s)\n")};
inline constexpr Text kParseFailedN{kContext, QT_TRANSLATE_NOOP("Diagnostics", "  parse failed\n")};
inline constexpr Text kParseFailedWithoutAMessage{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "  parse failed without a message\n")};
inline constexpr Text kStartFolder1NProgramFolder{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "Start folder: %1\nProgram folder: %2\n\n")};
inline constexpr Text kNoTemplateIsInstalledN{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "No template is installed.\n")};
inline constexpr Text kTemplate12N{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Template %1: %2\n")};
inline constexpr Text kNCatalogueChecksN{kContext, QT_TRANSLATE_NOOP("Diagnostics", "\nCatalogue checks:\n")};
inline constexpr Text kNoneN{kContext, QT_TRANSLATE_NOOP("Diagnostics", "  none\n")};
inline constexpr Text kTemplate1N{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Template: %1\n")};
inline constexpr Text kParse{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Parse...")};

// unicode_input_dialog.cpp.
inline constexpr Text kNoKeyboardFontEditHas{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "No keyboard-font edit has the focus.")};
inline constexpr Text kCodePoint{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Code point:")};
inline constexpr Text kCharacter{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Character:")};
inline constexpr Text kType{kContext, QT_TRANSLATE_NOOP("Diagnostics", "&Type")};
inline constexpr Text k1IsNotACode{kContext, QT_TRANSLATE_NOOP("Diagnostics", "\"%1\" is not a code point.")};
inline constexpr Text kU1IsNotIn{
    kContext, QT_TRANSLATE_NOOP("Diagnostics", "U+%1 is not in the edit's character set.")};
inline constexpr Text kTyped1{kContext, QT_TRANSLATE_NOOP("Diagnostics", "Typed %1.")};

} // namespace tarvo::diagnostics::texts
