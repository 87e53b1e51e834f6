#include "Command.h"
#include "core/Error.h"
#include "core/reference/CardTools.h"
#include "core/reference/StoredSettings.h"

#include <algorithm>
#include <ostream>

namespace kestrava::cli {

namespace {

int runCompare(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out
            << "usage: kestrava-cli [--home DIR] compare CARD [--deck NAME]... [--out FILE]\n\n"
               "Writes the page of \"Compare Cards\": the normal picture of card CARD (1 to 78)\n"
               "from every chosen deck that has it, side by side in the order of the deck\n"
               "list, under the card's title of DIR's title set. Prints the file written.\n\n"
               "--deck NAME   a deck to compare (repeatable); without it every deck\n"
               "--out FILE    writes the page to FILE instead of xfiles/cc.srml\n";
        return 0;
    }
    std::vector<std::string> chosen;
    for (std::string name; takeOption(in.args, "--deck", name);)
        chosen.push_back(name);
    std::string outFile;
    const bool haveOut = takeOption(in.args, "--out", outFile);
    if (in.args.empty() || in.args.front().starts_with("--"))
        throw Error("compare needs a card (see kestrava-cli compare --help)");
    const int card = toolCardFromText(in.args.front());
    in.args.erase(in.args.begin());
    expectNoMoreArguments(in.args);

    const StoredSettings settings = readStoredSettings(in.home);
    const auto& decks = settings.lists.decks;
    std::vector<bool> checks(decks.size(), chosen.empty());
    for (const auto& name : chosen) {
        const auto it = std::find(decks.begin(), decks.end(), name);
        if (it == decks.end())
            throw Error("There is no deck \"" + name + "\" in " + in.home.cards().string() + ".");
        checks[static_cast<std::size_t>(it - decks.begin())] = true;
    }
    const std::filesystem::path target =
        haveOut ? std::filesystem::path(outFile) : comparePageFile(in.home);
    writeLines(target,
               comparePage(in.home, card, settings.titles.at(static_cast<std::size_t>(card)), decks,
                           checks, settings.preferences));
    in.out << target.string() << "\n";
    return 0;
}

const CommandRegistration registration{
    {"compare", "write the page that compares one card in several decks", runCompare}};

} // namespace

} // namespace kestrava::cli
