#include "gui/reference/CardDescriptionsEditorPage.h"

namespace kestrava {

CardDescriptionsEditorPage::CardDescriptionsEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
}

} // namespace kestrava
