#pragma once

#include "core/ProgramFolder.h"
#include "core/diary/ReadingStore.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace kestrava::cli {

// The arguments after the command name, with the options every command shares.
struct Invocation
{
    ProgramFolder home;
    std::vector<std::string> args;
    std::ostream& out;
    std::ostream& err;
};

struct Command
{
    std::string name;
    std::string summary;
    std::function<int(Invocation&)> run;
};

// Pops the value of an option from args ("--seed 5"); throws when the value is missing.
bool takeOption(std::vector<std::string>& args, const std::string& name, std::string& value);
bool takeFlag(std::vector<std::string>& args, const std::string& name);
// Throws when anything is left over.
void expectNoMoreArguments(const std::vector<std::string>& args);
// Pops "--store database|diary"; the database when the option is not given.
Store takeStore(std::vector<std::string>& args);
// A 32-bit seed from decimal text.
unsigned parseSeed(const std::string& text);

// Each command registers here; see the *Command.cpp files.
std::vector<Command>& commands();

struct CommandRegistration
{
    explicit CommandRegistration(Command command) { commands().push_back(std::move(command)); }
};

} // namespace kestrava::cli
