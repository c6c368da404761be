#include "cli/command_table.h"

#include <array>

namespace tarvo::cli {

namespace {
// Add a row here for every command (keep the order of the README).
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
    {"query", "tarvo query --port DEV [--json] [--quiet]",
     "keyboard identity, versions, fonts, and the table in each slot", runQuery},
    {"import",
     "tarvo import --port DEV -o OUT.tvo [--slots LIST] [--template FILE.LT3] [--force] [--json] [--quiet]",
     "reads tables from the keyboard into a new document, in slot order", runImport},
    {"download",
     "tarvo download FILE.tvo --port DEV [--slots LIST] [--backup OUT.tvo] [--as-is] [--verify] "
     "[--force-write] "
     "[--retries N] [--trace FILE] [--json] [--quiet]",
     "read-back and merge, then erase, write and end each chosen slot; the document file is never changed",
     runDownload},
    {"dump",
     "tarvo dump FILE.tvo (--srec OUT | --mmb OUT) [--iconic [--font-file Iconic_font.FT]] [--positions "
     "LIST]",
     "S-record or block memory-map dump of the document's tables", runDump},
};
} // namespace

std::span<const Command> commands()
{
    return kCommands;
}

} // namespace tarvo::cli
