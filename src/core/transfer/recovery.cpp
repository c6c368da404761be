#include "transfer/recovery.h"

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "document/import_filter.h"
#include "document/source_slot.h"
#include "model/lang_table_layout.h"
#include "serial/frames.h"
#include "transfer/job_end.h"

#include <algorithm>

namespace tarvo::transfer {

namespace {

namespace layout = model::layout;
constexpr std::size_t kBlockBytes = serial::frames::kBlockDataBytes;

std::string slotText(int slot)
{
    return "keyboard language table #" + std::to_string(slot);
}

// A path as bytes, shown on one line (a name that is not UTF-8 shows replacement marks).
std::string shownPath(const std::string& path)
{
    return oneLineUtf8(templates::utf8ToUtf16(path));
}

} // namespace

bool readsErased(std::span<const std::uint8_t> image)
{
    if (image.size() != model::kImageBytes)
        return true;
    if (serial::frames::allErased(image.last(kBlockBytes)))
        return true;
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        const std::size_t first = layout::menuEntryOffset(menu, layout::kFirstEntry);
        if (serial::frames::allErased(image.subspan(first, layout::kEntryBytes * layout::kEntriesPerMenu)))
            return true;
    }
    return false;
}

bool holdsPartOf(std::span<const std::uint8_t> slotImage, std::span<const std::uint8_t> written)
{
    if (slotImage.size() != model::kImageBytes || written.size() != model::kImageBytes)
        return false;
    for (std::size_t at = 0; at < slotImage.size(); at += kBlockBytes) {
        const auto block = slotImage.subspan(at, kBlockBytes);
        if (!serial::frames::allErased(block) &&
            !std::equal(block.begin(), block.end(), written.begin() + at))
            return false;
    }
    return true;
}

std::optional<InterruptedWrite> singleRecord(const std::vector<InterruptedWrite>& candidates)
{
    if (candidates.empty())
        return std::nullopt;
    const InterruptedWrite* newest = &candidates.front();
    for (const InterruptedWrite& record : candidates) {
        if (record.image != candidates.front().image)
            return std::nullopt;
        if (record.time > newest->time)
            newest = &record;
    }
    return *newest;
}

std::optional<std::vector<std::uint8_t>> backupTableOf(const std::string& path, int slot, int languageId,
                                                       std::string& whyNot)
{
    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, path, 0);
    if (!opened.doc) {
        whyNot = "the backup " + shownPath(path) + " cannot be read: " + oneLineUtf8(opened.result.message);
        return std::nullopt;
    }
    for (std::size_t i = 0; i < opened.doc->tableCount(); ++i) {
        const model::CS1_LangTable& table = opened.doc->table(i);
        if (document::sourceSlot(table) != slot)
            continue;
        if (languageId >= 0 && document::languageIdOf(table) != languageId) {
            whyNot = "the backup " + shownPath(path) + " holds a table of another language for it";
            return std::nullopt;
        }
        const std::span<const std::uint8_t> image = table.Image();
        if (readsErased(image)) {
            whyNot = "its table in the backup " + shownPath(path) + " reads erased";
            return std::nullopt;
        }
        return std::vector<std::uint8_t>(image.begin(), image.end());
    }
    whyNot = "the backup " + shownPath(path) + " holds no table of it";
    return std::nullopt;
}

RecoverySource sourceOfRecord(const InterruptedWrite& record, int slot, bool assumed)
{
    RecoverySource source;
    source.backupPath = record.backupPath;
    source.time = record.time;
    source.assumed = assumed;
    if (!record.backupPath.empty()) {
        if (auto table = backupTableOf(record.backupPath, slot, record.languageId, source.whyNotBackup)) {
            source.how = Recovery::FromBackup;
            source.image = std::move(*table);
            return source;
        }
    } else {
        source.whyNotBackup = "no backup was saved before it";
    }
    source.how = Recovery::FromRecord;
    source.image = record.image;
    return source;
}

std::string noRecordApplies(int slot, bool blank, bool severalApply,
                            const std::vector<InterruptedWrite>& records)
{
    std::string text = slotText(slot);
    if (severalApply)
        text.append(" is ")
            .append(blank ? "blank" : "incomplete")
            .append(" and several remembered writes of different tables could have left it so");
    else if (blank)
        text += " is blank and no write remembered on this device left it so";
    else
        text += " is incomplete and no remembered write matches what it holds";
    text.append(
            "; nothing was erased. Merge into a backup's table of the slot with --recover-from BACKUP.tvo, "
            "or write the document's table as stored with --slots ")
        .append(std::to_string(slot))
        .append("=I");
    std::vector<std::string> backups;
    for (const InterruptedWrite& record : records)
        if (!record.backupPath.empty() &&
            std::find(backups.begin(), backups.end(), record.backupPath) == backups.end())
            backups.push_back(record.backupPath);
    if (!backups.empty()) {
        text += ". Backups saved before earlier writes of it:";
        for (const std::string& backup : backups)
            text.append(" ").append(shownPath(backup));
    }
    return text;
}

std::string recoveryNotice(int slot, const RecoverySource& source)
{
    std::string text = slotText(slot) + " was left ";
    text += source.assumed
                ? "blank by an interrupted write on this device (assumed: a blank slot cannot show it)"
                : "incomplete by an interrupted write";
    if (!source.time.empty())
        text += " (" + shownTime(source.time) + ")";
    switch (source.how) {
    case Recovery::FromBackup:
        return text + ": the document's edited entries are merged into its table in the backup " +
               shownPath(source.backupPath);
    case Recovery::FromRecord:
        return text + ": " + source.whyNotBackup +
               ", so the document's edited entries are merged into the image that write was writing";
    case Recovery::AsStored:
        return slotText(slot) +
               " was left by an interrupted write: the document's table is written as stored, "
               "as asked";
    case Recovery::None:
        break;
    }
    return text;
}

} // namespace tarvo::transfer
