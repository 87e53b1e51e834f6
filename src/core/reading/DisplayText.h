#pragma once

#include <string>
#include <string_view>

namespace kestrava {

// How the program shows its 8-bit text: bytes that form valid UTF-8 are read
// as UTF-8 (the locale of these machines); any other text is read as
// Latin-1, one character per byte, so nothing is ever lost or replaced.
// Every view (the windows, the card-table picture, the RTF export) goes
// through these two functions, so all of them show the same characters.
bool isValidUtf8(std::string_view bytes);
std::string displayUtf8(std::string_view bytes);
std::u32string displayCodePoints(std::string_view bytes);

} // namespace kestrava
