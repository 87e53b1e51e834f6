#include "core/reference/CardTools.h"

#include "core/cards/Card.h"
#include "core/reference/ReferencePage.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SectionReader.h"

#include <algorithm>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

bool checked(const std::vector<bool>& checks, std::size_t k)
{
    return k < checks.size() && checks[k];
}

// The text of description lines without their markup, folded to lower case,
// one blank between lines so words of two lines do not run together.
std::string searchableText(const Lines& lines)
{
    std::string text;
    for (const std::string& line : lines) {
        bool inTag = false;
        for (const char c : line) {
            if (c == '<')
                inTag = true;
            else if (c == '>')
                inTag = false;
            else if (!inTag)
                text += foldCase(c);
        }
        text += ' ';
    }
    return text;
}

std::vector<std::string> queryWords(std::string_view query)
{
    std::vector<std::string> words;
    std::string word;
    for (const char c : query) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += foldCase(c);
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

} // namespace

std::optional<std::vector<std::string>> cardPickerEntries(const std::vector<std::string>& titles,
                                                          std::string_view deckSize)
{
    int count = 0;
    if (deckSize == "78")
        count = kAllCards;
    else if (deckSize == "22")
        count = kMajorCards;
    else
        return std::nullopt;
    const auto last = std::min<std::size_t>(static_cast<std::size_t>(count) + 1, titles.size());
    if (last <= 1)
        return std::vector<std::string>();
    return std::vector<std::string>(titles.begin() + 1,
                                    titles.begin() + static_cast<std::ptrdiff_t>(last));
}

bool toolButtonEnabled(bool cardSelected, const std::vector<bool>& checks)
{
    return cardSelected && std::find(checks.begin(), checks.end(), true) != checks.end();
}

fs::path comparePageFile(const ProgramFolder& folder)
{
    return folder.xfiles() / "cc.srml";
}

fs::path readCardPageFile(const ProgramFolder& folder)
{
    return folder.xfiles() / "rc.srml";
}

Lines comparePage(const ProgramFolder& folder, int card, const std::string& title,
                  const std::vector<std::string>& decks, const std::vector<bool>& checks,
                  const Preferences& preferences)
{
    Lines page;
    appendReferencePageStart(page, preferences, title);
    const fs::path cards = fs::absolute(folder.cards());
    for (std::size_t k = 0; k < decks.size(); ++k) {
        if (!checked(checks, k))
            continue;
        const fs::path picture = cardPicturePath(cards / decks[k], kNormal, std::to_string(card));
        std::error_code ec;
        if (fs::is_regular_file(picture, ec))
            page.push_back(R"(<img src=")" + picture.string() +
                           R"(" class="ic" height="233" width="144" border="0" alt="" /> )");
    }
    page.emplace_back(kReferencePageEnd);
    return page;
}

Lines readCardPage(const ProgramFolder& folder, int card, const std::string& title,
                   const std::vector<std::string>& sources, const std::vector<bool>& checks,
                   const Preferences& preferences)
{
    Lines page;
    appendReferencePageStart(page, preferences, title);
    SectionSources reader(folder);
    reader.descriptionSources = sources;
    const std::string normal = cardSectionName(card, kNormal);
    const std::string reversed = cardSectionName(card, kReversed);
    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (!checked(checks, k))
            continue;
        reader.currentSourcePosition = static_cast<int>(k);
        page.push_back(R"(<div class="desPREVIEW" style="margin-bottom:5px"><div )"
                       R"(style="margin-top:5px; font-weight:bold; color:#666666">)" +
                       sources[k] + ":</div><br />");
        const Lines normalText = reader.read(normal, "CDS1");
        page.insert(page.end(), normalText.begin(), normalText.end());
        page.emplace_back(R"(<br /><br />"Reversed Card":<br /><br />)");
        const Lines reversedText = reader.read(reversed, "CDS1");
        page.insert(page.end(), reversedText.begin(), reversedText.end());
        page.emplace_back("</div><br />");
    }
    page.emplace_back(kReferencePageEnd);
    return page;
}

} // namespace kestrava

namespace kestrava {

std::vector<int> cardsDescribedBy(const ProgramFolder& folder, std::string_view query,
                                  const std::vector<std::string>& sources,
                                  const std::vector<bool>& checks, int lastCard)
{
    const std::vector<std::string> words = queryWords(query);
    if (words.empty())
        return {};
    SectionSources reader(folder);
    reader.descriptionSources = sources;
    std::vector<std::string> texts(static_cast<std::size_t>(std::max(lastCard, 0)) + 1);
    for (std::size_t k = 0; k < sources.size(); ++k) {
        if (!checked(checks, k))
            continue;
        reader.currentSourcePosition = static_cast<int>(k);
        const Lines document = reader.load("CDS1");
        for (int card = 1; card <= lastCard; ++card) {
            auto& text = texts[static_cast<std::size_t>(card)];
            text += searchableText(findSection(document, cardSectionName(card, kNormal)));
            text += searchableText(findSection(document, cardSectionName(card, kReversed)));
        }
    }
    std::vector<int> found;
    for (int card = 1; card <= lastCard; ++card) {
        const std::string& text = texts[static_cast<std::size_t>(card)];
        if (std::all_of(words.begin(), words.end(), [&](const std::string& word) {
                return text.find(word) != std::string::npos;
            }))
            found.push_back(card);
    }
    return found;
}

} // namespace kestrava
