#include "CliRunner.h"

#include "core/TextFile.h"

#include <cstdio>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace kestrava::test {

std::string shellQuote(const std::string& text)
{
    return "'" + replaceAll(text, "'", "'\\''") + "'";
}

CliResult runCli(const std::string& arguments)
{
    return runProgram(shellQuote(KESTRAVA_CLI) + " " + arguments);
}

CliResult runProgram(const std::string& commandLine)
{
    const auto errPath =
        std::filesystem::temp_directory_path() / ("kestrava-cli-err-" + std::to_string(::getpid()));
    const std::string command = commandLine + " 2>" + shellQuote(errPath.string());
    CliResult result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe)
        return result;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        result.out.append(buffer, n);
    const int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.err = readFile(errPath);
    std::filesystem::remove(errPath);
    return result;
}

} // namespace kestrava::test
