#pragma once
// Download to Several Keyboards: one window with a row per keyboard (COM
// number, device, keyboard identity, the slot being written, a progress bar,
// the phase and the time left), Cancel per row and Cancel all, each asking
// first and naming the slots it would leave incomplete. Each keyboard runs
// its own download job, at the same time, on its own copy of the document;
// a keyboard that fails fails alone. At the end the window shows the tool's
// result table, which can be copied as text. The core's fleet runs the jobs;
// this only shows them and asks their questions, one at a time.

#include "transfer/download_fleet.h"

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tarvo::templates {
class TemplateCatalogue;
}

namespace tarvo::ui {

struct UiFonts;

// What every keyboard's download starts from.
struct FleetDownloadSetup {
    const document::CS1_Doc* document = nullptr; // each keyboard gets its own copy
    templates::TemplateCatalogue* catalogue = nullptr;
    transfer::InterruptedWriteMemory* interruptedWrites = nullptr;
    const UiFonts* fonts = nullptr; // the previews' lines (null: the lists' own font)
    // Where the slot choice puts the backup, which then gets each keyboard's
    // COM number before its extension; the path is the history's too.
    QString documentPath;
    QString documentTitle;
    QString scriptsFolder;
};

class FleetWindow final : public QDialog {
    Q_OBJECT
public:
    // ports: 0-based COM ports, each keyboard's.
    FleetWindow(std::vector<int> ports, FleetDownloadSetup setup, QWidget* parent = nullptr);
    ~FleetWindow() override;

    // Starts every keyboard's job (from the loop, once the window shows).
    void start();
    bool finished() const { return m_finished; }
    // The tool's result table, a row per keyboard; empty before the end.
    const QString& resultText() const { return m_resultText; }
    const std::vector<transfer::FleetRow>& results() const { return m_results; }

    QTableWidget* rows() const { return m_rows; }
    QPushButton* cancelButton(int row) const;
    QPushButton* cancelAllButton() const { return m_cancelAll; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* closeButton() const { return m_close; }

    void reject() override;

private:
    class Keyboard;

    void cancelRow(int row);
    void cancelAll();
    // Once every keyboard has been inspected (or has ended): a slot choice
    // for each group of keyboards whose slots hold the same languages.
    void choicesMayBeReady();
    void askChoices();
    void chooseSlots(const std::vector<Keyboard*>& group);
    // Once no keyboard can still come to hold after its read: their previews in one dialog.
    void previewsMayBeReady();
    void askPreviews();
    void showPreviews();
    // Asks one question at a time: each waits for the one before it.
    void askInTurn(std::function<void()> question);
    void askNext();
    void refresh();
    void allEnded();
    // The window grows to show the rows and the result table whole.
    void showResultsWhole(const QStringList& lines);

    FleetDownloadSetup m_setup;
    std::vector<std::unique_ptr<Keyboard>> m_keyboards;
    // Declared after the keyboards: its jobs go before their lines and documents.
    transfer::DownloadFleet m_fleet;
    QTableWidget* m_rows;
    QPlainTextEdit* m_resultBox;
    QPushButton* m_cancelAll;
    QPushButton* m_copy;
    QPushButton* m_close;
    QTimer m_refresh;
    std::deque<std::function<void()>> m_questions;
    bool m_questionOpen = false;
    bool m_cancellingAll = false;
    bool m_choicesAsked = false;
    bool m_previewQueued = false;
    bool m_finished = false;
    std::vector<transfer::FleetRow> m_results;
    QString m_resultText;
};

// A keyboard's backup path: path with " COM<n>" before its extension, so
// that backups made in the same second never collide.
QString fleetBackupPath(const QString& path, int portIndex);

} // namespace tarvo::ui
