#include "gui/reference/EditorsPage.h"

#include "gui/common/SubPages.h"
#include "gui/diary/ReadingsEditorPage.h"
#include "gui/reference/CardDescriptionsEditorPage.h"
#include "gui/reference/CardTitlesEditorPage.h"
#include "gui/spreadedit/SpreadEditorPage.h"

#include <QTabWidget>

namespace kestrava {

namespace {
constexpr int kReadingsEditorPage = 3;
} // namespace

EditorsPage::EditorsPage(AppState& state, QWidget* parent) : QWidget(parent)
{
    m_pages = addSubPages(this, state, QStringLiteral("PageControl2"),
                          {{"TabSheet7", "Card Titles Editor"},
                           {"TabSheet8", "Card Descriptions Editor"},
                           {"TabSheet11", "Card Spreads Editor"},
                           {"TabSheetReadingsEditor", "Readings Editor"}},
                          &Preferences::editorsPage);
    installSubPage<CardTitlesEditorPage>(m_pages, 0, state);
    installSubPage<CardDescriptionsEditorPage>(m_pages, 1, state);
    installSubPage<SpreadEditorPage>(m_pages, 2, state);
    m_readingsEditor = installSubPage<ReadingsEditorPage>(m_pages, kReadingsEditorPage, state);
}

void EditorsPage::showReadingsEditor()
{
    m_pages->setCurrentIndex(kReadingsEditorPage);
}

} // namespace kestrava
