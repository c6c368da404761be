#include "ui/fleet/fleet_port_dialog.h"

#include "platform/settings_store.h"
#include "serial/comm_settings_tables.h"
#include "ui/com_port/com_port_devices.h"
#include "ui/fleet/fleet_texts.h"
#include "ui/widgets/screen_fit.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tarvo::ui {

namespace {

enum PortListColumn { kPortColumn, kDeviceColumn, kPresentColumn, kPortListColumns };

QString presence(const QString& device)
{
    switch (deviceKind(device)) {
    case DeviceKind::SerialPort:
        return fleet_texts::kPresent;
    case DeviceKind::NetworkAddress:
        return fleet_texts::kNetworkAddress;
    default:
        return fleet_texts::kMissing;
    }
}

} // namespace

std::vector<int> rememberedFleetPorts()
{
    const platform::settings::Store store;
    const QStringList numbers =
        platform::settings::readSetting(store, platform::settings::Setting::FleetPorts)
            .toString()
            .split(QLatin1Char(','), Qt::SkipEmptyParts);
    std::vector<int> ports;
    for (const QString& number : numbers) {
        bool ok = false;
        const int com = number.trimmed().toInt(&ok);
        if (ok && com >= 1 && com <= serial::kPortCount &&
            std::find(ports.begin(), ports.end(), com - 1) == ports.end())
            ports.push_back(com - 1);
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

void rememberFleetPorts(const std::vector<int>& ports)
{
    QStringList numbers;
    for (const int port : ports)
        numbers << QString::number(port + 1);
    platform::settings::Store store;
    store.setValue(platform::settings::keyOf(platform::settings::Setting::FleetPorts),
                   numbers.join(QLatin1Char(',')));
}

FleetPortDialog::FleetPortDialog(QWidget* parent, FleetPurpose purpose)
    : QDialog(parent), m_list(new QTableWidget(serial::kPortCount, kPortListColumns, this))
{
    setObjectName(QStringLiteral("FleetPortDialog"));
    setWindowTitle(fleet_texts::kPortsTitle);
    m_list->setObjectName(QStringLiteral("fleetPortList"));
    m_list->setHorizontalHeaderLabels(
        {fleet_texts::kPortColumn, fleet_texts::kDeviceColumn, fleet_texts::kPresentColumn});
    m_list->verticalHeader()->hide();
    m_list->setSelectionMode(QAbstractItemView::NoSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    const std::vector<int> remembered = rememberedFleetPorts();
    for (int port = 0; port < serial::kPortCount; ++port) {
        const QString device = comPortMapping(port).device;
        auto* com = new QTableWidgetItem(fleet_texts::kComPort.arg(port + 1));
        com->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool ticked = std::find(remembered.begin(), remembered.end(), port) != remembered.end();
        com->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
        m_list->setItem(port, kPortColumn, com);
        m_list->setItem(port, kDeviceColumn, new QTableWidgetItem(device));
        m_list->setItem(port, kPresentColumn, new QTableWidgetItem(presence(device)));
    }
    m_list->resizeColumnsToContents();
    m_list->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(this);
    const bool query = purpose == FleetPurpose::Query;
    m_start = buttons->addButton(query ? fleet_texts::kStartQuery : fleet_texts::kStart,
                                 QDialogButtonBox::AcceptRole);
    buttons->addButton(fleet_texts::kCancel, QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &FleetPortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &FleetPortDialog::reject);
    connect(m_list, &QTableWidget::itemChanged, this, &FleetPortDialog::updateStart);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(query ? fleet_texts::kQueryPortsCaption : fleet_texts::kPortsCaption, this));
    layout->addWidget(m_list);
    layout->addWidget(buttons);
    updateStart();
    // Every port without scrolling where the screen has room.
    resizeWithinScreen(*this, sizeShowingWhole(*this, *m_list));
}

std::vector<int> FleetPortDialog::chosenPorts() const
{
    std::vector<int> ports;
    for (int port = 0; port < m_list->rowCount(); ++port)
        if (m_list->item(port, kPortColumn)->checkState() == Qt::Checked)
            ports.push_back(port);
    return ports;
}

void FleetPortDialog::updateStart()
{
    m_start->setEnabled(!chosenPorts().empty());
}

void FleetPortDialog::accept()
{
    const std::vector<int> ports = chosenPorts();
    if (ports.empty())
        return;
    rememberFleetPorts(ports);
    QDialog::accept();
}

} // namespace tarvo::ui
