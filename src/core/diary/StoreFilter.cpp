#include "core/diary/StoreFilter.h"

#include "core/Error.h"

#include <algorithm>

namespace kestrava {

namespace {

std::string foldedText(std::string_view text)
{
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), foldCase);
    return out;
}

// `needle` is already folded.
bool containsFolded(std::string_view haystack, std::string_view needle)
{
    return std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                       [](char a, char b) { return foldCase(a) == b; }) != haystack.end();
}

bool matchesFolded(const IndexedEntry& entry, std::string_view needle)
{
    if (needle.empty() || containsFolded(entry.name, needle))
        return true;
    if (!entry.details)
        return false;
    const ReadingDetails& details = *entry.details;
    if (containsFolded(details.person, needle) || containsFolded(details.spread, needle) ||
        containsFolded(details.dateTime, needle))
        return true;
    return std::any_of(details.question.begin(), details.question.end(),
                       [&](const std::string& line) { return containsFolded(line, needle); });
}

} // namespace

std::vector<IndexedEntry> indexEntries(const ReadingStore& store,
                                       const std::vector<std::string>& entries)
{
    std::vector<IndexedEntry> index;
    index.reserve(entries.size());
    for (const auto& name : entries) {
        IndexedEntry entry{name, std::nullopt};
        try {
            entry.details = store.details(name);
        } catch (const Error&) {
            // Not a reading: only its name can match.
        }
        index.push_back(std::move(entry));
    }
    return index;
}

bool matchesFilter(const IndexedEntry& entry, std::string_view text)
{
    return matchesFolded(entry, foldedText(text));
}

std::vector<std::string> filterEntries(const std::vector<IndexedEntry>& index,
                                       std::string_view text)
{
    const std::string needle = foldedText(text);
    std::vector<std::string> names;
    for (const auto& entry : index) {
        if (matchesFolded(entry, needle))
            names.push_back(entry.name);
    }
    return names;
}

} // namespace kestrava
