#include "cli/download_many.h"

#include "cli/cli_args.h"
#include "cli/document_cli.h"
#include "cli/interrupt_guard.h"
#include "cli/port_fleet.h"
#include "cli/template_source.h"
#include "cli/transfer_command.h"
#include "transfer/download_fleet.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace tarvo::cli {

namespace {

// Everything one port's download owns besides its job, which the fleet
// holds; the document's number pool goes last.
struct PortDownload {
    document::DocumentNumberPool pool;
    std::unique_ptr<document::CS1_Doc> doc;
    std::unique_ptr<TransferCommand> command;
    std::unique_ptr<TemplateSource> backupTables;
    std::string backupPath;
};

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
    const std::vector<std::string> devices = devicesOf(o.targets);
    std::vector<std::unique_ptr<PortDownload>> ports;
    for (std::size_t i = 0; i < o.targets.size(); ++i) {
        const PortTarget& target = o.targets[i];
        auto port = std::make_unique<PortDownload>();
        const std::string backupFile =
            o.backupPath ? transfer::fleetFileIn(*o.backupPath, devices, i, ".tvo") : std::string();
        if (o.backupPath && !o.choice.previewOnly && pathExists(backupFile))
            return fail(kExitFileError, backupFile, "file exists: a backup never replaces a file");
        // Each job merges into its own copy: the keyboards may hold different tables.
        port->doc = openForCommand(port->pool, o.documentPath);
        if (!port->doc)
            return kExitFileError;
        std::optional<std::string> trace;
        if (o.tracePath)
            trace = transfer::fleetFileIn(*o.tracePath, devices, i, ".trace");
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

    ProgressBoard board(devices, !o.quiet && !o.json);
    // Declared after the ports, the fleet's jobs go before the lines and documents they use.
    transfer::DownloadFleet fleet;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        PortDownload& port = *ports[i];
        port.command->env().setLineSink([&board, i](const std::string& text) { board.show(i, text); });
        port.command->env().setNoteSink([&board](const std::string& text) { board.note(text); });
        transfer::FleetKeyboard keyboard{o.targets[i].devicePath, port.command->jobLine(),
                                         port.command->jobOptions(o.retries)};
        keyboard.doc = port.doc.get();
        keyboard.setup.backupTables = port.backupTables.get();
        keyboard.setup.portIndex = o.targets[i].portIndex;
        keyboard.listener = port.command.get();
        transfer::DownloadJob& job = fleet.add(std::move(keyboard));
        transfer::DownloadChoice choice = o.choice;
        choice.backupPath = port.backupPath;
        port.command->follow(
            job, [&job, choice] { job.choose(choice); }, [] {});
    }
    InterruptGuard interrupts;
    interrupts.setHandler([&fleet] { fleet.cancelAll(); });
    fleet.start([] { SessionEnvironment::quitLoop(); });
    if (!fleet.hasEnded())
        ports.front()->command->env().runLoop();
    interrupts.setHandler({});

    const std::vector<transfer::FleetRow> rows = fleet.rows();
    std::vector<PortOutcome> outcomes;
    for (std::size_t i = 0; i < ports.size(); ++i) {
        const transfer::FleetRow& row = rows[i];
        PortDownload& port = *ports[i];
        PortOutcome outcome;
        outcome.device = row.port;
        outcome.keyboard = row.keyboard;
        outcome.written = row.written;
        outcome.unchanged = row.unchanged;
        outcome.verified = row.verified;
        outcome.seconds = row.seconds;
        if (o.choice.previewOnly)
            printPreview(port.command->report(), fleet.job(i).preview());
        outcome.status = port.command->finish(row.end);
        outcomes.push_back(outcome);
    }
    return finishPorts(outcomes, o.json, true);
}

} // namespace tarvo::cli
