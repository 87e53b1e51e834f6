#include "gui/reference/CardTitlesEditorPage.h"

#include "core/srml/TitleSet.h"
#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Guard.h"
#include "gui/common/Widgets.h"

#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

CardTitlesEditorPage::CardTitlesEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
    auto* settings =
        makeGroup(QStringLiteral("GroupBox9"), QStringLiteral("Save New Settings"), this);
    m_defaultTitles = makeRadio(QStringLiteral("RadioDefaultCardNames"),
                                QStringLiteral("Default Card Titles"), settings);
    m_customTitles = makeRadio(QStringLiteral("RadioCustomCardNames"),
                               QStringLiteral("Custom Card Titles"), settings);
    auto* settingsLayout = new QVBoxLayout(settings);
    settingsLayout->addWidget(m_defaultTitles);
    settingsLayout->addWidget(m_customTitles);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(settings, 0, Qt::AlignLeft | Qt::AlignTop);
    layout->addStretch();

    connect(m_defaultTitles, &QRadioButton::clicked, this, [this] { chooseTitles(true); });
    connect(m_customTitles, &QRadioButton::clicked, this, [this] { chooseTitles(false); });
    auto* binder = new Binder(state, this);
    binder->onRefresh([this] { refresh(); });
    binder->refresh();
}

void CardTitlesEditorPage::chooseTitles(bool defaultTitles)
{
    if (m_state.preferences.defaultTitles == defaultTitles)
        return;
    // Switching the title set loads its document at once; one that cannot
    // be loaded keeps the set in use.
    const bool loaded = guarded(m_state.prompter(), [&] {
        TitleSet titles;
        loadTitleSet(m_state.folder(), defaultTitles, titles);
    });
    if (loaded)
        m_state.preferences.defaultTitles = defaultTitles;
    m_state.announcePreferences();
}

void CardTitlesEditorPage::refresh()
{
    const QSignalBlocker blockDefault(m_defaultTitles);
    const QSignalBlocker blockCustom(m_customTitles);
    m_defaultTitles->setChecked(m_state.preferences.defaultTitles);
    m_customTitles->setChecked(!m_state.preferences.defaultTitles);
}

} // namespace kestrava
