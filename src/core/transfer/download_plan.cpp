#include "transfer/download_plan.h"

#include "document/source_slot.h"
#include "export/table_dump.h"
#include "serial/frames.h"
#include "transfer/choice_texts.h"
#include "transfer/read_session.h"
#include "transfer/recovery.h"
#include "transfer/session_texts.h"

#include <algorithm>
#include <cstdio>

namespace tarvo::transfer {

namespace {

bool holdsOldTable(const SlotListing* listing)
{
    return listing != nullptr && listing->row.present && !listing->recoverable && !listing->versionAccepted;
}

messages::Message oldTableText(int slot)
{
    return messages::Message(kOldTablesInSlotOne)
        .append({}, messages::Message(texts::kOldTableSlot, {texts::number(slot)}));
}

PlanResult refused(messages::Message message)
{
    PlanResult result;
    result.message = std::move(message);
    return result;
}

std::u16string n(long long value)
{
    return texts::number(value);
}

// A document table as the reader of a refusal counts them (the lists show them from 1).
std::u16string tableNumber(int index, Wording wording)
{
    return n(wording == Wording::Dialog ? index + 1 : index);
}

// --as-is: each table into the slot its record names, or the one --slots names.
bool planAsIs(const std::vector<DocumentTableInfo>& tables, int slotCount, const DownloadRequest& request,
              DownloadPlan& plan, messages::Message& message)
{
    const int tableCount = static_cast<int>(tables.size());
    const bool dialog = request.wording == Wording::Dialog;
    const auto place = [&](int slot, int table) {
        if (slot < 1 || slot > slotCount) {
            message = tooFewSlotsText(slotCount);
            return false;
        }
        auto& entry = plan.table[static_cast<std::size_t>(slot - 1)];
        if (entry != kNoTable) {
            message = messages::Message(
                dialog ? texts::kSameSourceDialog : texts::kSameSourceTool,
                {tableNumber(entry, request.wording), tableNumber(table, request.wording), n(slot)});
            return false;
        }
        entry = table;
        return true;
    };
    if (request.slots.empty()) {
        for (int i = 0; i < tableCount; ++i) {
            const auto& recorded = tables[static_cast<std::size_t>(i)].sourceSlot;
            if (!recorded) {
                message = dialog
                              ? messages::Message(texts::kNoSourceDialog, {tableNumber(i, request.wording)})
                              : messages::Message(texts::kNoSourceTool, {n(i), n(i)});
                return false;
            }
            if (!place(*recorded, i))
                return false;
        }
        return true;
    }
    for (const SlotRequest& item : request.slots) {
        int table = kNoTable;
        if (item.table) {
            table = *item.table;
            if (table >= tableCount) {
                message = messages::Message(dialog ? texts::kNoSuchTableDialog : texts::kNoSuchTableTool,
                                            {n(item.slot), tableNumber(table, request.wording)});
                return false;
            }
        } else {
            for (int i = 0; i < tableCount && table == kNoTable; ++i)
                if (tables[static_cast<std::size_t>(i)].sourceSlot == item.slot)
                    table = i;
            if (table == kNoTable) {
                message = dialog
                              ? messages::Message(texts::kNoTableFromSlotDialog, {n(item.slot)})
                              : messages::Message(texts::kNoTableFromSlotTool, {n(item.slot), n(item.slot)});
                return false;
            }
        }
        if (!place(item.slot, table))
            return false;
    }
    return true;
}

} // namespace

int DownloadPlan::chosenCount() const
{
    return static_cast<int>(std::count_if(table.begin(), table.end(), [](int t) { return t != kNoTable; }));
}

bool DownloadPlan::anyRead() const
{
    return std::find(readFirst.begin(), readFirst.end(), true) != readFirst.end();
}

bool DownloadPlan::anyMerge() const
{
    return std::find(merge.begin(), merge.end(), true) != merge.end();
}

std::vector<DocumentTableInfo> describeTables(const document::CS1_Doc& doc)
{
    std::vector<DocumentTableInfo> tables;
    for (std::size_t i = 0; i < doc.tableCount(); ++i)
        tables.push_back({document::languageIdOf(doc.table(i)), document::sourceSlot(doc.table(i))});
    return tables;
}

PlanResult planDownload(const std::vector<SlotListing>& listings, int slotCount,
                        const std::vector<DocumentTableInfo>& tables, const DownloadRequest& request)
{
    if (slotCount <= 0 || slotCount > kMaxSlots)
        return refused(texts::kNoSlots);
    if (tables.empty())
        return refused(texts::kNoTables);

    PlanResult result;
    DownloadPlan& plan = result.plan;
    plan.table.fill(kNoTable);
    plan.asIs = request.asIs;
    if (request.asIs) {
        if (!planAsIs(tables, slotCount, request, plan, result.message))
            return result;
    } else {
        // Said before the choice, which would only find nothing to match.
        for (const SlotRequest& item : request.slots)
            if (holdsOldTable(findListing(listings, item.slot)))
                return refused(oldTableText(item.slot));
        std::vector<int> languageIds;
        for (const DocumentTableInfo& table : tables)
            languageIds.push_back(table.languageId);
        const SlotChoice choice =
            chooseFromRequests(listings, slotCount, request.slots, languageIds, request.wording);
        if (!choice.ok)
            return refused(choice.message);
        plan.table = choice.map;
        plan.asNamed = choice.asNamed;
        for (std::size_t s = 0; s < plan.merge.size(); ++s) {
            const bool merge = plan.table[s] != kNoTable && !choice.asNamed[s] && !request.documentFromImport;
            const SlotListing* listing = findListing(listings, static_cast<int>(s) + 1);
            // What an interrupted write left is never merged.
            plan.recover[s] = merge && listing != nullptr && listing->interrupted;
            plan.merge[s] = merge && !plan.recover[s];
        }
    }
    if (plan.chosenCount() == 0)
        return refused(texts::kNothingChosen);

    for (int k = 0; k < kMaxSlots; ++k) {
        const auto s = static_cast<std::size_t>(k);
        if (plan.table[s] == kNoTable)
            continue;
        const SlotListing* listing = findListing(listings, k + 1);
        if (holdsOldTable(listing))
            return refused(oldTableText(k + 1));
        // A blank or half-written slot holds nothing worth keeping.
        const bool holdsTable = listing != nullptr && listing->holdsAcceptedTable();
        plan.readFirst[s] = plan.merge[s] || (request.backup && holdsTable);
    }
    result.ok = true;
    return result;
}

messages::Message refusalOfChoice(const std::vector<SlotListing>& listings, int slotCount,
                                  const document::CS1_Doc& doc, std::vector<SlotRequest> chosen,
                                  bool asStored)
{
    DownloadRequest request;
    request.slots = std::move(chosen);
    request.asIs = asStored;
    request.documentFromImport = doc.importComplete();
    request.wording = Wording::Dialog;
    const PlanResult plan = planDownload(listings, slotCount, describeTables(doc), request);
    return plan.ok ? messages::Message() : plan.message;
}

std::array<int, kMaxSlots> readFirstSlotMap(const DownloadPlan& plan)
{
    std::array<int, kMaxSlots> map;
    map.fill(kSlotNotRead);
    for (std::size_t s = 0; s < map.size(); ++s)
        if (plan.readFirst[s])
            map[s] = plan.table[s];
    return map;
}

bool mergeReadBack(document::CS1_Doc& doc, const DownloadPlan& plan, const SlotImages& images,
                   messages::Message& message)
{
    document::PositionList positions;
    positions.fill(document::kNoSlot);
    for (std::size_t s = 0; s < positions.size(); ++s) {
        if (!plan.merge[s])
            continue;
        if (images[s].size() != model::kImageBytes) {
            message = messages::Message(texts::kNotReadCompletely, {n(static_cast<long long>(s) + 1)});
            return false;
        }
        if (readsErased(images[s])) {
            message = messages::Message(texts::kReadsErased, {n(static_cast<long long>(s) + 1)});
            return false;
        }
        positions[s] = plan.table[s];
    }
    if (!doc.applyImportBatch(positions, images, true)) {
        message = texts::kMergeFailed;
        return false;
    }
    return true;
}

int PreparedWrite::writeCount() const
{
    return static_cast<int>(
        std::count_if(tables.begin(), tables.end(), [](const auto* t) { return t != nullptr; }));
}

int PreparedWrite::unchangedCount() const
{
    return static_cast<int>(std::count(unchanged.begin(), unchanged.end(), true));
}

PreparedWrite prepareWrite(const document::CS1_Doc& doc, const DownloadPlan& plan,
                           const SlotImages& readImages, bool forceWrite)
{
    PreparedWrite prepared;
    for (std::size_t s = 0; s < plan.table.size(); ++s) {
        const int index = plan.table[s];
        if (index == kNoTable || static_cast<std::size_t>(index) >= doc.tableCount())
            continue;
        auto copy = std::make_unique<model::CS1_LangTable>();
        copy->CopyFrom(doc.table(static_cast<std::size_t>(index)));
        auto image = copy->MutableImage();
        if (!plan.asIs && image.size() > model::layout::kFontOffset)
            image[model::layout::kFontSlotOffset] = dump::dumpedFontSlot(image[model::layout::kFontOffset]);
        const auto& held = readImages[s];
        if (!forceWrite && held.size() == image.size() &&
            std::equal(held.begin(), held.end(), image.begin())) {
            prepared.unchanged[s] = true;
            continue;
        }
        prepared.tables[s] = copy.get();
        prepared.owned.push_back(std::move(copy));
    }
    return prepared;
}

std::optional<ImageDifference> firstDifference(int slot, std::span<const std::uint8_t> expected,
                                               std::span<const std::uint8_t> actual)
{
    const std::size_t length = std::max(expected.size(), actual.size());
    for (std::size_t i = 0; i < length; ++i) {
        const int e = i < expected.size() ? expected[i] : -1;
        const int a = i < actual.size() ? actual[i] : -1;
        if (e != a)
            return ImageDifference{slot, static_cast<int>(i / serial::frames::kBlockDataBytes), i, e, a};
    }
    return std::nullopt;
}

messages::Message describeDifference(const ImageDifference& d)
{
    const auto hexByte = [](int value) {
        if (value < 0)
            return messages::Argument(messages::Message(texts::kNothingRead));
        char text[32];
        std::snprintf(text, sizeof text, "0x%02X", value);
        return messages::Argument(texts::ascii(text));
    };
    char offset[32];
    std::snprintf(offset, sizeof offset, "0x%04zX", d.offset);
    return messages::Message(texts::kDiffers, {n(d.slot), n(d.block), texts::ascii(offset),
                                               hexByte(d.expected), hexByte(d.actual)});
}

} // namespace tarvo::transfer
