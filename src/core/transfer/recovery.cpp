#include "transfer/recovery.h"

#include "document/doc.h"
#include "document/document_number_pool.h"
#include "document/import_filter.h"
#include "document/source_slot.h"
#include "model/lang_table_layout.h"
#include "serial/frames.h"
#include "transfer/job_end.h"

namespace tarvo::transfer {

namespace {

namespace layout = model::layout;

RecoverySource asStored(std::string backupPath, std::string why)
{
    RecoverySource source;
    source.backupPath = std::move(backupPath);
    source.whyNotBackup = std::move(why);
    return source;
}

std::string slotText(int slot)
{
    return "keyboard language table #" + std::to_string(slot);
}

} // namespace

bool readsErased(std::span<const std::uint8_t> image)
{
    if (image.size() != model::kImageBytes)
        return true;
    if (serial::frames::allErased(image.last(serial::frames::kBlockDataBytes)))
        return true;
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        const std::size_t first = layout::menuEntryOffset(menu, layout::kFirstEntry);
        if (serial::frames::allErased(image.subspan(first, layout::kEntryBytes * layout::kEntriesPerMenu)))
            return true;
    }
    return false;
}

RecoverySource findRecoverySource(const std::optional<InterruptedWrite>& remembered, int slot, int languageId)
{
    if (!remembered || remembered->backupPath.empty())
        return asStored({}, "no backup from before that write is remembered");
    const std::string& path = remembered->backupPath;
    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, path, 0);
    if (!opened.doc)
        return asStored(path,
                        "its backup " + path + " cannot be read: " + oneLineUtf8(opened.result.message));
    for (std::size_t i = 0; i < opened.doc->tableCount(); ++i) {
        const model::CS1_LangTable& table = opened.doc->table(i);
        if (document::sourceSlot(table) != slot)
            continue;
        if (document::languageIdOf(table) != languageId)
            return asStored(path, "its backup " + path + " holds a table of another language for it");
        const std::span<const std::uint8_t> image = table.Image();
        if (readsErased(image))
            return asStored(path, "its table in the backup " + path + " reads erased");
        RecoverySource source;
        source.how = Recovery::FromBackup;
        source.image.assign(image.begin(), image.end());
        source.backupPath = path;
        return source;
    }
    return asStored(path, "its backup " + path + " holds no table of it");
}

std::string recoveryNotice(int slot, const RecoverySource& source,
                           const std::optional<InterruptedWrite>& remembered)
{
    std::string left = slotText(slot) + " was left incomplete by an interrupted write";
    if (remembered && !remembered->time.empty())
        left += " (" + remembered->time + ")";
    if (source.how == Recovery::FromBackup)
        return left +
               ": the document's edited entries are merged into its table in the backup saved before "
               "that write, " +
               source.backupPath;
    return left + " and " + source.whyNotBackup +
           ": the document's table is written as stored, and the keyboard's own script menus could not be "
           "kept";
}

} // namespace tarvo::transfer
