#include "gui/reference/CompareCardsPage.h"

namespace kestrava {

CompareCardsPage::CompareCardsPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
}

} // namespace kestrava
