#pragma once
// What the import and download benchmarks share: a simulated keyboard of the
// test kit with wire-time pacing, the built tarvo run against it, and the
// simulator's trace read back to time one phase of the session.

#include "testkit/simulated_keyboard.h"
#include "testkit/temp_dir.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::bench {

inline constexpr double kPhaseGoalRatio = 1.05;

// One line of the simulator's --trace: "12.345678 rx S2 slot 1 address 0x000010 23 bytes".
struct TraceLine {
    std::int64_t us = 0;
    bool received = false; // rx: a frame from the client; tx: a reply
    std::string type;      // "T0", "S2", ...
    std::string text;      // the whole line, for messages
};

std::vector<TraceLine> readTrace(const std::filesystem::path& path, std::string& error);

// The bytes a trace line says moved ("... 23 bytes"); 0 for a frame with no reply.
std::size_t bytesOf(const TraceLine& line);

// The line time at baud of every frame received and every reply sent in the
// trace at tracePath, and the number of frames; false with an error.
bool wireSeconds(const std::filesystem::path& tracePath, int baud, double& seconds, std::size_t& frames,
                 std::string& error);

using test::SimulatedKeyboard;
using test::TempDir;

// Starts keyboard with a new flash file (as it leaves the factory), paced at
// the line time of baud; false with an error.
bool startPaced(SimulatedKeyboard& keyboard, int baud, std::string& error);

// Runs the built tarvo with args; the exit status, or nullopt when it could
// not be run or had to be ended after timeoutS. wallS gets its wall time.
std::optional<int> runTarvo(const std::vector<std::string>& args, double timeoutS, double& wallS);

// Several keyboards, each run of a many-keyboard benchmark on all of them.
using Keyboards = std::vector<std::unique_ptr<SimulatedKeyboard>>;

// Each keyboard as it leaves the factory again, paced at baud, with a new
// trace; false after a message naming bench.
bool restartAll(Keyboards& keyboards, int baud, const char* bench);

// Runs tarvo with args (at the remembered speed, quietly) and a --port for each
// of the first count keyboards; its wall time, or a negative value after a
// message naming bench.
double runOnFirst(const Keyboards& keyboards, int count, std::vector<std::string> args, double timeoutS,
                  const char* bench);
// The same with a --port for each of ports (a device, or a network serial server's address).
double runOnPorts(const std::vector<std::string>& ports, std::vector<std::string> args, double timeoutS,
                  const char* bench);

// The longest line time at baud any of the first count keyboards' traces
// records (each keyboard is stopped, so its trace is complete); a negative
// value after a message naming bench.
double longestWireSeconds(Keyboards& keyboards, int count, int baud, const char* bench);

// A new document from the shipped template, made by the built tarvo in
// folder; its path, or "" after a message naming bench when that failed.
std::string newDocument(const TempDir& folder, const char* bench);

// The line time of bytes at baud, 10 bits a byte, in seconds.
double lineSeconds(std::size_t bytes, int baud);

// Runs `tarvo download DOCUMENT --port PORT --slots 1 --force-write` against
// keyboard, started afresh at baud, and prints "<command> at <baud> baud,
// <what>: whole command W s, wire time of its N frames and replies L s, ratio R"
// and, when goalRatio is above 0, the goal. The ratio R, or nothing after a
// message naming bench.
struct WholeDownload {
    const char* bench = "";
    const char* command = "tarvo download --slots 1";
    int baud = 57600;
    std::string port;
    std::string document;
    const char* what = "";
    double goalRatio = 0;
};
std::optional<double> timeWholeDownload(SimulatedKeyboard& keyboard, const WholeDownload& run);

// Prints "<what> at <baud> baud: <phase> phase X s, line Y s, ratio R (goal at most G); whole command W s".
void printPhase(const std::string& what, int baud, const char* phase, double phaseS, double lineS,
                double wallS);

} // namespace tarvo::bench
