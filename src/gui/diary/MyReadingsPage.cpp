#include "gui/diary/MyReadingsPage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Widgets.h"

#include <QSignalBlocker>
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

    const auto storeChoice = [this](QRadioButton* button, int store) {
        connect(button, &QRadioButton::toggled, this, [this, store](bool on) {
            if (!on)
                return;
            m_state.preferences.savedReadingsStore = store;
            m_state.announcePreferences();
        });
    };
    storeChoice(m_database, 1);
    storeChoice(m_diary, 2);
    auto* binder = new Binder(state, this);
    binder->onRefresh([this] {
        QRadioButton* on = m_state.preferences.savedReadingsStore == 2 ? m_diary : m_database;
        const QSignalBlocker blocker(on);
        on->setChecked(true);
    });
    binder->refresh();
}

} // namespace kestrava
