#pragma once
// What a dump is asked to do: the tables in the eight keyboard positions, the
// kind of output, the iconic font preamble and the output file. The two dump
// dialogs of the Debug menu and `tarvo dump` fill one of these and hand it to
// writeDump (table_dump.h).

#include "io/message_pattern.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvo::dump {

// Position p of the output is keyboard table slot p.
inline constexpr int kPositionCount = 8;
// A position whose selector reads "(dump nothing)".
inline constexpr int kNoTable = -1;

using Positions = std::array<int, kPositionCount>;

enum class DumpType {
    SRecords,       // "&S-Record(s)"
    BlockMemoryMap, // "&Memory Map(s)  [Block]"
    // The detail memory map cannot be chosen: it does not exist.
};

struct DumpRequest {
    // Document table index (from 0) per position, or kNoTable.
    Positions positions = noPositions();
    DumpType type = DumpType::SRecords;
    // The iconic font preamble before the tables; S-records only.
    bool iconic = false;
    // Where "Iconic_font.FT" is read from; empty: the current directory.
    std::string fontFilePath;
    std::string outputPath;

    static Positions noPositions()
    {
        Positions p;
        p.fill(kNoTable);
        return p;
    }
};

struct DumpResult {
    bool ok = false;
    std::string message;    // what went wrong, naming the file, when !ok; in English
    messages::Message said; // the same, for a reader in another language
};

// A dump that failed for this reason.
DumpResult dumpFailure(messages::Message said);

// "Auto Set 1-8": position p gets table p where the document has one.
Positions autoSetPositions(int tableCount);

// True when at least one position holds a table.
bool anyTableSelected(const Positions& positions);

// The selector entry of table k (from 1): "%2d - " and the friendly name
// without leading and trailing blanks.
std::u16string selectorEntryText(int k, std::u16string_view friendlyName);

} // namespace tarvo::dump
