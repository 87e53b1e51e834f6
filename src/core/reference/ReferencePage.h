#pragma once

#include "core/TextFile.h"

#include <string_view>

namespace kestrava {

struct Preferences;

// The opening of the deck page and the card-tool pages, up to and including
// the heading line: the two comments, the head with the page title on the
// "<title>" line itself, the common stylesheet and the body's heading.
void appendReferencePageStart(Lines& page, const Preferences& preferences, std::string_view title);

inline constexpr std::string_view kReferencePageEnd = "</body></html>";

} // namespace kestrava
