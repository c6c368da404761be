#pragma once
// Runs the built programs to their end and collects what they printed and
// their exit status; reads the JSON the tool prints.

#include "testkit/program_run.h"

#include <QJsonObject>

#include <functional>
#include <string>
#include <sys/types.h>
#include <utility>
#include <vector>

namespace tarvo::test {

// Runs program with args in workingDirectory and waits for it to end; one
// that does not end fails the test.
RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& workingDirectory);
// The same for build/bin/tarvo.
RunResult runTarvo(const std::vector<std::string>& args, const std::string& workingDirectory = ".");
// Runs tarvo and calls act (with tarvo's process id) once a line of its
// standard output (JSON Lines) satisfies when.
RunResult runTarvoUntil(const std::vector<std::string>& args, const std::string& workingDirectory,
                        const std::function<bool(const QJsonObject&)>& when,
                        const std::function<void(pid_t tarvo)>& act);
// Runs tarvo and sends it SIGINT once a line of its output satisfies when.
RunResult runTarvoInterrupted(const std::vector<std::string>& args, const std::string& workingDirectory,
                              const std::function<bool(const QJsonObject&)>& when);

// The JSON document on a run's standard output.
QJsonObject parseJson(const RunResult& run);
// Every line of a run's standard output as a JSON object (a line that is not
// one fails the test).
std::vector<QJsonObject> jsonLines(const std::string& out);
// The slot_done events in order, as (slot, result).
std::vector<std::pair<int, std::string>> slotResults(const std::vector<QJsonObject>& events);
// The first error event's message (empty when there is none).
std::string errorMessage(const std::vector<QJsonObject>& events);

} // namespace tarvo::test
