#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// Reading a card picture's file name: the ways decks name their pictures,
// mapped onto the program's card identifiers.

// How bare numbers in picture names count the cards.
enum class Numbering {
    Detect,      // from the numbers the folder holds
    Identifiers, // the program's own: 1-22 the trumps (21 the Fool), 23-78 the suits
    Common,      // 00-77: the Fool as 00, the trumps in their order, wands, cups, swords, pentacles
};

enum class PictureRole { Card, Back, Blank, Unknown };

// What one picture's name says about it.
struct NameReading
{
    PictureRole role = PictureRole::Unknown;
    int card = 0; // the identifier, when the name carries a suit and rank or a trump's name
    std::optional<int> number; // a bare number, counted by the folder's numbering
    bool reversed = false;     // the name says the card lies reversed
};

// The words and numbers of a name, in lower case: "07_The-Chariot" gives
// "07", "the", "chariot"; "AceOfCups" gives "ace", "of", "cups".
using NameTokens = std::vector<std::string>;
NameTokens nameTokens(std::string_view stem);
bool isNumberToken(const std::string& token);
// What the words of a name say about its picture.
NameReading readNameTokens(NameTokens tokens);

// Reads a file name without its extension: "cups-ace", "Ace of Cups", "wands03",
// "the-fool", "07 The Chariot", "back", "36". Letter case and separators do not matter.
NameReading readPictureName(std::string_view stem);

// The identifier a bare number stands for, if any (0 in the program's
// numbering is the blank card).
std::optional<int> cardOfNumber(int number, Numbering numbering, bool strengthIsEight);

} // namespace kestrava
