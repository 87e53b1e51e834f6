#pragma once

#include "core/diary/ReadingStore.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace kestrava::test {

// A card laid on a position: its identifier (-1 for a position not laid yet)
// and whether it lies reversed.
struct Laid
{
    int card = 1;
    bool reversed = false;
};

// A saved reading with just what the statistics look at.
struct ReadingFacts
{
    std::vector<Laid> cards;
    std::string dateTime = "2024-03-05, 14-07";
    std::string spread = "Three Cards";
    // Meaning j of the positions; "Meaning j" where none is given.
    std::vector<std::string> meanings;

    ReadingFacts on(std::string text) const;
    ReadingFacts of(std::string name) const;
    ReadingFacts meaning(std::vector<std::string> texts) const;
};

// A reading of these cards, dated 5 March 2024, of "Three Cards".
ReadingFacts laid(std::vector<Laid> cards);

// Writes the reading into the store as entry `name`, a document of the store's
// kind (readers find its sections by name). Returns the file written.
std::filesystem::path writeReading(const TempProgramFolder& home, Store store,
                                   const std::string& name, const ReadingFacts& facts);

} // namespace kestrava::test
