#pragma once
// The diagnostic commands of the main window: the View menu's "&System
// Default Locale..." (always), and in diagnostic mode the Debug menu's
// console, dumps, locale, error-code, template and Unicode tools. The main
// window hands over what they work on; nothing here knows the application
// object.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <functional>

class QMenu;
class QWidget;

namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::serial {
class CCommPort;
}
namespace tarvo::templates {
class CTemplateCatalogue;
}

namespace tarvo::diagnostics {

struct DiagnosticHost {
    QWidget* window = nullptr;
    QMenu* viewMenu = nullptr;
    QMenu* debugMenu = nullptr; // null outside diagnostic mode
    serial::CCommPort* commPort = nullptr;
    templates::CTemplateCatalogue* catalogue = nullptr;
    QString settingsFile;                            // where "ThreadLocale" is kept
    std::function<std::uint32_t()> localeIdentifier; // the application's locale identifier
    QString systemLocaleName;                        // "en_US", "C"
    std::function<document::CS1_Doc*()> activeDocument;
    std::function<bool()> commitOpenForms;
    std::function<void(int errorCode)> showErrorReport;
};

// Adds the commands; the actions are children of host.window.
void addDiagnosticCommands(const DiagnosticHost& host);

// The locale the application starts with: the default locale, and the code
// page the document layer reads 8-bit strings in.
void applyStartupLocale(const QLocale& locale, std::uint32_t identifier);

} // namespace tarvo::diagnostics
