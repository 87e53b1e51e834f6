// Feeds arbitrary bytes to the line splitter and the section reader.
#include "core/TextFile.h"
#include "core/srml/SectionReader.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const kestrava::Lines document = kestrava::splitLines(bytes);
    // Every line of the document is tried as a section name as well.
    for (const auto& line : document) {
        if (line.size() > 2 && line.front() == '[' && line.back() == ']')
            (void)kestrava::findSection(document, line.substr(1, line.size() - 2));
    }
    (void)kestrava::findSection(document, "CARDS");
    (void)kestrava::findSection(document, "");
    return 0;
}
