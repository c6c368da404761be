#pragma once
// The application's pool of 16 document numbers. A document takes the lowest
// free number when it is made and gives it back when it is destroyed; there
// is no 17th document.

#include <bitset>
#include <optional>

namespace tarvo::document {

class DocumentNumberPool;

// A number taken from the pool; released when the holder goes.
class DocumentNumber {
public:
    DocumentNumber(DocumentNumber&& other) noexcept;
    DocumentNumber& operator=(DocumentNumber&& other) noexcept;
    DocumentNumber(const DocumentNumber&) = delete;
    DocumentNumber& operator=(const DocumentNumber&) = delete;
    ~DocumentNumber();

    int value() const { return m_value; }

private:
    friend class DocumentNumberPool;
    DocumentNumber(DocumentNumberPool* pool, int value) : m_pool(pool), m_value(value) {}
    void release();

    DocumentNumberPool* m_pool = nullptr;
    int m_value = -1;
};

class DocumentNumberPool {
public:
    static constexpr int kDocumentNumbers = 16;

    DocumentNumberPool() = default;
    DocumentNumberPool(const DocumentNumberPool&) = delete;
    DocumentNumberPool& operator=(const DocumentNumberPool&) = delete;

    // The lowest free number; nullopt when all 16 are in use.
    std::optional<DocumentNumber> take();
    bool full() const { return m_used.all(); }
    int inUse() const { return static_cast<int>(m_used.count()); }

private:
    friend class DocumentNumber;
    void release(int value);

    std::bitset<kDocumentNumbers> m_used;
};

} // namespace tarvo::document
