#include "gui/app/EditorsPage.h"

#include "gui/common/SubPages.h"

namespace kestrava {

EditorsPage::EditorsPage(AppState& state, QWidget* parent) : QWidget(parent)
{
    addSubPages(this, state, QStringLiteral("PageControl2"),
                {{"TabSheet7", "Card Titles Editor"},
                 {"TabSheet8", "Card Descriptions Editor"},
                 {"TabSheet11", "Card Spreads Editor"},
                 {"TabSheetReadingsEditor", "Readings Editor"}},
                &Preferences::editorsPage);
}

} // namespace kestrava
