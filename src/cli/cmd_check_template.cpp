// tarvo check-template FILE.LT3: parses a template as a new document would
// and reports the first error with its line and column.
#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "templates/template_catalogue.h"
#include "templates/utf_text.h"

#include <cstdio>
#include <set>
#include <string>

namespace tarvo::cli {
namespace {

// The synopsis, as the command table has it.
const char* checkTemplateUsage()
{
    return usageOf("check-template");
}
constexpr int kFirstScriptMenu = 80;
constexpr int kLastScriptMenu = 95;

// One line on the terminal: control characters of the message (a carriage
// return kept in a token, say) are written as escapes.
std::string printable(const std::u16string& text)
{
    std::string out;
    for (const char c : templates::utf16ToUtf8(text)) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\n') {
            out += ' ';
        } else if (u < 0x20 || u == 0x7F) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02X", u);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out;
}

std::string joined(const std::vector<int>& values)
{
    std::string out;
    for (const int v : values) {
        if (!out.empty())
            out += ',';
        out += std::to_string(v);
    }
    return out;
}

} // namespace

int runCheckTemplate(const std::vector<std::string>& argv)
{
    Args args(argv, {}, {});
    if (!args.ok())
        return usageError(args.error(), checkTemplateUsage());
    if (args.positional().size() != 1)
        return usageError("check-template needs one template file", checkTemplateUsage());
    const std::string& path = args.positional()[0];

    const templates::TemplateBuildResult result = templates::buildTablesFromTemplate(path);
    if (!result.ok) {
        const templates::TemplateError& e = *result.error;
        std::fprintf(stderr, "%s:%d:%d: error %d: %s\n", path.c_str(), e.line, e.column, e.code,
                     printable(e.summary.text()).c_str());
        return kExitFileError;
    }

    std::vector<int> languages;
    std::vector<int> namedMenus;
    std::set<int> fonts;
    for (const auto& table : result.tables) {
        languages.push_back(table->WindowsLanguageId());
        fonts.insert(table->GetFont());
        int named = 0;
        for (int menu = kFirstScriptMenu; menu <= kLastScriptMenu; ++menu)
            if (!table->GetMenuName(menu).empty())
                ++named;
        namedMenus.push_back(named);
    }
    std::printf("%s: ok: %zu table%s, languages %s, fonts %s, named script menus %s\n", path.c_str(),
                result.tables.size(), result.tables.size() == 1 ? "" : "s", joined(languages).c_str(),
                joined(std::vector<int>(fonts.begin(), fonts.end())).c_str(), joined(namedMenus).c_str());
    return kExitOk;
}

} // namespace tarvo::cli
