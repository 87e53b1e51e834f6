#pragma once

#include <string>

namespace kestrava::test {

struct CliResult
{
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built kestrava-cli with the given arguments (each quoted for the shell).
CliResult runCli(const std::string& arguments);
// Runs a shell command line (a tool that checks what the CLI wrote).
CliResult runProgram(const std::string& commandLine);
std::string shellQuote(const std::string& text);

} // namespace kestrava::test
