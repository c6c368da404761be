// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "platform/text.h"
#include "transfer/download_job.h"
#include "transfer/import_job.h"

#include "ui/transfer/transfer_commands.h"

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "document/source_slot.h"
#include "platform/event_loop_host.h"
#include "platform/history_file.h"
#include "platform/port_paths.h"
#include "ui/child_frame.h"
#include "ui/core_message_texts.h"
#include "ui/transfer/catalogue_tables.h"
#include "ui/transfer/transfer_job_host.h"
#include "ui/transfer/transfer_query_dialog.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"
#include "ui/view.h"
#include "ui/workspace/editor_workspace.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStyle>

namespace tarvo::ui {

namespace {

// The slots a backup's tables came from, as --as-is writes them.
std::vector<transfer::SlotRequest> recordedSlots(const document::CS1_Doc& doc)
{
    std::vector<transfer::SlotRequest> recorded;
    for (std::size_t i = 0; i < doc.tableCount(); ++i)
        if (const auto slot = document::sourceSlot(doc.table(i)))
            recorded.push_back({*slot, static_cast<int>(i)});
    return recorded;
}

QString pathText(const std::string& bytes)
{
    return QDir::toNativeSeparators(QFile::decodeName(QByteArray::fromStdString(bytes)));
}

QString failureNoteOf(const transfer::DownloadJob& job, const transfer::JobEnd& end)
{
    QStringList parts;
    if (!job.backupSaved().empty())
        parts << ui::transfer_texts::kBackupSavedAt.arg(pathText(job.backupSaved()));
    // After a fault, not after the user's own cancel.
    if (!end.incompleteSlots.empty() && end.status != transfer::JobStatus::Cancelled) {
        // A slot written again carries the backup of the first write on.
        std::string retryBackup = job.backupSaved();
        for (const int slot : end.incompleteSlots)
            if (!job.recoverySource(slot).backupPath.empty())
                retryBackup = job.recoverySource(slot).backupPath;
        parts << (retryBackup.empty() ? ui::transfer_texts::kWhatToDoFromRecord
                                      : ui::transfer_texts::kWhatToDoFromBackup.arg(pathText(retryBackup)));
    }
    return parts.join(QStringLiteral("\n\n"));
}

// The end message in the editor's words: where each slot written again took
// the keyboard's menus from, instead of the tool's sentences about it.
QStringList endNotices(const transfer::DownloadJob& job, const QStringList& notices)
{
    QStringList said;
    QStringList toolSentences;
    bool anyRecovered = false;
    for (int slot = 1; slot <= transfer::kMaxSlots; ++slot) {
        const transfer::RecoverySource& source = job.recoverySource(slot);
        if (source.how == transfer::Recovery::None)
            continue;
        anyRecovered = true;
        toolSentences << translatedCoreMessage(transfer::recoveryNotice(slot, source));
        switch (source.how) {
        case transfer::Recovery::FromBackup:
            said << ui::transfer_texts::kMenusFromBackup.arg(slot)
                        .arg(QString::fromStdString(transfer::shownTime(source.time)))
                        .arg(pathText(source.backupPath));
            break;
        case transfer::Recovery::FromRecord:
            said << ui::transfer_texts::kMenusFromRecord.arg(slot).arg(
                QString::fromStdString(transfer::shownTime(source.time)));
            break;
        default:
            said << ui::transfer_texts::kWrittenAsStored.arg(slot);
            break;
        }
    }
    for (const QString& notice : notices) {
        if (toolSentences.contains(notice))
            continue;
        if (anyRecovered && notice.startsWith(translatedCoreText(transfer::texts::kNothingToBackUp)))
            continue;
        said << notice;
    }
    return said;
}

} // namespace

struct TransferCommands::DownloadRun {
    transfer::JobStatus status = transfer::JobStatus::Cancelled;
    bool merged = false; // the document's tables were replaced by the merge
    int written = 0;
    int unchanged = 0;
    bool verified = false;
    QStringList notices;
};

TransferCommands::TransferCommands(EditorWorkspace& workspace) : QObject(&workspace), m_workspace(workspace)
{
    QWidget& frame = *m_workspace.window();
    setObjectName(QStringLiteral("TransferCommands"));
    m_import = new QAction(ui::transfer_texts::kImport, &frame);
    m_import->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_I));
    m_import->setStatusTip(ui::transfer_texts::kCreateANewDocumentFrom);
    m_import->setIcon(frame.style()->standardIcon(QStyle::SP_ArrowDown));
    m_query = new QAction(ui::transfer_texts::kQueryKeyboard, &frame);
    m_query->setStatusTip(ui::transfer_texts::kShowTheLanguageTablesThe);
    m_query->setIcon(frame.style()->standardIcon(QStyle::SP_MessageBoxQuestion));
    m_download = new QAction(ui::transfer_texts::kDownloadScriptMenu, &frame);
    m_download->setStatusTip(ui::transfer_texts::kWriteTheDocumentSLanguage);
    m_download->setIcon(frame.style()->standardIcon(QStyle::SP_ArrowUp));
    m_restore = new QAction(ui::transfer_texts::kRestoreCommand, &frame);
    m_restore->setStatusTip(ui::transfer_texts::kWriteABackupSTables);
    m_compare = new QAction(ui::transfer_texts::kCompareCommand, &frame);
    m_compare->setStatusTip(ui::transfer_texts::kCompareTip);
    connect(m_import, &QAction::triggered, this, &TransferCommands::importTables);
    connect(m_query, &QAction::triggered, this, &TransferCommands::queryKeyboard);
    connect(m_download, &QAction::triggered, this, &TransferCommands::downloadTables);
    connect(m_restore, &QAction::triggered, this, &TransferCommands::restoreFromBackup);
    connect(m_compare, &QAction::triggered, this, &TransferCommands::compareWithKeyboard);
    connect(&m_workspace, &EditorWorkspace::commandStatesChanged, this, &TransferCommands::updateEnablers);
    updateEnablers();
}

void TransferCommands::updateEnablers()
{
    const bool hasDocument = m_workspace.activeDocument() != nullptr;
    m_query->setEnabled(hasDocument);
    m_download->setEnabled(hasDocument);
    m_compare->setEnabled(hasDocument);
    m_import->setEnabled(true);
    m_restore->setEnabled(true);
}

bool TransferCommands::confirmReminder()
{
    return ui::UserDialogs::ask(m_workspace.window(), m_workspace.caption(), ui::transfer_texts::kReminder,
                                QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes) == QMessageBox::Yes;
}

void TransferCommands::queryKeyboard()
{
    document::CS1_Doc* doc = m_workspace.activeDocument();
    if (doc == nullptr)
        return;
    ui::TransferQueryDialog dialog(m_workspace.commPort(), doc->commSettings(), m_workspace.window());
    dialog.exec();
}

void TransferCommands::downloadTables()
{
    ui::CS1_ChildFrame* active = m_workspace.activeFrame();
    if (active == nullptr || !confirmReminder())
        return;
    // The open form's edits go with the tables.
    if (!m_workspace.commitOpenForms())
        return;
    document::CS1_Doc& doc = active->document();
    const DownloadRun run = runDownload(doc, doc.commSettings(), {}, ui::transfer_texts::kDownloadTitle,
                                        RunMode::Download, active->view()->context().fonts);
    // The merge replaced the document's tables (also when nothing was then
    // written, or a cancel came after it): the tree shows what it holds now.
    // Replacing and merging leave the document unmodified: it may be a master
    // for many keyboards, and only an edit makes a save store the merged tables.
    if (run.merged)
        Q_EMIT m_workspace.documentChanged(active, DocumentChange::Tables);
    Q_EMIT m_workspace.documentChanged(active, DocumentChange::TransferEnded);
    if (run.status != transfer::JobStatus::Complete)
        return;
    ui::UserDialogs::message(m_workspace.window(), m_workspace.caption(),
                             summaryOf(run, ui::transfer_texts::kDownloadSummary),
                             ui::UserDialogs::Icon::Information);
}

void TransferCommands::compareWithKeyboard()
{
    ui::CS1_ChildFrame* active = m_workspace.activeFrame();
    if (active == nullptr || !confirmReminder())
        return;
    // The open form's edits are compared too.
    if (!m_workspace.commitOpenForms())
        return;
    document::CS1_Doc& doc = active->document();
    // The list is the end: the document stays as it is, nothing is written.
    runDownload(doc, doc.commSettings(), {}, ui::transfer_texts::kCompareTitle, RunMode::Compare,
                active->view()->context().fonts);
}

void TransferCommands::restoreFromBackup()
{
    const QString path =
        ui::UserDialogs::openFileName(m_workspace.window(), ui::transfer_texts::kRestoreTitle,
                                      m_workspace.scriptsFolder(), ui::transfer_texts::kRestoreFilter);
    if (path.isEmpty())
        return;
    // Read for this command only: it is written as stored and never changed.
    document::DocumentNumberPool pool;
    document::DocOutcome opened =
        document::openDocument(pool, path.toStdString(), m_workspace.defaultComPort());
    if (!opened.doc) {
        ui::UserDialogs::message(m_workspace.window(), ui::transfer_texts::kRestoreTitle,
                                 ui::translatedCoreMessage(opened.result.message));
        return;
    }
    const std::vector<transfer::SlotRequest> recorded = recordedSlots(*opened.doc);
    if (recorded.empty()) {
        ui::UserDialogs::message(m_workspace.window(), ui::transfer_texts::kRestoreTitle,
                                 ui::transfer_texts::kNoRecordedSlots.arg(QFileInfo(path).fileName()));
        return;
    }
    if (!confirmReminder())
        return;
    const DownloadRun run =
        runDownload(*opened.doc, serial::CommSettings::forDocument(m_workspace.defaultComPort()), recorded,
                    ui::transfer_texts::kRestoreTitle);
    if (run.status != transfer::JobStatus::Complete)
        return;
    const QString summary = ui::transfer_texts::kRestoredFrom.arg(QDir::toNativeSeparators(path)) +
                            QLatin1Char('\n') + summaryOf(run, ui::transfer_texts::kDownloadSummary);
    ui::UserDialogs::message(m_workspace.window(), m_workspace.caption(), summary,
                             ui::UserDialogs::Icon::Information);
}

TransferCommands::DownloadRun TransferCommands::runDownload(document::CS1_Doc& doc,
                                                            serial::CommSettings settings,
                                                            const std::vector<transfer::SlotRequest>& preset,
                                                            const QString& title, RunMode mode,
                                                            const UiFonts* fonts)
{
    platform::EventLoopHost loop;
    ui::TransferJobHost host(ui::TransferSlotDialog::Kind::Download, m_workspace.window());
    const bool compare = mode == RunMode::Compare;
    host.setDocument(doc);
    host.setBackupFolder(m_workspace.scriptsFolder());
    host.setFonts(fonts);
    host.setPreviewOnly(compare);
    ui::TransferSlotDialog& dialog = host.slotDialog();
    dialog.setWindowTitle(title);
    dialog.setBackupPlace(QString::fromStdString(doc.path()), platform::toQString(doc.title()),
                          m_workspace.scriptsFolder());
    if (!preset.empty()) {
        // A restore: the backup's tables, as stored, into the slots they came from.
        dialog.setCaption(ui::transfer_texts::kRestoreCaption);
        dialog.asStoredOption()->setChecked(true);
        host.setPresetChoice(preset);
    }
    if (compare) {
        // Nothing is erased: no backup, nothing to verify.
        dialog.setCaption(ui::transfer_texts::kCompareCaption);
        dialog.setOkText(ui::transfer_texts::kCompareButton);
        dialog.backupOption()->setChecked(false);
        dialog.backupOption()->hide();
        dialog.verifyOption()->hide();
    }

    CatalogueTables backupTables(&m_workspace.catalogue());
    transfer::DownloadJobSetup setup;
    setup.backupTables = &backupTables;
    setup.portIndex = settings.portIndex;
    setup.wording = transfer::Wording::Dialog;
    const std::string device = platform::comPortDevicePath(settings.portIndex);
    transfer::JobLine line{loop, m_workspace.commPort(), settings, device, platform::canonicalDevice(device)};
    transfer::JobOptions options = host.jobOptions();
    options.interruptedWrites = &m_interruptedWrites;
    // A slot no record proves is asked about (recoveryAnswered below), never refused outright.
    options.askRecovery = true;
    // A comparison changes nothing, so the history has nothing to keep of it.
    if (!compare)
        host.recordHistory(platform::transferStart(
            history::kEditorProgram, preset.empty() ? "download" : "restore", line.devicePath, doc.path()));
    transfer::DownloadJob job(line, host, options, doc, setup);
    connect(&host, &TransferJobHost::downloadChosen, &host,
            [&job](const transfer::DownloadChoice& choice) { job.choose(choice); });
    connect(&host, &TransferJobHost::mergeAccepted, &host, [&job] { job.continueAfterMerge(); });
    connect(&host, &TransferJobHost::recoveryAnswered, &host,
            [&job](const transfer::RecoveryAnswer& answer) { job.answerRecovery(answer); });
    connect(&host, &TransferJobHost::ending, &host, [&job, &host, compare](const transfer::JobEnd& end) {
        if (compare)
            host.setCompleteText(ui::transfer_texts::kCompareDone);
        else
            host.setCompleteText(job.writtenCount() == 0 ? ui::transfer_texts::kAlreadyHeldShort
                                                         : ui::transfer_texts::kTransferComplete);
        // A failed download names the backup it saved, where it lies, and for a
        // slot left incomplete what to do and where the retry takes the menus from.
        host.setFailureNote(failureNoteOf(job, end));
    });
    const transfer::JobEnd& end = host.run(job);
    DownloadRun run;
    run.status = end.status;
    run.merged = job.merged();
    run.written = job.writtenCount();
    run.unchanged = job.unchangedCount();
    run.verified = job.verified();
    run.notices = endNotices(job, host.notices());
    return run;
}

QString TransferCommands::summaryOf(const DownloadRun& run, const QString& complete) const
{
    QString summary = run.written == 0
                          ? ui::transfer_texts::kAlreadyHeld.arg(run.unchanged)
                          : complete.arg(run.written)
                                .arg(run.unchanged)
                                .arg(run.verified ? ui::transfer_texts::kVerifiedSuffix : QString());
    for (const QString& notice : run.notices)
        summary += QLatin1Char('\n') + notice;
    return summary;
}

void TransferCommands::importTables()
{
    if (!confirmReminder())
        return;
    templates::TemplateCatalogue& catalogue = m_workspace.catalogue();
    if (m_workspace.documentNumbers().full() || !catalogue.RefreshTemplateCatalogue()) {
        // New says why it cannot make a document.
        m_workspace.newDocument();
        return;
    }
    transfer::ImportJobSetup setup;
    setup.templateTables = catalogue.CreateTablesFromTemplate(0);
    if (!setup.templateTables.ok) {
        ui::UserDialogs::message(m_workspace.window(), m_workspace.caption(),
                                 setup.templateTables.error
                                     ? ui::translatedCoreMessage(setup.templateTables.error->message)
                                     : QString());
        return;
    }
    setup.pool = &m_workspace.documentNumbers();
    setup.portIndex = m_workspace.defaultComPort();
    serial::CommSettings settings = serial::CommSettings::forDocument(m_workspace.defaultComPort());
    platform::EventLoopHost loop;
    ui::TransferJobHost host(ui::TransferSlotDialog::Kind::Import, m_workspace.window());
    const std::string device = platform::comPortDevicePath(settings.portIndex);
    transfer::JobLine line{loop, m_workspace.commPort(), settings, device, platform::canonicalDevice(device)};
    transfer::JobOptions options = host.jobOptions();
    options.interruptedWrites = &m_interruptedWrites;
    host.recordHistory(platform::transferStart(history::kEditorProgram, "import", line.devicePath, {}));
    transfer::ImportJob job(line, host, options, std::move(setup));
    connect(&host, &TransferJobHost::importChosen, &host,
            [&job](const std::vector<transfer::SlotRequest>& slots) { job.chooseSlots(slots); });
    const transfer::JobEnd& end = host.run(job);
    if (end.status != transfer::JobStatus::Complete)
        return;
    std::unique_ptr<document::CS1_Doc> doc = job.takeDocument();
    if (!doc)
        return;
    doc->setTitle(m_workspace.nextUntitledTitle().toStdU16String());
    m_workspace.adoptDocument(std::move(doc));
}

} // namespace tarvo::ui
