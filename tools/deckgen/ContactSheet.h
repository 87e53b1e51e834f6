#pragma once

#include <QImage>
#include <QSize>
#include <filesystem>

namespace kestrava::deckgen {

// Every picture of a deck folder on one sheet: normal/1.jpg up to the last
// card, then the back and the blank card, each scaled to cardSize with its
// file name below. Pictures are read with the program's own JPEG decoder.
QImage paintContactSheet(const std::filesystem::path& deckFolder, int columns, QSize cardSize);

} // namespace kestrava::deckgen
