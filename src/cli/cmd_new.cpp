// tarvo new: a new document from a template, saved.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "templates/template_catalogue.h"
#include "templates/template_messages.h"

#include <climits>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace tarvo::cli {

namespace {

constexpr const char* kNewUsage = "tarvo new -o OUT.tvo [--template FILE.LT3] [--force]";

std::string currentDirectory()
{
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) != nullptr ? std::string(buffer) : std::string(".");
}

std::string executablePath()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
}

bool pathExists(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

int runNew(const std::vector<std::string>& argv)
{
    const Args args(argv, {"force"}, {"output", "template"});
    if (!args.ok())
        return usageError(args.error(), kNewUsage);
    if (!args.positional().empty())
        return usageError("unexpected argument '" + args.positional().front() + "'", kNewUsage);
    const auto output = args.value("output");
    if (!output || output->empty())
        return usageError("no output file (-o OUT.tvo)", kNewUsage);
    const bool force = args.has("force");
    if (!force && pathExists(*output))
        return fail(kExitFileError, *output, "file exists (use --force to replace it)");

    templates::CTemplateCatalogue catalogue(currentDirectory(),
                                            templates::programTemplateDirectory(executablePath()));
    const auto templatePath = args.value("template");
    if (!templatePath && !catalogue.RefreshTemplateCatalogue())
        return fail(kExitFileError, "new",
                    oneLine(templates::msg::formatMessage(templates::msg::kNoValidTemplates)));

    document::DocumentNumberPool pool;
    const std::u16string failureNote = templates::msg::messageText(templates::msg::kNewDocumentFailed);
    auto build = [&](int documentNumber) {
        return templatePath ? templates::buildTablesFromTemplate(*templatePath, failureNote)
                            : catalogue.CreateTablesFromTemplate(documentNumber);
    };
    document::DocOutcome created = document::createNewDocument(pool, build, nullptr, 0);
    if (!created.doc)
        return failDocument(created.result, templatePath.value_or("new"));

    const document::DocResult saved =
        created.doc->saveToPath(*output, true, force ? io::Overwrite::Allow : io::Overwrite::Refuse);
    if (!saved.ok())
        return failDocument(saved, *output);
    std::printf("%s: %zu language table%s\n", output->c_str(), created.doc->tableCount(),
                created.doc->tableCount() == 1 ? "" : "s");
    return kExitOk;
}

} // namespace tarvo::cli
