#pragma once
// The texts of the server association and launch, used by name.

#include "platform/translatable_text.h"

#include <QString>

namespace tarvo::server::texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Server";

// The association dialog.
inline constexpr Text kAssociationCaption{
    kContext, QT_TRANSLATE_NOOP("Server", "Set Halvard Server Document Association")};
inline constexpr Text kAssociationPrompt{
    kContext,
    QT_TRANSLATE_NOOP(
        "Server", "Associate an Halvard Server document with the language tables in this Tarvo document by "
                  "entering a path to an .hvd file below:")};
inline constexpr Text kBrowse{kContext, QT_TRANSLATE_NOOP("Server", "&Browse...")};
inline constexpr Text kOk{kContext, QT_TRANSLATE_NOOP("Server", "&OK")};
inline constexpr Text kCancel{kContext, QT_TRANSLATE_NOOP("Server", "&Cancel")};
inline constexpr Text kBrowseCaption{kContext, QT_TRANSLATE_NOOP("Server", "Open")};
inline constexpr Text kBrowseFilter{kContext, QT_TRANSLATE_NOOP("Server", "Halvard Files (*.hvd)")};

// The commands.
inline constexpr Text kSetAssociation{
    kContext, QT_TRANSLATE_NOOP("Server", "&Set Halvard Server Document Association...")};
inline constexpr Text kSetAssociationTip{
    kContext, QT_TRANSLATE_NOOP("Server", "Associate a Halvard server document with the active document")};
inline constexpr Text kLaunch{kContext, QT_TRANSLATE_NOOP("Server", "&Launch Halvard Server")};
inline constexpr Text kLaunchTip{
    kContext, QT_TRANSLATE_NOOP("Server", "Log in and open the associated document in the Halvard server")};

// The launch, in the order it can show them.
inline constexpr Text kNoHvdExtension{
    kContext,
    QT_TRANSLATE_NOOP("Server",
                      "Error: The Halvard server document filename \"%1\" does not have an .hvd extension.")};
inline constexpr Text kDocumentNotFound{
    kContext, QT_TRANSLATE_NOOP("Server", "Error: The Halvard server document \"%1\" could not be found.")};
inline constexpr Text kLoginNotStarted{
    kContext, QT_TRANSLATE_NOOP("Server", "Error: The Login server could not be started.")};
inline constexpr Text kInvalidAccessLevel{
    kContext,
    QT_TRANSLATE_NOOP(
        "Server", "Error: Invalid Access Level - Installer or Administrator privileges are required to open "
                  "the Halvard  file.")};
inline constexpr Text kLaunchException{
    kContext, QT_TRANSLATE_NOOP(
                  "Server", "Error: An exception was thrown while attempting to launch the Halvard server.")};
inline constexpr Text kBypassException{
    kContext, QT_TRANSLATE_NOOP(
                  "Server", "Error: An exception was thrown while attempting to bypass the Halvard server's "
                            "Automation restrictions.")};
inline constexpr Text kRestoreException{
    kContext,
    QT_TRANSLATE_NOOP(
        "Server",
        "Error: An exception was thrown while attempting to disable the bypass of the Halvard server's "
        "Automation restrictions.")};
inline constexpr Text kGeneralException{
    kContext,
    QT_TRANSLATE_NOOP("Server",
                      "Error: A general exception was thrown during the Halvard server launch operation.")};
inline constexpr Text kWindowStateException{
    kContext,
    QT_TRANSLATE_NOOP("Server",
                      "Error: An exception was thrown while attempting to restore the window of the Halvard "
                      "server document.")};
inline constexpr Text kLaunchCancelled{
    kContext,
    QT_TRANSLATE_NOOP(
        "Server",
        "The Halvard server launch was cancelled. Every object obtained from the servers was released.")};

// The progress dialog of a launch that waits, naming what it waits for, in
// the order of LaunchStep.
inline constexpr Text kProgressCaption{kContext, QT_TRANSLATE_NOOP("Server", "Launch Halvard Server")};
inline constexpr Text kProgressCancel{kContext, QT_TRANSLATE_NOOP("Server", "Cancel")};
inline constexpr Text kWaitingFor[] = {
    {kContext, QT_TRANSLATE_NOOP("Server", "Starting the Login server...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Waiting for the login...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Starting the Halvard server...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Asking the Halvard server for its documents...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Bypassing the Halvard server's Automation restrictions...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Opening the Halvard server document...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Restoring the Halvard server's Automation restrictions...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Showing the Halvard server document...")},
    {kContext, QT_TRANSLATE_NOOP("Server", "Restoring the window of the Halvard server document...")},
};

} // namespace tarvo::server::texts
