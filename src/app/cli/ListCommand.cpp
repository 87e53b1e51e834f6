#include "Command.h"
#include "core/diary/ReadingStore.h"

#include <ostream>

namespace kestrava::cli {

namespace {

int runList(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out << "usage: kestrava-cli [--home DIR] list [--store database|diary]\n\n"
                  "Prints the names of the saved readings of database/ (or of diary/), one a\n"
                  "line, in the order My Readings lists them: every file of the folder, \".srml\"\n"
                  "removed, sorted ignoring letter case.\n";
        return 0;
    }
    const Store store = takeStore(in.args);
    expectNoMoreArguments(in.args);
    for (const auto& name : ReadingStore(in.home, store).list())
        in.out << name << "\n";
    return 0;
}

const CommandRegistration registration{
    {"list", "list the saved readings of the database or the diary", runList}};

} // namespace

} // namespace kestrava::cli
