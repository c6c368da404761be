#pragma once
// The texts of the COM Port Setup and COM Port Settings dialogs, used by
// name. The messages of the settings themselves come from the core.

#include "platform/translatable_text.h"

#include <QString>

namespace tarvo::ui::com_port_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "ComPort";

// COM Port Setup.
inline constexpr Text kSetupTitle{kContext, QT_TRANSLATE_NOOP("ComPort", "COM Port Setup")};
inline constexpr Text kSetupPrompt{
    kContext,
    QT_TRANSLATE_NOOP("ComPort", "Select the COM port that will be used to communicate with the keyboard:")};
inline constexpr Text kComLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "COM:")};
inline constexpr Text kDeviceLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "&Device:")};
// "COM3 (/dev/ttyS2)", "COM3 (/dev/ttyUSB0, missing)".
inline constexpr Text kComItem{kContext, QT_TRANSLATE_NOOP("ComPort", "%1 (%2)")};
inline constexpr Text kComItemMissing{kContext, QT_TRANSLATE_NOOP("ComPort", "%1 (%2, missing)")};
inline constexpr Text kComItemNotSerialPort{kContext,
                                            QT_TRANSLATE_NOOP("ComPort", "%1 (%2, not a serial port)")};
inline constexpr Text kComItemBadAddress{kContext,
                                         QT_TRANSLATE_NOOP("ComPort", "%1 (%2, not a valid address)")};
inline constexpr Text kDeviceItem{kContext, QT_TRANSLATE_NOOP("ComPort", "%1 - %2")};
inline constexpr Text kDevicePresent{kContext, QT_TRANSLATE_NOOP("ComPort", "%1 is present on this system.")};
inline constexpr Text kDeviceMissing{
    kContext,
    QT_TRANSLATE_NOOP("ComPort", "%1 is not present on this system. It can still be chosen; a transfer on %2 "
                                 "reports the device as missing until it is connected.")};
inline constexpr Text kDeviceNotSerialPort{
    kContext,
    QT_TRANSLATE_NOOP("ComPort",
                      "%1 is not a serial port. A transfer on %2 cannot use it; choose a serial device "
                      "(such as /dev/ttyUSB0) or a network serial server (rfc2217://HOST:PORT).")};
inline constexpr Text kDeviceNetworkAddress{
    kContext, QT_TRANSLATE_NOOP(
                  "ComPort", "%1 is a keyboard behind a network serial server (RFC 2217). A transfer on %2 "
                             "connects to it when it starts.")};
// The reason comes from the address check and names the address.
inline constexpr Text kDeviceBadAddress{kContext, QT_TRANSLATE_NOOP("ComPort", "%1.")};
inline constexpr Text kDevicePlaceholder{kContext,
                                         QT_TRANSLATE_NOOP("ComPort", "/dev/ttyUSB0 or rfc2217://HOST:PORT")};
inline constexpr Text kDeviceFromEnvironment{
    kContext,
    QT_TRANSLATE_NOOP(
        "ComPort", "The environment variable %1 maps %2 to this device and wins over the choice made here.")};
inline constexpr Text kSettingNotStored{
    kContext, QT_TRANSLATE_NOOP("ComPort", "The device of %1 could not be stored: %2")};

// COM Port Settings.
inline constexpr Text kSettingsTitle{kContext, QT_TRANSLATE_NOOP("ComPort", "COM Port Settings")};
inline constexpr Text kGeneralGroup{kContext, QT_TRANSLATE_NOOP("ComPort", "General")};
inline constexpr Text kBuffersGroup{kContext, QT_TRANSLATE_NOOP("ComPort", "Buffers")};
inline constexpr Text kHardwareGroup{kContext, QT_TRANSLATE_NOOP("ComPort", "Hardware")};
inline constexpr Text kDataGroup{kContext, QT_TRANSLATE_NOOP("ComPort", "Data")};
inline constexpr Text kComPortLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "COM Port:")};
inline constexpr Text kBaudLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Baud:")};
inline constexpr Text kParityLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Parity:")};
inline constexpr Text kDataBitsLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Data Bits:")};
inline constexpr Text kStopBitsLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Stop Bits:")};
inline constexpr Text kHandshakingLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Handshaking:")};
inline constexpr Text kInBufferSizeLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "In Buffer Size:")};
inline constexpr Text kRThresholdLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "R Threshold:")};
inline constexpr Text kInputLenLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Input Len:")};
inline constexpr Text kOutBufferSizeLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Out Buffer Size:")};
inline constexpr Text kSThresholdLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "S Threshold:")};
inline constexpr Text kEofEnableLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "EOF Enable:")};
inline constexpr Text kNullDiscardLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Null Discard:")};
inline constexpr Text kRtsEnableLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "RTS Enable:")};
inline constexpr Text kDtrEnableLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "DTR Enable:")};
inline constexpr Text kParityReplaceLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Parity Replace:")};
inline constexpr Text kInputModeLabel{kContext, QT_TRANSLATE_NOOP("ComPort", "Input Mode:")};
// Beside the Parity Replace number: the character it stands for.
inline constexpr Text kParityReplaceCharacter{kContext, QT_TRANSLATE_NOOP("ComPort", "'%1'")};
inline constexpr Text kHelpButton{kContext, QT_TRANSLATE_NOOP("ComPort", "&Help")};

inline constexpr Text kOkButton{kContext, QT_TRANSLATE_NOOP("ComPort", "&OK")};
inline constexpr Text kCancelButton{kContext, QT_TRANSLATE_NOOP("ComPort", "&Cancel")};

// com_port_commands.cpp.
inline constexpr Text kConfigureCOMPort{kContext, QT_TRANSLATE_NOOP("ComPort", "&Configure COM Port...")};
inline constexpr Text kSelectTheCOMPortUsed{
    kContext, QT_TRANSLATE_NOOP("ComPort", "Select the COM port used to communicate with the keyboard")};
inline constexpr Text kCOMPortSettings{kContext, QT_TRANSLATE_NOOP("ComPort", "COM Port &Settings...")};
inline constexpr Text kShowAndChangeEverySetting{
    kContext, QT_TRANSLATE_NOOP("ComPort", "Show and change every setting of the COM port")};

} // namespace tarvo::ui::com_port_texts
