#pragma once

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"

#include <string>
#include <vector>

namespace kestrava {

inline constexpr std::string_view kSettingsFileName = "ka-9.1.21.dll";
inline constexpr std::string_view kSourceChecksFileName = "cdm.dll";
inline constexpr int kSettingsLines = 52;

// What the settings refer to by name or position: the lists as they stand at
// start-up, before the settings are applied.
struct SettingsLists
{
    std::vector<std::string> decks;
    std::vector<std::string> descriptionSources;
    int spreadCount = 0;
};

// The 52 lines of the settings file for these preferences.
Lines settingsLines(const Preferences& preferences);

// Applies the lines in order. Stops at the first missing line, at a line that
// must be a number and is not, or at a title-set switch whose title document
// cannot be loaded; returns whether every line was applied (only then may the
// source-check file be read).
bool applySettingsLines(const ProgramFolder& folder, const Lines& lines, const SettingsLists& lists,
                        Preferences& preferences);
void applySourceChecks(const Lines& lines, Preferences& preferences);

// Both files under xfiles/. Failures are swallowed: a missing or broken file
// leaves the defaults, a failed save leaves the files as they were.
void loadSettings(const ProgramFolder& folder, const SettingsLists& lists,
                  Preferences& preferences);
void saveSettings(const ProgramFolder& folder, const Preferences& preferences);

// On a first start, or when the remembered deck is gone, the first deck of
// the list is selected, so the program can deal at once.
void selectFirstDeckIfNone(Preferences& preferences, const std::vector<std::string>& decks);

// The lists a program folder offers, read from its folders.
SettingsLists settingsListsOf(const ProgramFolder& folder);

} // namespace kestrava
