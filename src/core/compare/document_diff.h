#pragma once
// What differs between two documents: tables matched by language ID (added,
// removed, moved, changed), the header and metadata fields that differ, and
// the script-menu entries (menus 80-95) whose lines, action or edited flag
// differ, each side decoded in its own table's font. The command-line tool
// prints it; the editor may show it.

#include "document/doc.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::compare {

enum class TableStatus { Same, Changed, Added, Removed };

struct TableComparison {
    int languageId = 0;
    std::u16string friendlyName; // as the table of B names it, else as A's does
    TableStatus status = TableStatus::Same;
    std::optional<std::size_t> indexA; // empty: not in A
    std::optional<std::size_t> indexB; // empty: not in B

    // Same or changed content at another place in the document.
    bool moved() const { return indexA && indexB && *indexA != *indexB; }
};

// One header, metadata or side field of a table present in both documents.
struct FieldDifference {
    int languageId = 0;
    std::string field;
    std::u16string a;
    std::u16string b;
};

struct EntrySide {
    std::array<std::u16string, 3> lines;
    int kind = 0;
    int valueA = 0;
    int valueB = 0;
    bool edited = false;
};

struct EntryDifference {
    int languageId = 0;
    int menu = 0;
    int entry = 0;
    std::optional<EntrySide> a;
    std::optional<EntrySide> b;
};

struct DocumentDiff {
    std::vector<TableComparison> tables; // B's order, then the tables only A has
    std::vector<FieldDifference> fields;
    std::vector<EntryDifference> entries;

    bool equal() const;
};

DocumentDiff compareDocuments(const document::CS1_Doc& a, const document::CS1_Doc& b);

// Whether an entry's edited flag, which only a document keeps, counts as a difference.
enum class EditedFlag { Compared, Ignored };

// The script-menu entries (menus 80-95) of a and b whose lines (their bytes,
// not only as decoded), action or, where compared, edited flag differ.
std::vector<EntryDifference> compareScriptEntries(const model::CS1_LangTable& a,
                                                  const model::CS1_LangTable& b, int languageId,
                                                  EditedFlag edited);

const char* statusName(TableStatus status);

} // namespace tarvo::compare
