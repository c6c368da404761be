#include "transfer_bench_support.h"

#include "testkit/program_run.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>

namespace tarvo::bench {
namespace {

constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr double kMsPerS = 1000;

} // namespace

std::vector<TraceLine> readTrace(const std::filesystem::path& path, std::string& error)
{
    std::vector<TraceLine> lines;
    std::ifstream in(path);
    if (!in) {
        error = path.string() + ": cannot be read";
        return lines;
    }
    std::string text;
    while (std::getline(in, text)) {
        std::istringstream fields(text);
        std::string time, direction, type;
        if (!(fields >> time >> direction >> type))
            continue;
        const auto dot = time.find('.');
        if (dot == std::string::npos || (direction != "rx" && direction != "tx"))
            continue;
        const std::string fraction = (time.substr(dot + 1) + "000000").substr(0, 6);
        TraceLine line;
        line.us = std::stoll(time.substr(0, dot)) * 1000000 + std::stoll(fraction);
        line.received = direction == "rx";
        line.type = type;
        line.text = text;
        lines.push_back(std::move(line));
    }
    return lines;
}

std::size_t bytesOf(const TraceLine& line)
{
    static const std::regex bytesAtEnd(R"((\d+) bytes$)");
    std::smatch m;
    if (!std::regex_search(line.text, m, bytesAtEnd))
        return 0;
    return std::stoul(m[1].str());
}

bool wireSeconds(const std::filesystem::path& tracePath, int baud, double& seconds, std::size_t& frames,
                 std::string& error)
{
    const auto trace = readTrace(tracePath, error);
    if (trace.empty()) {
        if (error.empty())
            error = tracePath.string() + " holds no frame";
        return false;
    }
    std::size_t bytes = 0;
    frames = 0;
    for (const auto& line : trace) {
        bytes += bytesOf(line);
        frames += line.received ? 1 : 0;
    }
    seconds = lineSeconds(bytes, baud);
    return true;
}

bool startPaced(SimulatedKeyboard& keyboard, int baud, std::string& error)
{
    keyboard.removeFlash();
    if (keyboard.start({"--baud", std::to_string(baud), "--wire-time"}))
        return true;
    error = "the simulator did not start";
    keyboard.stop();
    return false;
}

std::optional<int> runTarvo(const std::vector<std::string>& args, double timeoutS, double& wallS)
{
    const auto start = std::chrono::steady_clock::now();
    const test::RunResult run =
        test::runToEnd(test::builtProgram("tarvo"), args, ".", static_cast<int>(timeoutS * kMsPerS));
    wallS = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Its own output goes to standard error: standard output carries the figures.
    std::fputs(run.out.c_str(), stderr);
    std::fputs(run.err.c_str(), stderr);
    if (!run.ended || run.status < 0)
        return std::nullopt;
    return run.status;
}

bool restartAll(Keyboards& keyboards, int baud, const char* bench)
{
    for (auto& keyboard : keyboards) {
        std::string error;
        if (!startPaced(*keyboard, baud, error)) {
            std::fprintf(stderr, "%s: %s\n", bench, error.c_str());
            return false;
        }
    }
    return true;
}

double runOnFirst(const Keyboards& keyboards, int count, std::vector<std::string> args, double timeoutS,
                  const char* bench)
{
    std::vector<std::string> ports;
    for (int i = 0; i < count; ++i)
        ports.push_back(keyboards[static_cast<std::size_t>(i)]->link());
    return runOnPorts(ports, std::move(args), timeoutS, bench);
}

double runOnPorts(const std::vector<std::string>& ports, std::vector<std::string> args, double timeoutS,
                  const char* bench)
{
    args.insert(args.end(), {"--quiet", "--baud", "auto"});
    for (const std::string& port : ports)
        args.insert(args.end(), {"--port", port});
    double wallS = 0;
    const auto status = runTarvo(args, timeoutS, wallS);
    if (status != 0) {
        std::fprintf(stderr, "%s: tarvo %s to %zu keyboards %s\n", bench, args.front().c_str(), ports.size(),
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return -1;
    }
    return wallS;
}

double longestWireSeconds(Keyboards& keyboards, int count, int baud, const char* bench)
{
    double longest = 0;
    for (int i = 0; i < count; ++i) {
        SimulatedKeyboard& keyboard = *keyboards[static_cast<std::size_t>(i)];
        keyboard.stop(); // its trace complete
        double lineS = 0;
        std::size_t frames = 0;
        std::string error;
        if (!wireSeconds(keyboard.tracePath(), baud, lineS, frames, error)) {
            std::fprintf(stderr, "%s: %s\n", bench, error.c_str());
            return -1;
        }
        longest = std::max(longest, lineS);
    }
    return longest;
}

std::string newDocument(const TempDir& folder, const char* bench)
{
    constexpr double kNewTimeoutS = 60;
    const std::string document = (folder.path() / "new.tvo").string();
    double wallS = 0;
    if (runTarvo({"new", "-o", document}, kNewTimeoutS, wallS) == 0)
        return document;
    std::fprintf(stderr, "%s: tarvo new failed\n", bench);
    return {};
}

double lineSeconds(std::size_t bytes, int baud)
{
    return static_cast<double>(bytes) * kBitsPerByte / baud;
}

void printPhase(const std::string& what, int baud, const char* phase, double phaseS, double lineS,
                double wallS)
{
    std::printf("%s at %d baud: %s phase %.3f s, line %.3f s, ratio %.4f (goal at most %.2f); whole command "
                "%.3f s\n",
                what.c_str(), baud, phase, phaseS, lineS, phaseS / lineS, kPhaseGoalRatio, wallS);
    std::fflush(stdout);
}

std::optional<double> timeWholeDownload(SimulatedKeyboard& keyboard, const WholeDownload& run)
{
    constexpr double kCommandTimeoutS = 600;
    std::string error;
    if (!startPaced(keyboard, run.baud, error)) {
        std::fprintf(stderr, "%s: %s\n", run.bench, error.c_str());
        return std::nullopt;
    }
    double wallS = 0;
    // --force-write: the merged table equals the factory's, and an unchanged slot is not written.
    const auto status =
        runTarvo({"download", run.document, "--port", run.port, "--slots", "1", "--force-write", "--quiet"},
                 kCommandTimeoutS, wallS);
    keyboard.stop();
    if (status != 0) {
        std::fprintf(stderr, "%s: tarvo download %s\n", run.bench,
                     status ? ("exited " + std::to_string(*status)).c_str() : "did not finish");
        return std::nullopt;
    }
    double lineS = 0;
    std::size_t frames = 0;
    if (!wireSeconds(keyboard.tracePath(), run.baud, lineS, frames, error)) {
        std::fprintf(stderr, "%s: %s\n", run.bench, error.c_str());
        return std::nullopt;
    }
    std::printf("%s at %d baud, %s: whole command %.3f s, wire time of its %zu frames and replies %.3f s, "
                "ratio %.4f",
                run.command, run.baud, run.what, wallS, frames, lineS, wallS / lineS);
    if (run.goalRatio > 0)
        std::printf(" (goal at most %.2f)", run.goalRatio);
    std::printf("\n");
    std::fflush(stdout);
    return wallS / lineS;
}

} // namespace tarvo::bench
