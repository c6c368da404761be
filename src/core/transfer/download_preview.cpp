#include "transfer/download_preview.h"

#include "model/lang_table_layout.h"
#include "templates/utf_text.h"

#include <algorithm>

namespace tarvo::transfer {

const char* previewActionName(PreviewAction action)
{
    switch (action) {
    case PreviewAction::Write:
        return "write";
    case PreviewAction::Unchanged:
        return "unchanged";
    case PreviewAction::Recover:
        return "recover";
    case PreviewAction::AsStored:
        return "as_stored";
    case PreviewAction::Refused:
        return "refused";
    }
    return "write";
}

messages::Message planWords(const SlotPreview& slot)
{
    const std::size_t count = slot.changes.size();
    messages::Message changes(count == 1 ? texts::kPlanOneChange : texts::kPlanChanges,
                              {messages::number(static_cast<long long>(count))});
    switch (slot.action) {
    case PreviewAction::Refused:
        return messages::Message(texts::kPlanRefused, {slot.reason});
    case PreviewAction::Unchanged:
        return messages::Message(texts::kPlanUnchanged);
    case PreviewAction::Recover: {
        messages::Message how =
            slot.backup.empty()
                ? messages::Message(texts::kPlanFromRecord)
                : messages::Message(texts::kPlanFromBackup, {templates::utf8ToUtf16(slot.backup)});
        return messages::Message(texts::kPlanHowAndChanges, {how, changes});
    }
    case PreviewAction::AsStored:
        return messages::Message(texts::kPlanHowAndChanges,
                                 {messages::Message(texts::kPlanAsStored), changes});
    case PreviewAction::Write:
        break;
    }
    return changes;
}

bool DownloadPreview::anyRefused() const
{
    return std::any_of(slots.begin(), slots.end(),
                       [](const SlotPreview& s) { return s.action == PreviewAction::Refused; });
}

std::vector<EntryChange> entryChanges(std::span<const std::uint8_t> before, const model::CS1_LangTable& after)
{
    // The same table with the keyboard's bytes: both sides decode in its font.
    model::CS1_LangTable held;
    held.CopyFrom(after);
    std::vector<std::uint8_t> image(after.Image().size(), 0);
    std::copy_n(before.begin(), std::min(before.size(), image.size()), image.begin());
    held.SetImage(std::move(image));
    std::vector<EntryChange> changes;
    for (const compare::EntryDifference& d :
         compare::compareScriptEntries(held, after, 0, compare::EditedFlag::Ignored))
        changes.push_back(
            {d.menu, d.entry, d.a.value_or(compare::EntrySide{}), d.b.value_or(compare::EntrySide{})});
    return changes;
}

} // namespace tarvo::transfer
