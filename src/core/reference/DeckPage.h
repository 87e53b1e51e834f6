#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

struct Preferences;

// cards/preview.srml: an XHTML page despite its name, kept among the decks so
// the relative picture paths of the page resolve inside the deck folders.
std::filesystem::path deckPageFile(const ProgramFolder& folder);

// The page about one deck: its name, the fields of its info.srml, its
// info.ka, and the tables of its normal pictures, the suits only for a deck
// of exactly "78" files. Throws where a file of the deck cannot be read.
Lines deckPage(const ProgramFolder& folder, const std::string& deck, std::string_view deckSize,
               const std::vector<std::string>& titles, const Preferences& preferences);

struct ShownDeck
{
    std::string size;         // the count of the deck's normal/ folder
    bool pageWritten = false; // the deck page file holds this deck's page
};

// Measures the deck, then builds its page and saves it over the deck page
// file. A failure after the measuring abandons the page without a word:
// nothing is written and the size stays.
ShownDeck showDeck(const ProgramFolder& folder, const std::string& deck,
                   const std::vector<std::string>& titles, const Preferences& preferences);

} // namespace kestrava
