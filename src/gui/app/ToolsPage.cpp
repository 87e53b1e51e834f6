#include "gui/app/ToolsPage.h"

#include "gui/common/SubPages.h"

namespace kestrava {

ToolsPage::ToolsPage(AppState& state, QWidget* parent) : QWidget(parent)
{
    addSubPages(this, state, QStringLiteral("PageControl6"),
                {{"TabSheetCompareCards", "Compare Cards"}, {"TabSheetReadCards", "Read Cards"}},
                &Preferences::toolsPage);
}

} // namespace kestrava
