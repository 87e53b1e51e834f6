#pragma once

#include "core/diary/ReadingStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// An entry with the facts the filter looks at; no details when its file is
// not a readable reading (the name alone can still match).
struct IndexedEntry
{
    std::string name;
    std::optional<ReadingDetails> details;
};

// Reads the details of every entry once, so typing into the filter needs no
// file at all.
std::vector<IndexedEntry> indexEntries(const ReadingStore& store,
                                       const std::vector<std::string>& entries);

// Whether the name, person, spread, date or a line of the question contains
// the text, ignoring case; every entry matches an empty text.
bool matchesFilter(const IndexedEntry& entry, std::string_view text);

// The names of the matching entries, in the order of the index.
std::vector<std::string> filterEntries(const std::vector<IndexedEntry>& index,
                                       std::string_view text);

} // namespace kestrava
