#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrava {

// The 42 texts titles are composed from, in the order of the title document:
// blank card, 22 majors, four suits, 14 rank words, divider.
struct TitleSet
{
    static constexpr int kCount = 42;
    static constexpr int kBlank = 0;
    static constexpr int kFirstMajor = 1;
    static constexpr int kFirstSuit = 23;
    static constexpr int kFirstRank = 27;
    static constexpr int kDivider = 41;

    std::array<std::string, kCount> fields;

    std::string& suit(int s) { return fields[static_cast<std::size_t>(kFirstSuit + s)]; }
    std::string& rank(int k) { return fields[static_cast<std::size_t>(kFirstRank + k - 1)]; }
    std::string& divider() { return fields[kDivider]; }

    bool operator==(const TitleSet&) const = default;
};

std::filesystem::path titleDocumentPath(const ProgramFolder& folder, bool defaultTitles);

// Reads the title document in force into the fields one by one; a missing
// document or line stops with an error, leaving the fields before it changed.
void loadTitleSet(const ProgramFolder& folder, bool defaultTitles, TitleSet& titles);
void saveCustomTitleSet(const ProgramFolder& folder, const TitleSet& titles);

// The 79 display titles indexed by card identifier.
std::vector<std::string> composeTitleList(const TitleSet& titles);

// Drop-down suggestions of the title editor: field name and its texts.
const std::vector<std::pair<std::string, std::vector<std::string>>>& titleSuggestions();

} // namespace kestrava
