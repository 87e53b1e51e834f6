#include "gui/reference/ToolsPage.h"

#include "gui/common/SubPages.h"
#include "gui/reference/CompareCardsPage.h"
#include "gui/reference/ReadCardsPage.h"
#include "gui/stats/StatisticsPage.h"

#include <QTabWidget>

namespace kestrava {

ToolsPage::ToolsPage(AppState& state, QWidget* parent) : QWidget(parent)
{
    QTabWidget* pages = addSubPages(this, state, QStringLiteral("PageControl6"),
                                    {{"TabSheetCompareCards", "Compare Cards"},
                                     {"TabSheetReadCards", "Read Cards"},
                                     {"TabSheetStatistics", "Statistics"}},
                                    &Preferences::toolsPage);
    installSubPage<CompareCardsPage>(pages, 0, state);
    installSubPage<ReadCardsPage>(pages, 1, state);
    installSubPage<StatisticsPage>(pages, 2, state);
}

} // namespace kestrava
