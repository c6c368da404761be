#include "transfer/slot_choice.h"

#include "transfer/choice_texts.h"
#include "transfer/session_texts.h"

#include <charconv>

namespace tarvo::transfer {

namespace {

std::optional<int> parseNumber(std::string_view text)
{
    int value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

messages::Message slotText(std::u16string_view pattern, int slot)
{
    return messages::Message(pattern, {texts::number(slot)});
}

// A document table as the reader of a refusal counts them.
std::u16string tableNumber(int index, Wording wording)
{
    return texts::number(wording == Wording::Dialog ? index + 1 : index);
}

// Two slots may share a document table only when each was named with N=I.
bool checkNoSharedTable(SlotChoice& choice, Wording wording)
{
    for (int a = 0; a < kMaxSlots; ++a) {
        for (int b = a + 1; b < kMaxSlots; ++b) {
            if (choice.map[a] == kNoTable || choice.map[a] != choice.map[b])
                continue;
            if (choice.asNamed[a] && choice.asNamed[b])
                continue;
            choice.message = messages::Message(
                wording == Wording::Dialog ? texts::kSharedTableDialog : texts::kSharedTableTool,
                {texts::number(a + 1), texts::number(b + 1), tableNumber(choice.map[a], wording)});
            return false;
        }
    }
    return true;
}

SlotChoice finish(SlotChoice choice, Wording wording = Wording::CommandLine)
{
    if (!checkNoSharedTable(choice, wording))
        return choice;
    if (choice.chosenCount() == 0) {
        choice.message = texts::kNothingChosen;
        return choice;
    }
    choice.ok = true;
    return choice;
}

} // namespace

messages::Message tooFewSlotsText(int slotCount)
{
    return messages::Message(texts::kTooFewSlots, {texts::number(slotCount), texts::number(slotCount)});
}

int SlotChoice::chosenCount() const
{
    int count = 0;
    for (int table : map)
        count += table != kNoTable ? 1 : 0;
    return count;
}

std::optional<std::vector<SlotRequest>> parseSlotList(std::string_view text, std::u16string& message)
{
    std::vector<SlotRequest> requests;
    std::array<bool, kMaxSlots> named{};
    while (true) {
        const auto comma = text.find(',');
        const std::string_view item = text.substr(0, comma);
        const auto equals = item.find('=');
        const std::optional<int> slot = parseNumber(item.substr(0, equals));
        if (!slot || *slot < 1 || *slot > kMaxSlots) {
            message = u"slot numbers are 1-13, as N or N=I: " + texts::ascii(item);
            return std::nullopt;
        }
        SlotRequest request{*slot, std::nullopt};
        if (equals != std::string_view::npos) {
            request.table = parseNumber(item.substr(equals + 1));
            if (!request.table || *request.table < 0) {
                message = u"a document table index is a number from 0: " + texts::ascii(item);
                return std::nullopt;
            }
        }
        if (named[static_cast<std::size_t>(*slot - 1)]) {
            message = texts::format(u"slot %d is named twice", {texts::number(*slot)});
            return std::nullopt;
        }
        named[static_cast<std::size_t>(*slot - 1)] = true;
        requests.push_back(request);
        if (comma == std::string_view::npos)
            return requests;
        text.remove_prefix(comma + 1);
    }
}

int tableForLanguage(const std::vector<int>& documentLanguageIds, int languageId)
{
    for (std::size_t i = 0; i < documentLanguageIds.size(); ++i)
        if (documentLanguageIds[i] == languageId)
            return static_cast<int>(i);
    return kNoTable;
}

SlotChoice chooseFromSelections(const std::vector<SlotListing>& listings, const std::vector<int>& selections,
                                const std::vector<int>& documentLanguageIds)
{
    SlotChoice choice;
    choice.map.fill(kNoTable);
    for (std::size_t k = 0; k < listings.size() && k < selections.size() && k < kMaxSlots; ++k) {
        const SlotListing& listing = listings[k];
        const int selected = selections[k];
        if (!listing.enabled || selected < 0 || selected >= static_cast<int>(listing.entries.size()))
            continue;
        if (listing.entries[static_cast<std::size_t>(selected)].kind != SlotEntryKind::Table)
            continue;
        choice.map[k] = tableForLanguage(documentLanguageIds, listing.languageId);
    }
    return finish(choice);
}

SlotChoice chooseFromRequests(const std::vector<SlotListing>& listings, int slotCount,
                              const std::vector<SlotRequest>& requests,
                              const std::vector<int>& documentLanguageIds, Wording wording)
{
    const bool dialog = wording == Wording::Dialog;
    SlotChoice choice;
    choice.map.fill(kNoTable);
    const int tableCount = static_cast<int>(documentLanguageIds.size());
    if (requests.empty()) {
        for (const SlotListing& listing : listings) {
            const int k = listing.slot() - 1;
            if (k >= 0 && k < slotCount && k < kMaxSlots && listing.takesTableOfItsLanguage())
                choice.map[static_cast<std::size_t>(k)] =
                    tableForLanguage(documentLanguageIds, listing.languageId);
        }
        if (choice.chosenCount() == 0) {
            choice.message = texts::kNoSlotHoldsALanguage;
            return choice;
        }
        return finish(choice, wording);
    }
    for (const SlotRequest& request : requests) {
        if (request.slot < 1 || request.slot > slotCount) {
            choice.message = tooFewSlotsText(slotCount);
            return choice;
        }
        const auto k = static_cast<std::size_t>(request.slot - 1);
        if (request.table) {
            if (*request.table >= tableCount) {
                choice.message =
                    messages::Message(dialog ? texts::kNoSuchTableDialog : texts::kNoSuchTableTool,
                                      {texts::number(request.slot), tableNumber(*request.table, wording)});
                return choice;
            }
            choice.map[k] = *request.table;
            choice.asNamed[k] = true;
            continue;
        }
        const SlotListing* listing = findListing(listings, request.slot);
        if (listing == nullptr || !listing->takesTableOfItsLanguage()) {
            choice.message =
                slotText(dialog ? texts::kNothingToMatchDialog : texts::kNothingToMatchTool, request.slot);
            return choice;
        }
        choice.map[k] = tableForLanguage(documentLanguageIds, listing->languageId);
        if (choice.map[k] == kNoTable) {
            choice.message =
                messages::Message(dialog ? texts::kNoTableOfLanguageDialog : texts::kNoTableOfLanguageTool,
                                  {texts::number(request.slot), texts::number(listing->languageId)});
            return choice;
        }
    }
    return finish(choice, wording);
}

} // namespace tarvo::transfer
