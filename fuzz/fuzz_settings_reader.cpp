// Feeds arbitrary bytes to the settings reader and the source-check reader.
#include "core/TextFile.h"
#include "core/app/SettingsFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kestrava::Lines lines = kestrava::splitLines(bytes);
    // A program folder without title documents: switching the title set fails cleanly.
    static const kestrava::ProgramFolder folder("/nonexistent-kestrava-fuzz");
    const kestrava::SettingsLists lists{{"Deck", "deck two"}, {"Custom", "Full"}, 5};
    kestrava::Preferences preferences;
    preferences.sourceChecks.resize(lists.descriptionSources.size());
    if (kestrava::applySettingsLines(folder, lines, lists, preferences))
        kestrava::applySourceChecks(lines, preferences);
    // Whatever was read writes back as exactly 52 lines.
    if (kestrava::settingsLines(preferences).size() != 52)
        std::abort();
    return 0;
}
