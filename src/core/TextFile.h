#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kestrava {

// Text is bytes: one std::string per line, exactly as on disk, no decoding.
using Lines = std::vector<std::string>;

// Splits at CR LF, lone CR or lone LF; text after the last line end is a last line.
Lines splitLines(std::string_view text);
// Every line followed by CR LF.
std::string joinLines(const Lines& lines);

std::string readFile(const std::filesystem::path& path);
Lines readLines(const std::filesystem::path& path);

// Writes a temporary file beside the target, flushes it and renames it over
// the target, so a failure never leaves half a file behind.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
void writeLines(const std::filesystem::path& path, const Lines& lines);

// Names of the regular files (or the sub-folders) of a folder, sorted ignoring
// letter case. A missing folder lists nothing.
std::vector<std::string> listFiles(const std::filesystem::path& folder);
std::vector<std::string> listFolders(const std::filesystem::path& folder);

// ASCII-only case folding, the comparison the program uses for names.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool lessIgnoringCase(std::string_view a, std::string_view b);

// Plain, case-sensitive replacement of every occurrence, left to right,
// without rescanning inserted text.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);

} // namespace kestrava
