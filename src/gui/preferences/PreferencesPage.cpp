#include "gui/preferences/PreferencesPage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Widgets.h"
#include "gui/preferences/AppearancePage.h"
#include "gui/preferences/CardsOptionsPage.h"
#include "gui/preferences/SaveOptionsPage.h"
#include "gui/preferences/WindowsSettingsPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace kestrava {

PreferencesPage::PreferencesPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_cardsOptions(new CardsOptionsPage(state, this))
{
    auto* pages = named(new QTabWidget(this), QStringLiteral("PageControl3"));
    pages->addTab(named(m_cardsOptions, QStringLiteral("TabSheetCardsOptions")),
                  QStringLiteral("Cards Options"));
    pages->addTab(named(new AppearancePage(state, this), QStringLiteral("TabSheetAppearance")),
                  QStringLiteral("Appearance"));
    pages->addTab(named(new SaveOptionsPage(state, this), QStringLiteral("TabSheetSaveOptions")),
                  QStringLiteral("Save Options"));
    pages->addTab(
        named(new WindowsSettingsPage(state, this), QStringLiteral("TabSheetWindowsSettings")),
        QStringLiteral("Windows Settings"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pages);

    auto* binder = new Binder(state, this);
    binder->bind(pages, &Preferences::preferencesPage);
    binder->refresh();
}

} // namespace kestrava
