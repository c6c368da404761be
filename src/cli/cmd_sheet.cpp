// tarvo sheet: the document's hand-over sheet as a PDF. Its pages are drawn
// with Qt Gui, so the command runs a QGuiApplication on the offscreen
// platform; a tool built without the editor's parts does not have it.

#include "cli/cli_args.h"
#include "cli/command_table.h"
#include "cli/document_cli.h"
#include "cli/template_source.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstring>

#ifdef TARVO_WITH_SHEET
#include "sheet/sheet_pdf.h"

#include <QGuiApplication>
#endif

namespace tarvo::cli {

namespace {
// The synopsis, as the command table has it.
const char* sheetUsage()
{
    return usageOf("sheet");
}
constexpr const char* kSheetCommand = "sheet";
} // namespace

std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv)
{
#ifdef TARVO_WITH_SHEET
    if (argc >= 2 && std::strcmp(argv[1], kSheetCommand) == 0) {
        // No display is needed: the pages only go to the PDF.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return std::make_unique<QGuiApplication>(argc, argv);
    }
#endif
    return std::make_unique<QCoreApplication>(argc, argv);
}

int runSheet(const std::vector<std::string>& argv)
{
#ifndef TARVO_WITH_SHEET
    (void)argv;
    std::fprintf(stderr, "tarvo: sheet: this tarvo was built without Qt Gui (TARVO_BUILD_GUI=OFF); the "
                         "sheet command is absent\n");
    return kExitUsage;
#else
    const Args args(argv, {"history", "force"}, {"output"});
    if (!args.ok())
        return usageError(args.error(), sheetUsage());
    if (args.positional().size() != 1)
        return usageError(args.positional().empty() ? "no document given" : "more than one document given",
                          sheetUsage());
    const auto output = args.value("output");
    if (!output || output->empty())
        return usageError("no output file (-o OUT.pdf)", sheetUsage());
    if (!args.has("force") && pathExists(*output))
        return fail(kExitFileError, *output, "file exists (use --force to replace it)");

    const std::string& path = args.positional().front();
    document::DocumentNumberPool pool;
    const auto doc = openForCommand(pool, path);
    if (!doc)
        return kExitFileError;
    QString note;
    const sheet::SheetSource source =
        sheet::sheetSourceFor(*doc, QString::fromStdString(path), args.has("history"), note);
    if (!note.isEmpty())
        std::fprintf(stderr, "tarvo: warning: %s\n", note.toStdString().c_str());
    if (const QString warning = sheet::missingFontWarning(*doc); !warning.isEmpty())
        std::fprintf(stderr, "tarvo: warning: %s: %s\n", path.c_str(), warning.toStdString().c_str());
    QString reason;
    if (!sheet::writeSheetPdf(source, QString::fromStdString(*output), reason))
        return fail(kExitFileError, *output, reason.toStdString());
    std::printf("%s: hand-over sheet of %zu language table%s\n", output->c_str(), doc->tableCount(),
                doc->tableCount() == 1 ? "" : "s");
    return kExitOk;
#endif
}

} // namespace tarvo::cli
