// tarvo set-entry: edits one script-menu entry as the menu editors do and
// saves the document.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "document/entry_editor.h"
#include "templates/utf_text.h"

#include <charconv>
#include <cstdio>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* setEntryUsage()
{
    return usageOf("set-entry");
}
constexpr char16_t kLineSeparator = u'|';

bool parseIndex(const std::optional<std::string>& text, int& out)
{
    if (!text || text->empty())
        return false;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, out);
    return ec == std::errc() && ptr == end && out >= 0;
}

std::vector<std::u16string> splitLines(const std::string& utf8)
{
    const std::u16string text = templates::utf8ToUtf16(utf8);
    std::vector<std::u16string> lines(1);
    for (const char16_t c : text) {
        if (c == kLineSeparator)
            lines.emplace_back();
        else
            lines.back().push_back(c);
    }
    return lines;
}

} // namespace

int runSetEntry(const std::vector<std::string>& argv)
{
    const Args args(argv, {}, {"table", "menu", "entry", "lines", "action"});
    if (!args.ok())
        return usageError(args.error(), setEntryUsage());
    if (args.positional().size() != 1)
        return usageError(args.positional().empty() ? "no document given" : "more than one document given",
                          setEntryUsage());
    int tableIndex = 0;
    document::EntryEditRequest request;
    if (!parseIndex(args.value("table"), tableIndex))
        return usageError("--table needs a table index (from 0)", setEntryUsage());
    if (!parseIndex(args.value("menu"), request.menu))
        return usageError("--menu needs a menu number (80-95)", setEntryUsage());
    if (!parseIndex(args.value("entry"), request.entry))
        return usageError("--entry needs an entry number (1-14)", setEntryUsage());
    if (!args.has("lines") && !args.has("action"))
        return usageError("nothing to change: give --lines and/or --action", setEntryUsage());
    if (const auto lines = args.value("lines"))
        request.lines = splitLines(*lines);
    if (const auto action = args.value("action")) {
        document::ActionRequest parsed;
        std::u16string message;
        if (!document::parseActionRequest(*action, parsed, message))
            return usageError(oneLine(message), setEntryUsage());
        request.action = parsed;
    }

    const std::string& path = args.positional().front();
    document::DocumentNumberPool pool;
    const auto doc = openForCommand(pool, path);
    if (!doc)
        return kExitFileError;
    if (static_cast<std::size_t>(tableIndex) >= doc->tableCount())
        return fail(kExitFileError, path,
                    "there is no table " + std::to_string(tableIndex) + " (the document has " +
                        std::to_string(doc->tableCount()) + ")");

    const document::EntryEditResult edited =
        document::applyEntryEdit(doc->table(static_cast<std::size_t>(tableIndex)), request);
    if (!edited.ok)
        return fail(kExitFileError, path, oneLine(edited.message.text()));
    doc->setModified();
    const document::DocResult saved = doc->saveToPath(doc->path(), true);
    if (!saved.ok())
        return failDocument(saved, path);
    std::printf("%s: table %d, menu %d, entry %d written\n", path.c_str(), tableIndex, request.menu,
                request.entry);
    return kExitOk;
}

} // namespace tarvo::cli
