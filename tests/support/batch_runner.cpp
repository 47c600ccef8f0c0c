#include "batch_runner.h"

#include <QProcess>
#include <QStringList>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace tolvar::testing {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

std::unique_ptr<QProcess> batchProcess(const std::vector<std::string>& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QString::fromLocal8Bit(TOLVAR_BATCH));
    QStringList list;
    for (const std::string& a : arguments)
        list << QString::fromLocal8Bit(a);
    process->setArguments(list);
    return process;
}

} // namespace

std::unique_ptr<QProcess> startBatch(const std::vector<std::string>& arguments)
{
    auto process = batchProcess(arguments);
    process->start();
    process->waitForStarted();
    return process;
}

BatchResult runBatch(const std::vector<std::string>& arguments, const std::string& directory)
{
    auto process = batchProcess(arguments);
    if (!directory.empty())
        process->setWorkingDirectory(QString::fromLocal8Bit(directory));
    process->start();
    if (!process->waitForFinished(-1) || process->exitStatus() != QProcess::NormalExit)
        return {};
    // Windows' console writes "\r\n" for "\n"; the lines are what count.
    const auto lines = [](QByteArray text) { return text.replace("\r\n", "\n").toStdString(); };
    return {process->exitCode(), lines(process->readAllStandardOutput()), lines(process->readAllStandardError())};
}

} // namespace tolvar::testing
