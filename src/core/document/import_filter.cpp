#include "document/import_filter.h"

#include "model/lang_table_layout.h"

#include <algorithm>
#include <utility>

namespace tarvo::document {

int languageIdOf(const model::CS1_LangTable& table)
{
    return table.GetByte(model::layout::kLanguageIdOffset);
}

bool anySlotChosen(const SlotCodes& codes)
{
    return chosenSlotCount(codes) > 0;
}

int chosenSlotCount(const SlotCodes& codes)
{
    return static_cast<int>(std::count_if(codes.begin(), codes.end(), [](int c) { return c != kNoSlot; }));
}

void filterAndOrderForImport(TableList& tables, const SlotCodes& codes)
{
    const auto chosen = [&codes](int id) { return std::find(codes.begin(), codes.end(), id) != codes.end(); };
    // erase_if visits every table, also the one that moves into a removed table's place.
    std::erase_if(tables, [&](const auto& table) { return !chosen(languageIdOf(*table)); });

    std::size_t k = 0;
    for (const int code : codes) {
        if (code == kNoSlot)
            continue;
        for (std::size_t j = k; j < tables.size(); ++j) {
            if (languageIdOf(*tables[j]) == code) {
                std::swap(tables[j], tables[k]);
                break;
            }
        }
        ++k;
    }
}

PositionList newDocumentImportPositions(const SlotCodes& codes, std::size_t tableCount)
{
    PositionList positions;
    positions.fill(kNoSlot);
    std::size_t k = 0;
    for (int slot = 0; slot < kKeyboardSlots; ++slot) {
        if (codes[static_cast<std::size_t>(slot)] == kNoSlot)
            continue;
        positions[static_cast<std::size_t>(slot)] = k < tableCount ? static_cast<int>(k) : kNewTablePosition;
        ++k;
    }
    return positions;
}

} // namespace tarvo::document
