#pragma once
// QuerySession: pings the keyboard, reads its identity, the three
// identifying blocks of every slot and the last block of each slot that holds
// a table, and makes one row per slot. Nothing is written.

#include "serial/keyboard_records.h"
#include "transfer/slot_info_session.h"
#include "transfer/table_info_row.h"

#include <functional>
#include <vector>

namespace tarvo::transfer {

class QuerySession final : public SlotInfoSession {
public:
    using SlotInfoSession::SlotInfoSession;

    // Called as each slot's row is filled.
    void setRowListener(std::function<void(const TableInfoRow&)> listener)
    {
        m_rowListener = std::move(listener);
    }

    const std::vector<TableInfoRow>& rows() const { return m_rows; }
    // KeyboardId byte 15, and whether it is a schema the keyboard's tables use (1-7).
    int dataSchema() const { return m_dataSchema; }
    bool dataSchemaRecognised() const { return m_dataSchemaRecognised; }

protected:
    void prepareSlots() override;
    bool onIdentity() override;
    // Only the query reads a 1.00 bootloader in its paged mode.
    int addressMode() const override { return keyboardId().addressModeForBootloader(); }
    bool onSlotRead(int slotNumber, const serial::TableInfoBlock& info, bool lastBlockErased) override;

private:
    std::vector<TableInfoRow> m_rows;
    int m_dataSchema = 0;
    bool m_dataSchemaRecognised = false;
    std::function<void(const TableInfoRow&)> m_rowListener;
};

} // namespace tarvo::transfer
