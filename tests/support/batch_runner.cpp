#include "batch_runner.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace tolvar::testing {

std::string readFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string scratchDirectory()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvar-test-XXXXXX").string();
    return mkdtemp(pattern.data());
}

void execBatch(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv{const_cast<char*>(TOLVAR_BATCH)};
    for (const std::string& a : arguments)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(TOLVAR_BATCH, argv.data());
}

BatchResult runBatch(const std::vector<std::string>& arguments, const std::string& directory)
{
    const std::filesystem::path dir = scratchDirectory();
    const auto outPath = dir / "out", errPath = dir / "err";
    const pid_t child = fork();
    if (child == 0) {
        if (!freopen(outPath.c_str(), "w", stdout) || !freopen(errPath.c_str(), "w", stderr))
            _exit(127);
        if (!directory.empty() && chdir(directory.c_str()) != 0)
            _exit(127);
        execBatch(arguments);
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    BatchResult result{WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(outPath), readFile(errPath)};
    std::filesystem::remove_all(dir);
    return result;
}

} // namespace tolvar::testing
