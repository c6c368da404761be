#include "document/document_number_pool.h"

#include <utility>

namespace tarvo::document {

DocumentNumber::DocumentNumber(DocumentNumber&& other) noexcept
    : m_pool(std::exchange(other.m_pool, nullptr)), m_value(std::exchange(other.m_value, -1))
{
}

DocumentNumber& DocumentNumber::operator=(DocumentNumber&& other) noexcept
{
    if (this != &other) {
        release();
        m_pool = std::exchange(other.m_pool, nullptr);
        m_value = std::exchange(other.m_value, -1);
    }
    return *this;
}

DocumentNumber::~DocumentNumber()
{
    release();
}

void DocumentNumber::release()
{
    if (m_pool != nullptr)
        m_pool->release(m_value);
    m_pool = nullptr;
    m_value = -1;
}

std::optional<DocumentNumber> DocumentNumberPool::take()
{
    for (int n = 0; n < kDocumentNumbers; ++n) {
        if (!m_used.test(static_cast<std::size_t>(n))) {
            m_used.set(static_cast<std::size_t>(n));
            return DocumentNumber(this, n);
        }
    }
    return std::nullopt;
}

void DocumentNumberPool::release(int value)
{
    if (value >= 0 && value < kDocumentNumbers)
        m_used.reset(static_cast<std::size_t>(value));
}

} // namespace tarvo::document
