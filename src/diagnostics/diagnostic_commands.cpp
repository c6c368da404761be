#include "diagnostics/diagnostic_commands.h"

#include "diagnostics/comm_console.h"
#include "diagnostics/diagnostic_texts.h"
#include "diagnostics/dump_dialog.h"
#include "diagnostics/locale_dialogs.h"
#include "diagnostics/locale_table.h"
#include "diagnostics/template_dialogs.h"
#include "diagnostics/unicode_input_dialog.h"
#include "document/archive_code_page.h"
#include "templates/template_catalogue.h"
#include "ui/keyboard_font_edit.h"

#include <QAction>
#include <QApplication>
#include <QMenu>

namespace tarvo::diagnostics {

namespace {

const QString kResolutionSizesMenu = QStringLiteral("&Maximized Resolution Sizes");

// The window-size submenu sits in the middle of the Debug items; the items
// before it in the menu's order go in front of it, the others after it.
QAction* resolutionSizesItem(QMenu& debug)
{
    for (QAction* item : debug.actions())
        if (item->menu() != nullptr && item->text() == kResolutionSizesMenu)
            return item;
    return nullptr;
}

QAction* addCommand(QMenu& menu, QWidget* owner, const QString& text, const QString& statusTip,
                    std::function<void()> run, QAction* before = nullptr)
{
    auto* action = new QAction(text, owner);
    action->setStatusTip(statusTip);
    action->setObjectName(text);
    QObject::connect(action, &QAction::triggered, owner, std::move(run));
    menu.insertAction(before, action);
    return action;
}

void addDumpCommand(const DiagnosticHost& host, const QString& text, bool iconic, QAction* before)
{
    addCommand(
        *host.debugMenu, host.window, text,
        iconic ? QStringLiteral("Write the iconic font and the tables as S-records")
               : QStringLiteral("Write the tables as S-records or memory maps"),
        [host, iconic] {
            document::CS1_Doc* doc = host.activeDocument();
            if (doc == nullptr)
                return;
            DumpDialog dialog(*doc, iconic, host.commitOpenForms, host.window);
            dialog.exec();
        },
        before);
}

} // namespace

void applyStartupLocale(const QLocale& locale, std::uint32_t identifier)
{
    QLocale::setDefault(locale);
    document::setArchiveCodePage(codePageOf(identifier));
}

void addDiagnosticCommands(const DiagnosticHost& host)
{
    if (host.viewMenu != nullptr) {
        host.viewMenu->addSeparator();
        addCommand(*host.viewMenu, host.window, texts::kSystemLocaleCommand,
                   QStringLiteral("Show the locale the application runs under"), [host] {
                       SystemDefaultLocaleDialog dialog(host.localeIdentifier(), host.systemLocaleName,
                                                        host.window);
                       dialog.exec();
                   });
    }
    if (host.debugMenu == nullptr)
        return;
    QMenu& debug = *host.debugMenu;
    QAction* sizes = resolutionSizesItem(debug);
    addCommand(
        debug, host.window, texts::kConsoleCommand,
        QStringLiteral("Talk to the keyboard by hand on the COM port"),
        [host] {
            CommConsoleDialog console(*host.commPort, host.window);
            console.exec();
        },
        sizes);
    addCommand(
        debug, host.window, texts::kTemplateListCommand,
        QStringLiteral("List the installed templates and their check results"),
        [host] {
            TemplateReportDialog dialog(texts::kTemplateListTitle, templateCatalogueReport(*host.catalogue),
                                        false, host.window);
            dialog.exec();
        },
        sizes);
    addDumpCommand(host, texts::kDumpCommand, false, sizes);
    addCommand(
        debug, host.window, texts::kLastErrorCommand,
        QStringLiteral("Show the system's text for an error code"),
        [host] {
            LastErrorMessageDialog dialog(host.showErrorReport, host.window);
            dialog.exec();
        },
        sizes);
    addCommand(debug, host.window, texts::kThreadLocaleCommand,
               QStringLiteral("Choose the locale the application takes at its next start"), [host] {
                   const ThreadLocaleSetting setting(host.settingsFile);
                   SetThreadLocaleDialog dialog(setting, host.localeIdentifier(), host.window);
                   dialog.run();
               });
    addCommand(debug, host.window, texts::kParserCommand,
               QStringLiteral("Parse a template and list its messages"), [host] {
                   TemplateReportDialog dialog(texts::kParserTitle, QString(), true, host.window);
                   dialog.parseChosenFile(QString::fromStdString(host.catalogue->startDirectory()));
                   dialog.exec();
               });
    addCommand(debug, host.window, texts::kUnicodeCommand,
               QStringLiteral("Type a character by its code point into the focused edit"), [host] {
                   auto* target = qobject_cast<ui::CEditKFont1*>(QApplication::focusWidget());
                   UnicodeInputDialog dialog(target, host.window);
                   dialog.exec();
               });
    addDumpCommand(host, texts::kIconicDumpCommand, true, nullptr);
}

} // namespace tarvo::diagnostics
