#include "ui/transfer/transfer_progress_dialog.h"

#include "transfer/transfer_session.h"
#include "ui/transfer/download_preview_list.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/widgets/screen_fit.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace tarvo::ui {

namespace {

constexpr int kPercent = 100;
constexpr qint64 kMsPerSecond = 1000;
constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerHour = 3600;
constexpr int kMinimumWidth = 460;
// Room for the longest progress text (the merge's "click Ok" line) in two
// lines of the dialog's font, at any font size.
constexpr int kWidthInCharacters = 60;
constexpr int kProgressLines = 2;
// The grid's rows below the blocks: the preview's note and list, then the buttons.
constexpr int kPreviewNoteRow = 5;
constexpr int kPreviewListRow = 6;
constexpr int kButtonRow = 7;
constexpr int kGridColumns = 3;

} // namespace

QString rateAndTimeLeft(int blocksDone, int blocksLeft, qint64 elapsedMs)
{
    if (blocksDone <= 0 || elapsedMs <= 0)
        return {};
    const double rate = blocksDone * static_cast<double>(kMsPerSecond) / static_cast<double>(elapsedMs);
    const auto seconds = static_cast<qint64>(blocksLeft / rate + 0.5);
    QString left;
    if (seconds >= kSecondsPerHour)
        left = QStringLiteral("%1:%2:%3")
                   .arg(seconds / kSecondsPerHour)
                   .arg(seconds % kSecondsPerHour / kSecondsPerMinute, 2, 10, QLatin1Char('0'))
                   .arg(seconds % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
    else
        left = QStringLiteral("%1:%2")
                   .arg(seconds / kSecondsPerMinute)
                   .arg(seconds % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
    return transfer_texts::kRate.arg(rate, 0, 'f', 1).arg(left);
}

QString waitingText(qint64 waitedMs)
{
    return transfer_texts::kWaitingForKeyboard.arg(waitedMs / kMsPerSecond);
}

TransferProgressDialog::TransferProgressDialog(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TransferProgressDialog"));
    setWindowTitle(transfer_texts::kTransferTitle);
    setMinimumWidth(std::max(kMinimumWidth, fontMetrics().averageCharWidth() * kWidthInCharacters));
    auto* grid = new QGridLayout(this);
    m_comment = new QLabel(this);
    m_table = new QLabel(this);
    m_progress = new QLabel(this);
    m_progress->setWordWrap(true);
    m_progress->setMinimumHeight(fontMetrics().lineSpacing() * kProgressLines);
    m_progress->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_bar = new QProgressBar(this);
    m_bar->setRange(0, kPercent);
    m_bar->setValue(0);
    m_blockLabel = new QLabel(this);
    m_blocks = new QLabel(transfer_texts::kBlockCountBlank, this);
    m_rate = new QLabel(this);
    m_button = new QPushButton(transfer_texts::kButtonCancel, this);
    m_button->setDefault(true);
    grid->addWidget(m_comment, 0, 0, 1, 3);
    grid->addWidget(m_table, 1, 0, 1, 3);
    grid->addWidget(m_progress, 2, 0, 1, 3);
    grid->addWidget(m_bar, 3, 0, 1, 3);
    grid->addWidget(m_blockLabel, 4, 0);
    grid->addWidget(m_blocks, 4, 1);
    grid->addWidget(m_rate, 4, 2, Qt::AlignRight);
    grid->addWidget(m_button, kButtonRow, 2, Qt::AlignRight);
    connect(m_button, &QPushButton::clicked, this, &TransferProgressDialog::buttonClicked);
    m_monotonic.start();
    m_now = [this] { return m_monotonic.elapsed(); };
    m_refresh.setInterval(static_cast<int>(kRefreshMs));
    connect(&m_refresh, &QTimer::timeout, this, &TransferProgressDialog::refresh);
    keepOnScreen(*this);
}

void TransferProgressDialog::setClock(Clock clock)
{
    m_now = std::move(clock);
}

void TransferProgressDialog::beginPhase(const QString& title, const QString& comment)
{
    stopRefreshing();
    setWindowTitle(title);
    m_comment->setText(comment);
    m_table->clear();
    m_progress->clear();
    m_bar->setValue(0);
    m_blocks->setText(transfer_texts::kBlockCountBlank);
    m_rate->clear();
    m_firstDone = -1;
    m_blocksToFollow = 0;
}

void TransferProgressDialog::showProgress(int code, const QString& text)
{
    if (code == transfer::kProgressCleared) {
        m_progress->clear();
        m_button->setText(transfer_texts::kButtonCancel);
        return;
    }
    if (code == transfer::kProgressBlocks) {
        // The blocks move: the step before them (reading the table
        // information, the sector flashed) is over.
        m_progress->clear();
        return;
    }
    m_progress->setText(text);
}

void TransferProgressDialog::showBlocks(int done, int total, const QString& tableLine)
{
    const qint64 now = m_now();
    if (!tableLine.isEmpty())
        m_table->setText(tableLine);
    m_done = done;
    m_total = total;
    m_lastBlockAtMs = now;
    m_latestShown = false;
    const bool first = m_firstDone < 0;
    if (first) {
        // The rate counts from the first block seen, after the ping and the erase.
        m_firstDone = done;
        m_firstDoneAtMs = now;
        m_blockLabel->setText(transfer_texts::kCurrentBlock);
    }
    if (first || done >= total || now - m_shownAtMs >= kRefreshMs)
        showLatest();
    if (!m_refresh.isActive())
        m_refresh.start();
}

void TransferProgressDialog::showLatest()
{
    const qint64 now = m_now();
    m_blocks->setText(transfer_texts::kBlockCount.arg(m_done).arg(m_total));
    m_bar->setValue(m_total > 0 ? static_cast<int>(static_cast<qint64>(m_done) * kPercent / m_total) : 0);
    if (m_firstDone >= 0 && m_done > m_firstDone)
        m_rate->setText(rateAndTimeLeft(m_done - m_firstDone, m_total - m_done + m_blocksToFollow,
                                        now - m_firstDoneAtMs));
    m_latestShown = true;
    m_shownAtMs = now;
}

bool TransferProgressDialog::stalled() const
{
    return m_firstDone >= 0 && !m_finished && !m_waitingOk && m_now() - m_lastBlockAtMs >= kStalledAfterMs;
}

// Every kRefreshMs while blocks move: what came since the last refresh, or
// that the keyboard has not answered for a while.
void TransferProgressDialog::refresh()
{
    if (!m_latestShown) {
        showLatest();
        return;
    }
    if (stalled())
        m_rate->setText(waitingText(m_now() - m_lastBlockAtMs));
}

void TransferProgressDialog::stopRefreshing()
{
    m_refresh.stop();
    if (!m_latestShown && m_firstDone >= 0)
        showLatest();
}

void TransferProgressDialog::showFinished(const QString& text)
{
    stopRefreshing();
    m_finished = true;
    m_progress->setText(text);
    m_rate->clear();
    m_button->setText(transfer_texts::kButtonOk);
}

QString TransferProgressDialog::comment() const
{
    return m_comment->text();
}
QString TransferProgressDialog::tableLine() const
{
    return m_table->text();
}
QString TransferProgressDialog::progressText() const
{
    return m_progress->text();
}
QString TransferProgressDialog::blockText() const
{
    return m_blocks->text();
}
QString TransferProgressDialog::rateText() const
{
    return m_rate->text();
}
int TransferProgressDialog::percent() const
{
    return m_bar->value();
}
QString TransferProgressDialog::buttonText() const
{
    return m_button->text();
}

void TransferProgressDialog::restartRate()
{
    stopRefreshing();
    m_firstDone = -1;
    m_rate->clear();
}

void TransferProgressDialog::waitForOk()
{
    stopRefreshing();
    m_waitingOk = true;
    m_rate->clear();
    m_button->setText(transfer_texts::kButtonOk);
}

void TransferProgressDialog::showPreview(const transfer::DownloadPreview& preview, const UiFonts* fonts)
{
    if (m_previewList == nullptr) {
        auto* grid = static_cast<QGridLayout*>(layout());
        m_previewNote = new QLabel(this);
        m_previewNote->setObjectName(QStringLiteral("previewNote"));
        m_previewNote->setWordWrap(true);
        m_previewList = new DownloadPreviewList(fonts, this);
        m_previewCancel = new QPushButton(transfer_texts::kButtonCancel, this);
        m_previewCancel->setObjectName(QStringLiteral("previewCancel"));
        grid->addWidget(m_previewNote, kPreviewNoteRow, 0, 1, kGridColumns);
        grid->addWidget(m_previewList, kPreviewListRow, 0, 1, kGridColumns);
        grid->addWidget(m_previewCancel, kButtonRow, 1, Qt::AlignRight);
        grid->setRowStretch(kPreviewListRow, 1);
        connect(m_previewCancel, &QPushButton::clicked, this, &TransferProgressDialog::escapeOrClose);
    }
    m_previewList->showPreview(preview);
    // Before the write OK goes on and Cancel erases nothing; after a comparison nothing was written.
    QString note = m_waitingOk ? transfer_texts::kPreviewOkOrCancel.text()
                               : transfer_texts::kCompareNothingWritten.text();
    if (m_previewList->nothingChanges())
        note.prepend(transfer_texts::kPreviewAllHeld.text() + QLatin1Char(' '));
    m_previewNote->setText(note);
    m_previewNote->show();
    m_previewList->show();
    m_previewCancel->setVisible(m_waitingOk);
    fitScreen();
}

QString TransferProgressDialog::previewNote() const
{
    return m_previewNote != nullptr && m_previewNote->isVisible() ? m_previewNote->text() : QString();
}

void TransferProgressDialog::hidePreview()
{
    if (m_previewList == nullptr)
        return;
    m_previewNote->hide();
    m_previewList->hide();
    m_previewCancel->hide();
    adjustSize();
}

void TransferProgressDialog::fitScreen()
{
    fitOnScreen(*this);
}

void TransferProgressDialog::buttonClicked()
{
    if (m_waitingOk) {
        m_waitingOk = false;
        hidePreview();
        m_button->setText(transfer_texts::kButtonCancel);
        Q_EMIT okPressed();
        return;
    }
    if (m_finished)
        accept();
    else
        Q_EMIT cancelRequested();
}

// Escape and the close command act as the button, except while the dialog
// waits for OK after the read for merging: there OK goes on to erase the
// keyboard, which a user closing the window does not mean, so they cancel.
void TransferProgressDialog::escapeOrClose()
{
    if (m_waitingOk) {
        m_waitingOk = false;
        hidePreview();
        Q_EMIT cancelRequested();
        return;
    }
    buttonClicked();
}

void TransferProgressDialog::reject()
{
    escapeOrClose();
}

void TransferProgressDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    escapeOrClose();
}

void TransferProgressDialog::hideEvent(QHideEvent* event)
{
    stopRefreshing();
    QDialog::hideEvent(event);
}

} // namespace tarvo::ui
