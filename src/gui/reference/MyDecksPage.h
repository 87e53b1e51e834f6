#pragma once

#include <QWidget>

class QLabel;
class QListWidget;

namespace kestrava {

class AppState;

// The "My Decks" page: the deck list that chooses the deck dealt from.
class MyDecksPage : public QWidget
{
    Q_OBJECT

public:
    MyDecksPage(AppState& state, QWidget* parent);

    // Fills the deck list from the state's list of decks.
    void fillDecks();

private:
    void refresh();

    AppState& m_state;
    QListWidget* m_decks;
    QLabel* m_noDeck;
};

} // namespace kestrava
