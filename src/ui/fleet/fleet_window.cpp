// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "document/doc.h"
#include "document/document_file.h"
#include "templates/template_catalogue.h"
#include "templates/utf_text.h"
#include "transfer/download_fleet.h"

#include "ui/fleet/fleet_window.h"

#include "platform/device_serial_port.h"
#include "platform/event_loop_host.h"
#include "platform/line_speed_settings.h"
#include "platform/port_paths.h"
#include "platform/text.h"
#include "serial/comm_port.h"
#include "ui/core_message_texts.h"
#include "ui/fleet/fleet_texts.h"
#include "ui/transfer/catalogue_tables.h"
#include "ui/user_dialogs.h"

#include <QApplication>
#include <QClipboard>
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
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

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
const QString kUntitledCopy = QStringLiteral("untitled.tvo");

// Reads a document's bytes made in memory: each keyboard's copy is the
// window's document as it is now, unsaved edits included.
class BytesReader final : public io::FileReader {
public:
    explicit BytesReader(std::vector<std::uint8_t> bytes) : m_bytes(std::move(bytes)) {}
    io::FileResult readWhole(const std::string&, std::vector<std::uint8_t>& out,
                             std::size_t maxBytes) const override
    {
        if (m_bytes.size() > maxBytes)
            return {false, "the document is too large", false};
        out = m_bytes;
        return {true, {}, false};
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

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

QString comText(int portIndex)
{
    return fleet_texts::kComPort.arg(portIndex + 1);
}

QString padded(const QString& text, int width, bool right = false)
{
    return right ? text.rightJustified(width) : text.leftJustified(width);
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
          m_settings(serial::CommSettings::forDocument(portIndex)), m_backupTables(setup.catalogue)
    {
        const document::CS1_Doc& source = *setup.document;
        const std::string name = source.path().empty() ? kUntitledCopy.toStdString() : source.path();
        const BytesReader reader(
            document::writeDocumentFile(source.commSettings(), source.tables(), source.serverPath()));
        m_doc = document::openDocument(m_pool, name, portIndex, reader).doc;
        m_choice.verify = setup.verify;
        if (!setup.backupPath.isEmpty())
            m_choice.backupPath = fleetBackupPath(setup.backupPath, portIndex).toStdString();
        m_clock.start();
    }

    bool ready() const { return m_doc != nullptr; }
    int portIndex() const { return m_portIndex; }
    const std::string& device() const { return m_device; }
    transfer::DownloadJob* job() const { return m_job; }
    // The slot a cancel now would leave incomplete; 0 for none.
    int slotBeingWritten() const
    {
        return m_job != nullptr && !m_job->hasEnded() && m_stage == transfer::JobStage::Write ? m_slot : 0;
    }

    transfer::FleetKeyboard fleetKeyboard(const FleetDownloadSetup& setup)
    {
        transfer::FleetKeyboard keyboard{
            comText(m_portIndex).toStdString(),
            {m_loop, m_port, m_settings, m_device, platform::canonicalDevice(m_device)}};
        keyboard.options.speeds = &m_speeds;
        keyboard.options.interruptedWrites = setup.interruptedWrites;
        keyboard.doc = m_doc.get();
        keyboard.setup.backupTables = &m_backupTables;
        keyboard.setup.portIndex = m_portIndex;
        keyboard.setup.wording = transfer::Wording::Dialog;
        keyboard.listener = this;
        return keyboard;
    }
    void attach(transfer::DownloadJob& job) { m_job = &job; }

    // Puts what came in since the last refresh on the row.
    void refresh(QTableWidget& rows)
    {
        if (!m_changed)
            return;
        m_changed = false;
        rows.item(m_row, kPhase)->setText(m_phase);
        rows.item(m_row, kSlot)->setText(m_slot > 0 ? QString::number(m_slot) : QString());
        rows.item(m_row, kKeyboard)->setText(m_keyboard);
        auto* bar = static_cast<QProgressBar*>(rows.cellWidget(m_row, kProgress));
        bar->setValue(m_total > 0 ? static_cast<int>(static_cast<qint64>(m_done) * kPercent / m_total) : 0);
        rows.item(m_row, kTimeLeft)->setText(timeLeft());
    }

    void stageStarted(transfer::JobStage stage) override
    {
        m_stage = stage;
        m_phase = phaseOf(stage);
        m_phaseStartMs = -1;
        m_changed = true;
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
    void slotChoiceNeeded() override
    {
        m_keyboard = QString::fromStdString(transfer::keyboardTextOf(*m_job));
        m_changed = true;
        m_job->choose(m_choice);
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
        m_stage = transfer::JobStage::Ended;
        if (end.status == JobStatus::Complete)
            m_phase = fleet_texts::kDone;
        else if (end.status == JobStatus::Cancelled)
            m_phase = fleet_texts::kCancelled;
        else
            m_phase = fleet_texts::kFailed.arg(translatedCoreMessage(end.happened).simplified());
        if (end.status == JobStatus::Complete)
            m_done = m_total;
        m_keyboard = QString::fromStdString(transfer::keyboardTextOf(*m_job));
        m_changed = true;
    }

private:
    void answer(bool cancel)
    {
        if (m_job != nullptr && !m_job->hasEnded())
            m_job->answerCancel(cancel);
    }

    QString timeLeft() const
    {
        if (m_phaseStartMs < 0 || m_done <= m_phaseStartDone || m_total <= m_done)
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
    transfer::DownloadChoice m_choice;
    transfer::DownloadJob* m_job = nullptr;
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
};

FleetWindow::FleetWindow(std::vector<int> ports, FleetDownloadSetup setup, QWidget* parent)
    : QDialog(parent), m_rows(new QTableWidget(static_cast<int>(ports.size()), kColumns, this)),
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
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const int row = static_cast<int>(i);
        auto keyboard = std::make_unique<Keyboard>(*this, row, ports[i], setup);
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
        if (keyboard->ready())
            keyboard->attach(m_fleet.add(keyboard->fleetKeyboard(setup)));
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

    // As wide as the rows need, within the screen: beyond it the table scrolls.
    int width = 2 * m_rows->frameWidth() + m_rows->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < kColumns; ++column)
        width += m_rows->columnWidth(column);
    const QMargins margins = layout->contentsMargins();
    width += margins.left() + margins.right();
    const QRect room = screen()->availableGeometry();
    resize(std::min(width, room.width()), std::min(sizeHint().height(), room.height()));
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
        QString text = fleet_texts::kCancelAllQuestion;
        for (const auto& keyboard : m_keyboards)
            if (const int slot = keyboard->slotBeingWritten(); slot > 0) {
                text += QStringLiteral("\n");
                text += fleet_texts::kLeftIncomplete.arg(keyboard->portIndex() + 1).arg(slot);
            }
        if (UserDialogs::ask(this, windowTitle(), text, QMessageBox::Yes | QMessageBox::No,
                             QMessageBox::No) != QMessageBox::Yes)
            return;
        m_cancellingAll = true;
        m_fleet.cancelAll();
    });
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

void FleetWindow::allEnded()
{
    m_refresh.stop();
    refresh();
    m_finished = true;
    m_results = m_fleet.rows();
    // A keyboard whose copy could not be made has no job: its row says so.
    int portColumn = kMinPortColumn;
    for (const auto& keyboard : m_keyboards) {
        const int width =
            static_cast<int>(keyboard->device().size()) + 1 + comText(keyboard->portIndex()).size();
        portColumn = std::max(portColumn, width);
    }
    QStringList lines;
    lines << padded(fleet_texts::kPortHeading, portColumn) + QLatin1Char(' ') +
                 padded(fleet_texts::kKeyboardColumn, kKeyboardColumnWidth) + QLatin1Char(' ') +
                 fleet_texts::kWrittenHeading.text() + QLatin1Char(' ') +
                 fleet_texts::kUnchangedHeading.text() + QLatin1Char(' ') +
                 fleet_texts::kVerifiedHeading.text() + QLatin1Char(' ') +
                 fleet_texts::kSecondsHeading.text() + QStringLiteral("  ") +
                 fleet_texts::kResultHeading.text();
    const int written = fleet_texts::kWrittenHeading.text().size();
    const int unchanged = fleet_texts::kUnchangedHeading.text().size();
    const int verified = fleet_texts::kVerifiedHeading.text().size();
    const int seconds = fleet_texts::kSecondsHeading.text().size();
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
    m_resultText = lines.join(QLatin1Char('\n'));
    m_resultText += QLatin1Char('\n');
    m_resultBox->setPlainText(m_resultText);
    m_resultBox->show();
    for (int row = 0; row < m_rows->rowCount(); ++row)
        cancelButton(row)->setEnabled(false);
    m_cancelAll->setEnabled(false);
    m_copy->setEnabled(true);
    m_close->setEnabled(true);
}

} // namespace tarvo::ui
