#pragma once
// SlotInfoSession: what the Query, Download and Import dialogs' first
// session share. After the ping and the identity it reads the three
// identifying blocks of every slot the keyboard has, and the last block of
// each slot that holds a table (an interrupted write leaves it erased), with
// the pinging texts on the status line; the dialogs differ in what they
// check of the identity, the address mode they read in and what they make of
// each slot.

#include "serial/keyboard_records.h"
#include "transfer/transfer_session.h"

namespace tarvo::transfer {

class SlotInfoSession : public TransferSession {
public:
    using TransferSession::TransferSession;

protected:
    // The identity is in; false when the session ended on it.
    virtual bool onIdentity() { return true; }
    // The address mode of the slots' reads, once the identity is in.
    virtual int addressMode() const = 0;
    // One slot's blocks are in (slotNumber from 1); lastBlockErased: it holds
    // a table whose last block reads all 0xFF. False when the session ended on it.
    virtual bool onSlotRead(int slotNumber, const serial::TableInfoBlock& info, bool lastBlockErased) = 0;
    // The session's own data, before the probe.
    virtual void prepareSlots() {}

    void prepare() final;
    bool onStep(serial::bpState state) final;
    void showPinging() final;

private:
    void readPhaseBlock();

    int m_slot = -1;
    int m_phase = 1; // 1-3: the block of kTableInfoBlocks awaited next, 4: the last block
    serial::TableInfoBlock m_info;
};

} // namespace tarvo::transfer
