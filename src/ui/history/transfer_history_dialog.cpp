#include "ui/history/transfer_history_dialog.h"

#include "ui/core_message_texts.h"
#include "ui/history/history_texts.h"
#include "ui/widgets/screen_fit.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace tarvo::ui {

namespace {

// Wide enough for the columns where the screen has room; a small screen gets less.
constexpr int kPreferredWidth = 900;

QString text(const std::string& utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString deviceOf(const history::TransferRow& row)
{
    return text(row.device.empty() ? row.port : row.device);
}

} // namespace

TransferHistoryDialog::TransferHistoryDialog(std::vector<history::TransferRow> rows, int damagedLines,
                                             QWidget* parent)
    : QDialog(parent), m_rows(std::move(rows))
{
    setObjectName(QStringLiteral("TransferHistoryDialog"));
    setWindowTitle(history_texts::kHistoryTitle);

    m_devices = new QComboBox(this);
    m_devices->setObjectName(QStringLiteral("HistoryDeviceFilter"));
    m_devices->addItem(history_texts::kAllDevices);
    std::set<QString> devices;
    for (const auto& row : m_rows)
        devices.insert(deviceOf(row));
    for (const QString& device : devices)
        m_devices->addItem(device, device);

    m_table = new QTableWidget(0, static_cast<int>(std::size(history_texts::kColumns)), this);
    m_table->setObjectName(QStringLiteral("HistoryTable"));
    m_table->setHorizontalHeaderLabels(history_texts::columnTitles());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    auto* filterRow = new QFormLayout;
    filterRow->addRow(history_texts::kDeviceLabel, m_devices);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filterRow);
    layout->addWidget(m_table);
    QString note = m_rows.empty() ? history_texts::kNoHistory : history_texts::kOpenBackupHint;
    if (damagedLines > 0)
        note += QLatin1Char(' ') + history_texts::kDamagedLines.arg(damagedLines);
    layout->addWidget(new QLabel(note, this));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    layout->addWidget(buttons);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_devices, &QComboBox::currentIndexChanged, this, &TransferHistoryDialog::fill);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { rowActivated(row); });
    fill();
    // Every column in view, the result too, where the screen has room; a
    // smaller screen shrinks the window and the table scrolls.
    const int columns = sizeShowingWhole(*this, *m_table).width();
    resizeWithinScreen(*this, QSize(std::max(columns, kPreferredWidth), sizeHint().height()));
}

void TransferHistoryDialog::fill()
{
    const QString device = m_devices->currentData().toString();
    m_shown.clear();
    for (const auto& row : m_rows)
        if (device.isEmpty() || deviceOf(row) == device)
            m_shown.push_back(&row);
    m_table->setRowCount(static_cast<int>(m_shown.size()));
    for (int r = 0; r < static_cast<int>(m_shown.size()); ++r) {
        const history::TransferRow& row = *m_shown[static_cast<std::size_t>(r)];
        const QStringList cells = {text(row.time),
                                   text(row.program),
                                   text(row.command),
                                   deviceOf(row),
                                   translatedCoreMessage(history::keyboardMessage(row.keyboard)),
                                   translatedCoreMessage(history::slotsMessage(row)),
                                   translatedCoreMessage(history::resultMessage(row)).simplified(),
                                   text(history::backupOf(row))};
        for (int c = 0; c < cells.size(); ++c) {
            auto* cell = new QTableWidgetItem(cells.at(c));
            cell->setToolTip(cells.at(c)); // a long result stays readable in a narrow column
            m_table->setItem(r, c, cell);
        }
    }
    m_table->resizeColumnsToContents();
    if (!m_shown.empty())
        m_table->scrollToBottom();
}

void TransferHistoryDialog::rowActivated(int row)
{
    if (row < 0 || row >= static_cast<int>(m_shown.size()))
        return;
    const std::string backup = history::backupOf(*m_shown[static_cast<std::size_t>(row)]);
    if (!backup.empty())
        Q_EMIT openBackup(text(backup));
}

} // namespace tarvo::ui
