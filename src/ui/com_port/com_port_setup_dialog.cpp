#include "ui/com_port/com_port_setup_dialog.h"

#include "platform/port_paths.h"
#include "platform/text.h"
#include "ui/com_port/com_port_texts.h"
#include "ui/user_dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvo::ui {

namespace texts = com_port_texts;

namespace {
// Wide enough for "/dev/serial/by-id/usb-FTDI_..." without a scroll.
constexpr int kDeviceListMinimumChars = 36;
constexpr int kPortIndexRole = Qt::UserRole;
constexpr int kDevicePathRole = Qt::UserRole;
} // namespace

ComPortSetupDialog::ComPortSetupDialog(int portIndex, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ComPortSetupDialog"));
    setWindowTitle(texts::kSetupTitle);

    auto* prompt = new QLabel(texts::kSetupPrompt, this);
    // One line: the dialog is as wide as the question.
    prompt->setWordWrap(false);

    m_ports = new QComboBox(this);
    m_ports->setObjectName(QStringLiteral("comPorts"));
    m_ports->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int port = 0; port < serial::kPortCount; ++port) {
        m_mappings[port] = comPortMapping(port);
        m_chosen[port] = m_mappings[port].device;
        m_ports->addItem(QString(), port);
        updatePortItem(port);
    }

    m_devices = new QComboBox(this);
    m_devices->setObjectName(QStringLiteral("devices"));
    m_devices->setEditable(true);
    m_devices->setInsertPolicy(QComboBox::NoInsert);
    m_devices->setMinimumContentsLength(kDeviceListMinimumChars);
    m_devices->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_devices->lineEdit()->setPlaceholderText(texts::kDevicePlaceholder);
    for (const FoundDevice& device : foundSerialDevices()) {
        const QString text = device.description.isEmpty()
                                 ? device.path
                                 : texts::kDeviceItem.arg(device.path, device.description);
        m_devices->addItem(text, device.path);
    }

    m_deviceNote = new QLabel(this);
    m_deviceNote->setObjectName(QStringLiteral("deviceNote"));
    m_deviceNote->setWordWrap(true);

    auto* form = new QFormLayout;
    form->addRow(texts::kComLabel, m_ports);
    form->addRow(texts::kDeviceLabel, m_devices);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(texts::kOkButton);
    buttons->button(QDialogButtonBox::Cancel)->setText(texts::kCancelButton);
    connect(buttons, &QDialogButtonBox::accepted, this, &ComPortSetupDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ComPortSetupDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt);
    layout->addLayout(form);
    layout->addWidget(m_deviceNote);
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_ports, &QComboBox::currentIndexChanged, this, &ComPortSetupDialog::showPort);
    connect(m_devices, &QComboBox::currentTextChanged, this, &ComPortSetupDialog::deviceEdited);
    // A picked entry shows only its path, so that what is stored is a path.
    connect(m_devices, &QComboBox::activated, this, [this](int index) {
        m_devices->setEditText(m_devices->itemData(index, kDevicePathRole).toString());
    });

    const int start = portIndex >= 0 && portIndex < serial::kPortCount ? portIndex : 0;
    m_ports->setCurrentIndex(start);
    showPort(start);
}

int ComPortSetupDialog::portIndex() const
{
    return m_ports->currentData(kPortIndexRole).toInt();
}

QString ComPortSetupDialog::deviceOf(int portIndex) const
{
    return m_chosen.at(static_cast<std::size_t>(portIndex));
}

QString ComPortSetupDialog::typedDevice() const
{
    const QString text = m_devices->currentText().trimmed();
    const int item = m_devices->findText(text);
    return item >= 0 ? m_devices->itemData(item, kDevicePathRole).toString() : text;
}

void ComPortSetupDialog::updatePortItem(int port)
{
    const QString& device = m_chosen[port];
    const QString name = platform::toQString(serial::portName(port));
    switch (deviceKind(device)) {
    case DeviceKind::SerialPort:
    case DeviceKind::NetworkAddress:
        m_ports->setItemText(port, texts::kComItem.arg(name, device));
        return;
    case DeviceKind::Missing:
        m_ports->setItemText(port, texts::kComItemMissing.arg(name, device));
        return;
    case DeviceKind::NotSerialPort:
        m_ports->setItemText(port, texts::kComItemNotSerialPort.arg(name, device));
        return;
    case DeviceKind::BadAddress:
        m_ports->setItemText(port, texts::kComItemBadAddress.arg(name, device));
        return;
    }
}

void ComPortSetupDialog::showNote(int port)
{
    const QString& device = m_chosen[port];
    const QString name = platform::toQString(serial::portName(port));
    QString reason;
    QString note;
    switch (deviceKind(device, &reason)) {
    case DeviceKind::SerialPort:
        note = texts::kDevicePresent.arg(device);
        break;
    case DeviceKind::Missing:
        note = texts::kDeviceMissing.arg(device, name);
        break;
    case DeviceKind::NotSerialPort:
        note = texts::kDeviceNotSerialPort.arg(device, name);
        break;
    case DeviceKind::NetworkAddress:
        note = texts::kDeviceNetworkAddress.arg(device, name);
        break;
    case DeviceKind::BadAddress:
        note = texts::kDeviceBadAddress.arg(reason);
        break;
    }
    const ComPortMapping& mapping = m_mappings[port];
    if (mapping.source == DeviceSource::Environment)
        note += QLatin1Char(' ') + texts::kDeviceFromEnvironment.arg(mapping.environmentName, name);
    m_deviceNote->setText(note);
    // A note that wraps to more lines than the one before grows the dialog;
    // else the window keeps its height and squeezes the lists above it.
    if (!isVisible())
        return; // showing sizes it
    if (const int needed = layout()->totalHeightForWidth(width()); needed > height())
        resize(width(), needed);
}

void ComPortSetupDialog::showPort(int port)
{
    if (port < 0 || port >= serial::kPortCount)
        return;
    m_showing = true;
    m_devices->setEditText(m_chosen[port]);
    m_showing = false;
    m_devices->setEnabled(m_mappings[port].source != DeviceSource::Environment);
    showNote(port);
}

void ComPortSetupDialog::deviceEdited()
{
    if (m_showing)
        return;
    const int port = portIndex();
    if (m_mappings[port].source == DeviceSource::Environment)
        return;
    const QString device = typedDevice();
    if (device.isEmpty())
        return;
    m_chosen[port] = device;
    updatePortItem(port);
    showNote(port);
}

void ComPortSetupDialog::accept()
{
    for (int port = 0; port < serial::kPortCount; ++port) {
        const ComPortMapping& mapping = m_mappings[port];
        if (mapping.source == DeviceSource::Environment || m_chosen[port] == mapping.device)
            continue;
        QString reason;
        if (!platform::storeComPortDevice(port, m_chosen[port], defaultComPortDevice(port), reason)) {
            // The port choice stands; only the device could not be kept.
            UserDialogs::message(
                this, QCoreApplication::applicationName(),
                texts::kSettingNotStored.arg(platform::toQString(serial::portName(port)), reason));
            break;
        }
    }
    QDialog::accept();
}

} // namespace tarvo::ui
