#include "gui/diary/MyReadingsPage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Widgets.h"

#include <QVBoxLayout>

namespace kestrava {

MyReadingsPage::MyReadingsPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* group =
        makeGroup(QStringLiteral("GroupBoxSavedReadings"),
                  QStringLiteral("Saved KestravaReadings and ZiriVidevavi - The Diary"), this);
    m_database = makeRadio(QStringLiteral("RadioButton4"),
                           QStringLiteral("Show Saved \"KestravaReadings\" - The Database"), group);
    m_diary = makeRadio(QStringLiteral("RadioButton5"),
                        QStringLiteral("Show Saved \"ZiriVidevavi\" - The Diary"), group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_database);
    groupLayout->addWidget(m_diary);
    groupLayout->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);

    auto* binder = new Binder(state, this);
    binder->bind<int>({{m_database, 1}, {m_diary, 2}}, &Preferences::savedReadingsStore);
    binder->refresh();
}

} // namespace kestrava
