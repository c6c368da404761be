#include "document/keyboard_document.h"

#include "document/doc_texts.h"
#include "document/source_slot.h"

#include <algorithm>

namespace tarvo::document {

DocOutcome
documentFromKeyboardImages(DocumentNumberPool& pool,
                           const std::function<templates::TemplateBuildResult(int documentNumber)>& build,
                           const ImportResults& images, KeyboardImageUse use, int currentPort)
{
    SlotCodes codes;
    codes.fill(kNoSlot);
    std::vector<int> slots; // 1-based, in slot order
    for (std::size_t s = 0; s < images.size(); ++s) {
        if (images[s].empty())
            continue;
        if (images[s].size() != model::kImageBytes)
            return {nullptr, DocResult::failure(DocStatus::Refused, texts::kImageNotWhole)};
        codes[s] = images[s][model::layout::kLanguageIdOffset];
        slots.push_back(static_cast<int>(s) + 1);
    }
    if (slots.empty())
        return {nullptr, DocResult::failure(DocStatus::Refused, texts::kNothingRead)};

    // Both kinds take the template table of each image's own language, so a
    // table keeps the names of its language; one the template lacks is refused.
    DocOutcome outcome = createNewDocument(pool, build, &codes, currentPort);
    if (!outcome.doc)
        return outcome;
    CS1_Doc& doc = *outcome.doc;
    if (!doc.completeNewDocumentImport(codes, images) || doc.tableCount() != slots.size())
        return {nullptr, DocResult::failure(DocStatus::Refused, texts::kTablesNotMade)};
    for (std::size_t k = 0; k < slots.size(); ++k) {
        model::CS1_LangTable& table = doc.table(k);
        const auto& image = images[static_cast<std::size_t>(slots[k] - 1)];
        if (use == KeyboardImageUse::Backup)
            std::copy(image.begin(), image.end(), table.MutableImage().begin());
        setSourceSlot(table, slots[k]);
    }
    doc.rebuildLinkIndex();
    doc.setModified(true);
    return outcome;
}

} // namespace tarvo::document
