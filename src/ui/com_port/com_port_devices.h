#pragma once
// Which device each COM port stands for, as the COM Port Setup dialog shows
// and changes it: the environment variable TARVO_COM<n> wins over the setting
// Ports/COM<n>, else /dev/ttyS<n-1>. A device is a path or the address of a
// network serial server (rfc2217://HOST:PORT). Also the serial devices found
// on this system, so that a user can pick a USB adapter.

#include <QList>
#include <QString>

namespace tarvo::ui {

enum class DeviceSource { Default, Setting, Environment };

// What a device name stands for on this system now.
enum class DeviceKind {
    SerialPort,     // a character device (a serial port, a USB adapter, a pseudo-terminal)
    Missing,        // no such file
    NotSerialPort,  // a file that is not a device (/etc/passwd)
    NetworkAddress, // rfc2217://HOST:PORT; reached only when a transfer starts
    BadAddress,     // starts as a network address but does not parse
};

struct ComPortMapping {
    QString device;
    DeviceSource source = DeviceSource::Default;
    QString environmentName; // "TARVO_COM3"
};

struct FoundDevice {
    QString path;        // "/dev/ttyUSB0"
    QString description; // "FT232R USB UART (FTDI)", may be empty
};

// portIndex is 0-based (COM1 is 0).
ComPortMapping comPortMapping(int portIndex);
// The default device of a COM port, used when nothing else names one.
QString defaultComPortDevice(int portIndex);
// reason: why a BadAddress does not parse.
DeviceKind deviceKind(const QString& device, QString* reason = nullptr);
// The serial devices of this system, then each device a COM port is mapped
// to that the system did not list (a pseudo-terminal, a network address);
// sorted by path, no
// duplicates.
QList<FoundDevice> foundSerialDevices();

} // namespace tarvo::ui
