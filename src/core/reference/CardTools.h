#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrava {

struct Preferences;

// The card pickers of the descriptions editor and the card tools: the titles
// of cards 1-78 for a deck of "78" files, 1-22 for "22"; for any other deck
// nothing, and the pickers keep what they hold. Entry i stands for card i + 1.
std::optional<std::vector<std::string>> cardPickerEntries(const std::vector<std::string>& titles,
                                                          std::string_view deckSize);

// A tool's button works once a card is picked and a deck or source is checked.
bool toolButtonEnabled(bool cardSelected, const std::vector<bool>& checks);

std::filesystem::path comparePageFile(const ProgramFolder& folder);  // xfiles/cc.srml
std::filesystem::path readCardPageFile(const ProgramFolder& folder); // xfiles/rc.srml

// The normal picture of card `card` from every checked deck that has it, side
// by side in deck-list order, by absolute path. `title` is the card's title.
Lines comparePage(const ProgramFolder& folder, int card, const std::string& title,
                  const std::vector<std::string>& decks, const std::vector<bool>& checks,
                  const Preferences& preferences);

// What every checked source says about the card, normal then reversed, one
// block per source in list order under the source's own name. A source that
// cannot be read stops with an error.
Lines readCardPage(const ProgramFolder& folder, int card, const std::string& title,
                   const std::vector<std::string>& sources, const std::vector<bool>& checks,
                   const Preferences& preferences);

// The cards from 1 to lastCard whose descriptions in the checked sources,
// normal and reversed taken together, hold every word of the query, in
// identifier order. Words match inside other words and ignore letter case;
// markup does not count as text. A query without words finds nothing; a
// source that cannot be read stops with an error.
std::vector<int> cardsDescribedBy(const ProgramFolder& folder, std::string_view query,
                                  const std::vector<std::string>& sources,
                                  const std::vector<bool>& checks, int lastCard);

} // namespace kestrava
