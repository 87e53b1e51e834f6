#pragma once

#include <QWidget>

class QListWidget;
class QRadioButton;

namespace kestrava {

class AppState;
class Binder;

// Preferences, "Cards Options": the card set of the deal, blank cards,
// reversals and repetition, and the description sources.
class CardsOptionsPage : public QWidget
{
    Q_OBJECT

public:
    CardsOptionsPage(AppState& state, QWidget* parent);

    // Fills the description-source lists from the state's list of sources.
    void fillSources();

private:
    void refresh();

    AppState& m_state;
    Binder* m_binder;
    QRadioButton* m_majors;
    QRadioButton* m_minors;
    QRadioButton* m_all;
    QListWidget* m_sources;
    QListWidget* m_hiddenSources;
};

} // namespace kestrava
