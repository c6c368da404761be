// tarvo diff: what differs between two documents, as diff(1) reports it:
// exit 0 when they are equal, 1 when they differ, 2 on a usage or file error.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/json_writer.h"
#include "compare/document_diff.h"
#include "document/doc.h"
#include "templates/utf_text.h"

#include <cstdio>
#include <map>

namespace tarvo::cli {

namespace {

// The synopsis, as the command table has it.
const char* diffUsage()
{
    return usageOf("diff");
}
constexpr int kExitDiffer = 1;

void indexJson(JsonWriter& j, const char* name, const std::optional<std::size_t>& index)
{
    j.key(name);
    if (index)
        j.value(static_cast<long long>(*index));
    else
        j.null();
}

void sideJson(JsonWriter& j, const char* name, const std::optional<compare::EntrySide>& side)
{
    j.key(name);
    if (!side) {
        j.null();
        return;
    }
    j.beginObject();
    j.key("lines").beginArray();
    for (const auto& line : side->lines)
        j.value(line);
    j.endArray();
    j.key("kind").value(side->kind);
    j.key("value_a").value(side->valueA);
    j.key("value_b").value(side->valueB);
    j.key("edited").value(side->edited);
    j.endObject();
}

void printJson(const compare::DocumentDiff& diff)
{
    JsonWriter j;
    j.beginObject();
    j.key("equal").value(diff.equal());
    j.key("tables").beginArray();
    for (const auto& t : diff.tables) {
        j.beginObject();
        j.key("language_id").value(t.languageId);
        j.key("friendly_name").value(document::shownTableName(t.friendlyName));
        j.key("status").valueUtf8(compare::statusName(t.status));
        indexJson(j, "index_a", t.indexA);
        indexJson(j, "index_b", t.indexB);
        j.endObject();
    }
    j.endArray();
    j.key("fields").beginArray();
    for (const auto& f : diff.fields) {
        j.beginObject();
        j.key("language_id").value(f.languageId);
        j.key("field").valueUtf8(f.field);
        j.key("a").value(f.a);
        j.key("b").value(f.b);
        j.endObject();
    }
    j.endArray();
    j.key("entries").beginArray();
    for (const auto& e : diff.entries) {
        j.beginObject();
        j.key("language_id").value(e.languageId);
        j.key("menu").value(e.menu);
        j.key("entry").value(e.entry);
        sideJson(j, "a", e.a);
        sideJson(j, "b", e.b);
        j.endObject();
    }
    j.endArray();
    j.endObject();
    std::fputs(j.finish().c_str(), stdout);
}

std::string sideText(const std::optional<compare::EntrySide>& side)
{
    if (!side)
        return "(none)";
    char action[96];
    std::snprintf(action, sizeof action, "] kind %d value_a 0x%04X value_b 0x%04X", side->kind,
                  static_cast<unsigned>(side->valueA), static_cast<unsigned>(side->valueB));
    std::string text = "[";
    text += templates::utf16ToUtf8(side->lines[0]);
    text += '|';
    text += templates::utf16ToUtf8(side->lines[1]);
    text += '|';
    text += templates::utf16ToUtf8(side->lines[2]);
    text += action;
    if (side->edited)
        text += " edited";
    return text;
}

void printText(const compare::DocumentDiff& diff)
{
    std::map<int, std::string> names;
    for (const auto& t : diff.tables) {
        const std::string name = "table \"" +
                                 templates::utf16ToUtf8(document::shownTableName(t.friendlyName)) +
                                 "\" (language ID " + std::to_string(t.languageId) + ")";
        names.emplace(t.languageId, name);
        switch (t.status) {
        case compare::TableStatus::Added:
            std::printf("%s: added as table %zu\n", name.c_str(), *t.indexB);
            break;
        case compare::TableStatus::Removed:
            std::printf("%s: removed (was table %zu)\n", name.c_str(), *t.indexA);
            break;
        default:
            if (t.moved())
                std::printf("%s: moved from table %zu to table %zu\n", name.c_str(), *t.indexA, *t.indexB);
            break;
        }
    }
    for (const auto& f : diff.fields)
        std::printf("%s: %s: \"%s\" -> \"%s\"\n", names[f.languageId].c_str(), f.field.c_str(),
                    templates::utf16ToUtf8(f.a).c_str(), templates::utf16ToUtf8(f.b).c_str());
    for (const auto& e : diff.entries) {
        std::printf("%s: menu %d entry %d\n", names[e.languageId].c_str(), e.menu, e.entry);
        std::printf("  a: %s\n  b: %s\n", sideText(e.a).c_str(), sideText(e.b).c_str());
    }
}

} // namespace

int runDiff(const std::vector<std::string>& argv)
{
    const Args args(argv, {"json"}, {});
    if (!args.ok())
        return usageError(args.error(), diffUsage());
    if (args.positional().size() != 2)
        return usageError("two documents are compared", diffUsage());
    document::DocumentNumberPool pool;
    const auto a = openForCommand(pool, args.positional()[0]);
    if (!a)
        return kExitUsage;
    const auto b = openForCommand(pool, args.positional()[1]);
    if (!b)
        return kExitUsage;
    const compare::DocumentDiff diff = compare::compareDocuments(*a, *b);
    if (args.has("json"))
        printJson(diff);
    else
        printText(diff);
    return diff.equal() ? kExitOk : kExitDiffer;
}

} // namespace tarvo::cli
