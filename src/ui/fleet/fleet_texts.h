#pragma once
// The texts of the commands for several keyboards at once, used by name.

#include "platform/translatable_text.h"

namespace tarvo::ui::fleet_texts {

using Text = platform::TranslatableText;
inline constexpr char kContext[] = "Fleet";

// The Transfer menu.
inline constexpr Text kDownloadCommand{kContext,
                                       QT_TRANSLATE_NOOP("Fleet", "Download to Se&veral Keyboards...")};
inline constexpr Text kDownloadTip{
    kContext,
    QT_TRANSLATE_NOOP("Fleet", "Write the document's language tables into several keyboards at once")};
inline constexpr Text kQueryCommand{kContext, QT_TRANSLATE_NOOP("Fleet", "Query Several &Keyboards...")};
inline constexpr Text kQueryTip{
    kContext,
    QT_TRANSLATE_NOOP("Fleet", "Read the identity and the language tables of several keyboards at once")};

// The list of COM ports.
inline constexpr Text kPortsTitle{kContext, QT_TRANSLATE_NOOP("Fleet", "Choose the Keyboards")};
inline constexpr Text kPortsCaption{
    kContext, QT_TRANSLATE_NOOP("Fleet", "Tick the COM port of each keyboard to download to:")};
inline constexpr Text kPortColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "COM port")};
inline constexpr Text kDeviceColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Device")};
inline constexpr Text kPresentColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Present now")};
inline constexpr Text kPresent{kContext, QT_TRANSLATE_NOOP("Fleet", "yes")};
inline constexpr Text kMissing{kContext, QT_TRANSLATE_NOOP("Fleet", "no")};
inline constexpr Text kNetworkAddress{kContext, QT_TRANSLATE_NOOP("Fleet", "network address")};
inline constexpr Text kStart{kContext, QT_TRANSLATE_NOOP("Fleet", "&Download")};
inline constexpr Text kQueryPortsCaption{
    kContext, QT_TRANSLATE_NOOP("Fleet", "Tick the COM port of each keyboard to query:")};
inline constexpr Text kStartQuery{kContext, QT_TRANSLATE_NOOP("Fleet", "&Query")};
inline constexpr Text kCancel{kContext, QT_TRANSLATE_NOOP("Fleet", "&Cancel")};
inline constexpr Text kComPort{kContext, QT_TRANSLATE_NOOP("Fleet", "COM%1")};

// The window with a row per keyboard.
inline constexpr Text kWindowTitle{kContext, QT_TRANSLATE_NOOP("Fleet", "Download to Several Keyboards")};
inline constexpr Text kKeyboardColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Keyboard")};
inline constexpr Text kSlotColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Slot")};
inline constexpr Text kProgressColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Progress")};
inline constexpr Text kPhaseColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Phase")};
inline constexpr Text kTimeLeftColumn{kContext, QT_TRANSLATE_NOOP("Fleet", "Time left")};
inline constexpr Text kCancelRow{kContext, QT_TRANSLATE_NOOP("Fleet", "Cancel")};
inline constexpr Text kCancelAll{kContext, QT_TRANSLATE_NOOP("Fleet", "Cancel &All")};
inline constexpr Text kCopy{kContext, QT_TRANSLATE_NOOP("Fleet", "&Copy Results")};
inline constexpr Text kClose{kContext, QT_TRANSLATE_NOOP("Fleet", "C&lose")};
inline constexpr Text kTimeLeft{kContext, QT_TRANSLATE_NOOP("Fleet", "%1:%2")};

// The phases of a row.
inline constexpr Text kWaiting{kContext, QT_TRANSLATE_NOOP("Fleet", "Waiting")};
inline constexpr Text kInspecting{kContext, QT_TRANSLATE_NOOP("Fleet", "Reading the slots")};
inline constexpr Text kReadingBack{kContext, QT_TRANSLATE_NOOP("Fleet", "Reading back")};
inline constexpr Text kSavingBackup{kContext, QT_TRANSLATE_NOOP("Fleet", "Saving the backup")};
inline constexpr Text kWriting{kContext, QT_TRANSLATE_NOOP("Fleet", "Writing")};
inline constexpr Text kVerifying{kContext, QT_TRANSLATE_NOOP("Fleet", "Verifying")};
inline constexpr Text kDone{kContext, QT_TRANSLATE_NOOP("Fleet", "Done")};
inline constexpr Text kCancelled{kContext, QT_TRANSLATE_NOOP("Fleet", "Cancelled")};
inline constexpr Text kFailed{kContext, QT_TRANSLATE_NOOP("Fleet", "Failed: %1")};

// The questions, each naming its keyboard.
inline constexpr Text kQuestionAbout{kContext, QT_TRANSLATE_NOOP("Fleet", "COM%1 (%2):\n\n%3")};
inline constexpr Text kCancelAllQuestion{
    kContext, QT_TRANSLATE_NOOP("Fleet", "Cancel the download to every keyboard that has not finished?")};
inline constexpr Text kLeftIncomplete{
    kContext, QT_TRANSLATE_NOOP("Fleet", "COM%1: Language table #%2 would be left incomplete.")};

// The window with a row per keyboard queried; a keyboard's slots are listed under its row.
inline constexpr Text kQueryWindowTitle{kContext, QT_TRANSLATE_NOOP("Fleet", "Query Several Keyboards")};

// Before anything is erased: the slots to write, then what each keyboard would change.
inline constexpr Text kChoiceCaption{
    kContext,
    QT_TRANSLATE_NOOP("Fleet", "The keyboards on %1 hold the same languages: choose their slots once.")};
inline constexpr Text kChoiceCaptionOne{
    kContext, QT_TRANSLATE_NOOP("Fleet", "Choose the slots of the keyboard on %1.")};
inline constexpr Text kPreviewTitle{kContext, QT_TRANSLATE_NOOP("Fleet", "What the Download Will Change")};
inline constexpr Text kPreviewCaption{
    kContext, QT_TRANSLATE_NOOP(
                  "Fleet", "Nothing has been erased yet. Untick a keyboard to leave it out; Write writes the "
                           "others, Cancel writes none.")};
inline constexpr Text kWrite{kContext, QT_TRANSLATE_NOOP("Fleet", "&Write")};
inline constexpr Text kKeyboardName{kContext, QT_TRANSLATE_NOOP("Fleet", "COM%1 (%2): %3")};
inline constexpr Text kLeftOut{kContext, QT_TRANSLATE_NOOP("Fleet", "Left out")};

// The result table at the end, as the tool prints it.
inline constexpr Text kPortHeading{kContext, QT_TRANSLATE_NOOP("Fleet", "Port")};
inline constexpr Text kWrittenHeading{kContext, QT_TRANSLATE_NOOP("Fleet", "Written")};
inline constexpr Text kUnchangedHeading{kContext, QT_TRANSLATE_NOOP("Fleet", "Unchanged")};
inline constexpr Text kVerifiedHeading{kContext, QT_TRANSLATE_NOOP("Fleet", "Verified")};
inline constexpr Text kSecondsHeading{kContext, QT_TRANSLATE_NOOP("Fleet", "Seconds")};
inline constexpr Text kResultHeading{kContext, QT_TRANSLATE_NOOP("Fleet", "Result")};
inline constexpr Text kResultOk{kContext, QT_TRANSLATE_NOOP("Fleet", "ok")};
inline constexpr Text kResultLeftOut{kContext, QT_TRANSLATE_NOOP("Fleet", "left out")};
inline constexpr Text kResultFailed{kContext, QT_TRANSLATE_NOOP("Fleet", "failed: %1")};
inline constexpr Text kResultIncomplete{
    kContext, QT_TRANSLATE_NOOP("Fleet", "Language table #%1 is incomplete and must be written again")};
inline constexpr Text kResultBackup{kContext, QT_TRANSLATE_NOOP("Fleet", "backup: %1")};

} // namespace tarvo::ui::fleet_texts
