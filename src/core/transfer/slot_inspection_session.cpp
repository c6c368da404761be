#include "transfer/slot_inspection_session.h"

#include "templates/utf_text.h"
#include "transfer/recovery.h"
#include "transfer/session_texts.h"

#include <algorithm>

namespace tarvo::transfer {

using namespace serial;

bool isTableVersionAccepted(int firmwareMajor, int firmwareMinor)
{
    if (firmwareMajor == 0 || firmwareMajor == kUnwrittenByte || firmwareMinor == kUnwrittenByte)
        return false;
    return firmwareMajor > kLowestAcceptedMajor ||
           (firmwareMajor == kLowestAcceptedMajor && firmwareMinor >= kLowestAcceptedMinor);
}

namespace {

// A blank slot proves nothing: the records made on the device it is read through.
void addBlankSlotRecords(SlotListing& listing, const std::string& canonicalDevice)
{
    std::vector<InterruptedWrite> here;
    for (const InterruptedWrite& record : listing.records)
        if (record.hasImage() && !record.keyboardId.empty() && !canonicalDevice.empty() &&
            record.canonicalDevice == canonicalDevice)
            here.push_back(record);
    listing.remembered = singleRecord(here);
    listing.severalApply = !here.empty() && !listing.remembered;
}

// The language the records' writes were writing, when they agree; -1 otherwise.
int languageOfRecords(const std::vector<InterruptedWrite>& records)
{
    if (records.empty())
        return -1;
    const int language = records.front().languageId;
    const bool oneLanguage =
        std::all_of(records.begin(), records.end(),
                    [language](const InterruptedWrite& r) { return r.languageId == language; });
    return oneLanguage ? language : -1;
}

} // namespace

SlotListing makeSlotListing(const TableInfoRow& row, const std::vector<InterruptedWrite>& records,
                            const std::string& canonicalDevice)
{
    SlotListing listing;
    listing.row = row;
    const bool metadataWritten = row.firmwareMajor != kUnwrittenByte && row.firmwareMinor != kUnwrittenByte;
    listing.recoverable = !row.present || !metadataWritten || row.incomplete;
    listing.versionAccepted = isTableVersionAccepted(row.firmwareMajor, row.firmwareMinor);
    if (listing.recoverable)
        listing.records = records;
    if (!row.present)
        addBlankSlotRecords(listing, canonicalDevice);
    listing.interrupted = row.incomplete || (!row.present && !listing.records.empty());
    if (listing.interrupted) {
        // Written again as the document's table of its language, when that is known.
        if (row.present && metadataWritten)
            listing.languageId = row.languageId;
        else if (listing.remembered)
            listing.languageId = listing.remembered->languageId;
        else
            // Records that may not apply still name the slot's table: one to ask about, never to fill
            // unasked.
            listing.languageId = languageOfRecords(listing.records);
        messages::Message name =
            row.present ? messages::Message::data(row.friendlyName) : messages::Message(kEntryFlashBlank);
        if (row.present)
            name.append(u" ", messages::Message(kIncompleteNote));
        else
            name.append(u" ", messages::Message(kInterruptedBlankNote,
                                                {templates::utf8ToUtf16(interruptedBlankLanguage(listing))}));
        if (listing.languageId >= 0)
            listing.entries = {{messages::Message(kEntryDoNotDownload), SlotEntryKind::DoNotDownload},
                               {name, SlotEntryKind::Table}};
        else
            listing.entries = {{name, SlotEntryKind::Label},
                               {messages::Message(kEntryDoNotDownload), SlotEntryKind::DoNotDownload},
                               {messages::Message(), SlotEntryKind::Empty}};
        listing.enabled = true;
    } else if (listing.recoverable) {
        // Whatever its version bytes say, a blank or half-written slot must stay
        // writable, or an interrupted download could never be repaired.
        listing.entries = {{messages::Message(kEntryFlashBlank), SlotEntryKind::Label},
                           {messages::Message(kEntryDoNotDownload), SlotEntryKind::DoNotDownload},
                           {messages::Message(), SlotEntryKind::Empty}};
        listing.enabled = true;
        listing.languageId = row.languageId;
    } else if (listing.versionAccepted) {
        listing.entries = {{messages::Message(kEntryDoNotDownload), SlotEntryKind::DoNotDownload},
                           {messages::Message::data(row.friendlyName), SlotEntryKind::Table}};
        listing.enabled = true;
        listing.languageId = row.languageId;
    }
    return listing;
}

SlotListing makeSlotListing(int slotNumber, const TableInfoBlock& info, bool lastBlockErased)
{
    return makeSlotListing(makeTableInfoRow(slotNumber, info, lastBlockErased));
}

std::string interruptedBlankLanguage(const SlotListing& listing)
{
    if (listing.row.present || !listing.interrupted)
        return {};
    if (listing.remembered)
        return listing.remembered->languageName;
    return listing.records.empty() ? std::string() : listing.records.front().languageName;
}

void addInterruptedWrites(std::vector<SlotListing>& listings, const InterruptedWriteMemory* memory,
                          const std::string& keyboardId, const std::string& canonicalDevice)
{
    if (memory == nullptr)
        return;
    for (SlotListing& listing : listings) {
        std::vector<InterruptedWrite> records =
            recordsOfSlot(*memory, keyboardId, canonicalDevice, listing.slot());
        if (!records.empty())
            listing = makeSlotListing(listing.row, records, canonicalDevice);
    }
}

const SlotListing* findListing(const std::vector<SlotListing>& listings, int slotNumber)
{
    for (const SlotListing& listing : listings)
        if (listing.slot() == slotNumber)
            return &listing;
    return nullptr;
}

void SlotInspectionSession::prepareSlots()
{
    // The probe starts where the session's options say (19200 unless told otherwise).
    m_listings.clear();
}

bool SlotInspectionSession::onIdentity()
{
    return checkKeyboardModel();
}

bool SlotInspectionSession::onSlotRead(int slotNumber, const TableInfoBlock& info, bool lastBlockErased)
{
    m_listings.push_back(makeSlotListing(slotNumber, info, lastBlockErased));
    const SlotListing& listing = m_listings.back();
    // Only a present table older than the rule ends the session; a blank
    // slot 1 is the very keyboard that most needs a download.
    if (slotNumber == 1 && !listing.recoverable && !listing.versionAccepted) {
        fail(kOldTablesInSlotOne, SessionFailure::Refused);
        return false;
    }
    return true;
}

} // namespace tarvo::transfer
