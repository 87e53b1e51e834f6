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

using Tokens = std::vector<std::string>;

constexpr int kFool = 21;
constexpr int kWorld = 22;

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    // Bytes beyond ASCII belong to words of other alphabets.
    return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}

// "07_The-Chariot" -> "07", "the", "chariot"; "wands03" -> "wands", "03";
// "AceOfCups" -> "ace", "of", "cups".
Tokens tokensOf(std::string_view stem)
{
    Tokens tokens;
    std::string current;
    bool digits = false;
    char before = ' ';
    for (const char raw : stem) {
        const char c = lower(raw);
        const bool digit = isDigit(c);
        const bool wordStart = raw >= 'A' && raw <= 'Z' && before >= 'a' && before <= 'z';
        before = raw;
        if (!digit && !isLetter(c)) {
            if (!current.empty())
                tokens.push_back(current);
            current.clear();
            continue;
        }
        if (!current.empty() && (digit != digits || wordStart)) {
            tokens.push_back(current);
            current.clear();
        }
        digits = digit;
        current += c;
    }
    if (!current.empty())
        tokens.push_back(current);
    return tokens;
}

bool isNumber(const std::string& token)
{
    return !token.empty() && isDigit(token.front());
}

std::optional<int> numberOf(const std::string& token)
{
    if (!isNumber(token) || token.size() > 3)
        return std::nullopt;
    return std::stoi(token);
}

const std::map<std::string, int>& suitWords()
{
    static const std::map<std::string, int> words = {
        {"wands", 0},     {"wand", 0},     {"batons", 0}, {"baton", 0},   {"rods", 0},
        {"rod", 0},       {"staves", 0},   {"staffs", 0}, {"staff", 0},   {"clubs", 0},
        {"fire", 0},      {"wa", 0},       {"cups", 1},   {"cup", 1},     {"chalices", 1},
        {"chalice", 1},   {"hearts", 1},   {"water", 1},  {"cu", 1},      {"swords", 2},
        {"sword", 2},     {"spades", 2},   {"blades", 2}, {"air", 2},     {"sw", 2},
        {"pentacles", 3}, {"pentacle", 3}, {"coins", 3},  {"coin", 3},    {"disks", 3},
        {"disk", 3},      {"discs", 3},    {"disc", 3},   {"deniers", 3}, {"diamonds", 3},
        {"earth", 3},     {"pe", 3},       {"pents", 3}};
    return words;
}

const std::map<std::string, int>& rankWords()
{
    static const std::map<std::string, int> words = {
        {"ace", 1},       {"as", 1},     {"one", 1},    {"two", 2},     {"three", 3},
        {"four", 4},      {"five", 5},   {"six", 6},    {"seven", 7},   {"eight", 8},
        {"nine", 9},      {"ten", 10},   {"page", 11},  {"knave", 11},  {"jack", 11},
        {"princess", 11}, {"valet", 11}, {"pa", 11},    {"knight", 12}, {"prince", 12},
        {"cavalier", 12}, {"kn", 12},    {"queen", 13}, {"qu", 13},     {"king", 14},
        {"ki", 14}};
    return words;
}

struct TrumpName
{
    Tokens words;
    int card;
};

// The usual names of the trumps, by the program's identifiers (21 the Fool).
const std::vector<TrumpName>& trumpNames()
{
    static const std::vector<TrumpName> names = [] {
        const std::vector<std::pair<const char*, int>> phrases = {{"high priestess", 2},
                                                                  {"highpriestess", 2},
                                                                  {"high priest", 5},
                                                                  {"wheel fortune", 10},
                                                                  {"wheeloffortune", 10},
                                                                  {"hanged man", 12},
                                                                  {"hangedman", 12},
                                                                  {"house god", 16},
                                                                  {"last judgement", 20},
                                                                  {"magician", 1},
                                                                  {"magus", 1},
                                                                  {"mage", 1},
                                                                  {"juggler", 1},
                                                                  {"bateleur", 1},
                                                                  {"priestess", 2},
                                                                  {"popess", 2},
                                                                  {"papess", 2},
                                                                  {"empress", 3},
                                                                  {"emperor", 4},
                                                                  {"hierophant", 5},
                                                                  {"pope", 5},
                                                                  {"priest", 5},
                                                                  {"lovers", 6},
                                                                  {"lover", 6},
                                                                  {"chariot", 7},
                                                                  {"justice", 8},
                                                                  {"adjustment", 8},
                                                                  {"hermit", 9},
                                                                  {"wheel", 10},
                                                                  {"fortune", 10},
                                                                  {"strength", 11},
                                                                  {"force", 11},
                                                                  {"fortitude", 11},
                                                                  {"lust", 11},
                                                                  {"hanged", 12},
                                                                  {"death", 13},
                                                                  {"temperance", 14},
                                                                  {"art", 14},
                                                                  {"devil", 15},
                                                                  {"tower", 16},
                                                                  {"star", 17},
                                                                  {"stars", 17},
                                                                  {"moon", 18},
                                                                  {"sun", 19},
                                                                  {"judgement", 20},
                                                                  {"judgment", 20},
                                                                  {"aeon", 20},
                                                                  {"fool", 21},
                                                                  {"madman", 21},
                                                                  {"world", 22},
                                                                  {"universe", 22}};
        std::vector<TrumpName> all;
        for (const auto& [phrase, card] : phrases)
            all.push_back({tokensOf(phrase), card});
        return all;
    }();
    return names;
}

bool contains(const Tokens& tokens, const Tokens& phrase)
{
    return std::search(tokens.begin(), tokens.end(), phrase.begin(), phrase.end()) != tokens.end();
}

bool hasAny(const Tokens& tokens, std::initializer_list<std::string_view> words)
{
    return std::any_of(tokens.begin(), tokens.end(), [&](const std::string& token) {
        return std::find(words.begin(), words.end(), token) != words.end();
    });
}

// Suits counted from 0 here, as the suit words have them.
int minorCard(int suit, int rank)
{
    return minorCardId(suit + 1, rank);
}

// Glued court names as some scans have them: "wapa", "cuki", "swkn".
std::optional<int> gluedCourt(const std::string& token)
{
    if (token.size() != 4)
        return std::nullopt;
    const auto suit = suitWords().find(token.substr(0, 2));
    const auto rank = rankWords().find(token.substr(2));
    if (suit == suitWords().end() || rank == rankWords().end() || rank->second < 11)
        return std::nullopt;
    return minorCard(suit->second, rank->second);
}

NameReading readTokens(Tokens tokens)
{
    NameReading reading;
    reading.reversed = hasAny(tokens, {"reversed", "reverse", "rev", "inverted"});
    // "of" and "the" join the words of a name without naming anything.
    tokens.erase(std::remove_if(tokens.begin(), tokens.end(),
                                [](const std::string& t) { return t == "of" || t == "the"; }),
                 tokens.end());

    std::optional<int> suit;
    std::optional<int> rankWord;
    std::optional<int> rankNumber;
    std::optional<int> firstNumber;
    for (const std::string& token : tokens) {
        if (const auto glued = gluedCourt(token)) {
            reading.role = PictureRole::Card;
            reading.card = *glued;
            return reading;
        }
        if (const auto s = suitWords().find(token); s != suitWords().end() && !suit)
            suit = s->second;
        else if (const auto r = rankWords().find(token); r != rankWords().end() && !rankWord)
            rankWord = r->second;
        else if (const auto n = numberOf(token)) {
            if (!firstNumber)
                firstNumber = n;
            if (*n >= 1 && *n <= 14)
                rankNumber = n;
        }
    }
    if (suit) {
        const std::optional<int> rank = rankWord ? rankWord : rankNumber;
        if (rank) {
            reading.role = PictureRole::Card;
            reading.card = minorCard(*suit, *rank);
        }
        return reading;
    }
    for (const TrumpName& name : trumpNames()) {
        if (contains(tokens, name.words)) {
            reading.role = PictureRole::Card;
            reading.card = name.card;
            return reading;
        }
    }
    if (firstNumber) {
        reading.role = PictureRole::Card;
        reading.number = firstNumber;
        return reading;
    }
    if (hasAny(tokens, {"back", "backs", "cardback", "backside", "rear"}))
        reading.role = PictureRole::Back;
    else if (hasAny(tokens, {"blank", "empty", "blanc"}))
        reading.role = PictureRole::Blank;
    return reading;
}

std::string lowerText(std::string text)
{
    for (char& c : text)
        c = lower(c);
    return text;
}

bool isPictureFile(const fs::path& file)
{
    const std::string extension = lowerText(file.extension().string());
    return extension == ".jpg" || extension == ".jpeg" || extension == ".png";
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

NameReading readPictureName(std::string_view stem)
{
    return readTokens(tokensOf(stem));
}

std::optional<int> cardOfNumber(int number, Numbering numbering, bool strengthIsEight)
{
    if (numbering == Numbering::Common) {
        if (number < 0 || number > 77)
            return std::nullopt;
        if (number == 0)
            return kFool;
        if (number == 21)
            return kWorld;
        if (number >= 22)
            return number + 1;
        if (strengthIsEight && number == 8)
            return 11;
        if (strengthIsEight && number == 11)
            return 8;
        return number;
    }
    if (number < 0 || number > kAllCards)
        return std::nullopt;
    return number;
}

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
    std::vector<Tokens> tokens;
    for (const SourcePicture& picture : pictures)
        tokens.push_back(tokensOf(picture.file.stem().string()));
    std::set<std::string> shared;
    if (pictures.size() >= 3) {
        shared.insert(tokens.front().begin(), tokens.front().end());
        for (const Tokens& t : tokens) {
            std::set<std::string> both;
            for (const std::string& token : t) {
                if (shared.count(token))
                    both.insert(token);
            }
            shared = std::move(both);
        }
    }
    std::vector<NameReading> readings;
    for (Tokens& t : tokens) {
        t.erase(std::remove_if(t.begin(), t.end(),
                               [&](const std::string& token) {
                                   return shared.count(token) && !isNumber(token);
                               }),
                t.end());
        readings.push_back(readTokens(t));
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
