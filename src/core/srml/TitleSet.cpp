#include "core/srml/TitleSet.h"

#include "core/Error.h"

namespace kestrava {

std::filesystem::path titleDocumentPath(const ProgramFolder& folder, bool defaultTitles)
{
    return folder.titles() / (defaultTitles ? "default.srml" : "custom.srml");
}

void loadTitleSet(const ProgramFolder& folder, bool defaultTitles, TitleSet& titles)
{
    const auto path = titleDocumentPath(folder, defaultTitles);
    const Lines lines = readLines(path);
    for (std::size_t i = 0; i < titles.fields.size(); ++i) {
        if (i >= lines.size())
            throw Error("The title document \"" + path.string() + "\" has only " +
                        std::to_string(lines.size()) + " of its " +
                        std::to_string(TitleSet::kCount) + " lines.");
        titles.fields[i] = lines[i];
    }
}

void saveCustomTitleSet(const ProgramFolder& folder, const TitleSet& titles)
{
    writeLines(titleDocumentPath(folder, false), Lines(titles.fields.begin(), titles.fields.end()));
}

std::vector<std::string> composeTitleList(const TitleSet& titles)
{
    std::vector<std::string> list(titles.fields.begin(), titles.fields.begin() + 23);
    list.reserve(79);
    const std::string& divider = titles.fields[TitleSet::kDivider];
    const std::string dividerPart = divider.empty() ? std::string() : divider + " ";
    for (int s = 0; s < 4; ++s) {
        const std::string& suit = titles.fields[static_cast<std::size_t>(TitleSet::kFirstSuit + s)];
        for (int k = 1; k <= 14; ++k) {
            const std::string& rank =
                titles.fields[static_cast<std::size_t>(TitleSet::kFirstRank + k - 1)];
            list.push_back(rank + " " + dividerPart + suit);
        }
    }
    return list;
}

const std::vector<std::pair<std::string, std::vector<std::string>>>& titleSuggestions()
{
    static const std::vector<std::pair<std::string, std::vector<std::string>>> suggestions = {
        {"t1", {"The Magician", "The Mage"}},
        {"t2", {"The High Priestess", "The Popess"}},
        {"t3", {"The Empress", "The Nature"}},
        {"t4", {"The Emperor", "The Master"}},
        {"t5", {"The High Priest", "The Hierophant", "The Pope"}},
        {"t6", {"The Lover", "The Lovers", "The Two Ways", "The Two Roads"}},
        {"t7", {"The Chariot", "The Cart", "The Victory", "The Triumph"}},
        {"t8", {"Justice", "Adjustment", "Karma"}},
        {"t9", {"The Hermit", "The Inner Light"}},
        {"t10", {"The Wheel of Fortune", "The Wheel", "The Fortune"}},
        {"t11", {"The Force", "Strength", "Lust"}},
        {"t12", {"The Hanged Man"}},
        {"t13", {"Death"}},
        {"t14", {"Temperance", "The Harmony", "Art"}},
        {"t15", {"The Devil"}},
        {"t16", {"The Tower", "The House of God"}},
        {"t17", {"The Star", "The Stars", "The Hope"}},
        {"t18", {"The Moon"}},
        {"t19", {"The Sun", "Ra"}},
        {"t20",
         {"Judgement", "The Judgement Day", "The Last Judgement", "The Aeon", "Resurrection",
          "Rejuvenation"}},
        {"t21", {"The Fool", "The Foolish Man", "The Madman"}},
        {"t22", {"The World", "The Universe"}},
        {"m11", {"Princess", "Page", "Knave", "Daughter", "Sister"}},
        {"m12", {"Prince", "Knight", "Son", "Brother"}},
        {"m13", {"Queen", "Mother"}},
        {"m14", {"King", "Father"}},
        {"EditWands", {"Wands", "Rods", "Staffs", "Earth"}},
        {"EditCups", {"Cups", "Chalices", "Water"}},
        {"EditSwords", {"Swords", "Spades", "Knifes", "Wind", "Air"}},
        {"EditCoins", {"Coins", "Disks", "Pentacles", "Spheres", "Diamonds", "Earth"}},
    };
    return suggestions;
}

} // namespace kestrava
