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
#include "ui/widgets/keyboard_font_edit.h"

#include <QAction>
#include <QApplication>

namespace tarvo::diagnostics {

namespace {

QAction* makeCommand(QWidget* owner, const QString& text, const QString& statusTip, std::function<void()> run)
{
    auto* action = new QAction(text, owner);
    action->setStatusTip(statusTip);
    action->setObjectName(text);
    QObject::connect(action, &QAction::triggered, owner, std::move(run));
    return action;
}

QAction* makeDumpCommand(const DiagnosticHost& host, const QString& text, bool iconic)
{
    return makeCommand(host.window, text, iconic ? texts::kWriteTheIconicFontAnd : texts::kWriteTheTablesAsS,
                       [host, iconic] {
                           document::CS1_Doc* doc = host.activeDocument();
                           if (doc == nullptr)
                               return;
                           DumpDialog dialog(*doc, iconic, host.commitOpenForms, host.window);
                           dialog.exec();
                       });
}

} // namespace

void applyStartupLocale(const QLocale& locale, std::uint32_t identifier)
{
    QLocale::setDefault(locale);
    document::setArchiveCodePage(codePageOf(identifier));
}

DiagnosticActions makeDiagnosticCommands(const DiagnosticHost& host)
{
    DiagnosticActions made;
    made.systemLocale =
        makeCommand(host.window, texts::kSystemLocaleCommand, texts::kShowTheLocaleTheApplication, [host] {
            SystemDefaultLocaleDialog dialog(host.localeIdentifier(), host.systemLocaleName, host.window);
            dialog.exec();
        });
    if (!host.diagnosticMode)
        return made;
    made.console = makeCommand(host.window, texts::kConsoleCommand, texts::kTalkToTheKeyboardBy, [host] {
        CommConsoleDialog console(*host.commPort, host.window);
        console.exec();
    });
    made.templateList =
        makeCommand(host.window, texts::kTemplateListCommand, texts::kListTheInstalledTemplatesAnd, [host] {
            TemplateReportDialog dialog(texts::kTemplateListTitle, templateCatalogueReport(*host.catalogue),
                                        false, host.window);
            dialog.exec();
        });
    made.dump = makeDumpCommand(host, texts::kDumpCommand, false);
    made.lastError = makeCommand(host.window, texts::kLastErrorCommand, texts::kShowTheSystemSText, [host] {
        LastErrorMessageDialog dialog(host.showErrorReport, host.window);
        dialog.exec();
    });
    made.threadLocale =
        makeCommand(host.window, texts::kThreadLocaleCommand, texts::kChooseTheLocaleTheApplication, [host] {
            const ThreadLocaleSetting setting;
            SetThreadLocaleDialog dialog(setting, host.localeIdentifier(), host.window);
            dialog.run();
        });
    made.parser = makeCommand(host.window, texts::kParserCommand, texts::kParseATemplateAndList, [host] {
        TemplateReportDialog dialog(texts::kParserTitle, QString(), true, host.window);
        dialog.parseChosenFile(QString::fromStdString(host.catalogue->StartDirectory()));
        dialog.exec();
    });
    made.unicodeInput = makeCommand(host.window, texts::kUnicodeCommand, texts::kTypeACharacterByIts, [host] {
        auto* target = qobject_cast<ui::CEditKFont1*>(QApplication::focusWidget());
        UnicodeInputDialog dialog(target, host.window);
        dialog.exec();
    });
    made.iconicDump = makeDumpCommand(host, texts::kIconicDumpCommand, true);
    return made;
}

} // namespace tarvo::diagnostics
