#include "core/reference/StoredSettings.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/cards/Card.h"
#include "core/srml/TitleSet.h"

namespace kestrava {

StoredSettings readStoredSettings(const ProgramFolder& folder)
{
    StoredSettings settings;
    settings.lists = settingsListsOf(folder);
    loadSettings(folder, settings.lists, settings.preferences);
    selectFirstDeckIfNone(settings.preferences, settings.lists.decks);
    TitleSet titleSet;
    loadTitleSet(folder, settings.preferences.defaultTitles, titleSet);
    settings.titles = composeTitleList(titleSet);
    return settings;
}

int toolCardFromText(std::string_view text)
{
    int card = 0;
    if (text.empty() || text.front() < '0' || text.front() > '9' || !tryToInteger(text, card) ||
        card < 1 || card > kAllCards)
        throw Error("A card is a number from 1 to 78, not \"" + std::string(text) + "\".");
    return card;
}

} // namespace kestrava
