#pragma once

#include <QWidget>

class QListWidget;
class QRadioButton;

namespace kestrava {

class AppState;
class Binder;

// Preferences, "Cards Options": the card set of the deal, blank cards,
// reversals and repetition, the description sources and the title set.
class CardsOptionsPage : public QWidget
{
    Q_OBJECT

public:
    CardsOptionsPage(AppState& state, QWidget* parent);

    // Fills the description-source lists from the state's list of sources.
    void fillSources();

private:
    void chooseTitles(bool defaultTitles);
    void refresh();

    AppState& m_state;
    Binder* m_binder;
    QRadioButton* m_majors;
    QRadioButton* m_minors;
    QRadioButton* m_all;
    QRadioButton* m_defaultTitles;
    QRadioButton* m_customTitles;
    QListWidget* m_sources;
    QListWidget* m_hiddenSources;
};

} // namespace kestrava
