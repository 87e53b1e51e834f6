#pragma once

#include "core/ProgramFolder.h"
#include "core/app/Preferences.h"
#include "core/app/SettingsFile.h"

#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// What the reference pages need of a program folder when no window holds it:
// its lists, the preferences of its settings files (the first deck when none
// is remembered) and the card title list of the title set in force.
struct StoredSettings
{
    SettingsLists lists;
    Preferences preferences;
    std::vector<std::string> titles;
};

StoredSettings readStoredSettings(const ProgramFolder& folder);

// A card the tools offer, 1 to 78 as decimal text; anything else is an error.
int toolCardFromText(std::string_view text);

} // namespace kestrava
