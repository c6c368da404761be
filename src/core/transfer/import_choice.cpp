#include "transfer/import_choice.h"

#include "transfer/choice_texts.h"
#include "transfer/read_session.h"
#include "transfer/session_texts.h"

#include <algorithm>

namespace tarvo::transfer {

namespace {

bool templateHas(const std::vector<int>& ids, int languageId)
{
    return std::find(ids.begin(), ids.end(), languageId) != ids.end();
}

ImportChoice refusedImport(messages::Message message)
{
    ImportChoice choice;
    choice.languageIds.fill(kNoTable);
    choice.message = std::move(message);
    return choice;
}

} // namespace

int ImportChoice::chosenCount() const
{
    return static_cast<int>(
        std::count_if(languageIds.begin(), languageIds.end(), [](int id) { return id != kNoTable; }));
}

ImportChoice chooseImportSlots(const std::vector<SlotListing>& listings, int slotCount,
                               const std::vector<SlotRequest>& requests,
                               const std::vector<int>& templateLanguageIds)
{
    ImportChoice choice;
    choice.languageIds.fill(kNoTable);
    const int slots = std::min(slotCount, kMaxSlots);
    if (requests.empty()) {
        for (const SlotListing& listing : listings) {
            const int k = listing.slot() - 1;
            if (k >= 0 && k < slots && listing.interrupted && listing.row.present)
                choice.incomplete.push_back(listing.slot());
            if (k < 0 || k >= slots || !listing.holdsAcceptedTable())
                continue;
            if (templateHas(templateLanguageIds, listing.languageId))
                choice.languageIds[static_cast<std::size_t>(k)] = listing.languageId;
            else
                choice.skipped.push_back(listing.slot());
        }
    } else {
        for (const SlotRequest& request : requests) {
            if (request.table)
                return refusedImport(
                    messages::Message(texts::kImportNamesTable, {texts::number(request.slot)}));
            if (request.slot < 1 || request.slot > slots)
                return refusedImport(tooFewSlotsText(slotCount));
            const SlotListing* listing = findListing(listings, request.slot);
            if (listing != nullptr && listing->interrupted && listing->row.present) {
                ImportChoice refusal =
                    refusedImport(messages::Message(texts::kImportIncomplete, {texts::number(request.slot)}));
                refusal.incompleteNamed = true;
                return refusal;
            }
            if (listing == nullptr || !listing->holdsAcceptedTable())
                return refusedImport(
                    messages::Message(texts::kImportNothingHeld, {texts::number(request.slot)}));
            if (!templateHas(templateLanguageIds, listing->languageId))
                return refusedImport(
                    messages::Message(texts::kImportNoTemplateTable,
                                      {texts::number(request.slot), texts::number(listing->languageId)}));
            choice.languageIds[static_cast<std::size_t>(request.slot - 1)] = listing->languageId;
        }
    }
    if (choice.chosenCount() == 0) {
        choice.message = texts::kNothingChosen;
        return choice;
    }
    choice.ok = true;
    return choice;
}

std::array<int, kMaxSlots> importSlotMap(const ImportChoice& choice)
{
    std::array<int, kMaxSlots> map;
    for (std::size_t s = 0; s < map.size(); ++s)
        map[s] = choice.languageIds[s] != kNoTable ? kSlotNewTable : kSlotNotRead;
    return map;
}

} // namespace tarvo::transfer
