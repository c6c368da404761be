#pragma once
// What was last selected in each document's tree, by document number. The
// tree writes it; forms read their table and menu from it and the Move
// Up/Down enablers read the table index.

#include "ui/tree/node_key.h"

#include <array>

namespace tarvo::ui {

struct SelectionRecord {
    int kind = kNodeRoot;
    int tableIndex = 0;
    int menu = 0;
};

class SelectionRecords {
public:
    static constexpr int kDocumentNumbers = 16;

    // number is a document number (0-15); others share a scratch record.
    SelectionRecord& at(int number)
    {
        return number >= 0 && number < kDocumentNumbers ? m_records[static_cast<std::size_t>(number)]
                                                        : m_scratch;
    }
    void reset(int number) { at(number) = SelectionRecord{}; }

private:
    std::array<SelectionRecord, kDocumentNumbers> m_records{};
    SelectionRecord m_scratch{};
};

} // namespace tarvo::ui
