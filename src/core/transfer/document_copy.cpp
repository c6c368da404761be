#include "transfer/document_copy.h"

#include <new>

namespace tarvo::transfer {

std::unique_ptr<document::CS1_Doc> copyOfDocument(const document::CS1_Doc& doc,
                                                  document::DocumentNumberPool& numbers)
{
    std::optional<document::DocumentNumber> number = numbers.take();
    if (!number)
        return nullptr;
    try {
        document::TableList tables;
        tables.reserve(doc.tableCount());
        for (const auto& table : doc.tables()) {
            auto copy = std::make_unique<model::CS1_LangTable>();
            copy->CopyFrom(*table);
            tables.push_back(std::move(copy));
        }
        auto copy = std::make_unique<document::CS1_Doc>(std::move(*number), doc.commSettings().portIndex);
        if (!copy->newDocument(std::move(tables), nullptr).ok())
            return nullptr;
        copy->setCommSettings(doc.commSettings());
        copy->setServerPath(doc.serverPath());
        copy->setImportComplete(doc.importComplete());
        return copy;
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

} // namespace tarvo::transfer
