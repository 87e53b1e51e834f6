#include "gui/diary/ReadingsEditorPage.h"

namespace kestrava {

ReadingsEditorPage::ReadingsEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
}

} // namespace kestrava
