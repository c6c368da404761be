#pragma once
// The diagnostic commands of the main window: the View menu's "&System
// Default Locale..." (always), and in diagnostic mode the Debug menu's
// console, dumps, locale, error-code, template and Unicode tools. The main
// window hands over what they work on and places the actions; nothing here
// knows the application object or the menus.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>

class QAction;
class QWidget;

namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::serial {
class CCommPort;
}
namespace tarvo::templates {
class TemplateCatalogue;
}

namespace tarvo::diagnostics {

struct DiagnosticHost {
    QWidget* window = nullptr;
    bool diagnosticMode = false; // the Debug tools are made only then
    serial::CCommPort* commPort = nullptr;
    templates::TemplateCatalogue* catalogue = nullptr;
    std::function<std::uint32_t()> localeIdentifier; // the application's locale identifier
    QString systemLocaleName;                        // "en_US", "C"
    std::function<document::CS1_Doc*()> activeDocument;
    std::function<bool()> commitOpenForms;
    std::function<void(int errorCode)> showErrorReport;
};

// The commands' actions; the Debug tools are null outside diagnostic mode.
struct DiagnosticActions {
    QAction* systemLocale = nullptr;
    QAction* console = nullptr;
    QAction* templateList = nullptr;
    QAction* dump = nullptr;
    QAction* lastError = nullptr;
    QAction* threadLocale = nullptr;
    QAction* parser = nullptr;
    QAction* unicodeInput = nullptr;
    QAction* iconicDump = nullptr;
};

// Makes the commands; the actions are children of host.window.
DiagnosticActions makeDiagnosticCommands(const DiagnosticHost& host);

// The locale the application starts with: the default locale, and the code
// page the document layer reads 8-bit strings in.
void applyStartupLocale(const QLocale& locale, std::uint32_t identifier);

} // namespace tarvo::diagnostics
