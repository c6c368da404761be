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
#include "ui/workspace/editor_workspace.h"

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

QAction* makeDumpCommand(ui::EditorWorkspace& workspace, const QString& text, bool iconic)
{
    return makeCommand(
        workspace.window(), text, iconic ? texts::kWriteTheIconicFontAnd : texts::kWriteTheTablesAsS,
        [&workspace, iconic] {
            document::CS1_Doc* doc = workspace.activeDocument();
            if (doc == nullptr)
                return;
            DumpDialog dialog(
                *doc, iconic, [&workspace] { return workspace.commitOpenForms(); }, workspace.window());
            dialog.exec();
        });
}

} // namespace

void applyStartupLocale(const QLocale& locale, std::uint32_t identifier)
{
    QLocale::setDefault(locale);
    document::setArchiveCodePage(codePageOf(identifier));
}

DiagnosticActions makeDiagnosticCommands(ui::EditorWorkspace& workspace, ShowErrorReport showErrorReport)
{
    DiagnosticActions made;
    made.systemLocale = makeCommand(
        workspace.window(), texts::kSystemLocaleCommand, texts::kShowTheLocaleTheApplication, [&workspace] {
            SystemDefaultLocaleDialog dialog(workspace.localeIdentifier(), QLocale::system().name(),
                                             workspace.window());
            dialog.exec();
        });
    if (!workspace.diagnosticMode())
        return made;
    made.console =
        makeCommand(workspace.window(), texts::kConsoleCommand, texts::kTalkToTheKeyboardBy, [&workspace] {
            CommConsoleDialog console(workspace.commPort(), workspace.window());
            console.exec();
        });
    made.templateList = makeCommand(
        workspace.window(), texts::kTemplateListCommand, texts::kListTheInstalledTemplatesAnd, [&workspace] {
            TemplateReportDialog dialog(texts::kTemplateListTitle,
                                        templateCatalogueReport(workspace.catalogue()), false,
                                        workspace.window());
            dialog.exec();
        });
    made.dump = makeDumpCommand(workspace, texts::kDumpCommand, false);
    made.lastError = makeCommand(workspace.window(), texts::kLastErrorCommand, texts::kShowTheSystemSText,
                                 [&workspace, showErrorReport] {
                                     LastErrorMessageDialog dialog(showErrorReport, workspace.window());
                                     dialog.exec();
                                 });
    made.threadLocale = makeCommand(
        workspace.window(), texts::kThreadLocaleCommand, texts::kChooseTheLocaleTheApplication, [&workspace] {
            const ThreadLocaleSetting setting;
            SetThreadLocaleDialog dialog(setting, workspace.localeIdentifier(), workspace.window());
            dialog.run();
        });
    made.parser =
        makeCommand(workspace.window(), texts::kParserCommand, texts::kParseATemplateAndList, [&workspace] {
            TemplateReportDialog dialog(texts::kParserTitle, QString(), true, workspace.window());
            dialog.parseChosenFile(QString::fromStdString(workspace.catalogue().StartDirectory()));
            dialog.exec();
        });
    made.unicodeInput =
        makeCommand(workspace.window(), texts::kUnicodeCommand, texts::kTypeACharacterByIts, [&workspace] {
            auto* target = qobject_cast<ui::CEditKFont1*>(QApplication::focusWidget());
            UnicodeInputDialog dialog(target, workspace.window());
            dialog.exec();
        });
    made.iconicDump = makeDumpCommand(workspace, texts::kIconicDumpCommand, true);
    return made;
}

} // namespace tarvo::diagnostics
