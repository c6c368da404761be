#pragma once
// How a transfer job says it ended, where no session said it: the tool's
// lines, which the editor shows too. A prefix pattern takes the session's
// own message as its %s.

#include <string_view>

namespace tarvo::transfer::texts {

inline constexpr std::u16string_view kCancelled = u"cancelled";
inline constexpr std::u16string_view kCancelledBecause = u"cancelled: %s";
inline constexpr std::u16string_view kSessionFailed = u"the session failed";
// What the port said about a failure, after the failure.
inline constexpr std::u16string_view kPortSaid = u"(%s)";
inline constexpr std::u16string_view kNotEveryBlock = u"not every block of the chosen slots came in";
inline constexpr std::u16string_view kNothingErased = u"cancelled; nothing was erased";
inline constexpr std::u16string_view kWrittenNotVerified =
    u"cancelled; the tables were written but not verified";
inline constexpr std::u16string_view kNotErasedBecause = u"%s; nothing was erased";

inline constexpr std::u16string_view kReadFailed = u"the keyboard could not be read: %s";
inline constexpr std::u16string_view kReadFailedNothingErased =
    u"the keyboard could not be read, nothing was erased: %s";
inline constexpr std::u16string_view kVerifyReadFailed =
    u"the written tables could not be read back to verify them: %s";
// The session's message as it stands.
inline constexpr std::u16string_view kAsItIs = u"%s";

// The notices of a job: what it skipped, kept or saved on the way.
inline constexpr std::u16string_view kSkippedNoTemplateTable =
    u"keyboard language table #%d (%s, language %d) skipped: the template has no table of that language";
inline constexpr std::u16string_view kSkippedIncomplete =
    u"keyboard language table #%d (%s) skipped: it is incomplete, a write of it was interrupted";
inline constexpr std::u16string_view kSlotUnchanged =
    u"keyboard language table #%d unchanged: it already holds this table";
inline constexpr std::u16string_view kNothingToBackUp = u"no chosen slot holds a table to back up";
inline constexpr std::u16string_view kBackupNotWritten = u"%s was not written";
inline constexpr std::u16string_view kBackupSavedOne = u"backup of %d table saved to %s";
inline constexpr std::u16string_view kBackupSavedMany = u"backup of %d tables saved to %s";

// Why a backup was not saved.
inline constexpr std::u16string_view kNoBackupPlace = u"no place to save the backup";
inline constexpr std::u16string_view kBackupNotMade = u"backup: %s";

// Writing again a slot that an interrupted write left: why a backup's table
// cannot be the merge source, and what the download does instead.
inline constexpr std::u16string_view kBackupUnreadable = u"the backup %s cannot be read: %s";
inline constexpr std::u16string_view kBackupOtherLanguage =
    u"the backup %s holds a table of another language for it";
inline constexpr std::u16string_view kBackupTableErased = u"its table in the backup %s reads erased";
inline constexpr std::u16string_view kBackupNoTable = u"the backup %s holds no table of it";
inline constexpr std::u16string_view kNoBackupBefore = u"no backup was saved before it";
inline constexpr std::u16string_view kCannotRecover = u"keyboard language table #%d cannot be recovered: %s";
inline constexpr std::u16string_view kLeftBlankAssumed =
    u"keyboard language table #%d was left blank by an interrupted write on this device (assumed: a blank "
    u"slot cannot show it)";
inline constexpr std::u16string_view kLeftIncomplete =
    u"keyboard language table #%d was left incomplete by an interrupted write";
inline constexpr std::u16string_view kMergedIntoBackup =
    u"the document's edited entries are merged into its table in the backup %s";
inline constexpr std::u16string_view kMergedIntoRecord =
    u"%s, so the document's edited entries are merged into the image that write was writing";
inline constexpr std::u16string_view kWrittenAsAsked =
    u"keyboard language table #%d was left by an interrupted write: the document's table is written as "
    u"stored, as asked";
inline constexpr std::u16string_view kSeveralBlank =
    u"keyboard language table #%d is blank and several remembered writes of different tables could have "
    u"left it so";
inline constexpr std::u16string_view kSeveralIncomplete =
    u"keyboard language table #%d is incomplete and several remembered writes of different tables could "
    u"have left it so";
inline constexpr std::u16string_view kBlankNoRecord =
    u"keyboard language table #%d is blank and no write remembered on this device left it so";
inline constexpr std::u16string_view kIncompleteNoRecord =
    u"keyboard language table #%d is incomplete and no remembered write matches what it holds";
inline constexpr std::u16string_view kRecoveryWays =
    u"nothing was erased. Merge into a backup's table of the slot with --recover-from BACKUP.tvo, or write "
    u"the document's table as stored with --slots %d=I";
inline constexpr std::u16string_view kEarlierBackups = u"Backups saved before earlier writes of it:";

} // namespace tarvo::transfer::texts
