#pragma once
// The Transfer Language Table and Read Language Table From Keyboard dialogs:
// a comment line, the table line, a progress bar with the blocks, the rate
// and the time left, "Current Block:" with "#### of ####", and one button
// ("Cancel" during the transfer, "OK" at the end). It only shows: the button,
// Escape and the close command are reported through cancelRequested().
//
// Blocks come a few hundred a second; the dialog shows them at most
// kRefreshesPerSecond times a second (always the last block of a phase at
// once), so that drawing never holds the transfer up. A phase whose blocks
// stop coming shows that it waits for the keyboard instead of a rate that
// no longer moves.

#include "transfer/download_preview.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class QLabel;
class QDialogButtonBox;
class QProgressBar;
class QPushButton;

namespace tarvo::ui {

class DownloadPreviewList;
struct UiFonts;

class TransferProgressDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TransferProgressDialog(QWidget* parent = nullptr);

    static constexpr int kRefreshesPerSecond = 20;
    static constexpr qint64 kRefreshMs = 1000 / kRefreshesPerSecond;
    // No block for this long: the phase waits for the keyboard.
    static constexpr qint64 kStalledAfterMs = 2000;

    // Milliseconds on a monotonic clock.
    using Clock = std::function<qint64()>;
    // The clock the rate, the time left and the wait are measured on.
    void setClock(Clock clock);

    // A new phase (read, write, verify): the title and comment line, counters restarted.
    void beginPhase(const QString& title, const QString& comment);
    // Blocks of the phases still to come after this one (the write after the
    // read-back, the verify after the write): the time left covers them too.
    void setBlocksToFollow(int blocks) { m_blocksToFollow = blocks; }
    // A progress code with its text (codes 1-12 of the sessions).
    void showProgress(int code, const QString& text);
    void showBlocks(int done, int total, const QString& tableLine);
    // The end: the text, the button reads "OK" and closes the dialog.
    void showFinished(const QString& text);
    // A pause the user ends with OK (the script menus read for merging):
    // the button reads "OK" until pressed, then "Cancel" again.
    void waitForOk();
    // What a download would change. While waiting for OK (after waitForOk),
    // above OK and a Cancel that erases nothing, and gone again with either;
    // after the end (showFinished), with OK only, saying nothing was written.
    void showPreview(const transfer::DownloadPreview& preview, const UiFonts* fonts);
    // The list shown (null before the first preview).
    DownloadPreviewList* previewList() const { return m_previewList; }
    QString previewNote() const;
    // The rate counts again from the next block (after a pause); until then
    // no rate and no wait is shown.
    void restartRate();
    bool waitingForOk() const { return m_waitingOk; }

    QString comment() const;
    QString tableLine() const;
    QString progressText() const;
    QString blockText() const;
    QString rateText() const;
    int percent() const;
    QString buttonText() const;
    bool finished() const { return m_finished; }
    QPushButton* button() const { return m_button; }

Q_SIGNALS:
    // The button during the transfer, Escape or the close command.
    void cancelRequested();
    // OK pressed during waitForOk().
    void okPressed();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buttonClicked();
    void escapeOrClose();
    // Puts the last block counts, rate and time left on screen.
    void showLatest();
    void refresh();
    bool stalled() const;
    void stopRefreshing();
    void hidePreview();
    // Grown to show the preview, no larger than the screen's free area.
    void fitScreen();

    QLabel* m_comment = nullptr;
    QLabel* m_table = nullptr;
    QLabel* m_progress = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_blockLabel = nullptr;
    QLabel* m_blocks = nullptr;
    QLabel* m_rate = nullptr;
    QPushButton* m_button = nullptr;
    // The preview's note, list and Cancel, made with the first preview.
    QLabel* m_previewNote = nullptr;
    DownloadPreviewList* m_previewList = nullptr;
    QPushButton* m_previewCancel = nullptr;
    QElapsedTimer m_monotonic;
    Clock m_now;
    QTimer m_refresh;
    // The blocks as last reported, and whether the screen shows them yet.
    int m_done = 0;
    int m_total = 0;
    bool m_latestShown = true;
    qint64 m_shownAtMs = 0;
    qint64 m_lastBlockAtMs = 0;
    // The rate counts from this block and time (-1: from the next block).
    int m_firstDone = -1;
    qint64 m_firstDoneAtMs = 0;
    int m_blocksToFollow = 0;
    bool m_finished = false;
    bool m_waitingOk = false;
};

// "12.3 blocks/s, 4:05 left" from blocks done in this phase and the time it took.
QString rateAndTimeLeft(int blocksDone, int blocksLeft, qint64 elapsedMs);
// "waiting for the keyboard for 3 s" after waitedMs without a block.
QString waitingText(qint64 waitedMs);

} // namespace tarvo::ui
