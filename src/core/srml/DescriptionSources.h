#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

struct SectionSources;

inline constexpr int kDescriptionSections = 158;

// The description sources: every file of descriptions/ whose name ends in
// ".srml" in any letter case, sorted by file name ignoring case, with every
// exact ".srml" removed.
std::vector<std::string> listDescriptionSources(const ProgramFolder& folder);

// CARD ID="n" TYPE="NORMAL" and its kin, the name of a card's section.
std::string cardSectionName(int id, std::string_view orientationWord);
std::string cardSectionName(std::string_view id, std::string_view orientationWord);

// Every section name of a complete description document: "NAME", the blank
// card, then every card normal and reversed.
std::vector<std::string> descriptionSectionNames();

struct DescriptionBlock
{
    std::string heading;
    Lines body;
};

// One block per checked source, in list order: the source's display name and
// the card's text. A source that cannot be read, or has no display name,
// stops with an error.
std::vector<DescriptionBlock> cardDescriptions(SectionSources& sources,
                                               const std::vector<bool>& checks, std::string_view id,
                                               std::string_view orientationWord);

} // namespace kestrava
