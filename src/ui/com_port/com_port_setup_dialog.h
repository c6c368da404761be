#pragma once
// The COM Port Setup dialog: the COM port a document (or, with no document,
// the application) uses, "COM1" ... "COM16", each shown with the device it
// maps to. The device of a COM port can be changed here, from the serial
// devices found on this system or typed in; OK stores changed devices as the
// setting Ports/COM<n>. A device may also be a network serial server's
// address (rfc2217://HOST:PORT). A device that does not exist is marked
// missing, and a file that is not a device is marked as not a serial port;
// either may be chosen: opening it is the next transfer's business.

#include "ui/com_port/com_port_devices.h"

#include "serial/comm_settings_tables.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;

namespace tarvo::ui {

class ComPortSetupDialog final : public QDialog {
    Q_OBJECT
public:
    // portIndex: 0-based, the selection the list starts at.
    explicit ComPortSetupDialog(int portIndex, QWidget* parent = nullptr);

    // The COM port selected (0-based).
    int portIndex() const;
    // The device chosen for a COM port, as OK will store it.
    QString deviceOf(int portIndex) const;

    void accept() override;

private:
    void showPort(int portIndex);
    void deviceEdited();
    void updatePortItem(int portIndex);
    void showNote(int portIndex);
    QString typedDevice() const;

    QComboBox* m_ports = nullptr;
    QComboBox* m_devices = nullptr;
    QLabel* m_deviceNote = nullptr;
    std::array<ComPortMapping, serial::kPortCount> m_mappings;
    std::array<QString, serial::kPortCount> m_chosen;
    bool m_showing = false;
};

} // namespace tarvo::ui
