// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"
#include "templates/template_catalogue.h"
#include "templates/utf_text.h"
#include "transfer/display_width.h"
#include "transfer/document_copy.h"
#include "transfer/download_fleet.h"

#include "ui/fleet/fleet_window.h"

#include "platform/device_serial_port.h"
#include "platform/event_loop_host.h"
#include "platform/history_file.h"
#include "platform/line_speed_settings.h"
#include "platform/port_paths.h"
#include "platform/text.h"
#include "serial/comm_port.h"
#include "transfer/fleet_choice.h"
#include "ui/core_message_texts.h"
#include "ui/fleet/fleet_preview_dialog.h"
#include "ui/fleet/fleet_texts.h"
#include "ui/transfer/catalogue_tables.h"
#include "ui/transfer/transfer_job_host.h"
#include "ui/transfer/transfer_slot_dialog.h"
#include "ui/user_dialogs.h"
#include "ui/widgets/screen_fit.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtMath>

#include <algorithm>
#include <iterator>
#include <optional>

namespace tarvo::ui {

namespace {

enum Column { kCom, kDevice, kKeyboard, kSlot, kProgress, kPhase, kTimeLeft, kCancelColumn, kColumns };

// The rows show what came in at most this often: blocks come hundreds a second.
constexpr int kRefreshMs = 100;
constexpr int kPercent = 100;
constexpr qint64 kMsPerSecond = 1000;
constexpr int kSecondsPerMinute = 60;
constexpr int kMinPortColumn = 24;
constexpr int kKeyboardColumnWidth = 22;
// Column widths in average characters.
constexpr int kProgressChars = 16;
constexpr int kPhaseChars = 24;

QString phaseOf(transfer::JobStage stage)
{
    switch (stage) {
    case transfer::JobStage::Inspect:
    case transfer::JobStage::ChoosingSlots:
    case transfer::JobStage::Plan:
        return fleet_texts::kInspecting;
    case transfer::JobStage::ReadBack:
        return fleet_texts::kReadingBack;
    case transfer::JobStage::Backup:
        return fleet_texts::kSavingBackup;
    case transfer::JobStage::Write:
        return fleet_texts::kWriting;
    case transfer::JobStage::Verify:
        return fleet_texts::kVerifying;
    default:
        return fleet_texts::kWaiting;
    }
}

// The document's line settings, on this keyboard's port, as a download to one keyboard uses them.
serial::CommSettings keyboardSettings(const document::CS1_Doc& doc, int portIndex)
{
    serial::CommSettings settings = doc.commSettings();
    settings.portIndex = portIndex;
    return settings;
}

QString comText(int portIndex)
{
    return fleet_texts::kComPort.arg(portIndex + 1);
}

// The columns a text takes in the fixed-pitch result table: Hangul and CJK take two.
int columnsOf(const QString& text)
{
    return transfer::displayWidth(text.toStdU16String());
}

// text filled with blanks to width columns, on the right or (right-aligned) on the left.
QString padded(const QString& text, int width, bool right = false)
{
    const QString blanks(std::max(0, width - columnsOf(text)), QLatin1Char(' '));
    return right ? blanks + text : text + blanks;
}

} // namespace

QString fleetBackupPath(const QString& path, int portIndex)
{
    const QFileInfo file(path);
    QString name = file.completeBaseName();
    name += QLatin1Char(' ');
    name += comText(portIndex);
    if (!file.suffix().isEmpty()) {
        name += QLatin1Char('.');
        name += file.suffix();
    }
    return file.dir().filePath(name);
}

// One keyboard: its line, its copy of the document, and its row.
class FleetWindow::Keyboard final : public transfer::JobListener {
public:
    Keyboard(FleetWindow& window, int row, int portIndex, const FleetDownloadSetup& setup)
        : m_window(window), m_row(row), m_portIndex(portIndex),
          m_device(platform::comPortDevicePath(portIndex)), m_port(m_serial),
          m_settings(keyboardSettings(*setup.document, portIndex)), m_backupTables(setup.catalogue)
    {
        // The window's document as it is now, unsaved edits included.
        m_doc = transfer::copyOfDocument(*setup.document, m_pool);
        if (m_doc)
            m_doc->setCommSettings(m_settings);
        // Each keyboard is a transfer of its own in the history.
        m_history.emplace(&m_historyFile,
                          platform::transferStart(history::kEditorProgram, "download", m_device,
                                                  setup.documentPath.toStdString()));
        m_clock.start();
    }

    bool ready() const { return m_doc != nullptr; }
    int portIndex() const { return m_portIndex; }
    const std::string& device() const { return m_device; }
    transfer::DownloadJob* job() const { return m_job; }
    const document::CS1_Doc& document() const { return *m_doc; }
    bool leftOut() const { return m_leftOut; }
    // Why the history has not all of this transfer; empty when it has.
    const messages::Message& historyWarning() const { return m_historyWarning; }
    bool running() const { return m_job != nullptr && !m_job->hasEnded(); }
    bool awaitingChoice() const { return running() && m_awaitingChoice; }
    bool holding() const { return running() && m_holding; }
    // Not past its read yet: it may still come to hold for the preview.
    bool mayHoldLater() const
    {
        using transfer::JobStage;
        return running() && !m_holding &&
               (m_stage == JobStage::NotStarted || m_stage == JobStage::Inspect ||
                m_stage == JobStage::ChoosingSlots || m_stage == JobStage::Plan ||
                m_stage == JobStage::ReadBack);
    }
    // "COM1 (/dev/ttyS0): KBD-OMNIA 2.05": the keyboard as a preview's section names it.
    QString identity() const
    {
        return fleet_texts::kKeyboardName.arg(m_portIndex + 1)
            .arg(QString::fromStdString(m_device))
            .arg(m_keyboard);
    }

    // The slots chosen for this keyboard; the backup gets its COM number.
    void choose(transfer::DownloadChoice choice)
    {
        m_awaitingChoice = false;
        if (!running())
            return;
        if (!choice.backupPath.empty())
            choice.backupPath =
                fleetBackupPath(QString::fromStdString(choice.backupPath), m_portIndex).toStdString();
        m_job->choose(choice);
    }
    // After the preview: written, or left out (nothing has been erased).
    void release(bool write)
    {
        m_holding = false;
        if (!running())
            return;
        if (write) {
            m_job->continueAfterMerge();
            return;
        }
        m_leftOut = true;
        m_job->cancel();
    }
    transfer::FleetKeyboard fleetKeyboard(const FleetDownloadSetup& setup)
    {
        transfer::FleetKeyboard keyboard{
            comText(m_portIndex).toStdString(),
            {m_loop, m_port, m_settings, m_device, platform::canonicalDevice(m_device)}};
        keyboard.options.speeds = &m_speeds;
        keyboard.options.interruptedWrites = setup.interruptedWrites;
        // The road of one keyboard: the read for merging holds for the
        // preview, and a slot no record proves is asked about.
        keyboard.options.holdAfterMergeRead = true;
        keyboard.options.askRecovery = true;
        keyboard.doc = m_doc.get();
        keyboard.setup.backupTables = &m_backupTables;
        keyboard.setup.portIndex = m_portIndex;
        keyboard.setup.wording = transfer::Wording::Dialog;
        keyboard.listener = this;
        return keyboard;
    }
    // The keyboard's job, the fleet's index-th.
    void attach(transfer::DownloadJob& job, std::size_t index)
    {
        m_job = &job;
        m_fleetIndex = index;
    }
    std::size_t fleetIndex() const { return m_fleetIndex; }

    // Puts what came in since the last refresh on the row.
    void refresh(QTableWidget& rows)
    {
        if (!m_changed)
            return;
        m_changed = false;
        // A failure's reason is read whole: the row grows to wrap it.
        QTableWidgetItem* phase = rows.item(m_row, kPhase);
        const bool grows = phase->text() != m_phase && m_stage == transfer::JobStage::Ended;
        phase->setText(m_phase);
        phase->setToolTip(m_phase);
        rows.item(m_row, kSlot)->setText(m_slot > 0 ? QString::number(m_slot) : QString());
        rows.item(m_row, kKeyboard)->setText(m_keyboard);
        auto* bar = static_cast<QProgressBar*>(rows.cellWidget(m_row, kProgress));
        bar->setValue(m_total > 0 ? static_cast<int>(static_cast<qint64>(m_done) * kPercent / m_total) : 0);
        rows.item(m_row, kTimeLeft)->setText(timeLeft());
        if (grows)
            rows.resizeRowToContents(m_row);
        // An ended keyboard has nothing left to cancel.
        if (m_stage == transfer::JobStage::Ended)
            rows.cellWidget(m_row, kCancelColumn)->setEnabled(false);
    }

    void stageStarted(transfer::JobStage stage) override
    {
        m_stage = stage;
        if (stage == transfer::JobStage::Write)
            m_history->setBackup(m_job->backupSaved());
        m_phase = phaseOf(stage);
        // Each phase's bar starts empty: the last phase's blocks are not this one's.
        m_done = 0;
        m_total = 0;
        m_phaseStartMs = -1;
        m_changed = true;
        m_window.previewsMayBeReady();
    }
    void progress(const transfer::BlockProgress& p) override
    {
        if (m_phaseStartMs < 0) {
            m_phaseStartMs = m_clock.elapsed();
            m_phaseStartDone = p.done;
        }
        m_slot = p.slot;
        m_done = p.done;
        m_total = p.total;
        m_changed = true;
    }
    void slotDone(int slot, transfer::SlotOutcome outcome) override { m_history->slotDone(slot, outcome); }
    void slotImage(int slot, std::span<const std::uint8_t> image) override
    {
        m_history->slotImage(slot, image);
    }
    void slotRecovery(int slot, transfer::Recovery recovery) override
    {
        m_history->slotRecovery(slot, recovery);
    }
    void slotChoiceNeeded() override
    {
        if (m_job->inspection() != nullptr)
            m_history->begin(&m_job->inspection()->keyboardId());
        m_keyboard = QString::fromStdString(transfer::keyboardTextOf(*m_job));
        m_changed = true;
        m_awaitingChoice = true;
        m_window.choicesMayBeReady();
    }
    void mergeReadDone() override
    {
        m_holding = true;
        m_window.previewsMayBeReady();
    }
    void recoveryQuestion(int slot, const messages::Message&,
                          const std::vector<std::string>& backups) override
    {
        // As for one keyboard: the file dialog opens where the record's backup lies.
        const QString folder = recoveryFolder(backups, m_window.m_setup.scriptsFolder);
        const QString about = fleet_texts::kQuestionAbout.arg(m_portIndex + 1)
                                  .arg(QString::fromStdString(m_device))
                                  .arg(QString());
        m_window.askInTurn([this, slot, folder, about] {
            if (!running())
                return;
            const transfer::RecoveryAnswer answer = askRecoveryWay(&m_window, slot, folder, about);
            if (running())
                m_job->answerRecovery(answer);
        });
    }
    void cancelQuestion(const std::u16string& question) override
    {
        // Cancel all asked once for every keyboard.
        if (m_window.m_cancellingAll) {
            answer(true);
            return;
        }
        const QString text = fleet_texts::kQuestionAbout.arg(m_portIndex + 1)
                                 .arg(QString::fromStdString(m_device))
                                 .arg(translatedCoreText(question));
        m_window.askInTurn([this, text] {
            const bool yes =
                UserDialogs::ask(&m_window, m_window.windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
            answer(yes);
        });
    }
    void jobEnded(const transfer::JobEnd& end) override
    {
        using transfer::JobStatus;
        // A history that cannot be written never stops a download; the results say so.
        m_history->end(end);
        m_historyWarning = m_history->takeWarning();
        m_stage = transfer::JobStage::Ended;
        if (end.status == JobStatus::Complete)
            m_phase = fleet_texts::kDone;
        else if (end.status == JobStatus::Cancelled)
            m_phase = m_leftOut ? fleet_texts::kLeftOut : fleet_texts::kCancelled;
        else
            m_phase = fleet_texts::kFailed.arg(translatedCoreMessage(end.happened).simplified());
        if (end.status == JobStatus::Complete)
            m_done = m_total;
        m_keyboard = QString::fromStdString(transfer::keyboardTextOf(*m_job));
        m_changed = true;
        m_awaitingChoice = false;
        m_holding = false;
        m_window.choicesMayBeReady();
        m_window.previewsMayBeReady();
    }

private:
    void answer(bool cancel)
    {
        if (m_job != nullptr && !m_job->hasEnded())
            m_job->answerCancel(cancel);
    }

    QString timeLeft() const
    {
        if (m_stage == transfer::JobStage::Ended || m_phaseStartMs < 0 || m_done <= m_phaseStartDone ||
            m_total <= m_done)
            return {};
        const qint64 elapsed = m_clock.elapsed() - m_phaseStartMs;
        const qint64 secondsLeft =
            elapsed * (m_total - m_done) / (static_cast<qint64>(m_done - m_phaseStartDone) * kMsPerSecond);
        return fleet_texts::kTimeLeft.arg(secondsLeft / kSecondsPerMinute)
            .arg(secondsLeft % kSecondsPerMinute, 2, 10, QLatin1Char('0'));
    }

    FleetWindow& m_window;
    int m_row;
    int m_portIndex;
    std::string m_device;
    platform::EventLoopHost m_loop;
    platform::DeviceSerialPort m_serial;
    serial::CCommPort m_port;
    serial::CommSettings m_settings;
    platform::LineSpeedSettings m_speeds;
    CatalogueTables m_backupTables;
    document::DocumentNumberPool m_pool;
    std::unique_ptr<document::CS1_Doc> m_doc;
    transfer::DownloadJob* m_job = nullptr;
    std::size_t m_fleetIndex = 0;
    platform::HistoryFile m_historyFile;
    std::optional<history::HistoryRecorder> m_history;
    messages::Message m_historyWarning;
    QElapsedTimer m_clock;
    transfer::JobStage m_stage = transfer::JobStage::NotStarted;
    QString m_phase = fleet_texts::kWaiting;
    QString m_keyboard;
    int m_slot = 0;
    int m_done = 0;
    int m_total = 0;
    qint64 m_phaseStartMs = -1;
    int m_phaseStartDone = 0;
    bool m_changed = true;
    bool m_awaitingChoice = false;
    bool m_holding = false;
    bool m_leftOut = false;
};

FleetWindow::FleetWindow(std::vector<int> ports, FleetDownloadSetup setup, QWidget* parent)
    : QDialog(parent), m_setup(std::move(setup)),
      m_rows(new QTableWidget(static_cast<int>(ports.size()), kColumns, this)),
      m_resultBox(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("FleetWindow"));
    setWindowTitle(fleet_texts::kWindowTitle);
    m_rows->setObjectName(QStringLiteral("fleetRows"));
    m_rows->setHorizontalHeaderLabels({fleet_texts::kPortColumn, fleet_texts::kDeviceColumn,
                                       fleet_texts::kKeyboardColumn, fleet_texts::kSlotColumn,
                                       fleet_texts::kProgressColumn, fleet_texts::kPhaseColumn,
                                       fleet_texts::kTimeLeftColumn, QString()});
    m_rows->verticalHeader()->hide();
    m_rows->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    m_rows->setWordWrap(true);
    m_rows->setTextElideMode(Qt::ElideNone);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const int row = static_cast<int>(i);
        auto keyboard = std::make_unique<Keyboard>(*this, row, ports[i], m_setup);
        for (int column = 0; column < kColumns; ++column)
            m_rows->setItem(row, column, new QTableWidgetItem);
        m_rows->item(row, kCom)->setText(comText(ports[i]));
        m_rows->item(row, kDevice)->setText(QString::fromStdString(keyboard->device()));
        auto* bar = new QProgressBar(m_rows);
        bar->setRange(0, kPercent);
        m_rows->setCellWidget(row, kProgress, bar);
        auto* cancel = new QPushButton(fleet_texts::kCancelRow, m_rows);
        cancel->setObjectName(QStringLiteral("fleetCancel%1").arg(row));
        connect(cancel, &QPushButton::clicked, this, [this, row] { cancelRow(row); });
        m_rows->setCellWidget(row, kCancelColumn, cancel);
        if (keyboard->ready()) {
            transfer::DownloadJob& job = m_fleet.add(keyboard->fleetKeyboard(m_setup));
            keyboard->attach(job, m_fleet.size() - 1);
        }
        m_keyboards.push_back(std::move(keyboard));
    }
    m_rows->resizeColumnsToContents();
    m_rows->setColumnWidth(kKeyboard, fontMetrics().horizontalAdvance(QStringLiteral("KBD-OMNIA 0.00")) +
                                          2 * fontMetrics().averageCharWidth());
    m_rows->setColumnWidth(kProgress, fontMetrics().averageCharWidth() * kProgressChars);
    m_rows->setColumnWidth(
        kPhase, std::max(m_rows->columnWidth(kPhase), fontMetrics().averageCharWidth() * kPhaseChars));
    m_rows->horizontalHeader()->setStretchLastSection(false);

    m_resultBox->setObjectName(QStringLiteral("fleetResults"));
    m_resultBox->setReadOnly(true);
    m_resultBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_resultBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_resultBox->hide();

    auto* buttons = new QDialogButtonBox(this);
    m_cancelAll = buttons->addButton(fleet_texts::kCancelAll, QDialogButtonBox::ActionRole);
    m_copy = buttons->addButton(fleet_texts::kCopy, QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(fleet_texts::kClose, QDialogButtonBox::AcceptRole);
    m_copy->setEnabled(false);
    m_close->setEnabled(false);
    connect(m_cancelAll, &QPushButton::clicked, this, &FleetWindow::cancelAll);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(m_resultText); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rows);
    layout->addWidget(m_resultBox);
    layout->addWidget(buttons);

    m_refresh.setInterval(kRefreshMs);
    connect(&m_refresh, &QTimer::timeout, this, &FleetWindow::refresh);

    // Every row and column whole where the screen has room: beyond it the table scrolls.
    resizeWithinScreen(*this, sizeShowingWhole(*this, *m_rows));
    refresh();
}

FleetWindow::~FleetWindow()
{
    // A window closed while jobs run (the application quits): nothing more is asked.
    m_cancellingAll = true;
    m_fleet.cancelAll();
}

QPushButton* FleetWindow::cancelButton(int row) const
{
    return qobject_cast<QPushButton*>(m_rows->cellWidget(row, kCancelColumn));
}

void FleetWindow::start()
{
    m_refresh.start();
    QTimer::singleShot(
        0, this, [this] { m_fleet.start([this] { QTimer::singleShot(0, this, &FleetWindow::allEnded); }); });
}

void FleetWindow::cancelRow(int row)
{
    Keyboard& keyboard = *m_keyboards.at(static_cast<std::size_t>(row));
    // The job asks first during its write (cancelQuestion), as for one keyboard.
    if (keyboard.job() != nullptr && !keyboard.job()->hasEnded())
        keyboard.job()->cancel();
}

void FleetWindow::cancelAll()
{
    if (m_finished || m_cancellingAll)
        return;
    askInTurn([this] {
        if (m_finished)
            return;
        // Nothing is written while the question is open: the slots it names
        // are the ones a Yes leaves incomplete.
        const std::vector<std::vector<int>> incomplete = m_fleet.holdForCancelAll();
        QString text = fleet_texts::kCancelAllQuestion;
        for (const auto& keyboard : m_keyboards) {
            if (keyboard->job() == nullptr)
                continue;
            for (const int slot : incomplete.at(keyboard->fleetIndex())) {
                text += QStringLiteral("\n");
                text += fleet_texts::kLeftIncomplete.arg(keyboard->portIndex() + 1).arg(slot);
            }
        }
        const bool cancel = UserDialogs::ask(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                                             QMessageBox::No) == QMessageBox::Yes;
        // A write that comes to its question after this is answered at once.
        m_cancellingAll = cancel;
        m_fleet.answerCancelAll(cancel);
    });
}

void FleetWindow::choicesMayBeReady()
{
    QTimer::singleShot(0, this, &FleetWindow::askChoices);
}

void FleetWindow::askChoices()
{
    if (m_choicesAsked)
        return;
    for (const auto& keyboard : m_keyboards)
        if (keyboard->running() && !keyboard->awaitingChoice())
            return;
    m_choicesAsked = true;
    std::vector<Keyboard*> waiting;
    std::vector<std::vector<transfer::SlotListing>> listings;
    for (const auto& keyboard : m_keyboards)
        if (keyboard->awaitingChoice()) {
            waiting.push_back(keyboard.get());
            listings.push_back(keyboard->job()->listings());
        }
    for (const std::vector<std::size_t>& members : transfer::sharedChoiceGroups(listings)) {
        std::vector<Keyboard*> group;
        for (const std::size_t k : members)
            group.push_back(waiting[k]);
        askInTurn([this, group] { chooseSlots(group); });
    }
}

void FleetWindow::chooseSlots(const std::vector<Keyboard*>& chosenFor)
{
    std::vector<Keyboard*> group;
    std::copy_if(chosenFor.begin(), chosenFor.end(), std::back_inserter(group),
                 [](const Keyboard* k) { return k->awaitingChoice(); });
    if (group.empty())
        return;
    // The COM numbers name the keyboards: their devices are in the window's rows.
    QStringList names;
    for (const Keyboard* keyboard : group)
        names << comText(keyboard->portIndex());
    const Keyboard& first = *group.front();
    TransferSlotDialog dialog(TransferSlotDialog::Kind::Download, this);
    dialog.setWindowTitle(windowTitle());
    dialog.setCaption(group.size() > 1 ? fleet_texts::kChoiceCaption.arg(names.join(QStringLiteral(", ")))
                                       : fleet_texts::kChoiceCaptionOne.arg(names.front()));
    dialog.fillLists(first.job()->listings(), document::tableNames(first.document()));
    dialog.setBackupPlace(m_setup.documentPath, m_setup.documentTitle, m_setup.scriptsFolder);
    connect(&dialog, &TransferSlotDialog::slotsChosen, &dialog, [&] {
        // The refusals a download's plan can make, worded for the dialog: the
        // keyboards share their slots' languages, so one answers for all.
        const QString refusal = translatedCoreMessage(transfer::refusalOfChoice(
            first.job()->listings(), first.job()->inspection()->slotCount(), first.document(),
            dialog.chosenSlots(), dialog.asStoredOption()->isChecked()));
        if (refusal.isEmpty()) {
            dialog.accept();
            return;
        }
        UserDialogs::message(&dialog, dialog.windowTitle(), refusal);
        dialog.okButton()->setEnabled(true);
    });
    connect(&dialog, &TransferSlotDialog::cancelRequested, &dialog,
            [&dialog] { dialog.done(QDialog::Rejected); });
    const bool chosen = dialog.exec() == QDialog::Accepted;
    const transfer::DownloadChoice choice = dialog.downloadChoice(QDateTime::currentDateTime());
    for (Keyboard* keyboard : group) {
        if (chosen)
            keyboard->choose(choice);
        else if (keyboard->running())
            keyboard->job()->cancel();
    }
}

void FleetWindow::previewsMayBeReady()
{
    QTimer::singleShot(0, this, &FleetWindow::askPreviews);
}

void FleetWindow::askPreviews()
{
    if (m_previewQueued)
        return;
    const bool anyHolding =
        std::any_of(m_keyboards.begin(), m_keyboards.end(), [](const auto& k) { return k->holding(); });
    const bool anyToCome =
        std::any_of(m_keyboards.begin(), m_keyboards.end(), [](const auto& k) { return k->mayHoldLater(); });
    if (!anyHolding || anyToCome)
        return;
    m_previewQueued = true;
    askInTurn([this] {
        showPreviews();
        m_previewQueued = false;
    });
}

void FleetWindow::showPreviews()
{
    std::vector<Keyboard*> holding;
    std::vector<FleetPreviewDialog::Section> sections;
    for (const auto& keyboard : m_keyboards)
        if (keyboard->holding()) {
            holding.push_back(keyboard.get());
            sections.push_back({keyboard->identity(), &keyboard->job()->preview()});
        }
    if (holding.empty())
        return;
    FleetPreviewDialog dialog(sections, m_setup.fonts, this);
    const bool write = dialog.exec() == QDialog::Accepted;
    for (std::size_t i = 0; i < holding.size(); ++i)
        holding[i]->release(write && dialog.included(i));
}

void FleetWindow::askInTurn(std::function<void()> question)
{
    m_questions.push_back(std::move(question));
    if (!m_questionOpen)
        QTimer::singleShot(0, this, &FleetWindow::askNext);
}

void FleetWindow::askNext()
{
    if (m_questionOpen || m_questions.empty())
        return;
    m_questionOpen = true;
    const std::function<void()> question = std::move(m_questions.front());
    m_questions.pop_front();
    question();
    m_questionOpen = false;
    if (!m_questions.empty())
        QTimer::singleShot(0, this, &FleetWindow::askNext);
}

void FleetWindow::refresh()
{
    for (const auto& keyboard : m_keyboards)
        keyboard->refresh(*m_rows);
}

void FleetWindow::reject()
{
    // Escape or the close command: Cancel all while the jobs run, close after.
    if (m_finished)
        QDialog::reject();
    else
        cancelAll();
}

void FleetWindow::showResultsWhole(const QStringList& lines)
{
    const QFontMetrics metrics(m_resultBox->font());
    int textWidth = 0;
    for (const QString& line : lines)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(line));
    const int edges = 2 * (m_resultBox->frameWidth() + qCeil(m_resultBox->document()->documentMargin()));
    const QSize box(textWidth + edges + m_resultBox->verticalScrollBar()->sizeHint().width(),
                    metrics.lineSpacing() * static_cast<int>(lines.size() + 1) + edges +
                        m_resultBox->horizontalScrollBar()->sizeHint().height());
    // The rows whole and the results under them, as far as the screen has room.
    const QSize before = m_resultBox->minimumSize();
    m_resultBox->setMinimumSize(box);
    const QSize wanted = sizeShowingWhole(*this, *m_rows);
    m_resultBox->setMinimumSize(before);
    resizeWithinScreen(*this, wanted.expandedTo(size()));
}

void FleetWindow::allEnded()
{
    m_refresh.stop();
    refresh();
    m_finished = true;
    m_results = m_fleet.rows();
    // A keyboard whose copy could not be made has no job: its row says so.
    int portColumn = kMinPortColumn;
    for (const auto& keyboard : m_keyboards) {
        const int width = columnsOf(QString::fromStdString(keyboard->device())) + 1 +
                          columnsOf(comText(keyboard->portIndex()));
        portColumn = std::max(portColumn, width);
    }
    const int written = columnsOf(fleet_texts::kWrittenHeading.text());
    const int unchanged = columnsOf(fleet_texts::kUnchangedHeading.text());
    const int verified = columnsOf(fleet_texts::kVerifiedHeading.text());
    // A short heading ("초", "秒") is as wide as the longest time below it.
    int seconds = columnsOf(fleet_texts::kSecondsHeading.text());
    for (const transfer::FleetRow& row : m_results)
        seconds = std::max(seconds, columnsOf(QString::number(row.seconds, 'f', 1)));
    QStringList lines;
    lines << padded(fleet_texts::kPortHeading, portColumn) + QLatin1Char(' ') +
                 padded(fleet_texts::kKeyboardColumn, kKeyboardColumnWidth) + QLatin1Char(' ') +
                 fleet_texts::kWrittenHeading.text() + QLatin1Char(' ') +
                 fleet_texts::kUnchangedHeading.text() + QLatin1Char(' ') +
                 fleet_texts::kVerifiedHeading.text() + QLatin1Char(' ') +
                 padded(fleet_texts::kSecondsHeading, seconds, true) + QStringLiteral("  ") +
                 fleet_texts::kResultHeading.text();
    std::size_t next = 0;
    for (const auto& keyboard : m_keyboards) {
        const QString port =
            comText(keyboard->portIndex()) + QLatin1Char(' ') + QString::fromStdString(keyboard->device());
        if (keyboard->job() == nullptr) {
            lines << padded(port, portColumn) + QLatin1Char(' ') + fleet_texts::kResultFailed.arg(QString());
            continue;
        }
        const transfer::FleetRow& row = m_results.at(next++);
        QString result;
        if (row.end.status == transfer::JobStatus::Complete) {
            result = fleet_texts::kResultOk;
        } else if (keyboard->leftOut()) {
            result = fleet_texts::kResultLeftOut;
        } else {
            QStringList parts{translatedCoreMessage(row.end.happened).simplified()};
            for (const int slot : row.end.incompleteSlots)
                parts << fleet_texts::kResultIncomplete.arg(slot);
            if (!row.backup.empty())
                parts << fleet_texts::kResultBackup.arg(QString::fromStdString(row.backup));
            result = fleet_texts::kResultFailed.arg(parts.join(QStringLiteral("; ")));
        }
        lines << padded(port, portColumn) + QLatin1Char(' ') +
                     padded(QString::fromStdString(row.keyboard), kKeyboardColumnWidth) + QLatin1Char(' ') +
                     padded(QString::number(row.written), written, true) + QLatin1Char(' ') +
                     padded(QString::number(row.unchanged), unchanged, true) + QLatin1Char(' ') +
                     padded(QString::number(row.verified), verified, true) + QLatin1Char(' ') +
                     padded(QString::number(row.seconds, 'f', 1), seconds, true) + QStringLiteral("  ") +
                     result;
    }
    // The keyboards share one history: what kept it from being written is said once.
    for (const auto& keyboard : m_keyboards) {
        const QString warning = translatedCoreMessage(keyboard->historyWarning());
        if (!warning.isEmpty() && !lines.contains(warning))
            lines << warning;
    }
    m_resultText = lines.join(QLatin1Char('\n'));
    m_resultText += QLatin1Char('\n');
    m_resultBox->setPlainText(m_resultText);
    m_resultBox->show();
    showResultsWhole(lines);
    for (int row = 0; row < m_rows->rowCount(); ++row)
        cancelButton(row)->setEnabled(false);
    m_cancelAll->setEnabled(false);
    m_copy->setEnabled(true);
    m_close->setEnabled(true);
}

} // namespace tarvo::ui
