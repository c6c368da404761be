#pragma once
// WriteSession: the Transfer Language Table dialog's session. For each chosen
// slot it erases the slot (C1), writes the table's 64 KB image as 4096 S2
// blocks, each only after the "OK" to the one before, and ends the slot with
// S8. The Cancel button asks first, and nothing moves while the question is
// open. A session that stops between a slot's erase and its S8 reply says that
// the slot must be written again, and leaves the write remembered.

#include "model/lang_table.h"
#include "transfer/interrupted_writes.h"
#include "transfer/slot_choice.h"
#include "transfer/transfer_events.h"
#include "transfer/transfer_session.h"

#include <array>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvo::transfer {

inline constexpr std::u16string_view kCancelDownloadQuestion =
    u"Cancelling download operation would corrupt  language table in the keyboard \n Press Yes to cancel or "
    u"No to continue downloading";
inline constexpr std::u16string_view kTransferringTable = u"Transferring Language Table  %s:";
inline constexpr std::u16string_view kSlotIncomplete =
    u"Language table #%d in the keyboard is now incomplete and must be written again.";
inline constexpr std::u16string_view kImageNotWhole =
    u"Language table #%d cannot be written: its image holds %d bytes instead of %d. Nothing was erased.";
inline constexpr std::u16string_view kRecordNotStored =
    u"Language table #%d cannot be written: the record of its write cannot be stored (%s). Nothing was "
    u"erased.";
inline constexpr std::u16string_view kSlotNotInKeyboard =
    u"Language table #%d cannot be written: the keyboard has %d language table slots. Nothing was erased.";
// The keyboard finishes the frame in hand before it gets the end of data.
inline constexpr int kCancelPauseMs = 500;

enum class SlotWriteState {
    NotStarted,
    Erased, // the erase went out and the end of data was not acknowledged: the slot is incomplete
    Written,
};

struct WriteRequest {
    // The table to write into each slot (0-based); null for none. Not owned.
    std::array<const model::CS1_LangTable*, kMaxSlots> tables{};
    // Where each slot's write is recorded from before its erase until the
    // keyboard acknowledges its end of data (null: nowhere), made on the
    // device as named and canonical, with the backup holding the slot's
    // table from before the write.
    InterruptedWriteMemory* interruptedWrites = nullptr;
    std::string devicePath;
    std::string canonicalDevice;
    std::array<std::string, kMaxSlots> backupPaths{};
    // The records a slot's write takes over (a retry's record carries their backup on).
    std::array<std::vector<std::string>, kMaxSlots> supersedes{};
};

class WriteSession final : public TransferSession {
public:
    // Starts at the speed the settings hold (the one the slot inspection
    // found), as SessionOptions::startAtFoundSpeed.
    WriteSession(SessionHost& host, SessionView& view, serial::CCommPort& port,
                 serial::CommSettings& settings, WriteRequest request, SessionOptions options = {});

    // Phase Write, one event per block sent.
    void setProgressListener(ProgressListener listener) { m_progressListener = std::move(listener); }
    // SlotOutcome::Written after the S8 reply.
    void setSlotListener(SlotListener listener) { m_slotListener = std::move(listener); }
    // Each slot's image just before its erase goes out.
    using EraseListener = std::function<void(int slot, std::span<const std::uint8_t> image)>;
    void setEraseListener(EraseListener listener) { m_eraseListener = std::move(listener); }

    // The Cancel button: asks first while the port is open; Yes ends with the
    // end of data after a short pause (5005), No carries on where it stopped.
    // After the keyboard has gone offline it ends with 5000.
    void requestCancel();
    // The same in two halves, for a front end that asks without blocking:
    // true when the question must be put (the session holds still until
    // answerCancelQuestion()); false when the session ended or carries on
    // without one.
    bool holdForCancelQuestion();
    void answerCancelQuestion(bool cancel);
    // Holds still for a question put about several writes at once, to be
    // answered with answerCancelQuestion(); unlike holdForCancelQuestion() it
    // never ends the session: false when no write is under way to hold.
    bool holdForQuestionElsewhere();
    bool isAskingToCancel() const { return m_asking; }
    // Escape and the close command ask the same question.
    void close() override;

    SlotWriteState slotState(int slotIndex0) const;
    // 1-based slots erased and not ended.
    std::vector<int> incompleteSlots() const;
    int blocksSent() const { return m_blocksSent; }
    // Why the record of a slot's write could not be stored (the session then
    // ended before that erase); empty otherwise. UTF-8.
    const std::string& recordFailure() const { return m_recordFailure; }
    int blocksInAll() const { return m_blocksInAll; }

protected:
    void prepare() override;
    bool onStep(serial::bpState state) override;
    messages::Message closingNote(int endCode) const override;

private:
    void onReplyOk();
    void sendBlock();
    bool rememberWrite();
    void forgetWrite();
    bool checkSlotsExist();
    void finishCancel();

    WriteRequest m_request;
    ProgressListener m_progressListener;
    SlotListener m_slotListener;
    EraseListener m_eraseListener;
    std::array<SlotWriteState, kMaxSlots> m_slotStates{};
    int m_slot = -1;
    int m_block = 0;
    messages::Message m_tableLine; // "Transferring Language Table  %s:" of the current slot
    int m_blocksSent = 0;
    int m_blocksInAll = 0;
    bool m_asking = false;
    bool m_cancelling = false;
    std::array<std::string, kMaxSlots> m_recordIds{};
    std::string m_recordFailure;
};

} // namespace tarvo::transfer
