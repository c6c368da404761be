#include "cli/document_cli.h"

#include "cli/cli_args.h"
#include "templates/utf_text.h"

#include <cstdio>

namespace tarvo::cli {

std::string oneLine(const std::u16string& message)
{
    return templates::oneLineUtf8(message);
}

std::string oneLine(const messages::Message& message)
{
    return templates::oneLineUtf8(message);
}

int failDocument(const document::DocResult& result, const std::string& fallbackWhat)
{
    return fail(kExitFileError, result.path.empty() ? fallbackWhat : result.path, oneLine(result.message));
}

std::unique_ptr<document::CS1_Doc> openForCommand(document::DocumentNumberPool& pool, const std::string& path)
{
    document::DocOutcome opened = document::openDocument(pool, path, 0);
    if (!opened.doc) {
        failDocument(opened.result, path);
        return nullptr;
    }
    if (!opened.doc->settingsCorrections().empty())
        std::fprintf(stderr, "tarvo: %s: warning: %s\n", path.c_str(),
                     oneLine(opened.doc->settingsCorrections().text()).c_str());
    // One warning line per table that lost records on the way in.
    std::u16string notes = opened.doc->loadNotes().text();
    while (!notes.empty()) {
        const auto end = notes.find(u'\n');
        std::fprintf(stderr, "tarvo: %s: warning: %s\n", path.c_str(), oneLine(notes.substr(0, end)).c_str());
        notes.erase(0, end == std::u16string::npos ? notes.size() : end + 1);
    }
    return std::move(opened.doc);
}

} // namespace tarvo::cli
