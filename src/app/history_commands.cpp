#include "app/history_commands.h"

#include "document/doc.h"
#include "history/history_rows.h"
#include "platform/history_file.h"
#include "sheet/handover_sheet.h"
#include "sheet/sheet_pdf.h"
#include "ui/history/history_texts.h"
#include "ui/history/transfer_history_dialog.h"
#include "ui/user_dialogs.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

namespace tarvo::app {

namespace history_texts = ui::history_texts;

HistoryCommands::HistoryCommands(ui::EditorWorkspace& workspace) : QObject(&workspace), m_workspace(workspace)
{
    m_history = new QAction(history_texts::kHistoryCommand, m_workspace.window());
    m_history->setObjectName(QStringLiteral("TransferHistoryAction"));
    m_history->setStatusTip(history_texts::kHistoryStatus);
    m_print = new QAction(history_texts::kPrintCommand, m_workspace.window());
    m_print->setObjectName(QStringLiteral("PrintSheetAction"));
    m_print->setStatusTip(history_texts::kPrintStatus);
    m_print->setShortcut(QKeySequence::Print);
    m_exportPdf = new QAction(history_texts::kExportPdfCommand, m_workspace.window());
    m_exportPdf->setObjectName(QStringLiteral("ExportPdfAction"));
    m_exportPdf->setStatusTip(history_texts::kExportPdfStatus);
    connect(m_history, &QAction::triggered, this, &HistoryCommands::showHistory);
    connect(m_print, &QAction::triggered, this, &HistoryCommands::printSheet);
    connect(m_exportPdf, &QAction::triggered, this, &HistoryCommands::exportPdf);
    connect(&m_workspace, &ui::EditorWorkspace::commandStatesChanged, this, &HistoryCommands::updateEnablers);
    updateEnablers();
}

void HistoryCommands::updateEnablers()
{
    const bool hasDocument = m_workspace.activeDocument() != nullptr;
    m_print->setEnabled(hasDocument);
    m_exportPdf->setEnabled(hasDocument);
}

void HistoryCommands::showHistory()
{
    const platform::HistoryFile file;
    history::HistoryLog log;
    std::string reason;
    if (!file.read(log, reason)) {
        ui::UserDialogs::message(m_workspace.window(), history_texts::kHistoryTitle,
                                 history_texts::kCannotRead.arg(QString::fromStdString(reason)));
        return;
    }
    ui::TransferHistoryDialog dialog(history::transferRows(log.records), log.damagedLines,
                                     m_workspace.window());
    connect(&dialog, &ui::TransferHistoryDialog::openBackup, this, [this, &dialog](const QString& path) {
        if (m_workspace.openDocumentFile(path))
            dialog.accept();
    });
    dialog.exec();
}

std::optional<sheet::SheetSource> HistoryCommands::sheetSource()
{
    document::CS1_Doc* doc = m_workspace.activeDocument();
    if (doc == nullptr || !m_workspace.commitOpenForms())
        return std::nullopt;
    QString note;
    sheet::SheetSource source = sheet::sheetSourceFor(*doc, QString::fromStdString(doc->path()), true, note);
    QString warning = sheet::missingFontWarning(*doc);
    if (!note.isEmpty())
        warning += (warning.isEmpty() ? QString() : QStringLiteral("\n")) + note;
    if (!warning.isEmpty())
        ui::UserDialogs::message(m_workspace.window(), history_texts::kExportPdfTitle, warning,
                                 ui::UserDialogs::Icon::Exclamation);
    return source;
}

void HistoryCommands::printSheet()
{
    const auto source = sheetSource();
    if (!source)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, m_workspace.window());
    dialog.setObjectName(QStringLiteral("PrintSheetDialog"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    sheet::renderSheet(*source, printer);
}

void HistoryCommands::exportPdf()
{
    const auto source = sheetSource();
    if (!source)
        return;
    const QString suggested =
        source->documentPath.isEmpty()
            ? QString()
            : QDir(QFileInfo(source->documentPath).absolutePath())
                  .filePath(QFileInfo(source->documentPath).completeBaseName() + QStringLiteral(".pdf"));
    const QString path = ui::UserDialogs::saveFileName(m_workspace.window(), history_texts::kExportPdfTitle,
                                                       suggested, history_texts::kPdfFilter);
    if (path.isEmpty())
        return;
    QString reason;
    if (!sheet::writeSheetPdf(*source, path, reason)) {
        ui::UserDialogs::message(m_workspace.window(), history_texts::kExportPdfTitle,
                                 history_texts::kSheetFailed.arg(reason));
        return;
    }
    ui::UserDialogs::message(m_workspace.window(), history_texts::kExportPdfTitle,
                             history_texts::kSheetSaved.arg(QDir::toNativeSeparators(path)),
                             ui::UserDialogs::Icon::Information);
}

} // namespace tarvo::app
