#include "Command.h"
#include "core/Error.h"
#include "core/reference/CardTools.h"
#include "core/reference/StoredSettings.h"

#include <algorithm>
#include <ostream>

namespace kestrava::cli {

namespace {

int runReadCard(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out
            << "usage: kestrava-cli [--home DIR] read-card CARD [--source NAME]... [--out FILE]\n\n"
               "Writes the page of \"Read Cards\": what every chosen description source says\n"
               "about card CARD (1 to 78), normal and reversed, one block per source in the\n"
               "order of the source list. Prints the file written; a source that cannot be\n"
               "read is an error and nothing is written.\n\n"
               "--source NAME   a source of descriptions/ (repeatable); without it every source\n"
               "--out FILE      writes the page to FILE instead of xfiles/rc.srml\n";
        return 0;
    }
    std::vector<std::string> chosen;
    for (std::string name; takeOption(in.args, "--source", name);)
        chosen.push_back(name);
    std::string outFile;
    const bool haveOut = takeOption(in.args, "--out", outFile);
    if (in.args.empty() || in.args.front().starts_with("--"))
        throw Error("read-card needs a card (see kestrava-cli read-card --help)");
    const int card = toolCardFromText(in.args.front());
    in.args.erase(in.args.begin());
    expectNoMoreArguments(in.args);

    const StoredSettings settings = readStoredSettings(in.home);
    const auto& sources = settings.lists.descriptionSources;
    std::vector<bool> checks(sources.size(), chosen.empty());
    for (const auto& name : chosen) {
        const auto it = std::find(sources.begin(), sources.end(), name);
        if (it == sources.end())
            throw Error("There is no description source \"" + name + "\" in " +
                        in.home.descriptions().string() + ".");
        checks[static_cast<std::size_t>(it - sources.begin())] = true;
    }
    const std::filesystem::path target =
        haveOut ? std::filesystem::path(outFile) : readCardPageFile(in.home);
    writeLines(target,
               readCardPage(in.home, card, settings.titles.at(static_cast<std::size_t>(card)),
                            sources, checks, settings.preferences));
    in.out << target.string() << "\n";
    return 0;
}

const CommandRegistration registration{
    {"read-card", "write the page of what the description sources say about a card", runReadCard}};

} // namespace

} // namespace kestrava::cli
