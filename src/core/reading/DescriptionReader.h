#pragma once

#include "core/srml/DescriptionSources.h"

#include <filesystem>
#include <string_view>

namespace kestrava {

// The heading and the card text of one description source, found in a single
// reading of its document: the first line of "NAME" and the lines of the card
// section, exactly as findSection finds them. The document is read afresh on
// every call. A document that cannot be read, or whose "NAME" section is
// missing or empty, throws kestrava::Error naming the source.
DescriptionBlock readDescriptionBlock(const std::filesystem::path& document,
                                      std::string_view sourceName, std::string_view cardSection);

} // namespace kestrava
