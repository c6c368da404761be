#include "transfer/slot_inspection_session.h"

#include "transfer/session_texts.h"

namespace tarvo::transfer {

using namespace serial;

namespace {
constexpr int kPhases = static_cast<int>(kTableInfoBlocks.size());
} // namespace

bool isTableVersionAccepted(int firmwareMajor, int firmwareMinor)
{
    if (firmwareMajor == 0 || firmwareMajor == kUnwrittenByte || firmwareMinor == kUnwrittenByte)
        return false;
    return firmwareMajor > kLowestAcceptedMajor ||
           (firmwareMajor == kLowestAcceptedMajor && firmwareMinor >= kLowestAcceptedMinor);
}

SlotListing makeSlotListing(int slotNumber, const TableInfoBlock& info)
{
    SlotListing listing;
    listing.row = makeTableInfoRow(slotNumber, info);
    const TableInfoRow& row = listing.row;
    listing.recoverable =
        !row.present || row.firmwareMajor == kUnwrittenByte || row.firmwareMinor == kUnwrittenByte;
    listing.versionAccepted = isTableVersionAccepted(row.firmwareMajor, row.firmwareMinor);
    if (listing.recoverable) {
        // Whatever its version bytes say, a blank or half-written slot must stay
        // writable, or an interrupted download could never be repaired.
        listing.entries = {{std::u16string(kEntryFlashBlank), SlotEntryKind::Label},
                           {std::u16string(kEntryDoNotDownload), SlotEntryKind::DoNotDownload},
                           {std::u16string(), SlotEntryKind::Empty}};
        listing.enabled = true;
        listing.languageId = row.languageId;
    } else if (listing.versionAccepted) {
        listing.entries = {{std::u16string(kEntryDoNotDownload), SlotEntryKind::DoNotDownload},
                           {row.friendlyName, SlotEntryKind::Table}};
        listing.enabled = true;
        listing.languageId = row.languageId;
    }
    return listing;
}

void CSlotInspectionSession::prepare()
{
    // Probing always starts at 19200 with the other speed still to try.
    settings().baudIndex = kBaudIndex19200;
    m_slot = -1;
    m_phase = 1;
    m_info = {};
    m_listings.clear();
}

void CSlotInspectionSession::showPinging()
{
    view().setStatusText(std::u16string(
        settings().baudIndex == kBaudIndex19200 ? texts::kStatusPinging19200 : texts::kStatusPinging57600));
}

bool CSlotInspectionSession::onStep(bpState state)
{
    switch (state) {
    case bpStateRECEIVE_T7:
        if (!checkKeyboardModel())
            return true;
        engine().setAddressMode(keyboardId().addressModeForBootloader());
        engine().resetByteCount();
        goTo(bpStateREADYNEXTSLOT);
        return true;
    case bpStateREADYNEXTSLOT:
        ++m_slot;
        if (m_slot < slotCount()) {
            m_phase = 1;
            m_info = {};
            goTo(bpStateSEND_T0);
        } else {
            goTo(bpStateGOOFFLINE);
        }
        return true;
    case bpStateSEND_T0: {
        view().setStatusText({});
        const int block = kTableInfoBlocks[static_cast<std::size_t>(m_phase - 1)];
        const auto slot = static_cast<std::uint8_t>(m_slot);
        send([this, slot, block] { return engine().sendReadBlock(slot, block); });
        return true;
    }
    case bpStateRECEIVE_DT:
        if (!m_info.setBlock(m_phase - 1, engine().receiveBuffer())) {
            engine().setState(bpStateER_INTERNAL);
            fail(texts::internalError(state), SessionFailure::Internal);
            return true;
        }
        engine().resetByteCount();
        if (m_phase < kPhases) {
            ++m_phase;
            goTo(bpStateSEND_T0);
            return true;
        }
        m_listings.push_back(makeSlotListing(m_slot + 1, m_info));
        {
            const SlotListing& listing = m_listings.back();
            // Only a present table older than the rule ends the session; a blank
            // slot 1 is the very keyboard that most needs a download.
            if (m_slot == 0 && !listing.recoverable && !listing.versionAccepted) {
                fail(std::u16string(kOldTablesInSlotOne), SessionFailure::Refused);
                return true;
            }
        }
        goTo(bpStateREADYNEXTSLOT);
        return true;
    default:
        return false;
    }
}

} // namespace tarvo::transfer
