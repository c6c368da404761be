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

#include <functional>
#include <memory>
#include <optional>

namespace tarvo::ui {

class TransferJobHost final : public QObject, public transfer::JobListener, public transfer::SessionView {
    Q_OBJECT
public:
    using ChooseSlots = std::function<void(const std::vector<transfer::SlotRequest>&)>;
    // A refusal of the slots chosen, worded for the dialog (empty: none).
    using CheckChoice =
        std::function<QString(const std::vector<transfer::SlotListing>& listings, int slotCount,
                              const std::vector<transfer::SlotRequest>& chosen)>;

    TransferJobHost(TransferSlotDialog::Kind kind, QWidget* parent);
    ~TransferJobHost() override;

    // Options for the job: this host shows its sessions, and the line speed
    // that last answered on the device is pinged first.
    transfer::JobOptions jobOptions();
    // The document's table names a blank slot's list offers (download only).
    void setDocumentTables(std::vector<std::u16string> names) { m_documentTables = std::move(names); }
    // What OK does after the script menus were read for merging.
    void setContinueAfterMerge(std::function<void()> next) { m_continueAfterMerge = std::move(next); }

    // Checked when the user presses Download or Import: a refusal is shown
    // and the dialog stays open for another choice.
    void setChoiceCheck(CheckChoice check) { m_check = std::move(check); }
    // Picks these document tables as stored in these slots once the lists are filled.
    void setPresetChoice(std::vector<transfer::SlotRequest> preset) { m_preset = std::move(preset); }
    // What the Transfer dialog says when the job completes ("Transfer Complete" by default).
    void setCompleteText(std::function<QString()> text) { m_completeText = std::move(text); }
    // Added to the failure box of the job's end (where the backup lies, what
    // to do about a slot left incomplete); empty for nothing.
    void setFailureNote(std::function<QString(const transfer::JobEnd&)> note)
    {
        m_failureNote = std::move(note);
    }

    // A download asks before it erases a slot no record of an interrupted
    // write proves: answer passes the user's way on; the backups' file
    // dialog opens in folder.
    using AnswerRecovery = std::function<void(const transfer::RecoveryAnswer&)>;
    void setRecoveryAnswer(AnswerRecovery answer, QString folder);

    // The transfer's records go to the history from its start on.
    void recordHistory(history::TransferStart start) { m_history.emplace(&m_historyFile, std::move(start)); }

    // Runs job to its end; choose passes the user's slots to the job.
    const transfer::JobEnd& run(transfer::TransferJob& job, ChooseSlots choose);

    TransferSlotDialog& slotDialog() { return *m_slots; }
    TransferProgressDialog& progressDialog() { return *m_progress; }
    // The job's notices (backup saved, slot unchanged), in order.
    const QStringList& notices() const { return m_notices; }

    // JobListener
    void stageStarted(transfer::JobStage stage) override;
    void notice(const std::string& text) override;
    void slotDone(int slot, transfer::SlotOutcome outcome) override;
    void slotImage(int slot, std::span<const std::uint8_t> image) override;
    void slotRecovery(int slot, transfer::Recovery recovery) override;
    void slotChoiceNeeded() override;
    void cancelQuestion(const std::u16string& question) override;
    void mergeReadDone() override;
    void tableNotWritten(int table, int languageId, const std::vector<int>& blankSlots) override;
    void recoveryQuestion(int slot, const std::string& why, const std::vector<std::string>& backups) override;
    void jobEnded(const transfer::JobEnd& end) override;

private:
    // SessionView
    void setStatusText(const std::u16string& text) override;
    void showProgress(int code, const std::u16string& text) override;
    void showBlockProgress(int done, int total, const std::u16string& tableLine) override;
    void showMessage(const std::u16string& text) override;
    bool ask(const std::u16string& question) override;
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
    ChooseSlots m_choose;
    CheckChoice m_check;
    std::vector<transfer::SlotRequest> m_preset;
    std::function<QString()> m_completeText;
    std::function<QString(const transfer::JobEnd&)> m_failureNote;
    std::vector<std::u16string> m_documentTables;
    std::function<void()> m_continueAfterMerge;
    AnswerRecovery m_answerRecovery;
    QString m_backupFolder;
    platform::LineSpeedSettings m_lineSpeeds;
    QEventLoop m_loop;
    QStringList m_notices;
    std::vector<transfer::JobStage> m_stages;
    bool m_progressShown = false;
    int m_lastProgressCode = 0;
    std::u16string m_tableLine;
    QString m_tableLineShown;
    bool m_questionOpen = false;
    platform::HistoryFile m_historyFile;
    std::optional<history::HistoryRecorder> m_history;
};

} // namespace tarvo::ui
