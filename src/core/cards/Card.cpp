#include "core/cards/Card.h"

#include <algorithm>

namespace kestrava {

namespace fs = std::filesystem;

std::string upperCaseWord(std::string_view orientationWord)
{
    std::string word(orientationWord);
    std::transform(word.begin(), word.end(), word.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return word;
}

fs::path cardPicturePath(const fs::path& deckFolder, std::string_view orientationWord,
                         std::string_view identifier)
{
    return deckFolder / std::string(orientationWord) / (std::string(identifier) + ".jpg");
}

fs::path cardBackPath(const ProgramFolder& folder, const fs::path& deckFolder)
{
    const fs::path own = deckFolder / "back.jpg";
    std::error_code ec;
    if (fs::exists(own, ec))
        return own;
    return folder.cards() / "back.jpg";
}

std::string deckSize(const fs::path& deckFolder)
{
    int count = 0;
    std::error_code ec;
    for (fs::directory_iterator it(deckFolder / "normal", ec), end; !ec && it != end;
         it.increment(ec)) {
        std::error_code typeEc;
        if (!it->is_directory(typeEc))
            ++count;
    }
    return std::to_string(count);
}

Compatibility checkCompatibility(std::string_view deckSize, int spreadCards)
{
    if (deckSize == "22")
        return spreadCards > kMajorCards ? Compatibility::TooFewCards
                                         : Compatibility::DealMajorsOnly;
    if (deckSize == "78")
        return Compatibility::Deal;
    return Compatibility::NotADeck;
}

} // namespace kestrava
