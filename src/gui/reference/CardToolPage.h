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

private:
    void refill();
    void applySelectAll();
    void updateButton();
    void buildPage();
    std::vector<bool> checks() const;

    AppState& m_state;
    Entries m_entries;
    Build m_build;
    std::vector<std::string> m_names;
    QListWidget* m_cards;
    QListWidget* m_checks;
    QCheckBox* m_selectAll;
    QPushButton* m_button;
    HtmlView* m_view;
};

} // namespace kestrava
