#include "gui/spreadedit/SpreadEditorPage.h"

namespace kestrava {

SpreadEditorPage::SpreadEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
}

} // namespace kestrava
