#include "gui/diary/MyReadingsPage.h"

#include "gui/common/Widgets.h"

#include <QVBoxLayout>

namespace kestrava {

MyReadingsPage::MyReadingsPage(AppState&, QWidget* parent) : QWidget(parent)
{
    auto* group =
        makeGroup(QStringLiteral("GroupBoxSavedReadings"),
                  QStringLiteral("Saved KestravaReadings and ZiriVidevavi - The Diary"), this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
}

} // namespace kestrava
