// Renders arbitrary reading documents: the pass either completes or stops
// with a kestrava::Error, whatever the document holds.
#include "core/Error.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/reading/Canvas.h"
#include "core/reading/Renderer.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kestrava::Lines reading = kestrava::splitLines(bytes);
    static const kestrava::ProgramFolder folder("/nonexistent-kestrava-fuzz");
    static const std::filesystem::path deck = folder.deckFolder("Deck");
    static const std::vector<std::string> sources;
    static const std::vector<std::string> titles(79, "Title");
    kestrava::Preferences preferences;
    // Every optional part of the pages on, so the pass walks all of them.
    preferences.addName = preferences.addQuestion = preferences.showMeanings = true;
    preferences.showCardTitles = preferences.showPositionNumbers = preferences.showFrames = true;
    preferences.screenshotCardNumbers = preferences.screenshotCardTitles = true;
    kestrava::NullCanvas canvas;
    kestrava::RenderResult result;
    try {
        kestrava::renderReading({folder, reading, deck, preferences, sources, titles}, canvas,
                                result);
    } catch (const kestrava::Error&) {
    }
    return 0;
}
