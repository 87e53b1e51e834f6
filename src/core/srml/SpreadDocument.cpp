#include "core/srml/SpreadDocument.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/srml/SectionReader.h"

#include <algorithm>

namespace kestrava {

Lines toTextBlock(const Lines& plainLines)
{
    Lines block;
    block.reserve(plainLines.size());
    for (const auto& line : plainLines)
        block.push_back(line + std::string(kLineBreak));
    return block;
}

std::string plainLine(std::string_view line)
{
    return replaceAll(std::string(line), kLineBreak, "");
}

Lines plainLines(const Lines& blockLines)
{
    Lines plain;
    plain.reserve(blockLines.size());
    for (const auto& line : blockLines)
        plain.push_back(plainLine(line));
    return plain;
}

PositionText splitPosition(std::string_view line)
{
    const auto comma = line.rfind(',');
    if (comma == std::string_view::npos)
        return {std::string(), std::string(line)};
    return {std::string(line.substr(0, comma)), std::string(line.substr(comma + 1))};
}

Lines spreadLines(const SpreadDraft& spread)
{
    const std::size_t n = spread.positions.size();
    Lines lines{std::string(kSpreadHeader), "[SPREAD]", spread.title,   "[/SPREAD]", "[CARDS]",
                std::to_string(n),          "[/CARDS]", "[DESCRIPTION]"};
    for (const auto& line : toTextBlock(spread.description))
        lines.push_back(line);
    lines.emplace_back("[/DESCRIPTION]");
    lines.emplace_back("[MEANINGS]");
    for (std::size_t j = 0; j < n; ++j)
        lines.push_back(j < spread.meanings.size() ? spread.meanings[j] : std::string());
    lines.emplace_back("[/MEANINGS]");
    lines.emplace_back("[POSITIONS]");
    for (const auto& position : spread.positions)
        lines.push_back(std::to_string(position.left) + "," + std::to_string(position.top));
    lines.emplace_back("[/POSITIONS]");
    lines.emplace_back("[COMMENTS]");
    for (const auto& line : toTextBlock(spread.comments))
        lines.push_back(line);
    lines.emplace_back("[/COMMENTS]");
    lines.emplace_back(kTrailer);
    return lines;
}

void saveSpread(const ProgramFolder& folder, const SpreadDraft& spread)
{
    writeLines(folder.spreadFile(spread.title), spreadLines(spread));
}

int cardCount(const Lines& cardsSection)
{
    if (cardsSection.empty())
        throw Error("The number of cards is missing.");
    return toInteger(cardsSection.front());
}

std::vector<std::string> listSpreads(const ProgramFolder& folder)
{
    // The spread list sorts the names themselves, not the file names.
    std::vector<std::string> names = listDocumentNames(folder.spreads());
    std::stable_sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lessIgnoringCase(a, b);
    });
    return names;
}

} // namespace kestrava
