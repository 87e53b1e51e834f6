#include "gui/cards/ManualChoicePanel.h"

namespace kestrava {

ManualChoicePanel::ManualChoicePanel(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
}

void ManualChoicePanel::start() {}

} // namespace kestrava
