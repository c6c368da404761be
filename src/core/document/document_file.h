#pragma once
// The .tvo file: the document schema, the serial settings in file order, the
// language table records and the server document path, little-endian, from
// the first byte on.

#include "document/doc_result.h"
#include "model/lang_table.h"
#include "serial/comm_settings.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace tarvo::document {

// The schema this program writes; files of schemas 1 to 3 are read.
inline constexpr int kDocumentSchema = 3;
inline constexpr int kOldestDocumentSchema = 1;
// The highest schema a later version of the program could have written: the
// format has gained a schema only rarely, so a larger number in the first
// four bytes means the file is not a document at all (text, another format).
inline constexpr int kNewestPlausibleSchema = kDocumentSchema + 20;

using TableList = std::vector<std::unique_ptr<model::CS1_LangTable>>;

struct DocumentFileContents {
    int schema = kDocumentSchema; // as read; the document itself becomes schema 3
    serial::CommSettings comm;
    TableList tables;
    std::u16string serverPath;
    // What the reader left out of the file and why, one line per table
    // concerned (empty when the whole file was taken).
    messages::Message loadNotes;
};

std::vector<std::uint8_t> writeDocumentFile(const serial::CommSettings& comm, const TableList& tables,
                                            const std::u16string& serverPath);

// Reads a whole file's bytes. On failure nothing of the file is kept in out;
// the result names the reason (the caller adds the path).
DocResult readDocumentFile(std::span<const std::uint8_t> bytes, DocumentFileContents& out);

} // namespace tarvo::document
