#include "core/diary/FileNameTemplate.h"

#include "core/Numbers.h"
#include "core/TextFile.h"

namespace kestrava {

std::string removeRestrictedSymbols(std::string_view text)
{
    std::string s(text);
    for (const char symbol : kRestrictedSymbols)
        s = replaceAll(std::move(s), std::string_view(&symbol, 1), "");
    return s;
}

std::optional<std::string> generateFileName(std::string_view nameTemplate,
                                            std::string_view dateTimeFormat,
                                            const std::optional<std::string>& selectedSpread,
                                            std::string_view querentName, const DateTime& now)
{
    if (!selectedSpread)
        return std::nullopt;
    const std::string d = formatDateTime(dateTimeFormat, now);
    std::string s = replaceAll(std::string(nameTemplate), "#S", *selectedSpread);
    s = replaceAll(std::move(s), "#D", d);
    s = trimmed(removeRestrictedSymbols(s));
    // The name goes in last, after the clean-up, exactly as typed.
    return replaceAll(std::move(s), "#N", querentName);
}

} // namespace kestrava
