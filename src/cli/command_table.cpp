#include "cli/command_table.h"

#include <array>

namespace tarvo::cli {

namespace {

constexpr const char* kImportOptions =
    "  --port DEV       a device path or a COM number (3 = COM3)\n"
    "  -o OUT.tvo       the new document; saved only when every chosen slot was read whole\n"
    "  --slots LIST     keyboard slots 1-13, comma-separated (default: every slot whose\n"
    "                   language the template has; the others are named and skipped)\n"
    "  --template FILE  the template the document is made from (default: the first found)\n"
    "  --force          replace an existing OUT\n"
    "  --baud SPEED     auto (default: the speed that last answered on DEV first, then the\n"
    "                   other), 19200 or 57600 (only that speed is tried)\n"
    "  --json           JSON Lines events on standard output (progress, slot_done, error, done)\n"
    "  --quiet          no progress line\n";

constexpr const char* kDownloadOptions =
    "  --port DEV       a device path or a COM number (3 = COM3); given more than once, every\n"
    "                   keyboard is written at the same time and a summary row per port ends\n"
    "                   the run; --backup and --trace then name folders (a file per port)\n"
    "  --slots LIST     keyboard slots 1-13, comma-separated; N=I writes document table I into\n"
    "                   slot N as stored, whatever the slot holds (default: every slot whose\n"
    "                   table's language the document has, read back and merged first)\n"
    "  --backup OUT.tvo save the chosen slots' tables, exactly as read, before anything is erased\n"
    "  --recover-from BACKUP.tvo\n"
    "                   a slot an interrupted write left: merge into this backup's table of it\n"
    "  --as-is          write the tables exactly as stored into the slots they record (a backup)\n"
    "  --verify         read the written slots back; a difference gives exit status 6\n"
    "  --force-write    write a slot even when it already holds the image\n"
    "  --dry-run        stop before the first erase and print what the download would change,\n"
    "                   slot by slot and entry by entry (--json: plan events); nothing is saved,\n"
    "                   erased or written; exit 1 when a slot would be refused\n"
    "  --retries N      send a frame again after a time-out or \"CE\", up to N times (default 0).\n"
    "                   A reply later than the time-out may then be taken for the next frame's:\n"
    "                   use it on noisy lines, with --verify\n"
    "  --baud SPEED     auto (default: the speed that last answered on DEV first, then the\n"
    "                   other), 19200 or 57600 (only that speed is tried)\n"
    "  --trace FILE     every frame sent and reply taken, in hex, with the milliseconds between\n"
    "  --json           JSON Lines events on standard output (progress, slot_done, error, done)\n"
    "  --quiet          no progress line\n"
    "Ctrl-C ends the data of the slot being written and names it incomplete (exit 5); a second\n"
    "Ctrl-C ends at once.\n";

constexpr const char* kHistoryOptions =
    "  --port DEV       only the transfers on DEV, as named or in canonical form\n"
    "  --since DATE     only the transfers from DATE (YYYY-MM-DD, UTC) on\n"
    "  --json           the records themselves, as JSON Lines\n"
    "A transfer without an end record is marked \"unfinished (no end recorded)\".\n";

constexpr const char* kSheetOptions =
    "  -o OUT.pdf       the sheet; written whole or not at all\n"
    "  --history        the cover names the last transfer of each keyboard the history records\n"
    "                   for this document\n"
    "  --force          replace an existing OUT\n";

// Add a row here for every command, in the order of the man page.
const Command kCommands[] = {
    {"version", "tarvo version", "print the program's version", runVersion},
    {"new", "tarvo new -o OUT.tvo [--template FILE.LT3] [--force]",
     "a new document from the template (default: the first in the catalogue), saved", runNew},
    {"info", "tarvo info FILE.tvo [--menus] [--json]",
     "the document: schema, serial settings, server path, tables (and script menus 80-95)", runInfo},
    {"check-template", "tarvo check-template FILE.LT3", "parses a template and reports its first error",
     runCheckTemplate},
    {"set-entry",
     "tarvo set-entry FILE.tvo --table I --menu M --entry N [--lines \"L1|L2|L3\"] [--action ACTION]",
     "edits one script-menu entry as the menu editors do and saves the document", runSetEntry},
    {"query", "tarvo query --port DEV [--port DEV]... [--baud auto|19200|57600] [--json] [--quiet]",
     "keyboard identity, versions, fonts, and the table in each slot", runQuery},
    {"import",
     "tarvo import --port DEV -o OUT.tvo [--slots LIST] [--template FILE.LT3] [--force] "
     "[--baud auto|19200|57600] [--json] [--quiet]",
     "reads tables from the keyboard into a new document, in slot order", runImport, kImportOptions},
    {"download",
     "tarvo download FILE.tvo --port DEV [--port DEV]... [--slots LIST] [--backup OUT.tvo|DIR] "
     "[--recover-from BACKUP.tvo] [--as-is] [--verify] [--force-write] [--dry-run] "
     "[--retries N] [--baud auto|19200|57600] [--trace FILE|DIR] [--json] [--quiet]",
     "read-back and merge, then erase, write and end each chosen slot; the document file is never changed",
     runDownload, kDownloadOptions},
    {"dump",
     "tarvo dump FILE.tvo (--srec OUT | --mmb OUT) [--iconic [--font-file Iconic_font.FT]] [--positions "
     "LIST]",
     "S-record or block memory-map dump of the document's tables", runDump},
    {"diff", "tarvo diff A.tvo B.tvo [--json]",
     "what differs between two documents: tables (matched by language ID), header fields, script-menu "
     "entries; exit 0 equal, 1 different, 2 trouble",
     runDiff},
    {"history", "tarvo history [--port DEV] [--since YYYY-MM-DD] [--json]",
     "a row per transfer recorded (time, device, keyboard, slots and their outcomes, result), newest last",
     runHistory, kHistoryOptions},
    {"sheet", "tarvo sheet FILE.tvo -o OUT.pdf [--history] [--force]",
     "a printable hand-over sheet of the document as PDF: cover, table headers, script menus 80-95", runSheet,
     kSheetOptions},
};
} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

const char* usageOf(std::string_view name)
{
    for (const Command& command : kCommands) {
        if (name == command.name)
            return command.usage;
    }
    return "";
}

} // namespace tarvo::cli
