#include "testkit/program_run.h"

#include <QProcess>
#include <QStringList>

namespace tarvo::test {

RunResult runToEnd(const std::string& program, const std::vector<std::string>& args,
                   const std::string& workingDirectory, int timeoutMs)
{
    QStringList list;
    for (const auto& a : args)
        list << QString::fromStdString(a);
    QProcess process;
    process.setWorkingDirectory(QString::fromStdString(workingDirectory));
    process.start(QString::fromStdString(program), list);
    RunResult run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
    } else {
        run.ended = true;
        run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }
    run.out = process.readAllStandardOutput().toStdString();
    run.err = process.readAllStandardError().toStdString();
    return run;
}

std::string builtProgram(const std::string& name)
{
    std::string path = TARVO_BIN_DIR "/";
    path += name;
    return path;
}

} // namespace tarvo::test
