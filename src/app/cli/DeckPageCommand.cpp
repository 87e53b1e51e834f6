#include "Command.h"
#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/reference/DeckPage.h"
#include "core/reference/StoredSettings.h"

#include <algorithm>
#include <ostream>

namespace kestrava::cli {

namespace {

int runDeckPage(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out << "usage: kestrava-cli [--home DIR] deck-page [--deck NAME] [--out FILE]\n\n"
                  "Writes the page about a deck that \"My Decks\" shows: its name, the fields of\n"
                  "its info.srml, its info.ka and its normal pictures with their numbers and\n"
                  "titles (the four suits only for a deck of 78 pictures), in the title set and\n"
                  "code page of DIR's settings files. Prints the file written; a deck whose files\n"
                  "cannot be read is an error and nothing is written.\n\n"
                  "--deck NAME   the deck cards/NAME instead of the deck of the settings\n"
                  "--out FILE    writes the page to FILE instead of cards/preview.srml\n";
        return 0;
    }
    std::string deckName;
    std::string outFile;
    const bool haveDeck = takeOption(in.args, "--deck", deckName);
    const bool haveOut = takeOption(in.args, "--out", outFile);
    expectNoMoreArguments(in.args);

    const StoredSettings settings = readStoredSettings(in.home);
    const std::optional<std::string> deck = haveDeck ? deckName : settings.preferences.selectedDeck;
    if (!deck)
        throw Error(std::string(kNoDeckMessage));
    const auto& decks = settings.lists.decks;
    if (std::find(decks.begin(), decks.end(), *deck) == decks.end())
        throw Error("There is no deck \"" + *deck + "\" in " + in.home.cards().string() + ".");
    const std::filesystem::path target =
        haveOut ? std::filesystem::path(outFile) : deckPageFile(in.home);
    writeLines(target, deckPage(in.home, *deck, deckSize(in.home.deckFolder(*deck)),
                                settings.titles, settings.preferences));
    in.out << target.string() << "\n";
    return 0;
}

const CommandRegistration registration{
    {"deck-page", "write the page about a deck that My Decks shows", runDeckPage}};

} // namespace

} // namespace kestrava::cli
