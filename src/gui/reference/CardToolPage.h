#pragma once

#include "core/TextFile.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

class QCheckBox;
class QListWidget;
class QPushButton;
class QVBoxLayout;

namespace kestrava {

class AppState;
class HtmlView;

// What tells the two card tools apart: their widgets' names, their check
// list's entries and the page their button writes.
struct CardToolNames
{
    QString cardList;
    QString checkList;
    QString selectAll;
    QString button;
    QString buttonCaption;
    QString view;
};

// A card tool of "Tools": a card list, a check list, "Select All", a button
// that writes the tool's page and a view that shows it. The lists are
// refilled every time the page is shown.
class CardToolPage : public QWidget
{
    Q_OBJECT

public:
    using Entries = std::function<std::vector<std::string>(const AppState&)>;
    // Builds the page for card n with its title and the checks; returns the file written.
    using Build = std::function<std::filesystem::path(
        const AppState&, int card, const std::string& title,
        const std::vector<std::string>& entries, const std::vector<bool>& checks)>;

    CardToolPage(AppState& state, QWidget* parent, const CardToolNames& names, Entries entries,
                 Build build);

protected:
    void showEvent(QShowEvent* event) override;

    // The column of lists and buttons beside the view, for what a tool adds.
    QVBoxLayout* side() const { return m_side; }
    AppState& state() const { return m_state; }
    // The check list's entries and their checks, in list order.
    const std::vector<std::string>& entries() const { return m_names; }
    std::vector<bool> checks() const;
    // How many cards the card list offers (card n is entry n - 1).
    int cardCount() const;
    // Selects card n in the card list and builds its page.
    void showCard(int card);

private:
    void refill();
    void applySelectAll();
    void updateButton();
    void buildPage();

    AppState& m_state;
    Entries m_entries;
    Build m_build;
    std::vector<std::string> m_names;
    QListWidget* m_cards;
    QListWidget* m_checks;
    QCheckBox* m_selectAll;
    QPushButton* m_button;
    HtmlView* m_view;
    QVBoxLayout* m_side;
    QString m_caption;
};

} // namespace kestrava
