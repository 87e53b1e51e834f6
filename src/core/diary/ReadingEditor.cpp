#include "core/diary/ReadingEditor.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/cards/Card.h"
#include "core/diary/ReadingStore.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

#include <cmath>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

std::string firstLine(const Lines& document, std::string_view name)
{
    const Lines lines = findSection(document, name);
    return lines.empty() ? std::string() : lines.front();
}

const std::string* lineAt(const Lines& lines, int position)
{
    if (position < 1 || position > static_cast<int>(lines.size()))
        return nullptr;
    return &lines[static_cast<std::size_t>(position - 1)];
}

} // namespace

int chooserCardCount(std::string_view deckSize)
{
    return deckSize == "22" ? kMajorCards + 1 : kAllCards + 1;
}

CardPlace editorPlace(std::string_view coordinates)
{
    const PositionText text = splitPosition(coordinates);
    const int x = toInteger(text.left);
    const int y = toInteger(text.top);
    return {static_cast<int>(std::lround(x * 4.4)) - 5, y * 5 - 5};
}

void ReadingEditor::open(const fs::path& file, const Lines& document, const fs::path& deckFolder)
{
    checkSavedReading(document, file.string());
    DiaryEntry entry;
    entry.person = firstLine(document, "PERSON");
    entry.cards = firstLine(document, "CARDS");
    entry.spreadName = firstLine(document, "SPREAD");
    entry.dateTime = firstLine(document, "DATETIME");
    entry.question = plainLines(findSection(document, "QUESTION"));
    entry.fortune = findSection(document, "FORTUNE");
    entry.mirrors = findSection(document, "MIRRORS");
    entry.description = findSection(document, "DESCRIPTION");
    entry.meanings = findSection(document, "MEANINGS");
    entry.positions = findSection(document, "POSITIONS");
    entry.comments = findSection(document, "COMMENTS");
    m_cards = toInteger(entry.cards);
    m_entry = std::move(entry);
    m_file = file;
    m_fileLines = document;
    m_deckFolder = deckFolder;
}

void ReadingEditor::startFromSpread(const Lines& spread, const fs::path& deckFolder)
{
    DiaryEntry entry;
    entry.spreadName = firstLine(spread, "SPREAD");
    entry.cards = firstLine(spread, "CARDS");
    const int n = kestrava::cardCount(findSection(spread, "CARDS"));
    if (n < 0)
        throw Error("The spread \"" + entry.spreadName + "\" has a negative number of cards.");
    entry.positions = findSection(spread, "POSITIONS");
    if (static_cast<int>(entry.positions.size()) < n)
        throw Error("The spread \"" + entry.spreadName + "\" has " + std::to_string(n) +
                    " cards but places only " + std::to_string(entry.positions.size()) + ".");
    for (int j = 0; j < n; ++j)
        editorPlace(entry.positions[static_cast<std::size_t>(j)]);
    entry.description = findSection(spread, "DESCRIPTION");
    entry.meanings = findSection(spread, "MEANINGS");
    entry.comments = findSection(spread, "COMMENTS");
    entry.fortune.assign(static_cast<std::size_t>(n), std::string());
    entry.mirrors.assign(static_cast<std::size_t>(n), std::string());
    m_entry = std::move(entry);
    m_cards = n;
    m_file.clear();
    m_fileLines.clear();
    m_deckFolder = deckFolder;
}

int ReadingEditor::shownPositions() const
{
    return std::min(m_cards, kEditorPositions);
}

CardPlace ReadingEditor::place(int position) const
{
    const std::string* line = lineAt(m_entry.positions, position);
    if (!line)
        throw Error("Position " + std::to_string(position) + " has no place in this reading.");
    return editorPlace(*line);
}

std::optional<int> ReadingEditor::cardAt(int position) const
{
    const std::string* line = lineAt(m_entry.fortune, position);
    int id = 0;
    if (!line || !tryToInteger(*line, id) || orientationAt(position).empty())
        return std::nullopt;
    return id;
}

std::string ReadingEditor::orientationAt(int position) const
{
    const std::string* line = lineAt(m_entry.mirrors, position);
    return line ? *line : std::string();
}

std::optional<fs::path> ReadingEditor::picture(int position) const
{
    const std::optional<int> card = cardAt(position);
    if (!card)
        return std::nullopt;
    return cardPicturePath(m_deckFolder, orientationAt(position), std::to_string(*card));
}

std::string ReadingEditor::describe(int position, const std::vector<std::string>& titles) const
{
    const std::string label = "Position " + std::to_string(position) + ": ";
    const std::optional<int> card = cardAt(position);
    if (!card)
        return label + "empty";
    const auto index = static_cast<std::size_t>(*card);
    const std::string title =
        *card >= 0 && index < titles.size() ? titles[index] : "card " + std::to_string(*card);
    return label + title + ", " + orientationAt(position);
}

bool ReadingEditor::set(std::optional<int> card, bool reversed)
{
    if (!m_selected)
        return false;
    if (!card)
        throw Error(std::string(kChooseCardFirst));
    if (*card < kBlankCard || *card > kAllCards)
        throw Error("There is no card " + std::to_string(*card) + ".");
    const int k = *m_selected - 1;
    if (k < 0 || k >= static_cast<int>(m_entry.fortune.size()) ||
        k >= static_cast<int>(m_entry.mirrors.size()))
        throw Error("Position " + std::to_string(*m_selected) + " is not part of this reading.");
    std::string word(reversed ? kReversed : kNormal);
    if (*card == kBlankCard)
        word = kBlank;
    m_entry.mirrors[static_cast<std::size_t>(k)] = word;
    m_entry.fortune[static_cast<std::size_t>(k)] = std::to_string(*card);
    return true;
}

std::optional<int> ReadingEditor::firstEmptyPosition() const
{
    const std::size_t lines = std::max(m_entry.fortune.size(), m_entry.mirrors.size());
    for (std::size_t i = 0; i < lines; ++i) {
        if (!cardAt(static_cast<int>(i) + 1))
            return static_cast<int>(i) + 1;
    }
    return std::nullopt;
}

Lines ReadingEditor::compose() const
{
    return composeDiary(m_entry);
}

void ReadingEditor::checkComplete() const
{
    if (const auto empty = firstEmptyPosition())
        throw Error("Please set card " + std::to_string(*empty) + " before saving.");
}

void ReadingEditor::write(const fs::path& file, const Lines& document)
{
    writeLines(file, document);
    std::error_code ec;
    if (!m_file.empty() && fs::equivalent(file, m_file, ec))
        m_fileLines = document;
}

DiarySaveOutcome ReadingEditor::saveAsNew(Prompter& prompter, const ProgramFolder& folder,
                                          fs::path* written)
{
    checkComplete();
    const Lines document = compose();
    std::error_code ec;
    fs::create_directories(folder.diary(), ec);
    std::optional<fs::path> file =
        prompter.chooseSaveFile(kDiarySaveTitle, kDiaryFileFilter, folder.diary());
    if (!file)
        return DiarySaveOutcome::Declined;
    if (!file->has_extension())
        *file += ".srml";
    if (fs::exists(*file, ec) &&
        prompter.ask(file->string() + " already exists.\nDo you want to replace it?") !=
            Answer::Yes)
        return DiarySaveOutcome::Declined;
    write(*file, document);
    if (written)
        *written = *file;
    return DiarySaveOutcome::SavedAs;
}

DiarySaveOutcome ReadingEditor::saveChanges(Prompter& prompter, const ProgramFolder& folder,
                                            fs::path* written)
{
    if (m_file.empty())
        return saveAsNew(prompter, folder, written);
    checkComplete();
    const Lines document = compose();
    std::error_code ec;
    if (fs::exists(m_file, ec)) {
        bool changed = true;
        try {
            changed = readLines(m_file) != m_fileLines;
        } catch (const Error&) {
            changed = true;
        }
        if (changed && prompter.ask("The file " + m_file.string() +
                                    " has changed since it was opened.\nOverwrite it with "
                                    "this reading?") != Answer::Yes)
            return DiarySaveOutcome::Declined;
    }
    writeLines(m_file, document);
    m_fileLines = document;
    if (written)
        *written = m_file;
    return DiarySaveOutcome::Saved;
}

} // namespace kestrava
