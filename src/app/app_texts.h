#pragma once
// The texts the application shows, used by name.

#include <QString>

namespace tarvo::app::texts {

inline const QString kAppName = QStringLiteral("Tarvo Script Application");
inline const QString kAboutCaption = QStringLiteral("About Tarvo Script Application");
inline const QString kVersion = QStringLiteral("Version 1.01.00.02");
// The release this build is, as `tarvo version` says it.
inline const QString kBuildVersion = QStringLiteral("Tarvo Script Application for Linux %1");
inline const QString kErrorCaption = QStringLiteral("Error");

// Start-up.
inline const QString kPlatformTooOld = QStringLiteral(
    "Error: This application only works with Qt version %1 or greater on a graphical desktop.");
inline const QString kNoFont = QStringLiteral("Error: The application could not locate the proper font.");
inline const QString kNoCommPort =
    QStringLiteral("Error: The application could not create the COM port Event Handler.");
inline const QString kSettingsNotWritable =
    QStringLiteral("The settings could not be written to %1 (%2). The last folder and the recent files "
                   "will not be remembered.");

// Documents.
inline const QString kOpenFilter = QStringLiteral("Tvo Files (*.tvo)");
inline const QString kOpenCaption = QStringLiteral("Open");
inline const QString kSaveAsCaption = QStringLiteral("Save As");
inline const QString kAskToSave = QStringLiteral("Save changes to %1?");
inline const QString kReplaceFile = QStringLiteral("%1 already exists.\nDo you want to replace it?");
inline const QString kCannotOpen = QStringLiteral("The document %1 could not be opened:\n%2");
// The status bar after a save: where the file went.
inline const QString kSavedTo = QStringLiteral("Saved to %1");
inline const QString kCannotSave = QStringLiteral("The document could not be saved to %1:\n%2");
inline const QString kSettingsCorrected =
    QStringLiteral("Some COM port settings of %1 were out of range and were set to their defaults:\n%2");
inline const QString kRecordsLeftOut =
    QStringLiteral("Some records of %1 could not be read and were left out; saving the document makes "
                   "this permanent:\n%2");
inline const QString kRecentFileGone =
    QStringLiteral("The file %1 no longer exists. It was removed from the recent file list.");
inline const QString kUntitledStem = QStringLiteral("Tarvo");

// Help.
inline const QString kUserGuideCaption = QStringLiteral("User Guide");
inline const QString kUserGuideMissing =
    QStringLiteral("The user guide is not installed: %1 does not exist. Reinstall Tarvo Script Application.");
inline const QString kUserGuideNotShown =
    QStringLiteral("The user guide %1 could not be shown: the desktop has no program for web pages.");

// File Properties.
inline const QString kPropertiesCaption = QStringLiteral("File Properties");
inline const QString kDocumentSchemaLine = QStringLiteral("Document Schema: %1");
inline const QString kTableSchemaLine = QStringLiteral("Language Table Schema: %1");
inline const QString kFirmwareLine = QStringLiteral("Language Table Firmware Version: %1.%2");

// Status bar.
inline const QString kReady = QStringLiteral("Ready");
inline const QString kMoveUpStatus = QStringLiteral("Move Language Table Upwards in Tree");
inline const QString kMoveDownStatus = QStringLiteral("Move Language Table Downwards in Tree");

} // namespace tarvo::app::texts
