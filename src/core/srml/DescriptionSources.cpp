#include "core/srml/DescriptionSources.h"

#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/srml/SectionReader.h"

namespace kestrava {

std::vector<std::string> listDescriptionSources(const ProgramFolder& folder)
{
    return listDocumentNames(folder.descriptions());
}

std::string cardSectionName(std::string_view id, std::string_view orientationWord)
{
    return "CARD ID=\"" + std::string(id) + "\" TYPE=\"" + upperCaseWord(orientationWord) + "\"";
}

std::string cardSectionName(int id, std::string_view orientationWord)
{
    return cardSectionName(std::to_string(id), orientationWord);
}

std::vector<std::string> descriptionSectionNames()
{
    std::vector<std::string> names{"NAME", cardSectionName(0, kBlank)};
    for (int id = 1; id <= kAllCards; ++id) {
        names.push_back(cardSectionName(id, kNormal));
        names.push_back(cardSectionName(id, kReversed));
    }
    return names;
}

std::vector<DescriptionBlock> cardDescriptions(SectionSources& sources,
                                               const std::vector<bool>& checks, std::string_view id,
                                               std::string_view orientationWord)
{
    std::vector<DescriptionBlock> blocks;
    const std::string section = cardSectionName(id, orientationWord);
    const std::size_t count = std::min(checks.size(), sources.descriptionSources.size());
    for (std::size_t k = 0; k < count; ++k) {
        if (!checks[k])
            continue;
        sources.currentSourcePosition = static_cast<int>(k);
        const Lines name = sources.read("NAME", "CDS1");
        if (name.empty())
            throw Error("The description source \"" + sources.descriptionSources[k] +
                        "\" has no [NAME] section.");
        blocks.push_back({name.front(), sources.read(section, "CDS1")});
    }
    return blocks;
}

} // namespace kestrava
