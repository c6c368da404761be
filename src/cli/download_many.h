#pragma once
// tarvo download with --port given more than once: one job per port, all on
// the application's one event loop, each with its own port object, settings,
// trace and backup; one port failing never stops the others.

#include "cli/session_runner.h"
#include "cli/transfer_report.h"
#include "transfer/download_choice.h"
#include "transfer/line_speed.h"

#include <optional>
#include <string>
#include <vector>

namespace tarvo::cli {

// The download's command line.
struct DownloadOptions {
    std::string documentPath;
    std::vector<PortTarget> targets; // command-line order, each device once
    // What every port's download does; its backup path is the port's own file.
    transfer::DownloadChoice choice;
    std::optional<std::string> backupPath; // a folder with several ports
    std::optional<std::string> tracePath;  // a folder with several ports
    transfer::LineSpeedChoice lineSpeed = transfer::LineSpeedChoice::Auto;
    int retries = 0;
    bool json = false;
    bool quiet = false;
};

// Each slot's plan of a preview, in slot order.
void printPreview(TransferReport& report, const transfer::DownloadPreview& preview);

// Runs the download on every port of o (two or more); returns the exit status.
int downloadToPorts(const DownloadOptions& o);

} // namespace tarvo::cli
