#include "Command.h"
#include "core/Error.h"
#include "core/Prompter.h"
#include "core/reference/DeckImport.h"
#include "core/reference/StoredSettings.h"
#include "raster/PictureFile.h"

#include <ostream>

namespace kestrava::cli {

namespace {

// --force is the answer given in advance to replacing a deck.
class ReplacePrompter : public Prompter
{
public:
    explicit ReplacePrompter(bool replace) : m_replace(replace) {}
    Answer ask(std::string_view) override { return m_replace ? Answer::Yes : Answer::No; }
    void tell(std::string_view) override {}
    std::optional<std::filesystem::path> chooseSaveFile(std::string_view, std::string_view,
                                                        const std::filesystem::path&) override
    {
        return std::nullopt;
    }

private:
    bool m_replace;
};

Numbering parseNumbering(const std::string& text)
{
    if (text == "detect")
        return Numbering::Detect;
    if (text == "ids")
        return Numbering::Identifiers;
    if (text == "common")
        return Numbering::Common;
    throw Error("--numbering needs \"detect\", \"ids\" or \"common\", not \"" + text + "\"");
}

std::string titleOf(const std::vector<std::string>& titles, int card)
{
    return card >= 0 && card < static_cast<int>(titles.size())
               ? titles[static_cast<std::size_t>(card)]
               : std::string();
}

void printPlan(std::ostream& out, const ImportPlan& plan, const std::vector<std::string>& titles)
{
    for (const PlacedPicture& picture : plan.normal)
        out << "normal " << picture.card << " " << titleOf(titles, picture.card) << " <- "
            << picture.shownName << "\n";
    for (const PlacedPicture& picture : plan.reversed)
        out << "reversed " << picture.card << " " << titleOf(titles, picture.card) << " <- "
            << picture.shownName << "\n";
    out << "back <- " << (plan.back ? plan.back->shownName : "(none: cards/back.jpg)") << "\n";
    out << "blank 0 <- " << (plan.blank ? plan.blank->shownName : "(plain white)") << "\n";
    for (const UnplacedPicture& picture : plan.unplaced)
        out << "not placed: " << picture.shownName << " (" << picture.reason << ")\n";
    out << "numbering: "
        << (plan.numbering == Numbering::Common ? "00-77, the Fool as 00"
                                                : "the program's identifiers 1-78")
        << "\n";
    if (plan.complete())
        out << "deck of " << plan.deckSize << " cards; " << plan.turned()
            << " reversed pictures made by turning the normal ones\n";
    else {
        out << "no deck: " << plan.missing.size() << " cards missing:";
        for (const int card : plan.missing)
            out << " " << card;
        out << "\n";
    }
}

int runImportDeck(Invocation& in)
{
    if (takeFlag(in.args, "--help")) {
        in.out
            << "usage: kestrava-cli [--home DIR] import-deck FOLDER --name NAME [--dry-run]\n"
               "    [--numbering detect|ids|common] [--justice-eight] [--designer TEXT]\n"
               "    [--year TEXT] [--country TEXT] [--description FILE] [--force]\n\n"
               "Makes the deck cards/NAME from a folder of JPEG or PNG pictures of any size:\n"
               "normal/ and reversed/ at 144 x 233 (reversed pictures turned from the normal\n"
               "ones where the folder has none), blank/0.jpg, back.jpg when the folder has a\n"
               "back, and info.srml. Pictures are placed by their names: the program's numbers\n"
               "1-78, the common numbering 00-77 (the Fool as 00), a suit word with a rank\n"
               "(\"cups-ace\", \"Two of Wands\", \"coins10\") or a trump's name (\"the-fool\").\n"
               "Prints the mapping and the pictures it could not place; a folder that does\n"
               "not make a deck of 22 or 78 cards is an error and nothing is written.\n\n"
               "--dry-run           prints the mapping only\n"
               "--numbering         how bare numbers count (default: detect from the folder)\n"
               "--justice-eight     in the common numbering trump 8 is Justice, 11 Strength\n"
               "--designer, --year, --country TEXT, --description FILE  for info.srml\n"
               "--force             replaces an existing deck of that name\n";
        return 0;
    }
    std::string name;
    std::string numbering;
    std::string descriptionFile;
    DeckInformation information;
    ImportOptions options;
    if (!takeOption(in.args, "--name", name))
        throw Error("import-deck needs --name NAME");
    if (takeOption(in.args, "--numbering", numbering))
        options.numbering = parseNumbering(numbering);
    options.strengthIsEight = !takeFlag(in.args, "--justice-eight");
    takeOption(in.args, "--designer", information.designer);
    takeOption(in.args, "--year", information.year);
    takeOption(in.args, "--country", information.country);
    if (takeOption(in.args, "--description", descriptionFile))
        information.description = readFile(descriptionFile);
    const bool dryRun = takeFlag(in.args, "--dry-run");
    const bool force = takeFlag(in.args, "--force");
    if (in.args.empty())
        throw Error("import-deck needs the FOLDER of pictures");
    const std::filesystem::path folder = in.args.front();
    in.args.erase(in.args.begin());
    expectNoMoreArguments(in.args);
    const std::string deck = checkedDeckName(name);

    const ImportPlan plan = planImport(listImportPictures(folder), options);
    printPlan(in.out, plan, readStoredSettings(in.home).titles);
    if (!plan.complete())
        throw Error("The pictures do not make a deck of 22 or 78 cards.");
    if (dryRun)
        return 0;
    ReplacePrompter prompter(force);
    if (!importDeck(in.home, deck, plan, information, decodePicture, prompter))
        throw Error("There is already a deck \"" + deck + "\"; --force replaces it.");
    in.out << in.home.deckFolder(deck).string() << "\n";
    return 0;
}

const CommandRegistration registration{
    {"import-deck", "make a deck from a folder of pictures", runImportDeck}};

} // namespace

} // namespace kestrava::cli
