#pragma once
// The diagnostic commands of the main window: the View menu's "&System
// Default Locale..." (always), and in diagnostic mode the Debug menu's
// console, dumps, locale, error-code, template and Unicode tools. The main
// window hands over what they work on and places the actions; nothing here
// knows the application object or the menus.

#include <QLocale>

#include <cstdint>
#include <functional>

class QAction;

namespace tarvo::ui {
class EditorWorkspace;
}

namespace tarvo::diagnostics {

// Shows the error report of a system error code.
using ShowErrorReport = std::function<void(int errorCode)>;

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

// Makes the commands; the actions are children of the workspace's window.
DiagnosticActions makeDiagnosticCommands(ui::EditorWorkspace& workspace, ShowErrorReport showErrorReport);

// The locale the application starts with: the default locale, and the code
// page the document layer reads 8-bit strings in.
void applyStartupLocale(const QLocale& locale, std::uint32_t identifier);

} // namespace tarvo::diagnostics
