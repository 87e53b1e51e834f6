#pragma once

#include <string>
#include <string_view>

namespace kestrava {

// Converts decimal text (optional sign, digits, nothing else) to an integer;
// anything else throws kestrava::Error with a message naming the text.
int toInteger(std::string_view text);
// Same, but reports failure through the return value instead.
bool tryToInteger(std::string_view text, int& value);

// Removes characters with codes 0..32 from both ends.
std::string trimmed(std::string_view text);

} // namespace kestrava
