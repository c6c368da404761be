#pragma once
// Language tables as a template gives them, with every script menu 80-95
// full, for the benchmarks that need a large document.

#include "document/document_file.h"

namespace tarvo::bench {

// count tables with distinct names, fonts and language IDs.
document::TableList fullTables(int count);

} // namespace tarvo::bench
