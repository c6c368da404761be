#pragma once
// The texts the application shows, used by name.

#include "platform/translatable_text.h"

#include <QString>

namespace tarvo::app::texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Application";

inline constexpr Text kAppName{kContext, QT_TRANSLATE_NOOP("Application", "Tarvo Script Application")};
inline constexpr Text kAboutCaption{kContext,
                                    QT_TRANSLATE_NOOP("Application", "About Tarvo Script Application")};
inline constexpr Text kVersion{kContext, QT_TRANSLATE_NOOP("Application", "Version 1.01.00.02")};
// The release this build is, as `tarvo version` says it.
inline constexpr Text kBuildVersion{
    kContext, QT_TRANSLATE_NOOP("Application", "Tarvo Script Application for Linux %1")};
// The system's text for an error code, and where it was met.
inline constexpr Text kErrorReport{kContext, QT_TRANSLATE_NOOP("Application", "%1\n\nFile: %2\n\nLine: %3")};
inline constexpr Text kErrorCaption{kContext, QT_TRANSLATE_NOOP("Application", "Error")};

// Start-up.
inline constexpr Text kPlatformTooOld{
    kContext,
    QT_TRANSLATE_NOOP(
        "Application",
        "Error: This application only works with Qt version %1 or greater on a graphical desktop.")};
inline constexpr Text kNoFont{
    kContext, QT_TRANSLATE_NOOP("Application", "Error: The application could not locate the proper font.")};
inline constexpr Text kNoCommPort{
    kContext,
    QT_TRANSLATE_NOOP("Application", "Error: The application could not create the COM port Event Handler.")};
inline constexpr Text kSettingsNotWritable{
    kContext,
    QT_TRANSLATE_NOOP("Application",
                      "The settings could not be written to %1 (%2). The last folder and the recent files "
                      "will not be remembered.")};

// Documents.
inline constexpr Text kOpenFilter{kContext, QT_TRANSLATE_NOOP("Application", "Tvo Files (*.tvo)")};
inline constexpr Text kOpenCaption{kContext, QT_TRANSLATE_NOOP("Application", "Open")};
inline constexpr Text kSaveAsCaption{kContext, QT_TRANSLATE_NOOP("Application", "Save As")};
inline constexpr Text kAskToSave{kContext, QT_TRANSLATE_NOOP("Application", "Save changes to %1?")};
inline constexpr Text kReplaceFile{
    kContext, QT_TRANSLATE_NOOP("Application", "%1 already exists.\nDo you want to replace it?")};
inline constexpr Text kCannotOpen{
    kContext, QT_TRANSLATE_NOOP("Application", "The document %1 could not be opened:\n%2")};
// The status bar after a save: where the file went.
inline constexpr Text kSavedTo{kContext, QT_TRANSLATE_NOOP("Application", "Saved to %1")};
inline constexpr Text kCannotSave{
    kContext, QT_TRANSLATE_NOOP("Application", "The document could not be saved to %1:\n%2")};
inline constexpr Text kSettingsCorrected{
    kContext,
    QT_TRANSLATE_NOOP("Application",
                      "Some COM port settings of %1 were out of range and were set to their defaults:\n%2")};
inline constexpr Text kRecordsLeftOut{
    kContext,
    QT_TRANSLATE_NOOP("Application",
                      "Some records of %1 could not be read and were left out; saving the document makes "
                      "this permanent:\n%2")};
inline constexpr Text kRecentFileGone{
    kContext, QT_TRANSLATE_NOOP("Application",
                                "The file %1 no longer exists. It was removed from the recent file list.")};
inline constexpr Text kUntitledStem{kContext, QT_TRANSLATE_NOOP("Application", "Tarvo")};

// Help.
inline constexpr Text kUserGuideCaption{kContext, QT_TRANSLATE_NOOP("Application", "User Guide")};
inline constexpr Text kUserGuideMissing{
    kContext, QT_TRANSLATE_NOOP(
                  "Application",
                  "The user guide is not installed: %1 does not exist. Reinstall Tarvo Script Application.")};
inline constexpr Text kUserGuideNotShown{
    kContext,
    QT_TRANSLATE_NOOP("Application",
                      "The user guide %1 could not be shown: the desktop has no program for web pages.")};

// File Properties.
inline constexpr Text kPropertiesCaption{kContext, QT_TRANSLATE_NOOP("Application", "File Properties")};
inline constexpr Text kDocumentSchemaLine{kContext, QT_TRANSLATE_NOOP("Application", "Document Schema: %1")};
inline constexpr Text kTableSchemaLine{kContext,
                                       QT_TRANSLATE_NOOP("Application", "Language Table Schema: %1")};
inline constexpr Text kFirmwareLine{
    kContext, QT_TRANSLATE_NOOP("Application", "Language Table Firmware Version: %1.%2")};

// Status bar.
inline constexpr Text kReady{kContext, QT_TRANSLATE_NOOP("Application", "Ready")};
inline constexpr Text kMoveUpStatus{kContext,
                                    QT_TRANSLATE_NOOP("Application", "Move Language Table Upwards in Tree")};
inline constexpr Text kMoveDownStatus{
    kContext, QT_TRANSLATE_NOOP("Application", "Move Language Table Downwards in Tree")};

// main_frame.cpp.
inline constexpr Text kNew{kContext, QT_TRANSLATE_NOOP("Application", "&New")};
inline constexpr Text kCreateANewDocument{kContext,
                                          QT_TRANSLATE_NOOP("Application", "Create a new document")};
inline constexpr Text kOpen{kContext, QT_TRANSLATE_NOOP("Application", "&Open...")};
inline constexpr Text kOpenAnExistingDocument{kContext,
                                              QT_TRANSLATE_NOOP("Application", "Open an existing document")};
inline constexpr Text kClose{kContext, QT_TRANSLATE_NOOP("Application", "&Close")};
inline constexpr Text kCloseTheActiveDocument{kContext,
                                              QT_TRANSLATE_NOOP("Application", "Close the active document")};
inline constexpr Text kSave{kContext, QT_TRANSLATE_NOOP("Application", "&Save")};
inline constexpr Text kSaveTheActiveDocument{kContext,
                                             QT_TRANSLATE_NOOP("Application", "Save the active document")};
inline constexpr Text kSaveAs{kContext, QT_TRANSLATE_NOOP("Application", "Save &As...")};
inline constexpr Text kSaveTheActiveDocumentWith{
    kContext, QT_TRANSLATE_NOOP("Application", "Save the active document with a new name")};
inline constexpr Text kProperties{kContext, QT_TRANSLATE_NOOP("Application", "&Properties...")};
inline constexpr Text kShowTheSchemaAndFirmware{
    kContext,
    QT_TRANSLATE_NOOP("Application", "Show the schema and firmware version of the active document")};
inline constexpr Text kExit{kContext, QT_TRANSLATE_NOOP("Application", "E&xit")};
inline constexpr Text kQuitTheApplicationPromptsTo{
    kContext, QT_TRANSLATE_NOOP("Application", "Quit the application; prompts to save documents")};
inline constexpr Text kMoveTableUp{kContext, QT_TRANSLATE_NOOP("Application", "Move Table &Up")};
inline constexpr Text kMoveTableDown{kContext, QT_TRANSLATE_NOOP("Application", "Move Table &Down")};
inline constexpr Text kToolbar{kContext, QT_TRANSLATE_NOOP("Application", "&Toolbar")};
inline constexpr Text kShowOrHideTheToolbar{kContext,
                                            QT_TRANSLATE_NOOP("Application", "Show or hide the toolbar")};
inline constexpr Text kStatusBar{kContext, QT_TRANSLATE_NOOP("Application", "Status &Bar")};
inline constexpr Text kShowOrHideTheStatus{kContext,
                                           QT_TRANSLATE_NOOP("Application", "Show or hide the status bar")};
inline constexpr Text kRefresh{kContext, QT_TRANSLATE_NOOP("Application", "&Refresh")};
inline constexpr Text kRedrawTheFormOfThe{
    kContext, QT_TRANSLATE_NOOP("Application", "Redraw the form of the active document")};
inline constexpr Text kCascade{kContext, QT_TRANSLATE_NOOP("Application", "&Cascade")};
inline constexpr Text kArrangeWindowsSoTheyOverlap{
    kContext, QT_TRANSLATE_NOOP("Application", "Arrange windows so they overlap")};
inline constexpr Text kTile{kContext, QT_TRANSLATE_NOOP("Application", "&Tile")};
inline constexpr Text kArrangeWindowsAsNonOverlapping{
    kContext, QT_TRANSLATE_NOOP("Application", "Arrange windows as non-overlapping tiles")};
inline constexpr Text kArrangeIcons{kContext, QT_TRANSLATE_NOOP("Application", "&Arrange Icons")};
inline constexpr Text kArrangeIconsAtTheBottom{
    kContext, QT_TRANSLATE_NOOP("Application", "Arrange icons at the bottom of the window")};
inline constexpr Text kUserGuide{kContext, QT_TRANSLATE_NOOP("Application", "&User Guide")};
inline constexpr Text kReadHowToConnectDownload{
    kContext,
    QT_TRANSLATE_NOOP("Application", "Read how to connect, download, recover and restore a keyboard")};
inline constexpr Text kAbout{kContext, QT_TRANSLATE_NOOP("Application", "&About...")};
inline constexpr Text kDisplayProgramInformationAndVersion{
    kContext, QT_TRANSLATE_NOOP("Application", "Display program information and version number")};
inline constexpr Text kOpenThisDocument{kContext, QT_TRANSLATE_NOOP("Application", "Open this document")};
inline constexpr Text kMaximizedResolutionSizes{
    kContext, QT_TRANSLATE_NOOP("Application", "&Maximized Resolution Sizes")};
inline constexpr Text kFile{kContext, QT_TRANSLATE_NOOP("Application", "&File")};
inline constexpr Text kEdit{kContext, QT_TRANSLATE_NOOP("Application", "&Edit")};
inline constexpr Text kView{kContext, QT_TRANSLATE_NOOP("Application", "&View")};
inline constexpr Text kTransfer{kContext, QT_TRANSLATE_NOOP("Application", "&Transfer")};
inline constexpr Text kWindow{kContext, QT_TRANSLATE_NOOP("Application", "&Window")};
inline constexpr Text kHelp{kContext, QT_TRANSLATE_NOOP("Application", "&Help")};
inline constexpr Text kDebug{kContext, QT_TRANSLATE_NOOP("Application", "&Debug")};
inline constexpr Text kStandard{kContext, QT_TRANSLATE_NOOP("Application", "Standard")};

// main_frame_characters.cpp.
inline constexpr Text kShowCharactersUsed{kContext,
                                          QT_TRANSLATE_NOOP("Application", "Show &Characters Used")};
inline constexpr Text kListTheCharactersOfThe{
    kContext, QT_TRANSLATE_NOOP("Application", "List the characters of the selected table's language")};

// app_settings.cpp.
inline constexpr Text kAccessDenied{kContext, QT_TRANSLATE_NOOP("Application", "access denied")};
inline constexpr Text kTheFileIsNotA{kContext,
                                     QT_TRANSLATE_NOOP("Application", "the file is not a settings file")};

// View > Language...
inline constexpr Text kLanguageCommand{kContext, QT_TRANSLATE_NOOP("Application", "&Language...")};
inline constexpr Text kLanguageStatus{
    kContext, QT_TRANSLATE_NOOP("Application", "Choose the language of the editor for its next start")};
inline constexpr Text kLanguageCaption{kContext, QT_TRANSLATE_NOOP("Application", "Language")};
inline constexpr Text kLanguageAtNextStart{
    kContext,
    QT_TRANSLATE_NOOP("Application", "The editor shows the chosen language when it is started again.")};

} // namespace tarvo::app::texts
