// The core headers come before Qt's: a member of theirs is named like a Qt keyword.
#include "transfer/download_fleet.h"
#include "transfer/job_end.h"
#include "transfer/query_session.h"

#include "ui/fleet/fleet_query_window.h"

#include "history/history_recorder.h"
#include "platform/device_serial_port.h"
#include "platform/event_loop_host.h"
#include "platform/history_file.h"
#include "platform/line_speed_settings.h"
#include "platform/port_paths.h"
#include "platform/text.h"
#include "serial/comm_port.h"
#include "transfer/display_width.h"
#include "transfer/line_speed.h"
#include "ui/core_message_texts.h"
#include "ui/fleet/fleet_texts.h"
#include "ui/transfer/transfer_texts.h"
#include "ui/widgets/screen_fit.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>

namespace tarvo::ui {

namespace {

// A keyboard's row fills the first four; the slot lines under it have a
// fifth field (the language ID), so the Cancel buttons come after that.
enum QueryColumn {
    kQueryCom,
    kQueryDevice,
    kQueryKeyboard,
    kQueryResult,
    kQueryLanguage,
    kQueryCancel,
    kQueryColumns
};

// The copied text's slot fields, in terminal columns, as the tool's query lines them up.
constexpr std::array<int, 4> kFieldColumns = {30, 8, 8, 10};
constexpr int kResultChars = 40;
// Lines of slots shown without scrolling: one keyboard's heading and slots, and some room.
constexpr int kShownLines = 20;
const QString kIndent = QStringLiteral("    ");

// The one-keyboard Query's heading, a word over each field.
QStringList headingFields()
{
    return transfer_texts::kQueryHeading.text().split(QRegularExpression(QStringLiteral("\\s{2,}")),
                                                      Qt::SkipEmptyParts);
}

// A slot's fields as one line of text, each padded to its columns.
QString slotText(const QTreeWidgetItem& line)
{
    std::u16string text;
    for (int column = 0; column < line.columnCount(); ++column) {
        const std::u16string field = line.text(column).toStdU16String();
        const auto at = static_cast<std::size_t>(column);
        text +=
            at < kFieldColumns.size() ? transfer::padToDisplayWidth(field, kFieldColumns[at]) + u' ' : field;
    }
    return QString::fromStdU16String(text).trimmed();
}

} // namespace

// One keyboard: its line, its query session and its row.
class FleetQueryWindow::Keyboard final : public transfer::SessionView {
public:
    Keyboard(FleetQueryWindow& window, QTreeWidgetItem* item, int portIndex,
             const serial::CommSettings& settings)
        : m_window(window), m_item(item), m_device(platform::comPortDevicePath(portIndex)), m_port(m_serial),
          m_settings(settings)
    {
        m_settings.portIndex = portIndex;
        transfer::SessionOptions options;
        // The speed that last answered on the device first, as one keyboard's Query does.
        options.probe = transfer::probeForDevice(transfer::LineSpeedChoice::Auto, &m_speeds, m_device);
        options.endWhenComplete = true;
        m_session = std::make_unique<transfer::QuerySession>(m_loop, *this, m_port, m_settings, options);
        m_session->setRowListener([this](const transfer::TableInfoRow& row) { addSlot(row); });
    }

    ~Keyboard() override
    {
        // A window closed while a query runs releases the port as it goes.
        if (m_session->hasStarted() && !m_session->hasEnded())
            m_session->close();
    }

    const std::string& device() const { return m_device; }
    bool hasEnded() const { return m_session->hasEnded(); }
    void start() { m_session->start(); }
    void cancel()
    {
        if (m_session->hasStarted() && !m_session->hasEnded())
            m_session->close();
    }

    void setStatusText(const messages::Message& text) override
    {
        if (!m_session->hasEnded())
            m_item->setText(kQueryResult, translatedCoreMessage(text));
    }
    void showProgress(int, const messages::Message&) override {}
    void showBlockProgress(int, int, const messages::Message&) override {}
    // A failure names what the port said about it, as one keyboard's Query does; the row shows it.
    void showMessage(const messages::Message& text) override
    {
        const messages::Message shown = transfer::withPortDetail(*m_session, text);
        m_message = translatedCoreMessage(shown).simplified();
    }
    // A query writes nothing, so it never asks.
    bool ask(const messages::Message&) override { return false; }
    void sessionEnded(int code) override
    {
        // A history that cannot be written never stops a query; the window says nothing of it.
        platform::recordQuery(history::kEditorProgram, m_device, *m_session);
        if (code == transfer::kEndComplete) {
            m_speeds.remember(m_device, transfer::baudRateOfIndex(m_settings.baudIndex));
            m_item->setText(kQueryResult, fleet_texts::kDone);
        } else if (code == transfer::kEndCancelled && m_message.isEmpty()) {
            m_item->setText(kQueryResult, fleet_texts::kCancelled);
        } else {
            m_item->setText(kQueryResult, fleet_texts::kFailed.arg(m_message));
        }
        m_item->setText(kQueryKeyboard,
                        QString::fromStdString(transfer::keyboardTextOf(m_session->keyboardId())));
        if (auto* button = m_window.cancelButton(m_window.m_rows->indexOfTopLevelItem(m_item)))
            button->setEnabled(false);
        QTimer::singleShot(0, &m_window, &FleetQueryWindow::keyboardEnded);
    }

private:
    void addSlot(const transfer::TableInfoRow& row)
    {
        if (m_item->childCount() == 0) {
            m_item->setText(kQueryKeyboard,
                            QString::fromStdString(transfer::keyboardTextOf(m_session->keyboardId())));
            auto* heading = addLine(headingFields());
            for (int column = 0; column < heading->columnCount(); ++column) {
                QFont bold = heading->font(column);
                bold.setBold(true);
                heading->setFont(column, bold);
            }
        }
        addLine({translatedCoreMessage(row.description), platform::toQString(row.schemaText),
                 platform::toQString(row.fontText), platform::toQString(row.versionText),
                 platform::toQString(row.languageIdText)});
    }

    // A slot's fields in the window's columns: any script lines up there.
    QTreeWidgetItem* addLine(const QStringList& fields)
    {
        auto* line = new QTreeWidgetItem(m_item, fields);
        m_item->setExpanded(true);
        return line;
    }

    FleetQueryWindow& m_window;
    QTreeWidgetItem* m_item;
    std::string m_device;
    platform::EventLoopHost m_loop;
    platform::DeviceSerialPort m_serial;
    serial::CCommPort m_port;
    serial::CommSettings m_settings;
    platform::LineSpeedSettings m_speeds;
    std::unique_ptr<transfer::QuerySession> m_session;
    QString m_message;
};

FleetQueryWindow::FleetQueryWindow(std::vector<int> ports, const serial::CommSettings& settings,
                                   QWidget* parent)
    : QDialog(parent), m_rows(new QTreeWidget(this))
{
    setObjectName(QStringLiteral("FleetQueryWindow"));
    setWindowTitle(fleet_texts::kQueryWindowTitle);
    m_rows->setObjectName(QStringLiteral("fleetQueryRows"));
    m_rows->setColumnCount(kQueryColumns);
    m_rows->setHeaderLabels({fleet_texts::kPortColumn, fleet_texts::kDeviceColumn,
                             fleet_texts::kKeyboardColumn, fleet_texts::kResultHeading, QString(),
                             QString()});
    m_rows->setSelectionMode(QAbstractItemView::NoSelection);
    m_rows->setRootIsDecorated(true);
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const int portIndex = ports[i];
        auto* item = new QTreeWidgetItem(m_rows);
        item->setText(kQueryCom, fleet_texts::kComPort.arg(portIndex + 1));
        item->setText(kQueryResult, fleet_texts::kWaiting);
        auto keyboard = std::make_unique<Keyboard>(*this, item, portIndex, settings);
        item->setText(kQueryDevice, QString::fromStdString(keyboard->device()));
        auto* cancel = new QPushButton(fleet_texts::kCancelRow, m_rows);
        cancel->setObjectName(QStringLiteral("fleetQueryCancel%1").arg(i));
        connect(cancel, &QPushButton::clicked, this, [this, i] { m_keyboards.at(i)->cancel(); });
        m_rows->setItemWidget(item, kQueryCancel, cancel);
        m_keyboards.push_back(std::move(keyboard));
    }
    for (int column = 0; column < kQueryColumns; ++column)
        m_rows->resizeColumnToContents(column);
    m_rows->setColumnWidth(kQueryKeyboard,
                           std::max(m_rows->columnWidth(kQueryKeyboard),
                                    fontMetrics().horizontalAdvance(QStringLiteral("KBD-OMNIA 0.00")) +
                                        2 * fontMetrics().averageCharWidth()));
    m_rows->setColumnWidth(kQueryResult, fontMetrics().averageCharWidth() * kResultChars);
    // Room for the slot lines' last field, which come later: as wide as its heading in bold.
    QFont bold = font();
    bold.setBold(true);
    const QStringList heading = headingFields();
    if (heading.size() > kQueryLanguage)
        m_rows->setColumnWidth(kQueryLanguage, QFontMetrics(bold).horizontalAdvance(heading[kQueryLanguage]) +
                                                   2 * fontMetrics().averageCharWidth());
    // The tree does not count its buttons when it sizes a column.
    if (const QPushButton* cancel = cancelButton(0))
        m_rows->setColumnWidth(kQueryCancel, cancel->sizeHint().width());
    m_rows->header()->setStretchLastSection(false);

    auto* buttons = new QDialogButtonBox(this);
    m_cancelAll = buttons->addButton(fleet_texts::kCancelAll, QDialogButtonBox::ActionRole);
    m_copy = buttons->addButton(fleet_texts::kCopy, QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(fleet_texts::kClose, QDialogButtonBox::AcceptRole);
    m_copy->setEnabled(false);
    m_close->setEnabled(false);
    connect(m_cancelAll, &QPushButton::clicked, this, &FleetQueryWindow::cancelAll);
    connect(m_copy, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(resultText()); });
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_rows);
    layout->addWidget(buttons);

    // Every column whole, and room for a keyboard's slots, where the screen has room.
    resizeWithinScreen(*this,
                       sizeShowingWhole(*this, *m_rows) + QSize(0, fontMetrics().height() * kShownLines));
}

FleetQueryWindow::~FleetQueryWindow() = default;

QPushButton* FleetQueryWindow::cancelButton(int row) const
{
    QTreeWidgetItem* item = m_rows->topLevelItem(row);
    return item != nullptr ? qobject_cast<QPushButton*>(m_rows->itemWidget(item, kQueryCancel)) : nullptr;
}

void FleetQueryWindow::start()
{
    QTimer::singleShot(0, this, [this] {
        m_started = true;
        // A query that fails at once (its port cannot be opened) ends inside start().
        m_running = static_cast<int>(m_keyboards.size());
        for (auto& keyboard : m_keyboards)
            keyboard->start();
    });
}

void FleetQueryWindow::cancelAll()
{
    for (auto& keyboard : m_keyboards)
        keyboard->cancel();
}

void FleetQueryWindow::keyboardEnded()
{
    // The slots listed under the rows share their columns: wide enough for them now.
    for (const int column : {kQueryCom, kQueryDevice, kQueryKeyboard, kQueryLanguage}) {
        const int before = m_rows->columnWidth(column);
        m_rows->resizeColumnToContents(column);
        m_rows->setColumnWidth(column, std::max(before, m_rows->columnWidth(column)));
    }
    // The window widens with them, where the screen has room.
    const int wanted = sizeShowingWhole(*this, *m_rows).width();
    if (wanted > width())
        resizeWithinScreen(*this, QSize(wanted, height()));
    if (m_running > 0)
        --m_running;
    if (m_running > 0)
        return;
    m_cancelAll->setEnabled(false);
    m_copy->setEnabled(true);
    m_close->setEnabled(true);
}

void FleetQueryWindow::reject()
{
    // Escape or the close command: Cancel all while the queries run, close after.
    if (finished())
        QDialog::reject();
    else
        cancelAll();
}

QString FleetQueryWindow::resultText() const
{
    QString text;
    for (int row = 0; row < m_rows->topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = m_rows->topLevelItem(row);
        QStringList fields;
        for (const int column : {kQueryCom, kQueryDevice, kQueryKeyboard, kQueryResult})
            if (!item->text(column).isEmpty())
                fields << item->text(column);
        text += fields.join(QStringLiteral("  "));
        text += QLatin1Char('\n');
        for (int child = 0; child < item->childCount(); ++child) {
            text += kIndent;
            text += slotText(*item->child(child));
            text += QLatin1Char('\n');
        }
    }
    return text;
}

} // namespace tarvo::ui
