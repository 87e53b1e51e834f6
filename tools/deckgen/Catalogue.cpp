#include "Catalogue.h"

namespace kestrava::deckgen {
namespace {

const char* const kMajors[kMajorCount] = {
    "The Magician", "The High Priestess", "The Empress", "The Emperor", "The Hierophant",
    "The Lovers",   "The Chariot",        "Justice",     "The Hermit",  "The Wheel of Fortune",
    "Strength",     "The Hanged Man",     "Death",       "Temperance",  "The Devil",
    "The Tower",    "The Star",           "The Moon",    "The Sun",     "Judgement",
    "The Fool",     "The World"};

const char* const kRanks[14] = {"Ace",   "Two",  "Three", "Four", "Five",   "Six",   "Seven",
                                "Eight", "Nine", "Ten",   "Page", "Knight", "Queen", "King"};

const char* const kSuits[4] = {"Wands", "Cups", "Swords", "Coins"};

QString roman(int number)
{
    static const std::pair<int, const char*> kDigits[] = {
        {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}};
    QString text;
    for (const auto& [value, digits] : kDigits) {
        while (number >= value) {
            text += QLatin1String(digits);
            number -= value;
        }
    }
    return text;
}

} // namespace

QString majorTitle(int id)
{
    return QLatin1String(kMajors[id - 1]);
}

QString rankWord(int rank)
{
    return QLatin1String(kRanks[rank - 1]);
}

QString suitWord(int suit)
{
    return QLatin1String(kSuits[suit]);
}

QString majorNumeral(int id)
{
    if (id == 21) {
        return QStringLiteral("0");
    }
    return roman(id == 22 ? 21 : id);
}

} // namespace kestrava::deckgen
