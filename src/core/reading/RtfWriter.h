#pragma once

#include "core/reading/RichText.h"

#include <filesystem>
#include <string>

namespace kestrava {

// The rich-text preview as an RTF document: one paragraph per line with its
// size, bold and underline. The text is written in 7-bit RTF; every
// character beyond ASCII is a \uN? escape of the character the program shows
// for those bytes (displayCodePoints), so a word processor shows the same.
std::string toRtf(const RichText& text);

// Replaces the file atomically.
void saveRtf(const std::filesystem::path& path, const RichText& text);

} // namespace kestrava
