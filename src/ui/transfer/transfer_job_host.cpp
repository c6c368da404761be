#include "ui/transfer/transfer_job_host.h"

#include "platform/text.h"
#include "transfer/download_job.h"
#include "transfer/download_plan.h"
#include "transfer/session_texts.h"
#include "transfer/transfer_session.h"
#include "transfer/write_session.h"
#include "ui/core_message_texts.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/user_dialogs.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTimer>

namespace tarvo::ui {

namespace {

constexpr auto kReadingScripts = transfer_texts::kReadingScriptMenus;

} // namespace

TransferJobHost::TransferJobHost(TransferSlotDialog::Kind kind, QWidget* parent)
    : m_kind(kind), m_parent(parent), m_slots(std::make_unique<TransferSlotDialog>(kind, parent)),
      m_progress(std::make_unique<TransferProgressDialog>(parent))
{
    m_slots->setWindowModality(Qt::ApplicationModal);
    m_progress->setWindowModality(Qt::ApplicationModal);
    connect(m_slots.get(), &TransferSlotDialog::slotsChosen, this, &TransferJobHost::slotsChosen);
    connect(m_slots.get(), &TransferSlotDialog::cancelRequested, this, &TransferJobHost::cancel);
    connect(m_progress.get(), &TransferProgressDialog::cancelRequested, this, &TransferJobHost::cancel);
    connect(m_progress.get(), &QDialog::accepted, this, &TransferJobHost::quitWhenDone);
    connect(m_progress.get(), &TransferProgressDialog::okPressed, this, [this] {
        if (m_job != nullptr && !m_job->hasEnded())
            Q_EMIT mergeAccepted();
    });
}

TransferJobHost::~TransferJobHost() = default;

transfer::JobOptions TransferJobHost::jobOptions()
{
    transfer::JobOptions options;
    // No pause after the ping, ID and erase texts: they were there for the
    // reader, and the keyboard needs none; the texts still show.
    options.progressPauses = false;
    options.speeds = &m_lineSpeeds;
    // The Read dialog in merge mode waits for OK so that its text is read.
    options.holdAfterMergeRead = true;
    options.view = this;
    return options;
}

const transfer::JobEnd& TransferJobHost::run(transfer::TransferJob& job)
{
    m_job = &job;
    m_slots->show();
    QTimer::singleShot(0, this, [this] { m_job->start(); });
    m_loop.exec();
    m_slots->hide();
    m_progress->hide();
    m_job = nullptr;
    return job.end();
}

QWidget* TransferJobHost::activeWindow() const
{
    if (m_progress->isVisible())
        return m_progress.get();
    if (m_slots->isVisible())
        return m_slots.get();
    return m_parent;
}

void TransferJobHost::stageStarted(transfer::JobStage stage)
{
    m_stages.push_back(stage);
    if (auto* download = dynamic_cast<const transfer::DownloadJob*>(m_job);
        m_history && download && stage == transfer::JobStage::Write)
        m_history->setBackup(download->backupSaved());
    switch (stage) {
    case transfer::JobStage::ReadBack:
    case transfer::JobStage::Read:
        showProgressDialog();
        m_progress->beginPhase(transfer_texts::kReadTitle, kReadingScripts);
        break;
    case transfer::JobStage::Write:
        showProgressDialog();
        m_progress->beginPhase(transfer_texts::kTransferTitle, QString());
        break;
    case transfer::JobStage::Verify:
        showProgressDialog();
        m_progress->beginPhase(transfer_texts::kTransferTitle, transfer_texts::kVerifying);
        break;
    default:
        break;
    }
}

void TransferJobHost::showProgressDialog()
{
    if (m_progressShown)
        return;
    m_progressShown = true;
    m_slots->hide();
    m_progress->show();
}

void TransferJobHost::notice(const messages::Message& text)
{
    m_notices << translatedCoreMessage(text);
}

void TransferJobHost::slotDone(int slot, transfer::SlotOutcome outcome)
{
    if (m_history)
        m_history->slotDone(slot, outcome);
}

void TransferJobHost::slotImage(int slot, std::span<const std::uint8_t> image)
{
    if (m_history)
        m_history->slotImage(slot, image);
}

void TransferJobHost::slotRecovery(int slot, transfer::Recovery recovery)
{
    if (m_history)
        m_history->slotRecovery(slot, recovery);
}

void TransferJobHost::slotChoiceNeeded()
{
    if (m_job->inspection() == nullptr)
        return;
    if (m_history)
        m_history->begin(&m_job->inspection()->keyboardId());
    m_slots->fillLists(m_job->listings(),
                       m_kind == TransferSlotDialog::Kind::Download && m_document != nullptr
                           ? document::tableNames(*m_document)
                           : std::vector<std::u16string>{});
    for (const transfer::SlotRequest& item : m_preset)
        if (item.table)
            m_slots->chooseAsStored(item.slot, *item.table);
}

void TransferJobHost::slotsChosen()
{
    if (m_job == nullptr || m_job->hasEnded())
        return;
    const bool download = m_kind == TransferSlotDialog::Kind::Download;
    if (download && m_document != nullptr && m_job->inspection() != nullptr) {
        // The refusals a download's plan can make, worded for the dialog.
        const QString refusal = translatedCoreMessage(
            transfer::refusalOfChoice(m_job->listings(), m_job->inspection()->slotCount(), *m_document,
                                      m_slots->chosenSlots(), m_slots->asStoredOption()->isChecked()));
        if (!refusal.isEmpty()) {
            UserDialogs::message(m_slots.get(), m_slots->windowTitle(), refusal);
            m_slots->okButton()->setEnabled(true);
            return;
        }
    }
    showProgressDialog();
    m_progress->beginPhase(download ? transfer_texts::kTransferTitle : transfer_texts::kReadTitle, QString());
    if (download) {
        transfer::DownloadChoice choice = m_slots->downloadChoice(QDateTime::currentDateTime());
        choice.previewOnly = m_previewOnly;
        Q_EMIT downloadChosen(choice);
    } else
        Q_EMIT importChosen(m_slots->chosenSlots());
}

// The button, Escape or the close command while the job runs. During the
// write the job asks first (cancelQuestion); the question holds everything.
void TransferJobHost::cancel()
{
    if (m_questionOpen)
        return;
    if (m_job == nullptr || m_job->hasEnded()) {
        quitWhenDone();
        return;
    }
    m_job->cancel();
}

void TransferJobHost::cancelQuestion(const std::u16string& question)
{
    m_questionOpen = true;
    // Asked from the loop: the job is not inside one of its own calls then.
    // The transfer waits for the user now, not for the keyboard.
    m_progress->restartRate();
    QTimer::singleShot(0, this, [this, question] {
        const bool yes =
            UserDialogs::ask(activeWindow(), m_progress->windowTitle(), translatedCoreText(question),
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
        m_questionOpen = false;
        if (!yes)
            m_progress->restartRate(); // the time under the question is no transfer time
        if (m_job != nullptr && !m_job->hasEnded())
            m_job->answerCancel(yes);
    });
}

// On every road of a download: what OK would write, before anything is erased.
void TransferJobHost::mergeReadDone()
{
    m_progress->waitForOk();
    if (const auto* download = dynamic_cast<const transfer::DownloadJob*>(m_job))
        m_progress->showPreview(download->preview(), m_fonts);
}

void TransferJobHost::tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots)
{
    QStringList slots;
    for (const int slot : blankSlots)
        slots << QString::number(slot);
    // The lists show the document's tables from 1.
    m_notices << (slots.isEmpty() ? transfer_texts::kTableNotHeldNoBlank.arg(table + 1).arg(languageId)
                                  : transfer_texts::kTableNotHeld.arg(table + 1)
                                        .arg(languageId)
                                        .arg(slots.join(QStringLiteral(", "))));
}

transfer::RecoveryAnswer askRecoveryWay(QWidget* parent, int slot, const QString& folder,
                                        const QString& about)
{
    transfer::RecoveryAnswer answer;
    QString question = about;
    question += transfer_texts::kRecoveryQuestion.arg(slot);
    const QMessageBox::StandardButton way =
        UserDialogs::ask(parent, transfer_texts::kRecoveryCaption, question,
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
    if (way == QMessageBox::Yes) {
        const QString path = UserDialogs::openFileName(parent, transfer_texts::kRecoveryBackupTitle, folder,
                                                       transfer_texts::kRestoreFilter);
        if (!path.isEmpty()) {
            answer.way = transfer::RecoveryAnswer::Way::FromBackup;
            answer.backupPath = QFile::encodeName(path).toStdString();
        }
    } else if (way == QMessageBox::No) {
        answer.way = transfer::RecoveryAnswer::Way::AsStored;
    }
    return answer;
}

QString recoveryFolder(const std::vector<std::string>& backups, const QString& fallback)
{
    if (backups.empty())
        return fallback;
    return QFileInfo(QFile::decodeName(QByteArray::fromStdString(backups.front()))).absolutePath();
}

void TransferJobHost::recoveryQuestion(int slot, const messages::Message&,
                                       const std::vector<std::string>& backups)
{
    // Asked from the loop, not from inside the job's step.
    const QString folder = recoveryFolder(backups, m_backupFolder);
    QTimer::singleShot(0, this, [this, slot, folder] {
        if (m_job == nullptr || m_job->hasEnded())
            return;
        const transfer::RecoveryAnswer answer = askRecoveryWay(activeWindow(), slot, folder);
        if (m_job != nullptr && !m_job->hasEnded())
            Q_EMIT recoveryAnswered(answer);
    });
}

void TransferJobHost::jobEnded(const transfer::JobEnd& end)
{
    using transfer::JobStatus;
    if (m_history) {
        m_history->end(end);
        if (const messages::Message warning = m_history->takeWarning(); !warning.empty())
            m_notices << translatedCoreMessage(warning);
    }
    Q_EMIT ending(end);
    if (end.status == JobStatus::Complete) {
        // The Transfer dialog's "Transfer Complete" stays until the user
        // presses OK; the Read dialog of an import ends at once, and the new
        // document's window says the rest.
        if (m_progressShown && m_kind == TransferSlotDialog::Kind::Download) {
            m_progress->showFinished(m_completeText.isEmpty() ? transfer_texts::kTransferComplete.text()
                                                              : m_completeText);
            if (const auto* download = dynamic_cast<const transfer::DownloadJob*>(m_job);
                download && m_previewOnly)
                m_progress->showPreview(download->preview(), m_fonts);
            return;
        }
    } else if (end.status != JobStatus::Cancelled || !end.incompleteSlots.empty()) {
        // One box: what happened, what it left incomplete, where the backup is.
        UserDialogs::message(activeWindow(),
                             activeWindow() == m_parent ? QString() : activeWindow()->windowTitle(),
                             failureText(end));
    }
    QTimer::singleShot(0, this, &TransferJobHost::quitWhenDone);
}

QString TransferJobHost::failureText(const transfer::JobEnd& end) const
{
    QString text = end.status == transfer::JobStatus::Cancelled ? transfer_texts::kTransferCancelled
                                                                : translatedCoreMessage(end.happened);
    for (const int slot : end.incompleteSlots)
        text += QStringLiteral("\n\n") + translatedCoreMessage(messages::Message(
                                             transfer::kSlotIncomplete, {transfer::texts::number(slot)}));
    if (!m_failureNote.isEmpty())
        text += QStringLiteral("\n\n") + m_failureNote;
    return text;
}

void TransferJobHost::quitWhenDone()
{
    if (m_job == nullptr || !m_job->hasEnded())
        return;
    m_loop.quit();
}

void TransferJobHost::setStatusText(const messages::Message& text)
{
    m_slots->setStatusText(translatedCoreMessage(text));
}

// Both come once a block: a text is translated only when it changes, and the
// blocks' own code, whose text the counter says, reaches the dialog once a run
// of blocks.
void TransferJobHost::showProgress(int code, const messages::Message& text)
{
    if (!m_progressShown || (code == transfer::kProgressBlocks && m_lastProgressCode == code))
        return;
    m_lastProgressCode = code;
    // The read before a write ends in the list of what the write changes,
    // not in "Transfer Complete": nothing is transferred yet.
    if (code == transfer::kProgressComplete && !m_stages.empty() &&
        m_stages.back() == transfer::JobStage::ReadBack && text == transfer::texts::kTransferComplete) {
        m_progress->showProgress(transfer::kProgressBlocks, QString());
        return;
    }
    m_progress->showProgress(code,
                             code == transfer::kProgressBlocks ? QString() : translatedCoreMessage(text));
}

void TransferJobHost::showBlockProgress(int done, int total, const messages::Message& tableLine)
{
    if (tableLine != m_tableLine) {
        m_tableLine = tableLine;
        m_tableLineShown = translatedCoreMessage(tableLine);
    }
    m_progress->setBlocksToFollow(phasesToFollow() * total);
    m_progress->showBlocks(done, total, m_tableLineShown);
}

int TransferJobHost::phasesToFollow() const
{
    // A comparison ends with its read.
    if (m_kind != TransferSlotDialog::Kind::Download || m_previewOnly || m_stages.empty())
        return 0;
    const int verify = m_slots->verifyOption()->isChecked() ? 1 : 0;
    switch (m_stages.back()) {
    case transfer::JobStage::ReadBack:
        return 1 + verify;
    case transfer::JobStage::Write:
        return verify;
    default:
        return 0;
    }
}

// The sessions' messages are said once, with the job's end (jobEnded).
void TransferJobHost::showMessage(const messages::Message&) {}

bool TransferJobHost::ask(const messages::Message& question)
{
    return UserDialogs::ask(activeWindow(), m_progress->windowTitle(), translatedCoreMessage(question),
                            QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace tarvo::ui
