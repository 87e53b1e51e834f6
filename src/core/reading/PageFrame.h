#pragma once

#include "core/TextFile.h"

#include <string_view>

namespace kestrava {

// Card pictures are laid out at this size in every page and picture.
inline constexpr int kCardWidth = 144;
inline constexpr int kCardHeight = 233;

inline constexpr std::string_view kXhtmlDoctype =
    R"(<!DOCTYPE html PUBLIC "-//W3C//DTD XHTML 1.0 Transitional//EN" )"
    R"("http://www.w3.org/TR/xhtml1/DTD/xhtml1-transitional.dtd">)";
inline constexpr std::string_view kXhtmlRoot = R"(<html xmlns="http://www.w3.org/1999/xhtml">)";

// The two comment lines that open every generated page (the generator and the
// product's address), without the empty lines of the reading pages.
void appendPageComments(Lines& page);

// The 102 lines that open a reading page: the two comments and 100 empty lines.
void appendPagePreamble(Lines& page);

// From the document type to the page title:
// doctype, root, <head>, the charset line, <title>, the title itself.
void appendPageHead(Lines& page, std::string_view charset, std::string_view title);

// The common head block from "</title>" to "</head>": 58 lines, or 57 without
// the frame line of the card boxes. Built afresh on every call.
void appendStylesheet(Lines& page, bool showFrames);

// Preamble, head and stylesheet of a reading page: everything before <body>.
void appendReadingPageFrame(Lines& page, std::string_view charset, std::string_view title,
                            bool showFrames);

} // namespace kestrava
