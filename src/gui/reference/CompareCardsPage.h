#pragma once

#include "gui/reference/CardToolPage.h"

namespace kestrava {

// The "Compare Cards" sub-page of "Tools": one card's normal picture in every
// checked deck, side by side.
class CompareCardsPage : public CardToolPage
{
    Q_OBJECT

public:
    CompareCardsPage(AppState& state, QWidget* parent);
};

} // namespace kestrava
