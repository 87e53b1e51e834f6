#include "gui/common/Binder.h"

#include "gui/app/AppState.h"
#include "gui/common/Texts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabWidget>

namespace kestrava {

Binder::Binder(AppState& state, QObject* parent) : QObject(parent), m_state(state)
{
    connect(&state, &AppState::preferencesChanged, this, &Binder::refresh);
}

void Binder::bind(QCheckBox* box, bool Preferences::*member)
{
    connect(box, &QCheckBox::toggled, this, [this, member](bool checked) {
        m_state.preferences.*member = checked;
        m_state.announcePreferences();
    });
    m_refreshers.push_back([this, box, member] {
        const QSignalBlocker blocker(box);
        box->setChecked(m_state.preferences.*member);
    });
}

void Binder::bind(QLineEdit* edit, std::string Preferences::*member)
{
    connect(edit, &QLineEdit::textChanged, this, [this, member](const QString& text) {
        m_state.preferences.*member = toBytes(text);
        m_state.announcePreferences();
    });
    m_refreshers.push_back([this, edit, member] {
        const QString text = toQt(m_state.preferences.*member);
        if (edit->text() != text) {
            const QSignalBlocker blocker(edit);
            edit->setText(text);
        }
    });
}

void Binder::bind(QComboBox* list, int Preferences::*member)
{
    connect(list, &QComboBox::currentIndexChanged, this, [this, member](int index) {
        m_state.preferences.*member = index;
        m_state.announcePreferences();
    });
    m_refreshers.push_back([this, list, member] {
        const QSignalBlocker blocker(list);
        list->setCurrentIndex(m_state.preferences.*member);
    });
}

void Binder::bind(QTabWidget* pages, int Preferences::*member)
{
    connect(pages, &QTabWidget::currentChanged, this,
            [this, member](int index) { m_state.preferences.*member = index; });
    m_refreshers.push_back([this, pages, member] {
        const QSignalBlocker blocker(pages);
        pages->setCurrentIndex(m_state.preferences.*member);
    });
}

Preferences& Binder::model()
{
    return m_state.preferences;
}

void Binder::announce()
{
    m_state.announcePreferences();
}

void Binder::onRefresh(std::function<void()> refresh)
{
    m_refreshers.push_back(std::move(refresh));
}

void Binder::refresh()
{
    for (const auto& refresher : m_refreshers)
        refresher();
}

} // namespace kestrava
