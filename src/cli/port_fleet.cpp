#include "cli/port_fleet.h"

#include "cli/cli_args.h"
#include "cli/json_writer.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace tarvo::cli {

namespace {

// The device behind a name: symbolic links resolved; a path that does not
// exist stays as written (its own job fails with status 7).
std::string resolvedDevice(const std::string& path)
{
    char* resolved = ::realpath(path.c_str(), nullptr);
    if (!resolved)
        return std::filesystem::absolute(path).lexically_normal().string();
    std::string out(resolved);
    std::free(resolved);
    return out;
}

} // namespace

std::optional<std::vector<PortTarget>> portTargetsFrom(const std::vector<std::string>& devs,
                                                       std::string& error)
{
    if (devs.empty()) {
        error = "--port is required";
        return std::nullopt;
    }
    std::vector<PortTarget> targets;
    std::set<std::string> devices;
    for (const std::string& dev : devs) {
        const auto target = parsePortTarget(dev, error);
        if (!target)
            return std::nullopt;
        if (!devices.insert(resolvedDevice(target->devicePath)).second) {
            error = "--port " + dev + " names a device already given";
            return std::nullopt;
        }
        targets.push_back(*target);
    }
    return targets;
}

ProgressBoard::ProgressBoard(std::vector<std::string> labels, bool shown)
    : m_labels(std::move(labels)), m_texts(m_labels.size()), m_shown(shown && isatty(STDERR_FILENO))
{
    if (!m_shown)
        return;
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        drawLine(i);
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}

ProgressBoard::~ProgressBoard() = default;

void ProgressBoard::drawLine(std::size_t line)
{
    std::fprintf(stderr, "\r\033[K%s: %s", m_labels[line].c_str(), m_texts[line].c_str());
}

void ProgressBoard::show(std::size_t line, const std::string& text)
{
    if (line >= m_labels.size())
        return;
    m_texts[line] = text;
    if (!m_shown)
        return;
    // The cursor stays below the board: up to the port's line and back.
    const std::size_t up = m_labels.size() - line;
    std::fprintf(stderr, "\033[%zuA", up);
    drawLine(line);
    std::fprintf(stderr, "\033[%zuB\r", up);
    std::fflush(stderr);
}

void ProgressBoard::note(const std::string& text)
{
    if (!m_shown) {
        std::fprintf(stderr, "%s\n", text.c_str());
        return;
    }
    // Up to the board's first line, clear to the end of the screen, the note, the board again.
    std::fprintf(stderr, "\033[%zuA\r\033[J%s\n", m_labels.size(), text.c_str());
    for (std::size_t i = 0; i < m_labels.size(); ++i) {
        drawLine(i);
        std::fputc('\n', stderr);
    }
    std::fflush(stderr);
}

int finishPorts(const std::vector<PortOutcome>& outcomes, bool json, bool counts)
{
    int status = kExitOk;
    for (const auto& o : outcomes) {
        if (o.status != kExitOk) {
            status = o.status;
            break;
        }
    }
    if (json) {
        JsonWriter d;
        d.beginObject().key("event").valueUtf8("done").key("status").value(status);
        d.key("ports").beginArray();
        for (const auto& o : outcomes)
            d.beginObject().key("port").valueUtf8(o.device).key("status").value(o.status).endObject();
        d.endArray().endObject();
        std::fputs(d.finish().c_str(), stdout);
        std::fflush(stdout);
        return status;
    }
    constexpr int kMinPortColumn = 24;
    int portColumn = kMinPortColumn;
    for (const auto& o : outcomes)
        portColumn = std::max(portColumn, static_cast<int>(o.device.size()));
    std::printf("\n%-*s %-22s", portColumn, "Port", "Keyboard");
    if (counts)
        std::printf(" %7s %9s %8s", "Written", "Unchanged", "Verified");
    std::printf(" %8s  %s\n", "Seconds", "Result");
    for (const auto& o : outcomes) {
        std::printf("%-*s %-22s", portColumn, o.device.c_str(), o.keyboard.c_str());
        if (counts)
            std::printf(" %7d %9d %8d", o.written, o.unchanged, o.verified);
        if (o.status == kExitOk)
            std::printf(" %8.1f  ok\n", o.seconds);
        else
            std::printf(" %8.1f  failed (exit status %d)\n", o.seconds, o.status);
    }
    std::fflush(stdout);
    return status;
}

} // namespace tarvo::cli
