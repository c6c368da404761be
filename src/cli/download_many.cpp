#include "cli/download_many.h"

#include "cli/cli_args.h"
#include "cli/document_cli.h"
#include "cli/interrupt_guard.h"
#include "cli/port_fleet.h"
#include "cli/template_source.h"
#include "cli/transfer_command.h"
#include "transfer/download_job.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tarvo::cli {

namespace {

// Everything one port's download owns; the job goes first, the document's
// number pool last.
struct PortDownload {
    document::DocumentNumberPool pool;
    std::unique_ptr<document::CS1_Doc> doc;
    std::unique_ptr<TransferCommand> command;
    std::unique_ptr<TemplateSource> backupTables;
    std::string backupPath;
    std::unique_ptr<transfer::DownloadJob> job;
};

// "KBD-OMNIA 2.05", or "-" when the keyboard never told who it is.
std::string keyboardText(const transfer::TransferJob& job)
{
    const transfer::SlotInspectionSession* inspection = job.inspection();
    if (!inspection)
        return "-";
    const serial::KeyboardId& id = inspection->keyboardId();
    if (id.keyboardType() == 0)
        return "-";
    char text[48];
    if (id.keyboardType() == serial::kKeyboardTypeOmnia)
        std::snprintf(text, sizeof text, "KBD-OMNIA %d.%02d", id.firmwareMajor(), id.firmwareMinor());
    else
        std::snprintf(text, sizeof text, "type 0x%02X", static_cast<unsigned>(id.keyboardType()));
    return text;
}

bool makeFolder(const std::string& folder)
{
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec || !std::filesystem::is_directory(folder)) {
        fail(kExitFileError, folder, "not a folder: " + (ec ? ec.message() : std::string("a file exists")));
        return false;
    }
    return true;
}

std::vector<std::string> devicesOf(const std::vector<PortTarget>& targets)
{
    std::vector<std::string> out;
    for (const auto& t : targets)
        out.push_back(t.devicePath);
    return out;
}

} // namespace

void printPreview(TransferReport& report, const transfer::DownloadPreview& preview)
{
    for (const transfer::SlotPreview& slot : preview.slots)
        report.plan(slot);
}

int downloadToPorts(const DownloadOptions& o)
{
    // Everything local is checked for every port before any keyboard is touched.
    if (o.backupPath && !o.choice.previewOnly && !makeFolder(*o.backupPath))
        return kExitFileError;
    if (o.tracePath && !makeFolder(*o.tracePath))
        return kExitFileError;
    std::vector<std::unique_ptr<PortDownload>> ports;
    for (std::size_t i = 0; i < o.targets.size(); ++i) {
        const PortTarget& target = o.targets[i];
        auto port = std::make_unique<PortDownload>();
        const std::string backupFile =
            o.backupPath ? portFileIn(*o.backupPath, o.targets, i, ".tvo") : std::string();
        if (o.backupPath && !o.choice.previewOnly && pathExists(backupFile))
            return fail(kExitFileError, backupFile, "file exists: a backup never replaces a file");
        // Each job merges into its own copy: the keyboards may hold different tables.
        port->doc = openForCommand(port->pool, o.documentPath);
        if (!port->doc)
            return kExitFileError;
        std::optional<std::string> trace;
        if (o.tracePath)
            trace = portFileIn(*o.tracePath, o.targets, i, ".trace");
        port->command =
            std::make_unique<TransferCommand>("download", target, o.json, o.quiet, trace, o.lineSpeed);
        port->command->report().setPort(target.devicePath);
        port->command->setHistoryDocument(o.documentPath, o.choice.asStored);
        if (o.choice.previewOnly)
            port->command->keepNoHistory();
        port->backupTables = std::make_unique<TemplateSource>(std::nullopt);
        port->backupPath = backupFile;
        ports.push_back(std::move(port));
    }

    ProgressBoard board(devicesOf(o.targets), !o.quiet && !o.json);
    InterruptGuard interrupts;
    interrupts.setHandler([&ports] {
        for (auto& port : ports)
            port->command->cancel();
    });
    std::size_t running = ports.size();
    const auto onEnded = [&running] {
        if (--running == 0)
            SessionEnvironment::quitLoop();
    };
    for (std::size_t i = 0; i < ports.size(); ++i) {
        PortDownload& port = *ports[i];
        port.command->env().setLineSink([&board, i](const std::string& text) { board.show(i, text); });
        port.command->env().setNoteSink([&board](const std::string& text) { board.note(text); });
        transfer::DownloadJobSetup setup;
        setup.backupTables = port.backupTables.get();
        setup.portIndex = o.targets[i].portIndex;
        port.job = std::make_unique<transfer::DownloadJob>(
            port.command->jobLine(), *port.command, port.command->jobOptions(o.retries), *port.doc, setup);
        transfer::DownloadJob& job = *port.job;
        transfer::DownloadChoice choice = o.choice;
        choice.backupPath = port.backupPath;
        port.command->start(
            job, [&job, choice] { job.choose(choice); }, onEnded);
    }
    if (running > 0)
        ports.front()->command->env().runLoop();
    interrupts.setHandler({});

    std::vector<PortOutcome> outcomes;
    for (auto& port : ports) {
        PortOutcome outcome;
        outcome.device = port->command->target().devicePath;
        outcome.keyboard = keyboardText(*port->job);
        outcome.written = port->command->slotsWith(transfer::SlotOutcome::Written);
        outcome.unchanged = port->command->slotsWith(transfer::SlotOutcome::Unchanged);
        outcome.verified = port->command->slotsWith(transfer::SlotOutcome::Verified);
        outcome.seconds = port->command->seconds();
        if (o.choice.previewOnly)
            printPreview(port->command->report(), port->job->preview());
        outcome.status = port->command->finish(port->job->end());
        outcomes.push_back(outcome);
    }
    return finishPorts(outcomes, o.json, true);
}

} // namespace tarvo::cli
