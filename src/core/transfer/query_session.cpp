#include "transfer/query_session.h"

namespace tarvo::transfer {

using namespace serial;

namespace {
constexpr int kFirstRecognisedSchema = 1;
constexpr int kLastRecognisedSchema = 7;
} // namespace

void QuerySession::prepareSlots()
{
    m_rows.clear();
    m_dataSchema = 0;
    m_dataSchemaRecognised = false;
}

bool QuerySession::onIdentity()
{
    m_dataSchema = keyboardId().dataSchema();
    m_dataSchemaRecognised = m_dataSchema >= kFirstRecognisedSchema && m_dataSchema <= kLastRecognisedSchema;
    return true;
}

bool QuerySession::onSlotRead(int slotNumber, const TableInfoBlock& info, bool lastBlockErased)
{
    m_rows.push_back(makeTableInfoRow(slotNumber, info, lastBlockErased));
    if (m_rowListener)
        m_rowListener(m_rows.back());
    return true;
}

} // namespace tarvo::transfer
