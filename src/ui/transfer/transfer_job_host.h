#pragma once
// Hosts a download or import job in the editor: the Download or Import
// dialog while the job inspects the slots and waits for the choice, then the
// Read and Transfer dialog while it moves the tables. The job does the
// transfer; this shows its sessions' texts, asks its questions and runs the
// application's loop until the job has ended and the user has read the end.

#include "history/history_recorder.h"
#include "platform/history_file.h"
#include "platform/line_speed_settings.h"
#include "transfer/download_job.h"
#include "transfer/job_listener.h"
#include "transfer/session_view.h"
#include "transfer/transfer_job.h"
#include "ui/transfer/transfer_progress_dialog.h"
#include "ui/transfer/transfer_slot_dialog.h"

#include <QEventLoop>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

namespace tarvo::ui {

class TransferJobHost final : public QObject, public transfer::JobListener, public transfer::SessionView {
    Q_OBJECT
public:
    TransferJobHost(TransferSlotDialog::Kind kind, QWidget* parent);
    ~TransferJobHost() override;

    // Options for the job: this host shows its sessions, and the line speed
    // that last answered on the device is pinged first.
    transfer::JobOptions jobOptions();
    // The document a download writes (outlives the run): a blank slot's
    // list offers its tables, and Download checks the choice against it.
    void setDocument(const document::CS1_Doc& doc) { m_document = &doc; }
    // Picks these document tables as stored in these slots once the lists are filled.
    void setPresetChoice(std::vector<transfer::SlotRequest> preset) { m_preset = std::move(preset); }
    // Fonts the entries of a preview are drawn in (null: the dialog's own).
    void setFonts(const UiFonts* fonts) { m_fonts = fonts; }
    // The download stops before the first erase and shows what it would change (Compare with Keyboard).
    void setPreviewOnly(bool previewOnly) { m_previewOnly = previewOnly; }
    // Where the file dialog of a recovery's backup opens when no record names one.
    void setBackupFolder(QString folder) { m_backupFolder = std::move(folder); }
    // What the Transfer dialog says when the job completes ("Transfer Complete" by default).
    void setCompleteText(QString text) { m_completeText = std::move(text); }
    // Added to the failure box of the job's end (where the backup lies, what
    // to do about a slot left incomplete); empty for nothing.
    void setFailureNote(QString note) { m_failureNote = std::move(note); }

    // The transfer's records go to the history from its start on.
    void recordHistory(history::TransferStart start) { m_history.emplace(&m_historyFile, std::move(start)); }

    // Runs job to its end; the user's answers go out as the signals below,
    // for the caller to pass to the job.
    const transfer::JobEnd& run(transfer::TransferJob& job);

    TransferSlotDialog& slotDialog() { return *m_slots; }
    TransferProgressDialog& progressDialog() { return *m_progress; }
    // The job's notices (backup saved, slot unchanged), in order.
    const QStringList& notices() const { return m_notices; }

    // JobListener
    void stageStarted(transfer::JobStage stage) override;
    void notice(const messages::Message& text) override;
    void slotDone(int slot, transfer::SlotOutcome outcome) override;
    void slotImage(int slot, std::span<const std::uint8_t> image) override;
    void slotRecovery(int slot, transfer::Recovery recovery) override;
    void slotChoiceNeeded() override;
    void cancelQuestion(const std::u16string& question) override;
    void mergeReadDone() override;
    void tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots) override;
    void recoveryQuestion(int slot, const messages::Message& why,
                          const std::vector<std::string>& backups) override;
    void jobEnded(const transfer::JobEnd& end) override;

Q_SIGNALS:
    // Download pressed, and the choice passed the plan's checks.
    void downloadChosen(const tarvo::transfer::DownloadChoice& choice);
    // Import pressed with the slots to read.
    void importChosen(const std::vector<tarvo::transfer::SlotRequest>& slots);
    // OK under the list of what the write changes: the write may follow.
    void mergeAccepted();
    // The user's way for a slot an interrupted write left (recoveryQuestion).
    void recoveryAnswered(const tarvo::transfer::RecoveryAnswer& answer);
    // The job has ended and its end is shown next: a receiver may set the
    // texts shown (setCompleteText, setFailureNote).
    void ending(const tarvo::transfer::JobEnd& end);

private:
    // SessionView
    void setStatusText(const messages::Message& text) override;
    void showProgress(int code, const messages::Message& text) override;
    void showBlockProgress(int done, int total, const messages::Message& tableLine) override;
    void showMessage(const messages::Message& text) override;
    bool ask(const messages::Message& question) override;
    void sessionEnded(int /*endCode*/) override {}

    void slotsChosen();
    // How many more phases of as many blocks follow the one running: a
    // download reads back, writes and verifies the same slots.
    int phasesToFollow() const;
    void cancel();
    void showProgressDialog();
    QWidget* activeWindow() const;
    void quitWhenDone();
    QString failureText(const transfer::JobEnd& end) const;

    TransferSlotDialog::Kind m_kind;
    QWidget* m_parent;
    std::unique_ptr<TransferSlotDialog> m_slots;
    std::unique_ptr<TransferProgressDialog> m_progress;
    transfer::TransferJob* m_job = nullptr;
    const document::CS1_Doc* m_document = nullptr;
    const UiFonts* m_fonts = nullptr;
    bool m_previewOnly = false;
    std::vector<transfer::SlotRequest> m_preset;
    QString m_completeText;
    QString m_failureNote;
    QString m_backupFolder;
    platform::LineSpeedSettings m_lineSpeeds;
    QEventLoop m_loop;
    QStringList m_notices;
    std::vector<transfer::JobStage> m_stages;
    bool m_progressShown = false;
    int m_lastProgressCode = 0;
    messages::Message m_tableLine;
    QString m_tableLineShown;
    bool m_questionOpen = false;
    platform::HistoryFile m_historyFile;
    std::optional<history::HistoryRecorder> m_history;
};

// How to write a slot an interrupted write left that no record proves: from
// a backup (Yes, then its file), as stored (No), or not at all (Cancel).
// about goes before the question (several keyboards: which one); empty for none.
transfer::RecoveryAnswer askRecoveryWay(QWidget* parent, int slot, const QString& folder,
                                        const QString& about = {});
// Where the question's file dialog opens: where the record's first backup
// lies, else fallback.
QString recoveryFolder(const std::vector<std::string>& backups, const QString& fallback);

} // namespace tarvo::ui
