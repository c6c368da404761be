#include "export/document_dump.h"

namespace tarvo::dump {

std::vector<const model::CS1_LangTable*> documentTables(const document::CS1_Doc& doc)
{
    std::vector<const model::CS1_LangTable*> tables;
    tables.reserve(doc.tableCount());
    for (std::size_t i = 0; i < doc.tableCount(); ++i)
        tables.push_back(&doc.table(i));
    return tables;
}

DumpResult writeDocumentDump(const document::CS1_Doc& doc, const DumpRequest& request)
{
    const auto tables = documentTables(doc);
    return writeDump(tables, request);
}

} // namespace tarvo::dump
