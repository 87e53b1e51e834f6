#include "core/app/SettingsFile.h"

#include "core/Numbers.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SpreadDocument.h"
#include "core/srml/TitleSet.h"

namespace kestrava {

namespace {

std::string word(bool value)
{
    return value ? "true" : "false";
}

std::string selection(const std::optional<std::string>& entry)
{
    return entry.value_or(std::string());
}

std::string cardSetWord(CardSet set)
{
    switch (set) {
    case CardSet::Majors22:
        return "22";
    case CardSet::Minors56:
        return "56";
    case CardSet::All78:
        break;
    }
    return "78";
}

// Walks the settings lines in order; every accessor reports whether the
// reading may go on.
class LineReader
{
public:
    explicit LineReader(const Lines& lines) : m_lines(lines) {}

    // Line n (counting from 1), or nullptr when the file ends before it.
    const std::string* line(int n) const
    {
        return n <= static_cast<int>(m_lines.size()) ? &m_lines[static_cast<std::size_t>(n - 1)]
                                                     : nullptr;
    }

    bool boolean(int n, bool& value) const
    {
        const std::string* text = line(n);
        if (!text)
            return false;
        if (*text == "true")
            value = true;
        else if (*text == "false")
            value = false;
        return true;
    }

    bool text(int n, std::string& value) const
    {
        const std::string* text = line(n);
        if (!text)
            return false;
        value = *text;
        return true;
    }

    bool number(int n, int& value) const
    {
        const std::string* text = line(n);
        return text && tryToInteger(*text, value);
    }

    // An index into a list or a page group of the given size: outside the
    // range it selects nothing.
    bool index(int n, int size, int& value) const
    {
        int read = 0;
        if (!number(n, read))
            return false;
        value = (read >= 0 && read < size) ? read : -1;
        return true;
    }

    bool selection(int n, const std::vector<std::string>& entries,
                   std::optional<std::string>& value) const
    {
        const std::string* text = line(n);
        if (!text)
            return false;
        value.reset();
        for (const auto& entry : entries) {
            if (equalsIgnoringCase(entry, *text)) {
                value = entry;
                break;
            }
        }
        return true;
    }

private:
    const Lines& m_lines;
};

bool applyTitleChoice(const ProgramFolder& folder, const std::string& text, Preferences& p)
{
    if (text != "true" && text != "false")
        return true;
    const bool useDefault = text == "true";
    if (p.defaultTitles == useDefault)
        return true;
    p.defaultTitles = useDefault;
    // Switching the title set loads its document at once; a document that
    // cannot be loaded ends the reading here.
    try {
        TitleSet scratch;
        loadTitleSet(folder, useDefault, scratch);
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

} // namespace

Lines settingsLines(const Preferences& p)
{
    const bool remember = p.rememberWindowPosition;
    return {
        word(p.defaultTitles),
        selection(p.selectedHiddenSource),
        selection(p.selectedDeck),
        cardSetWord(p.cardSet),
        word(p.useBlankCards),
        word(p.addDateTime),
        word(p.rememberName),
        p.rememberName ? p.querentName : std::string(),
        std::to_string(p.selectedSpread),
        word(p.repeatCards),
        p.fileNameTemplate,
        word(p.reversedCards),
        word(p.blankLabelEnabled),
        p.blankLabel,
        word(p.normalLabelEnabled),
        p.normalLabel,
        word(p.reversedLabelEnabled),
        p.reversedLabel,
        p.blankCardCount,
        word(p.fullScreenCardTable),
        word(remember),
        std::to_string(remember ? p.windowLeft : 0),
        std::to_string(remember ? p.windowTop : 0),
        word(p.showCardTitles),
        word(p.showPositionNumbers),
        std::to_string(p.codePage),
        word(p.showMeanings),
        std::to_string(p.dateTimeFormat),
        word(p.addName),
        word(p.addQuestion),
        word(p.showFrames),
        word(p.showTexts),
        std::to_string(p.editorsPage),
        std::to_string(p.preferencesPage),
        p.lastUpdateCheck,
        p.savedReadingsStore == 2 ? "2" : "1",
        word(p.spreadEditorRowNumbers),
        word(p.spreadEditorColumnNumbers),
        word(p.spreadEditorSolidGrid),
        word(p.spreadEditorDashedGrid),
        p.associationState,
        std::to_string(p.spreadViewPage),
        std::to_string(p.cardTableView),
        word(p.screenshotHeader),
        word(p.screenshotFrame),
        word(p.screenshotCardNumbers),
        word(p.screenshotCardTitles),
        word(p.fullScreenManualChoice),
        word(p.faceDown),
        word(p.deckAtBottom),
        std::to_string(p.toolsPage),
        p.customBackAlways ? "FORCE_DBCI" : "IGNORE_DBCI",
    };
}

bool applySettingsLines(const ProgramFolder& folder, const Lines& lines, const SettingsLists& lists,
                        Preferences& p)
{
    const LineReader in(lines);
    const std::string* line = nullptr;

    if (!(line = in.line(1)) || !applyTitleChoice(folder, *line, p))
        return false;
    if (!in.selection(2, lists.descriptionSources, p.selectedHiddenSource) ||
        !in.selection(3, lists.decks, p.selectedDeck))
        return false;

    if (!(line = in.line(4)))
        return false;
    if (*line == "22")
        p.cardSet = CardSet::Majors22;
    else if (*line == "56")
        p.cardSet = CardSet::Minors56;
    else if (*line == "78")
        p.cardSet = CardSet::All78;

    if (!in.boolean(5, p.useBlankCards) || !in.boolean(6, p.addDateTime))
        return false;

    if (!(line = in.line(7)))
        return false;
    if (*line == "true" || *line == "false") {
        p.rememberName = *line == "true";
        if (!in.text(8, p.querentName))
            return false;
    }

    if (!in.index(9, lists.spreadCount, p.selectedSpread) || !in.boolean(10, p.repeatCards) ||
        !in.text(11, p.fileNameTemplate) || !in.boolean(12, p.reversedCards) ||
        !in.boolean(13, p.blankLabelEnabled) || !in.text(14, p.blankLabel) ||
        !in.boolean(15, p.normalLabelEnabled) || !in.text(16, p.normalLabel) ||
        !in.boolean(17, p.reversedLabelEnabled) || !in.text(18, p.reversedLabel) ||
        !in.text(19, p.blankCardCount) || !in.boolean(20, p.fullScreenCardTable))
        return false;

    if (!(line = in.line(21)))
        return false;
    if (*line == "true") {
        // The check box goes on first; each edge is taken as it is read.
        p.rememberWindowPosition = true;
        if (!in.number(22, p.windowLeft) || !in.number(23, p.windowTop))
            return false;
    } else if (*line == "false") {
        p.rememberWindowPosition = false;
    }

    if (!in.boolean(24, p.showCardTitles) || !in.boolean(25, p.showPositionNumbers) ||
        !in.index(26, static_cast<int>(Preferences::kCodePages.size()), p.codePage) ||
        !in.boolean(27, p.showMeanings) ||
        !in.index(28, static_cast<int>(Preferences::kDateTimeFormats.size()), p.dateTimeFormat) ||
        !in.boolean(29, p.addName) || !in.boolean(30, p.addQuestion) ||
        !in.boolean(31, p.showFrames) || !in.boolean(32, p.showTexts) ||
        !in.index(33, 4, p.editorsPage) || !in.index(34, 4, p.preferencesPage) ||
        !in.text(35, p.lastUpdateCheck))
        return false;

    if (!(line = in.line(36)))
        return false;
    if (*line == "1" || *line == "2")
        p.savedReadingsStore = *line == "1" ? 1 : 2;

    if (!in.boolean(37, p.spreadEditorRowNumbers) || !in.boolean(38, p.spreadEditorColumnNumbers) ||
        !in.boolean(39, p.spreadEditorSolidGrid) || !in.boolean(40, p.spreadEditorDashedGrid))
        return false;

    if (!(line = in.line(41)))
        return false;
    if (*line == "registered" || *line == "unregistered")
        p.associationState = *line;

    int view = 0;
    if (!in.index(42, 2, p.spreadViewPage) || !in.number(43, view) || view < -1 || view > 3)
        return false;
    p.cardTableView = view;

    if (!in.boolean(44, p.screenshotHeader) || !in.boolean(45, p.screenshotFrame) ||
        !in.boolean(46, p.screenshotCardNumbers) || !in.boolean(47, p.screenshotCardTitles) ||
        !in.boolean(48, p.fullScreenManualChoice) || !in.boolean(49, p.faceDown) ||
        !in.boolean(50, p.deckAtBottom) || !in.index(51, Preferences::kToolsPages, p.toolsPage))
        return false;

    if (!(line = in.line(52)))
        return false;
    if (*line == "FORCE_DBCI")
        p.customBackAlways = true;
    else if (*line == "IGNORE_DBCI")
        p.customBackAlways = false;
    return true;
}

void applySourceChecks(const Lines& lines, Preferences& p)
{
    const std::size_t count = std::min(lines.size(), p.sourceChecks.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (lines[k] == "1")
            p.sourceChecks[k] = true;
        else if (lines[k] == "0")
            p.sourceChecks[k] = false;
    }
}

void loadSettings(const ProgramFolder& folder, const SettingsLists& lists, Preferences& p)
{
    p.sourceChecks.resize(lists.descriptionSources.size(), false);
    try {
        const Lines lines = readLines(folder.xfiles() / kSettingsFileName);
        if (!applySettingsLines(folder, lines, lists, p))
            return;
        applySourceChecks(readLines(folder.xfiles() / kSourceChecksFileName), p);
    } catch (const std::exception&) {
        // A missing or unreadable settings file leaves the defaults in force.
    }
}

void saveSettings(const ProgramFolder& folder, const Preferences& p)
{
    try {
        writeLines(folder.xfiles() / kSettingsFileName, settingsLines(p));
        Lines checks;
        checks.reserve(p.sourceChecks.size());
        for (const bool checked : p.sourceChecks)
            checks.emplace_back(checked ? "1" : "0");
        writeLines(folder.xfiles() / kSourceChecksFileName, checks);
    } catch (const std::exception&) {
        // Settings are saved quietly at close; a folder that cannot be written
        // keeps the files of the last successful save.
    }
}

void selectFirstDeckIfNone(Preferences& p, const std::vector<std::string>& decks)
{
    if (!p.selectedDeck && !decks.empty())
        p.selectedDeck = decks.front();
}

SettingsLists settingsListsOf(const ProgramFolder& folder)
{
    SettingsLists lists;
    lists.decks = listFolders(folder.cards());
    lists.descriptionSources = listDescriptionSources(folder);
    lists.spreadCount = static_cast<int>(listSpreads(folder).size());
    return lists;
}

} // namespace kestrava
