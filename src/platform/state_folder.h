#pragma once
// Where the application keeps state that is neither settings nor documents:
// the records of interrupted writes and the transfer history. Qt 6.4 has no
// state location, so the XDG rule is read here: XDG_STATE_HOME when it is an
// absolute path, else ~/.local/state; the application's folder below it.

#include <QString>

namespace tarvo::platform {

// The application's state folder ("<state home>/tarvo-script"); not created.
QString stateFolder();

// Creates the state folder (and its parents) with the user's permissions only.
// False with a reason when it cannot be made.
bool ensureStateFolder(QString* reason);

// The state files' reasons in the editor's language; the tool loads no
// translation and keeps them in English.
QString stateText(const char* text);

} // namespace tarvo::platform
