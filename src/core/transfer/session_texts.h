#pragma once
// The texts every transfer session shows, as the keyboard's users know them.

#include "io/message_pattern.h"

#include <string>
#include <string_view>

namespace tarvo::transfer::texts {

inline constexpr std::u16string_view kPortCannotBeOpened = u"Error: COM %d can not be opened.";
inline constexpr std::u16string_view kCommunicationError = u"A communication error occurred.";
inline constexpr std::u16string_view kCommandError = u"A command error occurred.";
inline constexpr std::u16string_view kTransferTimedOut = u"Error: The transfer has timed out.";
inline constexpr std::u16string_view kInternalErrorText = u"An internal error occurred (code: %s).";
inline constexpr std::u16string_view kInternalErrorCode = u"An internal error occurred (code: %d).";
inline constexpr std::u16string_view kNoCommunication =
    u"Error: Communication could not be established.\n\nPlease make sure that:\n\n"
    u"1) The correct COM port has been chosen .\n"
    u"2) The RS-232 cable is connected to the COM port and the keyboard.\n"
    u"3) The keyboard has been placed in \"bootloader\" mode.\n\n"
    u"Refer to the ReadMe file for more information on placing the keyboard in \"bootloader\" mode.";
// The device went away under the session (unplugged, closed, a failed read or write).
inline constexpr std::u16string_view kPortLost = u"The serial port was lost (unplugged or closed)";
inline constexpr std::u16string_view kNoKeyboardId = u"Error: The keyboard failed to return its ID.";
inline constexpr std::u16string_view kPortLocked = u"Error: The COM port is locked.";
inline constexpr std::u16string_view kNotInitialised =
    u"Error: The transfer session could not be initialized.";
inline constexpr std::u16string_view kNoTimer = u"Error: A timer resource could not be allocated.";
inline constexpr std::u16string_view kWrongModel =
    u"The Quill application is only compatible with keyboard model type: KBD-OMNIA";

// Added to a read's failure when the keyboard's bootloader (%s) answers
// reads only in the unchecked dump lines of the paged mode.
inline constexpr std::u16string_view kBootloaderRepliesUnfit =
    u"The keyboard's bootloader is version %s: it answers reads only with unchecked text lines, "
    u"so its language tables cannot be read to import or download them. Query Keyboard still shows "
    u"what it holds.";

// Progress texts by code.
inline constexpr std::u16string_view kEstablishingConnection = u"Establishing Connection";
inline constexpr std::u16string_view kPingingKeyboard = u"Pinging Keyboard";
inline constexpr std::u16string_view kPingSuffix19200 = u"  at 19200 Baudrate ";
inline constexpr std::u16string_view kPingSuffix57600 = u"  at  57600 Baudrate ";
inline constexpr std::u16string_view kPongReceived = u"Pong Received";
inline constexpr std::u16string_view kFlashingSector = u"Flashing Sector";
inline constexpr std::u16string_view kSectorFlashed = u"Sector Flashed";
inline constexpr std::u16string_view kReadingKeyboardId = u"Reading Keyboard ID";
inline constexpr std::u16string_view kKeyboardIdReceived = u"Keyboard ID Received";
inline constexpr std::u16string_view kBlockOf = u"%d of %d";
inline constexpr std::u16string_view kTransferComplete = u"Transfer Complete";
inline constexpr std::u16string_view kErrorMarker = u"** Error **";

// Status lines of the Download, Import and Query dialogs while pinging.
inline constexpr std::u16string_view kStatusPinging19200 = u"Pinging keyboard at 19200 baud rate..........";
inline constexpr std::u16string_view kStatusPinging57600 = u"Pinging keyboard at 57600 baud rate............";

// "FSM-%d" and "FSM-%d-%d" inside kInternalErrorText.
messages::Message internalError(int state);
messages::Message internalError(int state, int eventCode);
// kInternalErrorCode with an end code.
messages::Message internalErrorForCode(int endCode);
messages::Message portCannotBeOpened(int portNumber);
messages::Message blockOf(int done, int total);
// A version as the keyboard's users see it: "1.00", "2.05".
std::u16string twoPartVersion(int major, int minor);

using messages::ascii;
using messages::format;
using messages::number;

} // namespace tarvo::transfer::texts
