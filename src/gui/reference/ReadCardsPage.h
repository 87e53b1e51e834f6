#pragma once

#include "gui/reference/CardToolPage.h"

namespace kestrava {

// The "Read Cards" sub-page of "Tools": what every checked description
// source says about one card, normal and reversed.
class ReadCardsPage : public CardToolPage
{
    Q_OBJECT

public:
    ReadCardsPage(AppState& state, QWidget* parent);
};

} // namespace kestrava
