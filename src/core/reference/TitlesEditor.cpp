#include "core/reference/TitlesEditor.h"

namespace kestrava {

const std::vector<TitleField>& titleFields()
{
    static const std::vector<TitleField> fields = [] {
        std::vector<TitleField> all;
        all.push_back({TitleSet::kBlank, "t0", "0", "", "", TitleGroup::Blank, true});
        for (int i = 1; i <= 22; ++i)
            all.push_back({TitleSet::kFirstMajor + i - 1, "t" + std::to_string(i),
                           std::to_string(i), "", "", TitleGroup::Majors, true});
        static const char* const kSuits[][3] = {{"EditWands", "Fire", "Label15"},
                                                {"EditCups", "Water", "Label16"},
                                                {"EditSwords", "Air", "Label17"},
                                                {"EditCoins", "Earth", "Label18"}};
        for (int s = 0; s < 4; ++s)
            all.push_back({TitleSet::kFirstSuit + s, kSuits[s][0], kSuits[s][1], kSuits[s][2], "",
                           TitleGroup::Minors, true});
        static const char* const kRanks[] = {"Ace", "Two",   "Three", "Four", "Five",
                                             "Six", "Seven", "Eight", "Nine", "Ten"};
        for (int k = 1; k <= 14; ++k) {
            const bool court = k > 10;
            all.push_back({TitleSet::kFirstRank + k - 1, "m" + std::to_string(k),
                           k == 1 ? "Ace (1)" : std::to_string(k), k == 1 ? "Label2" : "",
                           court ? "" : kRanks[k - 1], TitleGroup::Minors, court});
        }
        all.push_back({TitleSet::kDivider, "m0", "Use special divider", "Label12", "of",
                       TitleGroup::Minors, false});
        return all;
    }();
    return fields;
}

const std::vector<std::string>& titleSuggestionsFor(std::string_view field)
{
    static const std::vector<std::string> none;
    for (const auto& [name, texts] : titleSuggestions()) {
        if (name == field)
            return texts;
    }
    return none;
}

bool switchTitleSet(const ProgramFolder& folder, bool wantDefault, bool& defaultInForce,
                    TitleSet& fields)
{
    if (wantDefault == defaultInForce)
        return false;
    TitleSet loaded = fields;
    loadTitleSet(folder, wantDefault, loaded);
    fields = std::move(loaded);
    defaultInForce = wantDefault;
    return true;
}

} // namespace kestrava
