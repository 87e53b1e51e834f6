#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The screen of the manual card choice: the deck strip of card backs, its
// control box and the choice table, laid over the main window's client area
// while the dealt cards are laid by hand.
class ManualChoicePanel : public QWidget
{
    Q_OBJECT

public:
    ManualChoicePanel(AppState& state, QWidget* parent);

    // "Choose every card by the mouse".
    void start();

signals:
    // The main window hides its pages while the choice runs.
    void pagesHiddenRequested(bool hide);
    void fullScreenRequested();
    void restoreRequested();
    void finished();

private:
    AppState& m_state;
};

} // namespace kestrava
