#pragma once

#include "Style.h"

#include <QImage>
#include <filesystem>

namespace kestrava::deckgen {

// Writes one deck folder: normal/, reversed/, blank/0.jpg, back.jpg, info.srml
// and info.ka. cardCount is 78 for a full deck or 22 for the majors only.
void writeDeck(const std::filesystem::path& cardsFolder, const DeckStyle& style, int cardCount);

// The files beside the decks: cards/back.jpg, xfiles/empty.gif, the splash
// picture and the program's icon (share/icons/hicolor/<size>/apps/kestrava.png).
void writeCommonFiles(const std::filesystem::path& programFolder);

void writeJpeg(const std::filesystem::path& path, const QImage& image);
void writePng(const std::filesystem::path& path, const QImage& image);

} // namespace kestrava::deckgen
