#pragma once

#include <QWidget>
#include <optional>
#include <string>

class QLabel;
class QListWidget;

namespace kestrava {
class HtmlView;
class ImportDeckDialog;
} // namespace kestrava

namespace kestrava {

class AppState;

// The "My Decks" page: the deck list that chooses the deck dealt from, the
// selected deck's page, and the import of a deck from a folder of pictures.
class MyDecksPage : public QWidget
{
    Q_OBJECT

public:
    MyDecksPage(AppState& state, QWidget* parent);

    // Fills the deck list from the state's list of decks.
    void fillDecks();

    // Writes the selected deck's page and shows it.
    void showDeck();

private:
    void refresh();

    AppState& m_state;
    QListWidget* m_decks;
    QLabel* m_noDeck;
    HtmlView* m_view;
    ImportDeckDialog* m_import;
    std::optional<std::string> m_shownDeck;
};

} // namespace kestrava
