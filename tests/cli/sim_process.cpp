#include "sim_process.h"

#include "document/doc.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tarvo::cli::test {

namespace {

namespace fs = std::filesystem;

// Generous: the machine is shared, and the simulator only has to make its pseudo-terminal.
constexpr int kLinkWaitMs = 10000;
constexpr int kLinkPollMs = 20;
constexpr int kRunTimeoutMs = 120000;

const std::string kSimulator = std::string(TARVO_BIN_DIR) + "/tarvo-kbdsim";

QStringList toQt(const std::vector<std::string>& args)
{
    QStringList list;
    for (const auto& a : args)
        list << QString::fromStdString(a);
    return list;
}

std::string runSimulatorOnce(const std::vector<std::string>& args)
{
    QProcess process;
    process.start(QString::fromStdString(kSimulator), toQt(args));
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "tarvo-kbdsim did not finish";
        return {};
    }
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return process.readAllStandardOutput().toStdString();
}

} // namespace

SimulatedKeyboard::SimulatedKeyboard(std::string directory) : m_directory(std::move(directory)) {}

SimulatedKeyboard::~SimulatedKeyboard()
{
    stop();
}

bool SimulatedKeyboard::start(const std::vector<std::string>& options)
{
    stop();
    std::error_code ec;
    fs::remove(tracePath(), ec);
    std::vector<std::string> args = {kSimulator,  "--link",  link(),     "--flash",
                                     flashPath(), "--trace", tracePath()};
    args.insert(args.end(), options.begin(), options.end());
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string outPath = m_directory + "/sim.out";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, (outPath + ".err").c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int rc = posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        m_pid = 0;
        return false;
    }
    for (int waited = 0; waited < kLinkWaitMs; waited += kLinkPollMs) {
        if (fs::exists(link()))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(kLinkPollMs));
    }
    return false;
}

void SimulatedKeyboard::stop()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    int status = 0;
    waitpid(m_pid, &status, 0);
    m_pid = 0;
}

int SimulatedKeyboard::framesReceived(const std::string& frameType) const
{
    std::ifstream in(tracePath());
    const std::string marker = " rx " + frameType + " ";
    int count = 0;
    for (std::string line; std::getline(in, line);)
        if ((line + " ").find(marker) != std::string::npos)
            ++count;
    return count;
}

Bytes factoryFlash(const std::string& scratchPath)
{
    std::error_code ec;
    fs::remove(scratchPath, ec);
    fs::remove(scratchPath + ".state", ec);
    runSimulatorOnce({"--flash", scratchPath, "--status"});
    Bytes flash = readBytes(scratchPath);
    EXPECT_EQ(flash.size(), kSlotBytes * kFlashSlots);
    return flash;
}

void writeFlash(const std::string& flashPath, const Bytes& flash, bool keepStateFile)
{
    writeBytes(flashPath, flash);
    if (!keepStateFile) {
        std::error_code ec;
        fs::remove(flashPath + ".state", ec);
    }
}

std::span<std::uint8_t> slotOf(Bytes& flash, int slot)
{
    return std::span<std::uint8_t>(flash).subspan(static_cast<std::size_t>(slot - 1) * kSlotBytes,
                                                  kSlotBytes);
}

std::span<const std::uint8_t> slotOf(const Bytes& flash, int slot)
{
    return std::span<const std::uint8_t>(flash).subspan(static_cast<std::size_t>(slot - 1) * kSlotBytes,
                                                        kSlotBytes);
}

std::string slotStatus(const std::string& flashPath, int slot)
{
    const std::string text = runSimulatorOnce({"--flash", flashPath, "--status"});
    const std::string prefix = "slot " + std::to_string(slot) + ":";
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::string line =
            text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (line.rfind(prefix, 0) == 0)
            return line;
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return {};
}

std::vector<Bytes> documentImages(const std::string& path)
{
    document::DocumentNumberPool pool;
    const document::DocOutcome opened = document::openDocument(pool, path, 0);
    std::vector<Bytes> images;
    if (!opened.doc)
        return images;
    for (std::size_t i = 0; i < opened.doc->tableCount(); ++i) {
        const auto image = opened.doc->table(i).image();
        images.emplace_back(image.begin(), image.end());
    }
    return images;
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

RunResult runTarvoInterrupted(const std::vector<std::string>& args, const std::string& workingDirectory,
                              const std::function<bool(const QJsonObject&)>& when)
{
    return runTarvoUntil(args, workingDirectory, when, [](pid_t tarvo) { kill(tarvo, SIGINT); });
}

RunResult runTarvoUntil(const std::vector<std::string>& args, const std::string& workingDirectory,
                        const std::function<bool(const QJsonObject&)>& when,
                        const std::function<void(pid_t tarvo)>& act)
{
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    process.start(QString::fromStdString(std::string(TARVO_BIN_DIR) + "/tarvo"), toQt(args));
    RunResult run;
    if (!process.waitForStarted(kRunTimeoutMs)) {
        ADD_FAILURE() << "tarvo did not start";
        return run;
    }
    bool interrupted = false;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kRunTimeoutMs);
    while (!interrupted && process.state() == QProcess::Running &&
           std::chrono::steady_clock::now() < deadline) {
        process.waitForReadyRead(kLinkPollMs);
        while (!interrupted && process.canReadLine()) {
            const std::string line = process.readLine().toStdString();
            run.out += line;
            QJsonParseError error{};
            const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
            if (error.error == QJsonParseError::NoError && when(doc.object())) {
                act(static_cast<pid_t>(process.processId()));
                interrupted = true;
            }
        }
    }
    EXPECT_TRUE(interrupted) << "the awaited line never came: " << run.out;
    if (!process.waitForFinished(kRunTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "tarvo did not finish";
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out += process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

} // namespace tarvo::cli::test
