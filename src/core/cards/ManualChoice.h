#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"

#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace kestrava {

inline constexpr int kBackCount = 78;
inline constexpr int kUnplaced = 1000; // the register's entry of a back still in the strip
inline constexpr int kBackWidth = 70;
inline constexpr int kBackHeight = 110;
inline constexpr int kStripWidth = 850;
inline constexpr int kStripTop = 5;
inline constexpr int kHoverDrop = 5;

struct TablePoint
{
    int x = 0;
    int y = 0;
    bool operator==(const TablePoint&) const = default;
};

// Back k (1..78) in the fan: a 10-pixel edge of each back shows.
TablePoint stripPlace(int back, bool hovered = false);
// The choice table doubles the design units and adds a 5-pixel margin.
TablePoint choicePlace(int designLeft, int designTop);
// How many backs the card set shows, and whether the strip then scrolls.
int shownBacks(CardSet set);
bool stripScrolls(CardSet set);
// The picture every back shows: cards/back.jpg when the custom back is
// always wanted, otherwise the deck's own back when it has one.
std::filesystem::path backPicture(const ProgramFolder& folder,
                                  const std::filesystem::path& deckFolder, bool customBackAlways);

// The pick/reveal state of one manual choice. The reading is dealt before;
// the k-th pick, whichever back it is, lays position k with draw k.
class ManualChoice
{
public:
    // fortune and mirrors are the rendered reading's draws (identifiers and
    // orientation words); lefts and tops the design layout of the spread.
    void start(CardSet set, bool faceDown, Lines fortune, Lines mirrors, Lines lefts, Lines tops);

    int total() const { return static_cast<int>(m_fortune.size()); }
    int remaining() const { return m_remaining; }
    bool isShown(int back) const;
    bool inStrip(int back) const;
    // The strip takes picks while cards remain and a shown back is left in it.
    bool stripEnabled() const;
    bool canContinue() const { return !stripEnabled(); }

    // The 0-based position back k lies on, or kUnplaced.
    int registerEntry(int back) const;
    bool isFaceUp(int back) const;
    TablePoint tablePlace(int back) const;

    // Lays back k on the next free position and returns that position, or
    // nothing when back k cannot be picked. A layout entry that is missing or
    // not a number throws before anything changes.
    std::optional<int> pick(int back);
    // Turns a placed back face up; false (nothing happens) for a back in the strip.
    bool reveal(int back);

    // Draw p's identifier, orientation word and picture in the deck folder.
    const std::string& identifier(int position) const;
    const std::string& orientation(int position) const;
    std::filesystem::path cardPicture(const std::filesystem::path& deckFolder, int position) const;

private:
    struct Back
    {
        int position = kUnplaced;
        bool faceUp = false;
        TablePoint place;
    };
    const Back& back(int k) const;

    CardSet m_set = CardSet::All78;
    bool m_faceDown = true;
    Lines m_fortune;
    Lines m_mirrors;
    Lines m_lefts;
    Lines m_tops;
    int m_remaining = 0;
    std::array<Back, kBackCount> m_backs{};
};

} // namespace kestrava
