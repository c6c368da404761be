#pragma once
// Writes the language tables in the eight keyboard positions to a text file,
// as S-records (each table as its slot's selector line, 4096 S2 records and a
// terminator) or as block memory maps. The tables are never changed: the font
// slot the S-records carry is set on a copy of each image.

#include "export/dump_request.h"
#include "model/lang_table.h"

#include <span>
#include <string>

namespace tarvo::dump {

// The document's tables in document order; positions index into this list.
using TableList = std::span<const model::CS1_LangTable* const>;

// Checks the request against the tables and builds the whole dump in memory.
// Nothing is written; text is replaced only on success.
DumpResult buildDump(TableList tables, const DumpRequest& request, std::string& text);

// Builds the dump and writes it to request.outputPath through a temporary
// file renamed into place: on any failure no partial file is left and an
// existing file is untouched.
DumpResult writeDump(TableList tables, const DumpRequest& request);

// The font slot a table is dumped with: its font number minus 1, modulo 256.
std::uint8_t dumpedFontSlot(int fontNumber);

} // namespace tarvo::dump
