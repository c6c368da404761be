#pragma once
// ReadSession: the Read Language Table From Keyboard dialog's session. After
// the ping and the identity it reads blocks 0 and 20 of every chosen slot,
// then the 4096 blocks of each chosen slot's image in slot order. The images
// are handed back only when every block of every chosen slot came in and the
// session ended complete: a caller never sees a half-read table.

#include "model/lang_table.h"
#include "transfer/session_view.h"
#include "transfer/slot_choice.h"
#include "transfer/transfer_events.h"
#include "transfer/transfer_session.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::transfer {

inline constexpr int kSlotNotRead = -1;  // slot map entry: not read
inline constexpr int kSlotNewTable = -2; // read into a new language table
inline constexpr int kImageBlocks = model::kImageBlocks;
inline constexpr std::size_t kImageBytes = model::kImageBytes;
// The blocks read from each chosen slot before the images.
inline constexpr std::array<int, 2> kReadInfoBlocks = {0, 20};

inline constexpr std::u16string_view kReadingTableInformation = u"Reading Language Table Information";
inline constexpr std::u16string_view kReadingScriptMenus = u"Reading Script Menus:";
inline constexpr std::u16string_view kTableLineNewTable = u"Script Menu %d to %s";
inline constexpr std::u16string_view kNewLanguageTable = u"(new language table)";
inline constexpr std::u16string_view kTableLineDocumentTable = u"Reading Language Table  %s:";
inline constexpr std::u16string_view kMergeReadComplete =
    u"Finished reading scripts from keyboard for merging, click Ok to transfer the merged scripts.";
inline constexpr std::u16string_view kBadChecksum = u"Error: Bad checksum on incoming packet.";

struct ReadRequest {
    // Per slot (0-based): kSlotNotRead, kSlotNewTable or a document table
    // index. Any other negative value reads nothing.
    std::array<int, kMaxSlots> slotMap = filledSlotMap();
    // Friendly names of the document tables, for the table line; an index
    // without a name shows an empty one.
    std::vector<std::u16string> tableNames;
    // The download's read-back: the end shows the merge text.
    bool mergeMode = false;

    static constexpr std::array<int, kMaxSlots> filledSlotMap()
    {
        std::array<int, kMaxSlots> map{};
        map.fill(kSlotNotRead);
        return map;
    }
};

namespace detail {

// Passes everything on to the caller's view, but shows the merge text in
// place of "Transfer Complete" for the download's read-back.
class ReadSessionView final : public SessionView {
public:
    ReadSessionView(SessionView& target, bool mergeMode) : m_target(target), m_mergeMode(mergeMode) {}

    void setStatusText(const messages::Message& text) override { m_target.setStatusText(text); }
    void showProgress(int code, const messages::Message& text) override;
    void showBlockProgress(int done, int total, const messages::Message& tableLine) override
    {
        m_target.showBlockProgress(done, total, tableLine);
    }
    void showMessage(const messages::Message& text) override { m_target.showMessage(text); }
    bool ask(const messages::Message& question) override { return m_target.ask(question); }
    void sessionEnded(int endCode) override { m_target.sessionEnded(endCode); }

private:
    SessionView& m_target;
    bool m_mergeMode;
};

// Built before the session base, which keeps a reference to the view.
struct ReadSessionViewHolder {
    ReadSessionView m_readView;
};

} // namespace detail

class ReadSession final : private detail::ReadSessionViewHolder, public TransferSession {
public:
    ReadSession(SessionHost& host, SessionView& view, serial::CCommPort& port, serial::CommSettings& settings,
                ReadRequest request, SessionOptions options = {});

    // Info phase: one event per identifying block; Read phase: one per image block.
    void setProgressListener(ProgressListener listener) { m_progressListener = std::move(listener); }
    // SlotOutcome::Read when a slot's 4096 blocks are in.
    void setSlotListener(SlotListener listener) { m_slotListener = std::move(listener); }

    // True only when the session ended with 5000 and every block of every
    // chosen slot was read.
    bool imagesComplete() const;
    // One 65536-byte image per chosen slot, empty vectors elsewhere; all
    // empty unless imagesComplete().
    const std::array<std::vector<std::uint8_t>, kMaxSlots>& images() const;
    // The blocks counted as read so far (each is counted as its T0 goes out)
    // and the blocks of all chosen images.
    int blocksRead() const { return m_blocksRead; }
    int blocksInAll() const { return m_blocksInAll; }
    // The application's continue flag: set at construction, cleared when the
    // ping probe fails at both speeds.
    bool continueFlag() const { return m_continue; }

protected:
    void prepare() override;
    bool onStep(serial::bpState state) override;

private:
    bool isChosen(int slot) const;
    // The next chosen slot after the given one, -1 when none is left.
    int nextChosenSlot(int after) const;
    messages::Message tableLine(int slot) const;
    // The information phase moves to the next chosen slot, or on to the images.
    void informationOfSlotAfter(int slot);
    bool checkSlotCount();
    void sendNextBlock();
    bool storeBlock();
    void emitProgress(TransferPhase phase, int done, int total) const;

    ReadRequest m_request;
    ProgressListener m_progressListener;
    SlotListener m_slotListener;
    std::array<std::vector<std::uint8_t>, kMaxSlots> m_buffers;
    bool m_infoPhase = true;
    int m_infoStep = 0; // index into kReadInfoBlocks
    int m_infoBlocksDone = 0;
    int m_infoBlocksInAll = 0;
    int m_slot = -1;
    int m_block = 0;
    int m_blocksRead = 0;
    int m_blocksStored = 0;
    int m_blocksInAll = 0;
    bool m_allRead = false;
    bool m_continue = true;
    messages::Message m_tableLine;
};

} // namespace tarvo::transfer
