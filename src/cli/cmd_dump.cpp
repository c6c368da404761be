// tarvo dump: the document's tables as S-records (optionally after the iconic
// font preamble) or as block memory maps, as the Debug menu's dump dialogs
// write them.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "document/doc.h"
#include "export/document_dump.h"
#include "io/atomic_file.h"

#include <charconv>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* dumpUsage()
{
    return usageOf("dump");
}
// The command line has no serial port of its own; opening a document needs one.
constexpr const char* kNoTableItem = "-";

// LIST: up to eight comma-separated table indices (from 0) in slot order;
// "-" leaves a position empty.
bool parsePositions(const std::string& list, dump::Positions& positions, std::string& error)
{
    positions = dump::DumpRequest::noPositions();
    std::size_t p = 0;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        const std::string item =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (p == positions.size()) {
            error = "--positions takes at most " + std::to_string(positions.size()) + " items";
            return false;
        }
        if (item != kNoTableItem) {
            int index = 0;
            const auto [end, ec] = std::from_chars(item.data(), item.data() + item.size(), index);
            if (item.empty() || ec != std::errc() || end != item.data() + item.size() || index < 0) {
                error = "--positions: '" + item + "' is not a table index (0, 1, ... or -)";
                return false;
            }
            positions[p] = index;
        }
        ++p;
        if (comma == std::string::npos)
            return true;
        start = comma + 1;
    }
}

} // namespace

int runDump(const std::vector<std::string>& argv)
{
    const Args args(argv, {"iconic"}, {"srec", "mmb", "font-file", "positions"});
    if (!args.ok())
        return usageError(args.error(), dumpUsage());
    if (args.positional().size() != 1)
        return usageError(args.positional().empty() ? "no document given" : "one document only", dumpUsage());
    const bool srec = args.has("srec");
    if (srec == args.has("mmb"))
        return usageError("give exactly one of --srec OUT and --mmb OUT", dumpUsage());
    if (args.has("iconic") && !srec)
        return usageError("--iconic goes with --srec only", dumpUsage());
    if (args.has("font-file") && !args.has("iconic"))
        return usageError("--font-file goes with --iconic only", dumpUsage());

    const std::string input = args.positional().front();
    dump::DumpRequest request;
    request.type = srec ? dump::DumpType::SRecords : dump::DumpType::BlockMemoryMap;
    request.outputPath = *args.value(srec ? "srec" : "mmb");
    request.iconic = args.has("iconic");
    request.fontFilePath = args.value("font-file").value_or("");
    if (request.outputPath.empty())
        return usageError("the output file is empty", dumpUsage());
    const auto list = args.value("positions");
    if (list) {
        std::string error;
        if (!parsePositions(*list, request.positions, error))
            return usageError(error, dumpUsage());
    }
    if (io::sameFile(request.outputPath, input))
        return fail(kExitFileError, request.outputPath,
                    "is the input document: the dump is not written over it");

    document::DocumentNumberPool pool;
    const auto doc = openForCommand(pool, input);
    if (!doc)
        return kExitFileError;
    if (!list)
        request.positions = dump::autoSetPositions(static_cast<int>(doc->tableCount()));

    const dump::DumpResult result = dump::writeDocumentDump(*doc, request);
    if (!result.ok)
        return fail(kExitFileError, "dump", result.message);
    return kExitOk;
}

} // namespace tarvo::cli
