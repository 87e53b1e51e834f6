#pragma once

#include "core/app/Preferences.h"

#include <QObject>
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
    // Any other refresh the owner needs when the model changes.
    void onRefresh(std::function<void()> refresh);

    void refresh();

private:
    AppState& m_state;
    std::vector<std::function<void()>> m_refreshers;
};

} // namespace kestrava
