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

// A path as bytes, shown on one line (a name that is not UTF-8 shows replacement marks).
messages::Argument shownPath(const std::string& path)
{
    return templates::utf8ToUtf16(oneLineUtf8(templates::utf8ToUtf16(path)));
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
                                                       messages::Message& whyNot)
{
    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, path, 0);
    if (!opened.doc) {
        whyNot = messages::Message(texts::kBackupUnreadable, {shownPath(path), opened.result.message});
        return std::nullopt;
    }
    for (std::size_t i = 0; i < opened.doc->tableCount(); ++i) {
        const model::CS1_LangTable& table = opened.doc->table(i);
        if (document::sourceSlot(table) != slot)
            continue;
        if (languageId >= 0 && document::languageIdOf(table) != languageId) {
            whyNot = messages::Message(texts::kBackupOtherLanguage, {shownPath(path)});
            return std::nullopt;
        }
        const std::span<const std::uint8_t> image = table.Image();
        if (readsErased(image)) {
            whyNot = messages::Message(texts::kBackupTableErased, {shownPath(path)});
            return std::nullopt;
        }
        return std::vector<std::uint8_t>(image.begin(), image.end());
    }
    whyNot = messages::Message(texts::kBackupNoTable, {shownPath(path)});
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
        source.whyNotBackup = messages::Message(texts::kNoBackupBefore);
    }
    source.how = Recovery::FromRecord;
    source.image = record.image;
    return source;
}

messages::Message noRecordApplies(int slot, bool blank, bool severalApply,
                                  const std::vector<InterruptedWrite>& records)
{
    std::u16string_view why = texts::kIncompleteNoRecord;
    if (severalApply)
        why = blank ? texts::kSeveralBlank : texts::kSeveralIncomplete;
    else if (blank)
        why = texts::kBlankNoRecord;
    messages::Message text(why, {messages::number(slot)});
    text.append(u"; ", messages::Message(texts::kRecoveryWays, {messages::number(slot)}));
    std::vector<std::string> backups;
    for (const InterruptedWrite& record : records)
        if (!record.backupPath.empty() &&
            std::find(backups.begin(), backups.end(), record.backupPath) == backups.end())
            backups.push_back(record.backupPath);
    if (!backups.empty()) {
        text.append(u". ", messages::Message(texts::kEarlierBackups));
        for (const std::string& backup : backups)
            text.append(u" ", messages::Message::data(shownPath(backup).text));
    }
    return text;
}

messages::Message recoveryNotice(int slot, const RecoverySource& source)
{
    const messages::Argument number = messages::number(slot);
    if (source.how == Recovery::AsStored)
        return messages::Message(texts::kWrittenAsAsked, {number});
    messages::Message text(source.assumed ? texts::kLeftBlankAssumed : texts::kLeftIncomplete, {number});
    if (!source.time.empty()) {
        std::u16string time = u"(";
        time.append(templates::utf8ToUtf16(shownTime(source.time))).append(u")");
        text.append(u" ", messages::Message::data(std::move(time)));
    }
    switch (source.how) {
    case Recovery::FromBackup:
        text.append(u": ", messages::Message(texts::kMergedIntoBackup, {shownPath(source.backupPath)}));
        break;
    case Recovery::FromRecord:
        text.append(u": ", messages::Message(texts::kMergedIntoRecord, {source.whyNotBackup}));
        break;
    default:
        break;
    }
    return text;
}

} // namespace tarvo::transfer
