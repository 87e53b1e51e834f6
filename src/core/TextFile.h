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

// The one save path. Writes a temporary file beside the target, syncs it to
// disk and renames it over the target, so a failure never leaves half a file
// behind. A symbolic link is followed and its target replaced; a replaced file
// keeps its mode (and owner where permitted). A target that exists but is no
// regular file (a device, a FIFO) is written in place; a folder is refused.
// Every failure throws kestrava::Error with the reason of the step that failed.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
void writeLines(const std::filesystem::path& path, const Lines& lines);

// Whether a file name is one the save path gives its temporary files; listings
// of folders the program writes into skip them.
bool isTemporaryFileName(std::string_view name);

// Names of the regular files (or the sub-folders) of a folder, sorted ignoring
// letter case. Names that start with "." (the save path's temporary files among
// them) are not listed. A missing folder lists nothing.
std::vector<std::string> listFiles(const std::filesystem::path& folder);
std::vector<std::string> listFolders(const std::filesystem::path& folder);

// ASCII-only case folding, the comparison the program uses for names.
char foldCase(char c);
bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool lessIgnoringCase(std::string_view a, std::string_view b);

// Plain, case-sensitive replacement of every occurrence, left to right,
// without rescanning inserted text.
std::string replaceAll(std::string text, std::string_view from, std::string_view to);

} // namespace kestrava
