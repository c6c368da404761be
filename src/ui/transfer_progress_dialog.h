#pragma once
// The Transfer Language Table and Read Language Table From Keyboard dialogs:
// a comment line, the table line, a progress bar with the blocks, the rate
// and the time left, "Current Block:" with "#### of ####", and one button
// ("Cancel" during the transfer, "OK" at the end). It only shows: the button,
// Escape and the close command are reported through cancelRequested().

#include <QDialog>
#include <QElapsedTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarvo::ui {

class TransferProgressDialog final : public QDialog {
    Q_OBJECT
public:
    explicit TransferProgressDialog(QWidget* parent = nullptr);

    // A new phase (read, write, verify): the title and comment line, counters restarted.
    void beginPhase(const QString& title, const QString& comment);
    // A progress code with its text (codes 1-12 of the sessions).
    void showProgress(int code, const QString& text);
    void showBlocks(int done, int total, const QString& tableLine);
    // The end: the text, the button reads "OK" and closes the dialog.
    void showFinished(const QString& text);
    // A pause the user ends with OK (the script menus read for merging):
    // the button reads "OK" until pressed, then "Cancel" again.
    void waitForOk();
    // The rate counts again from the next block (after a pause).
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

signals:
    // The button during the transfer, Escape or the close command.
    void cancelRequested();
    // OK pressed during waitForOk().
    void okPressed();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buttonClicked();
    void escapeOrClose();

    QLabel* m_comment = nullptr;
    QLabel* m_table = nullptr;
    QLabel* m_progress = nullptr;
    QProgressBar* m_bar = nullptr;
    QLabel* m_blockLabel = nullptr;
    QLabel* m_blocks = nullptr;
    QLabel* m_rate = nullptr;
    QPushButton* m_button = nullptr;
    QElapsedTimer m_clock;
    int m_firstDone = -1;
    bool m_finished = false;
    bool m_waitingOk = false;
};

// "12.3 blocks/s, 4:05 left" from blocks done in this phase and the time it took.
QString rateAndTimeLeft(int blocksDone, int blocksLeft, qint64 elapsedMs);

} // namespace tarvo::ui
