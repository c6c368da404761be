#include "transfer/fleet_choice.h"

#include <algorithm>

namespace tarvo::transfer {

namespace {

// What a slot's list offers, whatever the names in it: the same choice means the same there.
bool sameOffer(const SlotListing& a, const SlotListing& b)
{
    return a.slot() == b.slot() && a.enabled == b.enabled && a.languageId == b.languageId &&
           a.interrupted == b.interrupted && a.recoverable == b.recoverable &&
           std::equal(a.entries.begin(), a.entries.end(), b.entries.begin(), b.entries.end(),
                      [](const SlotEntry& x, const SlotEntry& y) { return x.kind == y.kind; });
}

} // namespace

bool sameSlotLanguages(const std::vector<SlotListing>& a, const std::vector<SlotListing>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), sameOffer);
}

std::vector<std::vector<std::size_t>>
sharedChoiceGroups(const std::vector<std::vector<SlotListing>>& keyboards)
{
    std::vector<std::vector<std::size_t>> groups;
    for (std::size_t k = 0; k < keyboards.size(); ++k) {
        const auto group = std::find_if(groups.begin(), groups.end(), [&](const std::vector<std::size_t>& g) {
            return sameSlotLanguages(keyboards[g.front()], keyboards[k]);
        });
        if (group != groups.end())
            group->push_back(k);
        else
            groups.push_back({k});
    }
    return groups;
}

} // namespace tarvo::transfer
