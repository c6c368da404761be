#include "transfer/download_choice.h"

namespace tarvo::transfer {

const std::string& DownloadChoice::recoveryBackup(int slot) const
{
    for (const ChosenSlot& chosen : slots)
        if (chosen.slot == slot && chosen.source == SlotSource::Recovered && !chosen.backup.empty())
            return chosen.backup;
    return recoverFrom;
}

std::vector<ChosenSlot> chosenSlotsOf(const std::vector<SlotRequest>& requests)
{
    std::vector<ChosenSlot> slots;
    slots.reserve(requests.size());
    for (const SlotRequest& request : requests) {
        ChosenSlot chosen;
        chosen.slot = request.slot;
        chosen.table = request.table;
        chosen.source = request.table ? SlotSource::AsStored : SlotSource::Merged;
        slots.push_back(chosen);
    }
    return slots;
}

DownloadRequest requestOf(const DownloadChoice& choice, Wording wording, bool documentFromImport)
{
    DownloadRequest request;
    for (const ChosenSlot& chosen : choice.slots) {
        SlotRequest item;
        item.slot = chosen.slot;
        if (chosen.source == SlotSource::AsStored)
            item.table = chosen.table;
        request.slots.push_back(item);
    }
    request.asIs = choice.asStored;
    request.backup = choice.wantsBackup();
    request.recoverFrom = choice.recoverFrom;
    request.documentFromImport = documentFromImport;
    request.wording = wording;
    return request;
}

} // namespace tarvo::transfer
