#pragma once
// The texts of the server association and launch, used by name.

#include <QString>

namespace tarvo::server::texts {

// The association dialog.
inline const QString kAssociationCaption = QStringLiteral("Set Halvard Server Document Association");
inline const QString kAssociationPrompt =
    QStringLiteral("Associate an Halvard Server document with the language tables in this Tarvo document by "
                   "entering a path to an .hvd file below:");
inline const QString kBrowse = QStringLiteral("&Browse...");
inline const QString kOk = QStringLiteral("&OK");
inline const QString kCancel = QStringLiteral("&Cancel");
inline const QString kBrowseCaption = QStringLiteral("Open");
inline const QString kBrowseFilter = QStringLiteral("Halvard Files (*.hvd)");

// The commands.
inline const QString kSetAssociation = QStringLiteral("&Set Halvard Server Document Association...");
inline const QString kSetAssociationTip =
    QStringLiteral("Associate a Halvard server document with the active document");
inline const QString kLaunch = QStringLiteral("&Launch Halvard Server");
inline const QString kLaunchTip =
    QStringLiteral("Log in and open the associated document in the Halvard server");

// The launch, in the order it can show them.
inline const QString kNoHvdExtension =
    QStringLiteral("Error: The Halvard server document filename \"%1\" does not have an .hvd extension.");
inline const QString kDocumentNotFound =
    QStringLiteral("Error: The Halvard server document \"%1\" could not be found.");
inline const QString kLoginNotStarted = QStringLiteral("Error: The Login server could not be started.");
inline const QString kInvalidAccessLevel =
    QStringLiteral("Error: Invalid Access Level - Installer or Administrator privileges are required to open "
                   "the Halvard  file.");
inline const QString kLaunchException =
    QStringLiteral("Error: An exception was thrown while attempting to launch the Halvard server.");
inline const QString kBypassException =
    QStringLiteral("Error: An exception was thrown while attempting to bypass the Halvard server's "
                   "Automation restrictions.");
inline const QString kRestoreException = QStringLiteral(
    "Error: An exception was thrown while attempting to disable the bypass of the Halvard server's "
    "Automation restrictions.");
inline const QString kGeneralException =
    QStringLiteral("Error: A general exception was thrown during the Halvard server launch operation.");
inline const QString kWindowStateException =
    QStringLiteral("Error: An exception was thrown while attempting to restore the window of the Halvard "
                   "server document.");
inline const QString kLaunchCancelled = QStringLiteral(
    "The Halvard server launch was cancelled. Every object obtained from the servers was released.");

// The progress dialog of a launch that waits, naming what it waits for, in
// the order of LaunchStep.
inline const QString kProgressCaption = QStringLiteral("Launch Halvard Server");
inline const QString kProgressCancel = QStringLiteral("Cancel");
inline const QString kWaitingFor[] = {
    QStringLiteral("Starting the Login server..."),
    QStringLiteral("Waiting for the login..."),
    QStringLiteral("Starting the Halvard server..."),
    QStringLiteral("Asking the Halvard server for its documents..."),
    QStringLiteral("Bypassing the Halvard server's Automation restrictions..."),
    QStringLiteral("Opening the Halvard server document..."),
    QStringLiteral("Restoring the Halvard server's Automation restrictions..."),
    QStringLiteral("Showing the Halvard server document..."),
    QStringLiteral("Restoring the window of the Halvard server document..."),
};

} // namespace tarvo::server::texts
