#include "core/reference/DeckPage.h"

#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/reference/ReferencePage.h"
#include "core/srml/SectionReader.h"

#include <algorithm>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kTableLine =
    R"(<table cellspacing="0" cellpadding="4" width="1" border="0" class="deckview"><tbody>)";
constexpr std::string_view kTableEnd = "</tbody></table></div>";

struct Suit
{
    const char* heading;
    int first;
};
constexpr Suit kSuits[] = {
    {"Fire Suit", minorCardId(1, 1)},
    {"Water Suit", minorCardId(2, 1)},
    {"Air Suit", minorCardId(3, 1)},
    {"Earth Suit", minorCardId(4, 1)},
};

const std::string& titleOf(const std::vector<std::string>& titles, int id)
{
    if (id < 0 || id >= static_cast<int>(titles.size()))
        throw Error("The card title list has no title for card " + std::to_string(id) + ".");
    return titles[static_cast<std::size_t>(id)];
}

// Cells of cards first..last, three to a row; the last row takes the rest.
void appendCells(Lines& page, const std::string& prefix, const std::vector<std::string>& titles,
                 int first, int last)
{
    for (int id = first; id <= last; ++id) {
        const int column = (id - first) % 3;
        const bool rowStart = column == 0;
        const bool rowEnd = column == 2 || id == last;
        const std::string n = std::to_string(id);
        page.push_back(std::string(rowStart ? "<tr>" : "") +
                       R"(<td valign="top" align="center"><span class="cn">)" + n +
                       "</span><br />");
        page.push_back(R"(<img class="ic" height="233" src=")" + prefix + n +
                       R"(.jpg" width="144" border="0" alt="" /><br />)");
        page.push_back(titleOf(titles, id) + "</td>" + (rowEnd ? "</tr>" : ""));
    }
}

void appendInformation(Lines& page, const ProgramFolder& folder, const std::string& deck)
{
    SectionSources sources(folder);
    sources.selectedDeck = deck;
    static const std::pair<const char*, const char*> kFields[] = {
        {"DESIGNER", "Designer:"},
        {"CARDS", "Number of cards:"},
        {"YEAR", "Year:"},
        {"COUNTRY", "Country:"},
    };
    for (const auto& [section, label] : kFields) {
        const Lines lines = sources.read(section, "MC");
        if (!lines.empty() && !lines.front().empty())
            page.push_back(std::string(R"(<span class="ch">)") + label + "</span> " +
                           lines.front() + "<br />");
    }
    const Lines description = sources.read("DESCRIPTION", "MC");
    page.emplace_back(R"(<span class="ch">Description:</span> )");
    page.insert(page.end(), description.begin(), description.end());
}

} // namespace

fs::path deckPageFile(const ProgramFolder& folder)
{
    return folder.cards() / "preview.srml";
}

Lines deckPage(const ProgramFolder& folder, const std::string& deck, std::string_view deckSize,
               const std::vector<std::string>& titles, const Preferences& preferences)
{
    // Relative to cards/, and a web path whatever the platform's separator.
    const std::string prefix = deck + "/normal/";
    Lines page;
    appendReferencePageStart(page, preferences, deck);

    const fs::path deckFolder = folder.deckFolder(deck);
    std::error_code ec;
    if (fs::exists(deckFolder / "info.srml", ec))
        appendInformation(page, folder, deck);
    if (fs::exists(deckFolder / "info.ka", ec)) {
        const Lines notes = readLines(deckFolder / "info.ka");
        page.insert(page.end(), notes.begin(), notes.end());
    }

    page.emplace_back(R"(<br /><br /><div class="deckview">)");
    page.emplace_back(R"(<span class="tn">Trumps</span><br /><br />)");
    page.emplace_back(kTableLine);
    appendCells(page, prefix, titles, 1, kMajorCards);
    page.emplace_back(kTableEnd);

    if (deckSize == "78") {
        for (const Suit& suit : kSuits) {
            page.emplace_back(R"(<br /><div class="deckview">)");
            page.push_back(std::string(R"(<span class="tn">)") + suit.heading +
                           "</span><br /><br />");
            page.emplace_back(kTableLine);
            appendCells(page, prefix, titles, suit.first, suit.first + 13);
            page.emplace_back(kTableEnd);
        }
    }
    page.emplace_back(kReferencePageEnd);
    return page;
}

ShownDeck showDeck(const ProgramFolder& folder, const std::string& deck,
                   const std::vector<std::string>& titles, const Preferences& preferences)
{
    ShownDeck shown;
    shown.size = deckSize(folder.deckFolder(deck));
    try {
        writeLines(deckPageFile(folder), deckPage(folder, deck, shown.size, titles, preferences));
        shown.pageWritten = true;
    } catch (const std::exception&) {
        // The view keeps the page it showed; the deal still has the new size.
    }
    return shown;
}

} // namespace kestrava
