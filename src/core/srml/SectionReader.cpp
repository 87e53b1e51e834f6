#include "core/srml/SectionReader.h"

#include "core/Error.h"

namespace kestrava {

namespace fs = std::filesystem;

namespace {

struct SectionBounds
{
    std::optional<std::size_t> start; // index of the first content line
    std::optional<std::size_t> end;   // index of the end tag
};

SectionBounds locate(const Lines& document, std::string_view name)
{
    const std::string startTag = "[" + std::string(name) + "]";
    const std::string endTag = "[/" + std::string(name) + "]";
    SectionBounds bounds;
    for (std::size_t i = 0; i < document.size(); ++i) {
        if (document[i] == startTag)
            bounds.start = i + 1;
        if (document[i] == endTag)
            bounds.end = i;
    }
    return bounds;
}

const std::string& selected(const std::optional<std::string>& entry, const char* what)
{
    if (!entry)
        throw Error(std::string("No ") + what + " is selected.");
    return *entry;
}

} // namespace

std::vector<std::string> listDocumentNames(const fs::path& folder)
{
    std::vector<std::string> names;
    for (const auto& file : listFiles(folder)) {
        if (file.size() > 5 &&
            equalsIgnoringCase(std::string_view(file).substr(file.size() - 5), ".srml"))
            names.push_back(replaceAll(file, ".srml", ""));
    }
    return names;
}

Lines findSection(const Lines& document, std::string_view name)
{
    const SectionBounds bounds = locate(document, name);
    if (!bounds.start || !bounds.end || *bounds.end <= *bounds.start)
        return {};
    return Lines(document.begin() + static_cast<std::ptrdiff_t>(*bounds.start),
                 document.begin() + static_cast<std::ptrdiff_t>(*bounds.end));
}

std::vector<SectionSpan> findSections(const Lines& document,
                                      const std::vector<std::string_view>& names)
{
    std::vector<std::optional<std::size_t>> starts(names.size());
    std::vector<std::optional<std::size_t>> ends(names.size());
    for (std::size_t i = 0; i < document.size(); ++i) {
        const std::string& line = document[i];
        if (line.size() < 3 || line.front() != '[' || line.back() != ']')
            continue;
        const bool isEnd = line[1] == '/';
        const std::string_view name =
            std::string_view(line).substr(isEnd ? 2 : 1, line.size() - (isEnd ? 3 : 2));
        for (std::size_t k = 0; k < names.size(); ++k) {
            if (name == names[k])
                (isEnd ? ends : starts)[k] = i;
        }
    }
    std::vector<SectionSpan> spans(names.size());
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (starts[k] && ends[k] && *ends[k] > *starts[k])
            spans[k] = {*starts[k] + 1, *ends[k], true};
    }
    return spans;
}

Lines SectionSources::load(std::string_view code) const
{
    if (code == "MC")
        return readLines(folder.deckFolder(selected(selectedDeck, "deck")) / "info.srml");
    if (code == "CSE") {
        if (!spreadEditorFile)
            throw Error("No spread file is selected.");
        return readLines(*spreadEditorFile);
    }
    if (code == "CSS")
        return readLines(folder.spreadFile(selected(selectedSpread, "spread")));
    if (code == "CSS1")
        return currentReading ? *currentReading : Lines();
    if (code == "CDE")
        return readLines(folder.customDescriptionFile());
    if (code == "CDS")
        return readLines(
            folder.descriptionFile(selected(selectedHiddenSource, "description source")));
    if (code == "CDS1") {
        if (currentSourcePosition < 0 ||
            currentSourcePosition >= static_cast<int>(descriptionSources.size()))
            throw Error("There is no description source at position " +
                        std::to_string(currentSourcePosition) + ".");
        return readLines(folder.descriptionFile(
            descriptionSources[static_cast<std::size_t>(currentSourcePosition)]));
    }
    if (code == "DB")
        return readLines(folder.database() /
                         (selected(selectedSavedReading, "saved reading") + ".srml"));
    if (code == "DIARY")
        return readLines(folder.diary() /
                         (selected(selectedSavedReading, "saved reading") + ".srml"));
    return {};
}

Lines SectionSources::read(std::string_view name, std::string_view code) const
{
    if (code == "CSS1")
        return currentReading ? findSection(*currentReading, name) : Lines();
    return findSection(load(code), name);
}

void replaceCustomSection(const ProgramFolder& folder, std::string_view name, const Lines& lines)
{
    const fs::path path = folder.customDescriptionFile();
    std::error_code ec;
    Lines document = fs::exists(path, ec) ? readLines(path) : Lines();

    const SectionBounds bounds = locate(document, name);
    Lines result;
    if (bounds.start && bounds.end && *bounds.end >= *bounds.start) {
        const auto startIt = document.begin() + static_cast<std::ptrdiff_t>(*bounds.start);
        const auto endIt = document.begin() + static_cast<std::ptrdiff_t>(*bounds.end);
        result.assign(document.begin(), startIt);
        result.insert(result.end(), lines.begin(), lines.end());
        result.insert(result.end(), endIt, document.end());
        writeLines(path, result);
        return;
    }
    // The section is missing or its tags stand in the wrong order: add a
    // complete section at the end rather than lose the text.
    result = std::move(document);
    result.push_back("[" + std::string(name) + "]");
    result.insert(result.end(), lines.begin(), lines.end());
    result.push_back("[/" + std::string(name) + "]");
    writeLines(path, result);
}

} // namespace kestrava
