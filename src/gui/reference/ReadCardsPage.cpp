#include "gui/reference/ReadCardsPage.h"

namespace kestrava {

ReadCardsPage::ReadCardsPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state) {}

} // namespace kestrava
