#pragma once
// The texts of the COM Port Setup and COM Port Settings dialogs, used by
// name. The messages of the settings themselves come from the core.

#include <QString>

namespace tarvo::ui::com_port_texts {

// COM Port Setup.
inline const QString kSetupTitle = QStringLiteral("COM Port Setup");
inline const QString kSetupPrompt =
    QStringLiteral("Select the COM port that will be used to communicate with the keyboard:");
inline const QString kComLabel = QStringLiteral("COM:");
inline const QString kDeviceLabel = QStringLiteral("&Device:");
// "COM3 (/dev/ttyS2)", "COM3 (/dev/ttyUSB0, missing)".
inline const QString kComItem = QStringLiteral("%1 (%2)");
inline const QString kComItemMissing = QStringLiteral("%1 (%2, missing)");
inline const QString kComItemNotSerialPort = QStringLiteral("%1 (%2, not a serial port)");
inline const QString kComItemBadAddress = QStringLiteral("%1 (%2, not a valid address)");
inline const QString kDeviceItem = QStringLiteral("%1 - %2");
inline const QString kDevicePresent = QStringLiteral("%1 is present on this system.");
inline const QString kDeviceMissing =
    QStringLiteral("%1 is not present on this system. It can still be chosen; a transfer on %2 "
                   "reports the device as missing until it is connected.");
inline const QString kDeviceNotSerialPort =
    QStringLiteral("%1 is not a serial port. A transfer on %2 cannot use it; choose a serial device "
                   "(such as /dev/ttyUSB0) or a network serial server (rfc2217://HOST:PORT).");
inline const QString kDeviceNetworkAddress =
    QStringLiteral("%1 is a keyboard behind a network serial server (RFC 2217). A transfer on %2 "
                   "connects to it when it starts.");
// The reason comes from the address check and names the address.
inline const QString kDeviceBadAddress = QStringLiteral("%1.");
inline const QString kDevicePlaceholder = QStringLiteral("/dev/ttyUSB0 or rfc2217://HOST:PORT");
inline const QString kDeviceFromEnvironment =
    QStringLiteral("The environment variable %1 maps %2 to this device and wins over the choice made here.");
inline const QString kSettingNotStored = QStringLiteral("The device of %1 could not be stored: %2");

// COM Port Settings.
inline const QString kSettingsTitle = QStringLiteral("COM Port Settings");
inline const QString kGeneralGroup = QStringLiteral("General");
inline const QString kBuffersGroup = QStringLiteral("Buffers");
inline const QString kHardwareGroup = QStringLiteral("Hardware");
inline const QString kDataGroup = QStringLiteral("Data");
inline const QString kComPortLabel = QStringLiteral("COM Port:");
inline const QString kBaudLabel = QStringLiteral("Baud:");
inline const QString kParityLabel = QStringLiteral("Parity:");
inline const QString kDataBitsLabel = QStringLiteral("Data Bits:");
inline const QString kStopBitsLabel = QStringLiteral("Stop Bits:");
inline const QString kHandshakingLabel = QStringLiteral("Handshaking:");
inline const QString kInBufferSizeLabel = QStringLiteral("In Buffer Size:");
inline const QString kRThresholdLabel = QStringLiteral("R Threshold:");
inline const QString kInputLenLabel = QStringLiteral("Input Len:");
inline const QString kOutBufferSizeLabel = QStringLiteral("Out Buffer Size:");
inline const QString kSThresholdLabel = QStringLiteral("S Threshold:");
inline const QString kEofEnableLabel = QStringLiteral("EOF Enable:");
inline const QString kNullDiscardLabel = QStringLiteral("Null Discard:");
inline const QString kRtsEnableLabel = QStringLiteral("RTS Enable:");
inline const QString kDtrEnableLabel = QStringLiteral("DTR Enable:");
inline const QString kParityReplaceLabel = QStringLiteral("Parity Replace:");
inline const QString kInputModeLabel = QStringLiteral("Input Mode:");
// Beside the Parity Replace number: the character it stands for.
inline const QString kParityReplaceCharacter = QStringLiteral("'%1'");
inline const QString kHelpButton = QStringLiteral("&Help");

inline const QString kOkButton = QStringLiteral("&OK");
inline const QString kCancelButton = QStringLiteral("&Cancel");

} // namespace tarvo::ui::com_port_texts
