// Feeds arbitrary bytes to the reading-document readers.
#include "core/Error.h"
#include "core/TextFile.h"
#include "core/srml/ReadingDocument.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kestrava::Lines reading = kestrava::splitLines(bytes);
    (void)kestrava::requiredDeckSize(reading);
    try {
        const int n = kestrava::cardCount(kestrava::findSection(reading, "CARDS"));
        (void)n;
    } catch (const kestrava::Error&) {
    }
    for (const char* name : {"SPREAD", "PERSON", "DATETIME", "QUESTION", "DESCRIPTION", "MEANINGS",
                             "POSITIONS", "FORTUNE", "MIRRORS", "COMMENTS"}) {
        for (const auto& line : kestrava::findSection(reading, name)) {
            (void)kestrava::splitPosition(line);
            (void)kestrava::plainLine(line);
        }
    }
    // A reading used as the spread of a new deal composes or stops with an error.
    kestrava::DealtReading dealt{
        "S", " p ", "d", {"q"}, reading, {"1", "2", "3"}, {"normal", "reversed", "normal"}};
    kestrava::Lines document;
    try {
        kestrava::composeReading(dealt, document);
    } catch (const kestrava::Error&) {
    }
    return 0;
}
