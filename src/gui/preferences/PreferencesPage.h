#pragma once

#include <QWidget>

class QTabWidget;

namespace kestrava {

class AppState;
class CardsOptionsPage;

// The "Preferences" page: four sub-pages, each bound to the preference model.
class PreferencesPage : public QWidget
{
    Q_OBJECT

public:
    PreferencesPage(AppState& state, QWidget* parent);

    CardsOptionsPage* cardsOptions() const { return m_cardsOptions; }

private:
    CardsOptionsPage* m_cardsOptions;
};

} // namespace kestrava
