#pragma once

#include <QString>

namespace kestrava::deckgen {

constexpr int kCardWidth = 144;
constexpr int kCardHeight = 233;
constexpr int kMajorCount = 22;
constexpr int kDeckSize = 78;

// The names printed on the pictures; the program's titles come from the title
// documents and may differ.
QString majorTitle(int id);
QString rankWord(int rank);
QString suitWord(int suit);
// 1..20 as Roman numerals; the Fool (21) is 0 and the World (22) is XXI.
QString majorNumeral(int id);

} // namespace kestrava::deckgen
