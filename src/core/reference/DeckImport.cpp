#include "core/reference/DeckImport.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/Prompter.h"
#include "core/cards/Card.h"
#include "core/jpeg/PictureTransform.h"
#include "core/reading/PageFrame.h"

#include <algorithm>
#include <map>
#include <set>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

bool isPictureFile(const fs::path& file)
{
    const std::string extension = file.extension().string();
    return equalsIgnoringCase(extension, ".jpg") || equalsIgnoringCase(extension, ".jpeg") ||
           equalsIgnoringCase(extension, ".png");
}

std::string escaped(std::string_view text)
{
    std::string out;
    for (const char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else
            out += c;
    }
    return out;
}

fs::path freeSibling(const fs::path& cards, const std::string& prefix)
{
    for (int n = 0;; ++n) {
        const fs::path candidate = cards / (prefix + std::to_string(n));
        std::error_code ec;
        if (!fs::exists(fs::symlink_status(candidate, ec)))
            return candidate;
    }
}

void writeCard(const fs::path& target, const RgbImage& picture)
{
    fs::create_directories(target.parent_path());
    encodeJpeg(target, picture, 90);
}

RgbImage cardPicture(const PictureDecoder& decode, const fs::path& file)
{
    return scalePicture(decode(file), kCardWidth, kCardHeight);
}

void buildDeck(const fs::path& deck, const ImportPlan& plan, const DeckInformation& information,
               const PictureDecoder& decode)
{
    std::map<int, fs::path> reversed;
    for (const PlacedPicture& picture : plan.reversed)
        reversed[picture.card] = picture.file;
    for (const PlacedPicture& picture : plan.normal) {
        const std::string name = std::to_string(picture.card) + ".jpg";
        const RgbImage normal = cardPicture(decode, picture.file);
        writeCard(deck / kNormal / name, normal);
        const auto own = reversed.find(picture.card);
        writeCard(deck / kReversed / name,
                  own != reversed.end() ? cardPicture(decode, own->second) : turnPicture(normal));
    }
    RgbImage blank;
    if (plan.blank) {
        blank = cardPicture(decode, plan.blank->file);
    } else {
        blank.width = kCardWidth;
        blank.height = kCardHeight;
        blank.rgb.assign(static_cast<std::size_t>(kCardWidth * kCardHeight * 3), 255);
    }
    writeCard(deck / kBlank / "0.jpg", blank);
    if (plan.back)
        writeCard(deck / "back.jpg", cardPicture(decode, plan.back->file));
    writeLines(deck / "info.srml", deckInformationLines(information, plan.deckSize));
}

} // namespace

std::vector<SourcePicture> listImportPictures(const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw Error("\"" + folder.string() + "\" is not a folder of pictures.");
    std::vector<SourcePicture> pictures;
    const auto add = [&](const fs::path& from, const std::string& prefix, bool reversed,
                         bool blank) {
        for (const std::string& name : listFiles(from)) {
            if (!isPictureFile(name))
                continue;
            pictures.push_back({from / name, prefix + name, reversed, blank});
        }
    };
    add(folder, "", false, false);
    const auto sub = [&](std::string_view wanted) -> std::optional<std::string> {
        for (const std::string& name : listFolders(folder)) {
            if (equalsIgnoringCase(name, wanted))
                return name;
        }
        return std::nullopt;
    };
    if (const auto normal = sub(kNormal))
        add(folder / *normal, *normal + "/", false, false);
    if (const auto reversed = sub(kReversed))
        add(folder / *reversed, *reversed + "/", true, false);
    if (const auto blank = sub(kBlank))
        add(folder / *blank, *blank + "/", false, true);
    return pictures;
}

int ImportPlan::turned() const
{
    return static_cast<int>(normal.size()) - static_cast<int>(reversed.size());
}

ImportPlan planImport(const std::vector<SourcePicture>& pictures, const ImportOptions& options)
{
    // Words every name shares are the deck's name, not the card's.
    std::vector<NameTokens> tokens;
    for (const SourcePicture& picture : pictures)
        tokens.push_back(nameTokens(picture.file.stem().string()));
    std::set<std::string> shared;
    if (pictures.size() >= 3) {
        shared.insert(tokens.front().begin(), tokens.front().end());
        for (const NameTokens& t : tokens) {
            std::set<std::string> both;
            for (const std::string& token : t) {
                if (shared.count(token))
                    both.insert(token);
            }
            shared = std::move(both);
        }
    }
    std::vector<NameReading> readings;
    for (NameTokens& t : tokens) {
        t.erase(std::remove_if(t.begin(), t.end(),
                               [&](const std::string& token) {
                                   return shared.count(token) && !isNumberToken(token);
                               }),
                t.end());
        readings.push_back(readNameTokens(t));
    }

    ImportPlan plan;
    plan.numbering = options.numbering;
    if (plan.numbering == Numbering::Detect) {
        bool zero = false;
        bool last = false;
        bool laidOut = false;
        for (std::size_t i = 0; i < pictures.size(); ++i) {
            laidOut = laidOut || pictures[i].shownName.find('/') != std::string::npos;
            if (readings[i].number) {
                zero = zero || *readings[i].number == 0;
                last = last || *readings[i].number == kAllCards;
            }
        }
        plan.numbering = !laidOut && zero && !last ? Numbering::Common : Numbering::Identifiers;
    }

    std::map<int, PlacedPicture> normal;
    std::map<int, PlacedPicture> reversed;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const SourcePicture& source = pictures[i];
        NameReading reading = readings[i];
        const auto unplaced = [&](const std::string& reason) {
            plan.unplaced.push_back({source.shownName, reason});
        };
        if (reading.number) {
            const auto card =
                cardOfNumber(*reading.number, plan.numbering, options.strengthIsEight);
            if (!card) {
                unplaced("no card has the number " + std::to_string(*reading.number));
                continue;
            }
            reading.card = *card;
            if (*card == kBlankCard)
                reading.role = PictureRole::Blank;
        }
        if (source.inBlankFolder && reading.role != PictureRole::Back)
            reading.role = PictureRole::Blank;
        switch (reading.role) {
        case PictureRole::Unknown:
            unplaced("its name names no card");
            continue;
        case PictureRole::Back:
        case PictureRole::Blank: {
            auto& slot = reading.role == PictureRole::Back ? plan.back : plan.blank;
            if (slot)
                unplaced(
                    "there is already " +
                    std::string(reading.role == PictureRole::Back ? "a back" : "a blank card") +
                    ": " + slot->shownName);
            else
                slot = PlacedPicture{kBlankCard, source.file, source.shownName};
            continue;
        }
        case PictureRole::Card:
            break;
        }
        auto& side = reading.reversed || source.inReversedFolder ? reversed : normal;
        const auto [at, added] = side.try_emplace(
            reading.card, PlacedPicture{reading.card, source.file, source.shownName});
        if (!added)
            unplaced("card " + std::to_string(reading.card) + " is already " +
                     at->second.shownName);
    }

    const bool minors = std::any_of(normal.begin(), normal.end(),
                                    [](const auto& entry) { return entry.first > kMajorCards; });
    const int wanted = minors ? kAllCards : kMajorCards;
    for (int card = 1; card <= wanted; ++card) {
        if (!normal.count(card))
            plan.missing.push_back(card);
    }
    if (plan.missing.empty() && !normal.empty())
        plan.deckSize = wanted;
    for (auto& [card, picture] : normal)
        plan.normal.push_back(picture);
    for (auto& [card, picture] : reversed) {
        if (normal.count(card))
            plan.reversed.push_back(picture);
        else
            plan.unplaced.push_back(
                {picture.shownName, "card " + std::to_string(card) + " has no normal picture"});
    }
    return plan;
}

Lines deckInformationLines(const DeckInformation& information, int deckSize)
{
    Lines lines;
    const auto section = [&](const std::string& name, const std::string& value) {
        const std::string text = trimmed(value);
        if (text.empty())
            return;
        lines.push_back("[" + name + "]");
        lines.push_back(escaped(text));
        lines.push_back("[/" + name + "]");
    };
    section("DESIGNER", information.designer);
    section("CARDS", std::to_string(deckSize));
    section("YEAR", information.year);
    section("COUNTRY", information.country);
    const Lines description = splitLines(information.description);
    if (std::any_of(description.begin(), description.end(),
                    [](const std::string& line) { return !trimmed(line).empty(); })) {
        lines.emplace_back("[DESCRIPTION]");
        for (const std::string& line : description)
            lines.push_back(escaped(line) + "<br />");
        lines.emplace_back("[/DESCRIPTION]");
    }
    return lines;
}

std::string checkedDeckName(std::string_view name)
{
    const std::string deck = trimmed(name);
    if (deck.empty())
        throw Error("Please, give the deck a name.");
    if (deck.front() == '.')
        throw Error("A deck name cannot start with a dot.");
    if (deck.find_first_of("/\\[]") != std::string::npos)
        throw Error("A deck name cannot hold \"/\", \"\\\", \"[\" or \"]\".");
    return deck;
}

std::string replaceDeckQuestion(const std::string& name)
{
    return "There is already a deck \"" + name + "\". Replace it with the imported pictures?";
}

bool importDeck(const ProgramFolder& folder, const std::string& name, const ImportPlan& plan,
                const DeckInformation& information, const PictureDecoder& decode,
                Prompter& prompter)
{
    const std::string deck = checkedDeckName(name);
    if (!plan.complete())
        throw Error("The pictures do not make a deck of 22 or 78 cards.");
    const fs::path cards = folder.cards();
    const fs::path target = cards / deck;
    std::error_code ec;
    const bool replacing = fs::exists(fs::symlink_status(target, ec));
    if (replacing && prompter.ask(replaceDeckQuestion(deck)) != Answer::Yes)
        return false;

    fs::create_directories(cards);
    const fs::path building = freeSibling(cards, ".import-" + deck + "-");
    try {
        buildDeck(building, plan, information, decode);
        if (replacing) {
            const fs::path old = freeSibling(cards, ".replaced-" + deck + "-");
            fs::rename(target, old);
            try {
                fs::rename(building, target);
            } catch (...) {
                fs::rename(old, target, ec);
                throw;
            }
            fs::remove_all(old, ec);
        } else {
            fs::rename(building, target);
        }
    } catch (const fs::filesystem_error& error) {
        fs::remove_all(building, ec);
        throw Error("The deck \"" + deck + "\" could not be made: " + error.code().message() + ".");
    } catch (...) {
        fs::remove_all(building, ec);
        throw;
    }
    return true;
}

} // namespace kestrava
