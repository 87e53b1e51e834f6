#include "gui/app/EditorsPage.h"

#include "gui/common/SubPages.h"
#include "gui/reference/CardTitlesEditorPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace kestrava {

EditorsPage::EditorsPage(AppState& state, QWidget* parent) : QWidget(parent)
{
    QTabWidget* pages = addSubPages(this, state, QStringLiteral("PageControl2"),
                                    {{"TabSheet7", "Card Titles Editor"},
                                     {"TabSheet8", "Card Descriptions Editor"},
                                     {"TabSheet11", "Card Spreads Editor"},
                                     {"TabSheetReadingsEditor", "Readings Editor"}},
                                    &Preferences::editorsPage);
    QWidget* titlesPage = pages->widget(0);
    auto* titlesLayout = new QVBoxLayout(titlesPage);
    titlesLayout->setContentsMargins(0, 0, 0, 0);
    titlesLayout->addWidget(new CardTitlesEditorPage(state, titlesPage));
}

} // namespace kestrava
