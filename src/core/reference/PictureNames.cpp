#include "core/reference/PictureNames.h"

#include "core/TextFile.h"
#include "core/cards/Card.h"

#include <algorithm>
#include <map>

namespace kestrava {

namespace {

constexpr int kFool = 21;
constexpr int kWorld = 22;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    // Bytes beyond ASCII belong to words of other alphabets.
    return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80;
}

} // namespace

// "07_The-Chariot" -> "07", "the", "chariot"; "wands03" -> "wands", "03";
// "AceOfCups" -> "ace", "of", "cups".
NameTokens nameTokens(std::string_view stem)
{
    NameTokens tokens;
    std::string current;
    bool digits = false;
    char before = ' ';
    for (const char raw : stem) {
        const char c = foldCase(raw);
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

bool isNumberToken(const std::string& token)
{
    return !token.empty() && isDigit(token.front());
}

namespace {

std::optional<int> numberOf(const std::string& token)
{
    if (!isNumberToken(token) || token.size() > 3)
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
    NameTokens words;
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
            all.push_back({nameTokens(phrase), card});
        return all;
    }();
    return names;
}

bool contains(const NameTokens& tokens, const NameTokens& phrase)
{
    return std::search(tokens.begin(), tokens.end(), phrase.begin(), phrase.end()) != tokens.end();
}

bool hasAny(const NameTokens& tokens, std::initializer_list<std::string_view> words)
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

} // namespace

NameReading readNameTokens(NameTokens tokens)
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

NameReading readPictureName(std::string_view stem)
{
    return readNameTokens(nameTokens(stem));
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

} // namespace kestrava
