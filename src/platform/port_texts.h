#pragma once
// What every serial port of the editor says in the user's language, and the
// line settings no port accepts: one place for the local and the network port.

#include "serial/serial_port.h"

#include <QString>

namespace tarvo::platform {

// The port's words in the editor's language ("SerialPort" context); the tool
// loads no translation and keeps them in English.
QString portText(const char* text);

// Why no port can take these line settings (a parity letter not one of E, M,
// N, O and S, or a baud rate that is not positive); empty when none.
QString lineSettingsFault(const serial::LineSettings& line);

} // namespace tarvo::platform
