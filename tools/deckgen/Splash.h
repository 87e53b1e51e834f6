#pragma once

#include <QImage>

namespace kestrava::deckgen {

constexpr int kSplashWidth = 503;
constexpr int kSplashHeight = 275;

// The start-up picture: the program's name beside a fan of trumps. The lower
// left corner stays quiet for the version and loading lines shown over it.
QImage paintSplash();

} // namespace kestrava::deckgen
