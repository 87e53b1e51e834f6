#include "core/srml/ReadingDocument.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

namespace kestrava {

namespace {

void appendSection(Lines& document, std::string_view name, const Lines& lines)
{
    document.push_back("[" + std::string(name) + "]");
    document.insert(document.end(), lines.begin(), lines.end());
    document.push_back("[/" + std::string(name) + "]");
}

void appendDraws(Lines& document, std::string_view name, const Lines& draws, int n)
{
    document.push_back("[" + std::string(name) + "]");
    for (int j = 0; j < n; ++j) {
        if (j >= static_cast<int>(draws.size()))
            throw Error("Only " + std::to_string(draws.size()) + " cards were drawn, but the " +
                        "spread needs " + std::to_string(n) + ".");
        document.push_back(draws[static_cast<std::size_t>(j)]);
    }
    document.push_back("[/" + std::string(name) + "]");
}

} // namespace

void composeReading(const DealtReading& reading, Lines& document)
{
    document.emplace_back(kReadingHeader);
    appendSection(document, "SPREAD", {reading.spreadName});
    appendSection(document, "PERSON", {trimmed(reading.person)});
    appendSection(document, "DATETIME", {reading.dateTime});
    appendSection(document, "QUESTION", toTextBlock(reading.question));
    document.emplace_back("[CARDS]");
    const int n = cardCount(findSection(reading.spread, "CARDS"));
    document.push_back(std::to_string(n));
    document.emplace_back("[/CARDS]");
    appendSection(document, "DESCRIPTION", findSection(reading.spread, "DESCRIPTION"));
    appendSection(document, "MEANINGS", findSection(reading.spread, "MEANINGS"));
    appendSection(document, "POSITIONS", findSection(reading.spread, "POSITIONS"));
    appendDraws(document, "FORTUNE", reading.ids, n);
    appendDraws(document, "MIRRORS", reading.orientations, n);
    appendSection(document, "COMMENTS", findSection(reading.spread, "COMMENTS"));
    document.emplace_back(kTrailer);
}

Lines composeDiary(const DiaryEntry& entry)
{
    Lines document{std::string(kDiaryHeader)};
    appendSection(document, "SPREAD", {entry.spreadName});
    appendSection(document, "CARDS", {entry.cards});
    appendSection(document, "PERSON", {entry.person});
    appendSection(document, "DATETIME", {entry.dateTime});
    appendSection(document, "QUESTION", toTextBlock(entry.question));
    appendSection(document, "DESCRIPTION", entry.description);
    appendSection(document, "MEANINGS", entry.meanings);
    appendSection(document, "POSITIONS", entry.positions);
    appendSection(document, "COMMENTS", entry.comments);
    appendSection(document, "FORTUNE", entry.fortune);
    appendSection(document, "MIRRORS", entry.mirrors);
    document.emplace_back(kTrailer);
    return document;
}

int requiredDeckSize(const Lines& reading)
{
    for (const auto& line : findSection(reading, "FORTUNE")) {
        int id = 0;
        if (tryToInteger(line, id) && id > 22)
            return 78;
    }
    return 22;
}

} // namespace kestrava
