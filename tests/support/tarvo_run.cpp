#include "support/tarvo_run.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>

namespace tarvo::test {

namespace {

constexpr int kReadPollMs = 20;

void startProcess(QProcess& process, const std::string& program, const std::vector<std::string>& args,
                  const std::string& workingDirectory)
{
    QStringList list;
    for (const auto& a : args)
        list << QString::fromStdString(a);
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    process.start(QString::fromStdString(program), list);
}

// Waits for the end and adds the rest of the output to run.
void finish(QProcess& process, RunResult& run)
{
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << process.program().toStdString() << " did not finish";
        return;
    }
    run.ended = true;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out += process.readAllStandardOutput().toStdString();
    run.err += process.readAllStandardError().toStdString();
}

} // namespace

RunResult runProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& workingDirectory)
{
    RunResult run = runToEnd(program, args, workingDirectory);
    if (!run.ended)
        ADD_FAILURE() << program << " did not finish";
    return run;
}

RunResult runTarvo(const std::vector<std::string>& args, const std::string& workingDirectory)
{
    return runProgram(builtProgram("tarvo"), args, workingDirectory);
}

RunResult runTarvoUntil(const std::vector<std::string>& args, const std::string& workingDirectory,
                        const std::function<bool(const QJsonObject&)>& when,
                        const std::function<void(pid_t tarvo)>& act)
{
    QProcess process;
    startProcess(process, builtProgram("tarvo"), args, workingDirectory);
    RunResult run;
    if (!process.waitForStarted(kRunTimeoutMs)) {
        ADD_FAILURE() << "tarvo did not start";
        return run;
    }
    bool acted = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kRunTimeoutMs);
    while (!acted && process.state() == QProcess::Running && std::chrono::steady_clock::now() < deadline) {
        process.waitForReadyRead(kReadPollMs);
        while (!acted && process.canReadLine()) {
            const std::string line = process.readLine().toStdString();
            run.out += line;
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            if (error.error == QJsonParseError::NoError && when(doc.object())) {
                act(static_cast<pid_t>(process.processId()));
                acted = true;
            }
        }
    }
    EXPECT_TRUE(acted) << "the awaited line never came: " << run.out;
    finish(process, run);
    return run;
}

RunResult runTarvoInterrupted(const std::vector<std::string>& args, const std::string& workingDirectory,
                              const std::function<bool(const QJsonObject&)>& when)
{
    return runTarvoUntil(args, workingDirectory, when, [](pid_t tarvo) { ::kill(tarvo, SIGINT); });
}

QJsonObject parseJson(const RunResult& run)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(run.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << run.out;
    return doc.object();
}

std::vector<QJsonObject> jsonLines(const std::string& out)
{
    std::vector<QJsonObject> events;
    std::size_t start = 0;
    while (start < out.size()) {
        std::size_t end = out.find('\n', start);
        if (end == std::string::npos)
            end = out.size();
        const std::string line = out.substr(start, end - start);
        start = end + 1;
        if (line.empty())
            continue;
        QJsonParseError error{};
        const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
        EXPECT_TRUE(error.error == QJsonParseError::NoError && doc.isObject()) << line;
        events.push_back(doc.object());
    }
    return events;
}

std::vector<std::pair<int, std::string>> slotResults(const std::vector<QJsonObject>& events)
{
    std::vector<std::pair<int, std::string>> results;
    for (const auto& e : events)
        if (e["event"].toString() == "slot_done")
            results.emplace_back(e["slot"].toInt(), e["result"].toString().toStdString());
    return results;
}

std::string errorMessage(const std::vector<QJsonObject>& events)
{
    for (const auto& e : events)
        if (e["event"].toString() == "error")
            return e["message"].toString().toStdString();
    return {};
}

} // namespace tarvo::test
