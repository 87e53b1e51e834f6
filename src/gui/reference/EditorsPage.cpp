#include "gui/reference/EditorsPage.h"

#include "gui/common/SubPages.h"
#include "gui/diary/ReadingsEditorPage.h"
#include "gui/reference/CardDescriptionsEditorPage.h"
#include "gui/reference/CardTitlesEditorPage.h"
#include "gui/spreadedit/SpreadEditorPage.h"

#include <QTabWidget>

namespace kestrava {

EditorsPage::EditorsPage(AppState& state, QWidget* parent) : QWidget(parent)
{
    QTabWidget* pages = addSubPages(this, state, QStringLiteral("PageControl2"),
                                    {{"TabSheet7", "Card Titles Editor"},
                                     {"TabSheet8", "Card Descriptions Editor"},
                                     {"TabSheet11", "Card Spreads Editor"},
                                     {"TabSheetReadingsEditor", "Readings Editor"}},
                                    &Preferences::editorsPage);
    installSubPage<CardTitlesEditorPage>(pages, 0, state);
    installSubPage<CardDescriptionsEditorPage>(pages, 1, state);
    installSubPage<SpreadEditorPage>(pages, 2, state);
    installSubPage<ReadingsEditorPage>(pages, 3, state);
}

} // namespace kestrava
