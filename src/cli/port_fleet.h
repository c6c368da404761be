#pragma once
// What query and download share when --port is given more than once: the
// ports (each device once, however it is named), a progress line per port on
// a terminal, and the end: a summary row per port, the last JSON event and
// the exit status.

#include "cli/session_runner.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::cli {

// The ports of every --port, in command-line order; empty and an error when
// one is not valid, or when two name the same device (compared after
// symbolic links are resolved).
std::optional<std::vector<PortTarget>> portTargetsFrom(const std::vector<std::string>& devs,
                                                       std::string& error);

// One line per port on standard error, kept in place while the others move
// (only on a terminal).
class ProgressBoard {
public:
    ProgressBoard(std::vector<std::string> labels, bool shown);
    ~ProgressBoard();
    ProgressBoard(const ProgressBoard&) = delete;
    ProgressBoard& operator=(const ProgressBoard&) = delete;

    void show(std::size_t line, const std::string& text);
    // A line of its own above the board (a notice), the board drawn again below it.
    void note(const std::string& text);

private:
    void drawLine(std::size_t line);

    std::vector<std::string> m_labels;
    std::vector<std::string> m_texts;
    bool m_shown;
};

// How one port ended.
struct PortOutcome {
    std::string device;
    std::string keyboard = "-"; // as it named itself; "-" when it never answered
    int written = 0;
    int unchanged = 0;
    int verified = 0;
    double seconds = 0;
    int status = 0;
};

// Prints the summary (a table on standard output, or the last JSON event)
// and returns the exit status: 0 when every port succeeded, otherwise the
// status of the first port that failed.
int finishPorts(const std::vector<PortOutcome>& outcomes, bool json, bool counts);

} // namespace tarvo::cli
