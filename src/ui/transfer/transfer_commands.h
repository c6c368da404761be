#pragma once
// The transfer commands of the main window: File "&Import..." (Ctrl+I,
// toolbar button 3, always enabled), the Transfer menu's "&Query
// Keyboard..." and "&Download Script Menu..." (toolbar buttons 5 and 6, with
// an active document), and "&Restore Keyboard from Backup..." (always). Each
// runs the transfer jobs on the application's port through the transfer
// dialogs. The main window places the actions.

#include "platform/interrupted_write_store.h"
#include "ui/transfer/backup_path.h"

#include <QObject>
#include <QString>

#include <memory>
#include <vector>

class QAction;

namespace tarvo::serial {
struct CommSettings;
}
namespace tarvo::document {
class CS1_Doc;
}
namespace tarvo::transfer {
struct SlotRequest;
}

namespace tarvo::ui {

class EditorWorkspace;

class TransferCommands final : public QObject {
    Q_OBJECT
public:
    explicit TransferCommands(EditorWorkspace& workspace);

    QAction* importAction() const { return m_import; }
    QAction* queryAction() const { return m_query; }
    QAction* downloadAction() const { return m_download; }
    QAction* restoreAction() const { return m_restore; }

    void importTables();
    void queryKeyboard();
    void downloadTables();
    // A backup document's tables written back, as stored, into the slots they came from.
    void restoreFromBackup();
    void updateEnablers();

private:
    struct DownloadRun;
    bool confirmReminder();
    // Runs the Download dialog and its job on doc; preset picks tables as
    // stored (a restore), title names the dialog.
    DownloadRun runDownload(document::CS1_Doc& doc, serial::CommSettings settings,
                            const std::vector<transfer::SlotRequest>& preset, const QString& title);
    // "Transfer Complete: ..." or that the keyboard already held the tables, with the notices.
    QString summaryOf(const DownloadRun& run, const QString& complete) const;

    EditorWorkspace& m_workspace;
    QAction* m_import = nullptr;
    QAction* m_query = nullptr;
    QAction* m_download = nullptr;
    QAction* m_restore = nullptr;
    // Shared with the tool: the writes left unfinished on each device.
    platform::InterruptedWriteStore m_interruptedWrites;
};

} // namespace tarvo::ui
