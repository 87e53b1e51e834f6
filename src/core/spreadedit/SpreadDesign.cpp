#include "core/spreadedit/SpreadDesign.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/srml/SectionReader.h"

#include <algorithm>
#include <system_error>

namespace kestrava {

namespace fs = std::filesystem;

int snapCoordinate(int value)
{
    const std::string text = std::to_string(value);
    switch (text.back()) {
    case '1':
    case '6':
        return value - 1;
    case '2':
    case '7':
        return value - 2;
    case '3':
    case '8':
        return value + 2;
    case '4':
    case '9':
        return value + 1;
    default:
        return value;
    }
}

DesignPosition snapPosition(DesignPosition position)
{
    // Top first, then left, as the editor writes them into its scratch fields.
    position.top = snapCoordinate(position.top);
    position.left = snapCoordinate(position.left);
    return position;
}

DesignPosition freshPosition(int index)
{
    return {5 + 40 * (index % 10), 5 + 60 * (index / 10)};
}

std::array<DesignPosition, kMarkerCount> freshLayout()
{
    std::array<DesignPosition, kMarkerCount> layout{};
    for (int i = 0; i < kMarkerCount; ++i)
        layout[static_cast<std::size_t>(i)] = freshPosition(i);
    return layout;
}

bool isValidCount(std::string_view text)
{
    if (text.empty() || text.size() > 2 || text.front() == '0')
        return false;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    const int value = toInteger(text);
    return value >= 1 && value <= kMarkerCount;
}

int appliedCount(std::string_view typed, int previous)
{
    return isValidCount(typed) ? toInteger(typed) : previous;
}

std::string cleanTitle(std::string_view title, std::string_view restrictedSymbols)
{
    std::string cleaned;
    cleaned.reserve(title.size());
    for (const char c : title)
        if (restrictedSymbols.find(c) == std::string_view::npos)
            cleaned.push_back(c);
    return cleaned;
}

Lines designDocument(const SpreadDesign& design)
{
    const auto n = static_cast<std::size_t>(std::clamp(design.count, 1, kMarkerCount));
    SpreadDraft draft{design.title, design.description, design.comments, {}, {}};
    draft.meanings.assign(design.meanings.begin(), design.meanings.begin() + n);
    draft.positions.assign(design.markers.begin(), design.markers.begin() + n);
    return spreadLines(draft);
}

LoadReport loadDesign(const SectionSources& sources, SpreadDesign& design,
                      std::string_view restrictedSymbols)
{
    design.description.clear();
    design.comments.clear();
    design.meanings.fill(std::string());

    design.comments = plainLines(sources.read("COMMENTS", "CSE"));
    design.description = plainLines(sources.read("DESCRIPTION", "CSE"));
    const Lines title = sources.read("SPREAD", "CSE");
    design.title = title.empty() ? std::string() : cleanTitle(title.front(), restrictedSymbols);

    const Lines meanings = sources.read("MEANINGS", "CSE");
    for (std::size_t j = 0; j < meanings.size() && j < design.meanings.size(); ++j)
        design.meanings[j] = meanings[j];

    const Lines positions = sources.read("POSITIONS", "CSE");
    LoadReport report;
    report.positionLines = static_cast<int>(positions.size());
    report.truncated = report.positionLines > kMarkerCount;
    const int taken = std::min(report.positionLines, kMarkerCount);
    for (int i = 0; i < taken; ++i) {
        const PositionText text = splitPosition(positions[static_cast<std::size_t>(i)]);
        auto& marker = design.markers[static_cast<std::size_t>(i)];
        marker.top = toInteger(text.top);
        marker.left = toInteger(text.left);
    }
    // The track bar cannot go below one card.
    design.count = std::max(taken, 1);
    return report;
}

std::vector<std::string> listSpreadFiles(const ProgramFolder& folder)
{
    std::vector<std::string> files;
    for (auto& name : listFiles(folder.spreads()))
        if (name.size() >= 5 &&
            equalsIgnoringCase(std::string_view(name).substr(name.size() - 5), ".srml"))
            files.push_back(std::move(name));
    return files;
}

SaveOutcome saveDesign(const ProgramFolder& folder, Prompter& prompter, const SpreadDesign& design,
                       const std::vector<std::string>& listed)
{
    if (design.title.empty()) {
        prompter.tell(kNameThisSpreadMessage);
        return SaveOutcome::NoTitle;
    }
    const std::string fileName = design.title + ".srml";
    if (std::find(listed.begin(), listed.end(), fileName) != listed.end() &&
        prompter.ask(kOverwriteSpreadQuestion) != Answer::Yes)
        return SaveOutcome::Declined;
    writeLines(folder.spreadFile(design.title), designDocument(design));
    return SaveOutcome::Saved;
}

bool deleteSpreadFile(const ProgramFolder& folder, Prompter& prompter, const std::string& fileName)
{
    if (prompter.ask(kDeleteSpreadQuestion) != Answer::Yes)
        return false;
    const fs::path path = folder.spreads() / fileName;
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    // Only the listed file goes: never a folder that took its name meanwhile.
    if (!ec && fs::is_directory(status))
        throw Error("The spread file \"" + path.string() + "\" cannot be deleted.");
    fs::remove(path, ec);
    if (ec)
        throw Error("The spread file \"" + path.string() + "\" cannot be deleted: " + ec.message() +
                    ".");
    return true;
}

int selectionAfterDelete(int deletedIndex, int remainingEntries)
{
    return deletedIndex >= 0 && deletedIndex < remainingEntries ? deletedIndex : -1;
}

} // namespace kestrava
