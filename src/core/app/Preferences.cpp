#include "core/app/Preferences.h"

namespace kestrava {

std::string_view Preferences::codePageName() const
{
    if (codePage < 0 || codePage >= static_cast<int>(kCodePages.size()))
        return kCodePages[0];
    return kCodePages[static_cast<std::size_t>(codePage)];
}

std::string_view Preferences::dateTimeFormatText() const
{
    if (dateTimeFormat < 0 || dateTimeFormat >= static_cast<int>(kDateTimeFormats.size()))
        return {};
    return kDateTimeFormats[static_cast<std::size_t>(dateTimeFormat)];
}

} // namespace kestrava
