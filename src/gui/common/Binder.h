#pragma once

#include "core/app/Preferences.h"

#include <QObject>
#include <QRadioButton>
#include <QSignalBlocker>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QTabWidget;

namespace kestrava {

class AppState;

// Two-way bindings between controls and the preference model: a user's
// change writes the model and announces it; an announcement refreshes every
// bound control without echoing back.
class Binder : public QObject
{
    Q_OBJECT

public:
    Binder(AppState& state, QObject* parent);

    void bind(QCheckBox* box, bool Preferences::*member);
    void bind(QLineEdit* edit, std::string Preferences::*member);
    void bind(QComboBox* list, int Preferences::*member);
    // The open sub-page of a page group; an index outside it leaves the page as it is.
    void bind(QTabWidget* pages, int Preferences::*member);
    // A group of radio buttons for one preference, each button with its
    // value; a value no button has checks the first.
    template <typename Value>
    void bind(std::vector<std::pair<QRadioButton*, Value>> choices, Value Preferences::*member)
    {
        for (const auto& [button, value] : choices) {
            connect(button, &QRadioButton::toggled, this, [this, member, value = value](bool on) {
                if (!on)
                    return;
                model().*member = value;
                announce();
            });
        }
        m_refreshers.push_back([this, choices, member] {
            QRadioButton* on = choices.front().first;
            for (const auto& [button, value] : choices) {
                if (model().*member == value)
                    on = button;
            }
            const QSignalBlocker blocker(on);
            on->setChecked(true);
        });
    }
    // Any other refresh the owner needs when the model changes.
    void onRefresh(std::function<void()> refresh);

    void refresh();

private:
    Preferences& model();
    void announce();

    AppState& m_state;
    std::vector<std::function<void()>> m_refreshers;
};

} // namespace kestrava
