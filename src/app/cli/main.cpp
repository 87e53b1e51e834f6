#include "Command.h"
#include "core/Error.h"

#include <algorithm>
#include <iostream>

namespace kestrava::cli {

std::vector<Command>& commands()
{
    static std::vector<Command> all;
    return all;
}

bool takeOption(std::vector<std::string>& args, const std::string& name, std::string& value)
{
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return false;
    if (it + 1 == args.end())
        throw Error("option " + name + " needs a value");
    value = *(it + 1);
    args.erase(it, it + 2);
    return true;
}

bool takeFlag(std::vector<std::string>& args, const std::string& name)
{
    const auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

void expectNoMoreArguments(const std::vector<std::string>& args)
{
    if (!args.empty())
        throw Error("unexpected argument \"" + args.front() + "\"");
}

Store takeStore(std::vector<std::string>& args)
{
    std::string value;
    if (!takeOption(args, "--store", value) || value == "database")
        return Store::Database;
    if (value == "diary")
        return Store::Diary;
    throw Error("--store needs \"database\" or \"diary\", not \"" + value + "\"");
}

unsigned parseSeed(const std::string& text)
{
    std::size_t used = 0;
    unsigned long long value = 0;
    try {
        value = std::stoull(text, &used, 10);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || text.empty() || text[0] == '-' || value > 0xFFFFFFFFull)
        throw Error("--seed needs a whole number from 0 to 4294967295, not \"" + text + "\"");
    return static_cast<unsigned>(value);
}

namespace {

void printUsage(std::ostream& out)
{
    out << "usage: kestrava-cli [--home DIR] COMMAND [OPTIONS]\n\n"
           "DIR is the program folder (default: the folder of this executable).\n\n"
           "commands:\n";
    auto sorted = commands();
    std::sort(sorted.begin(), sorted.end(),
              [](const Command& a, const Command& b) { return a.name < b.name; });
    for (const auto& command : sorted)
        out << "  " << command.name << "  " << command.summary << "\n";
    out << "\nkestrava-cli COMMAND --help describes a command.\n";
}

} // namespace

} // namespace kestrava::cli

int main(int argc, char** argv)
{
    using namespace kestrava;
    using namespace kestrava::cli;
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        std::string home;
        const bool haveHome = !args.empty() && args[0] == "--home";
        if (haveHome) {
            if (args.size() < 2)
                throw Error("option --home needs a value");
            home = args[1];
            args.erase(args.begin(), args.begin() + 2);
        }
        if (args.empty() || args[0] == "--help" || args[0] == "-h") {
            printUsage(args.empty() ? std::cerr : std::cout);
            return args.empty() ? 2 : 0;
        }
        const std::string name = args[0];
        args.erase(args.begin());
        const auto& all = commands();
        const auto it =
            std::find_if(all.begin(), all.end(), [&](const Command& c) { return c.name == name; });
        if (it == all.end())
            throw Error("unknown command \"" + name + "\" (see kestrava-cli --help)");
        Invocation invocation{haveHome ? ProgramFolder(home) : ProgramFolder::ofExecutable(), args,
                              std::cout, std::cerr};
        return it->run(invocation);
    } catch (const std::exception& e) {
        std::cerr << "kestrava-cli: " << e.what() << "\n";
        return 1;
    }
}
