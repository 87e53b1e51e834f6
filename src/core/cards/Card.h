#pragma once

#include "core/ProgramFolder.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace kestrava {

constexpr int kBlankCard = 0;
constexpr int kMajorCards = 22;
constexpr int kAllCards = 78;

inline constexpr std::string_view kNormal = "normal";
inline constexpr std::string_view kReversed = "reversed";
inline constexpr std::string_view kBlank = "blank";

// Minor card of suit 1..4 and rank 1..14.
constexpr int minorCardId(int suit, int rank)
{
    return 23 + 14 * (suit - 1) + (rank - 1);
}

// "NORMAL", "REVERSED", "BLANK": the word as description sections spell it.
std::string upperCaseWord(std::string_view orientationWord);

// Deck folder + word + "/" + identifier + ".jpg".
std::filesystem::path cardPicturePath(const std::filesystem::path& deckFolder,
                                      std::string_view orientationWord,
                                      std::string_view identifier);
// The deck's own back.jpg when it exists, otherwise cards/back.jpg.
std::filesystem::path cardBackPath(const ProgramFolder& folder,
                                   const std::filesystem::path& deckFolder);

// The number of files in the deck's normal/ folder, as decimal text. Only "22"
// and "78" make a deck one that can be dealt from.
std::string deckSize(const std::filesystem::path& deckFolder);

enum class Compatibility {
    Deal,           // a full deck: deal with the preferences as they stand
    DealMajorsOnly, // a deck of the majors: switch the card set to the 22 majors, then deal
    TooFewCards,    // show kTooFewCardsMessage, deal nothing
    NotADeck,       // neither kind: nothing happens
};

inline constexpr std::string_view kTooFewCardsMessage =
    "Please, Select another Tarot Deck for this spread. Because There're only 22 cards in the "
    "Deck You selected, but the Spread requires more cards.";

inline constexpr std::string_view kNoDeckMessage = "Please add a deck to the cards folder.";

Compatibility checkCompatibility(std::string_view deckSize, int spreadCards);

} // namespace kestrava
