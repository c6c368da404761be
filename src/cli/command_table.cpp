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
    {"dump", "tarvo dump FILE.tvo (--srec OUT | --mmb OUT) [--iconic [--font-file Iconic_font.FT]] [--positions LIST]",
     "S-record or block memory-map dump of the document's tables", runDump},
};
}  // namespace

std::span<const Command> commands() { return kCommands; }

}  // namespace tarvo::cli
