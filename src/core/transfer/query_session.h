#pragma once
// CQuerySession: pings the keyboard, reads its identity and the three
// identifying blocks of every slot, and makes one row per slot. Nothing is
// written.

#include "serial/keyboard_records.h"
#include "transfer/table_info_row.h"
#include "transfer/transfer_session.h"

#include <functional>
#include <vector>

namespace tarvo::transfer {

class CQuerySession final : public CTransferSession {
public:
    using CTransferSession::CTransferSession;

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
    void prepare() override;
    bool onStep(serial::bpState state) override;
    void showPinging() override;

private:
    int m_slot = -1;
    int m_phase = 1; // 1-3: the block of kTableInfoBlocks being read
    serial::TableInfoBlock m_info;
    std::vector<TableInfoRow> m_rows;
    int m_dataSchema = 0;
    bool m_dataSchemaRecognised = false;
    std::function<void(const TableInfoRow&)> m_rowListener;
};

} // namespace tarvo::transfer
