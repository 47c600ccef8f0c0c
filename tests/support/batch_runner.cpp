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

std::vector<int> readGrid(const std::string& path)
{
    const std::string bytes = readFile(path);
    std::vector<int> cells(bytes.size() / 2);
    for (std::size_t i = 0; i < cells.size(); ++i)
        cells[i] = static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1]) << 8;
    return cells;
}

namespace {

std::unique_ptr<QProcess> process(const std::string& program, const std::vector<std::string>& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProgram(QString::fromLocal8Bit(program));
    QStringList list;
    for (const std::string& a : arguments)
        list << QString::fromLocal8Bit(a);
    process->setArguments(list);
    return process;
}

} // namespace

std::unique_ptr<QProcess> startBatch(const std::vector<std::string>& arguments)
{
    auto run = process(TOLVAR_BATCH, arguments);
    run->start();
    run->waitForStarted();
    return run;
}

BatchResult runProgram(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& directory)
{
    auto run = process(program, arguments);
    if (!directory.empty())
        run->setWorkingDirectory(QString::fromLocal8Bit(directory));
    run->start();
    if (!run->waitForFinished(-1) || run->exitStatus() != QProcess::NormalExit)
        return {};
    // Windows' console writes "\r\n" for "\n"; the lines are what count.
    const auto lines = [](QByteArray text) { return text.replace("\r\n", "\n").toStdString(); };
    return {run->exitCode(), lines(run->readAllStandardOutput()), lines(run->readAllStandardError())};
}

BatchResult runBatch(const std::vector<std::string>& arguments, const std::string& directory)
{
    return runProgram(TOLVAR_BATCH, arguments, directory);
}

} // namespace tolvar::testing
