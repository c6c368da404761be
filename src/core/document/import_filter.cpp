#include "document/import_filter.h"

#include "document/doc_texts.h"
#include "model/lang_table_layout.h"
#include "templates/utf_text.h"

#include <algorithm>
#include <string>
#include <utility>

namespace tarvo::document {

namespace {

messages::Message noTableOfLanguageText(int slotNumber, int languageId)
{
    return messages::Message(texts::kNoTemplateTableOfLanguage,
                             {messages::number(slotNumber), messages::number(languageId)});
}

} // namespace

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

DocResult filterAndOrderForImport(TableList& tables, const SlotCodes& codes)
{
    // Which template table each chosen slot takes, checked before anything moves.
    std::vector<std::size_t> sources;
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        const int code = codes[slot];
        if (code == kNoSlot)
            continue;
        const auto found = std::find_if(tables.begin(), tables.end(),
                                        [code](const auto& table) { return languageIdOf(*table) == code; });
        if (found == tables.end())
            return DocResult::failure(DocStatus::Refused,
                                      noTableOfLanguageText(static_cast<int>(slot) + 1, code));
        sources.push_back(static_cast<std::size_t>(found - tables.begin()));
    }

    // Copies first, while every template table is still in place.
    TableList ordered(sources.size());
    std::vector<bool> taken(tables.size(), false);
    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (!taken[sources[k]]) {
            taken[sources[k]] = true;
            continue;
        }
        ordered[k] = tables[sources[k]]->Clone();
        if (!ordered[k])
            return DocResult::failure(DocStatus::Refused, texts::kTableNotCopied);
    }
    for (std::size_t k = 0; k < sources.size(); ++k)
        if (!ordered[k])
            ordered[k] = std::move(tables[sources[k]]);
    tables = std::move(ordered);
    return DocResult::success();
}

std::optional<PositionList> newDocumentImportPositions(const SlotCodes& codes, const TableList& tables)
{
    PositionList positions;
    positions.fill(kNoSlot);
    std::size_t k = 0;
    for (std::size_t slot = 0; slot < codes.size(); ++slot) {
        if (codes[slot] == kNoSlot)
            continue;
        if (k >= tables.size() || languageIdOf(*tables[k]) != codes[slot])
            return std::nullopt;
        positions[slot] = static_cast<int>(k);
        ++k;
    }
    return positions;
}

} // namespace tarvo::document
