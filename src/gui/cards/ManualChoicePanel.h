#pragma once

#include "core/cards/ManualChoice.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>
#include <array>
#include <string>

class QLineEdit;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace kestrava {

class AppState;

// One card back of the fan, and later the card it lays on the table.
class CardBack : public QLabel
{
    Q_OBJECT

public:
    CardBack(int back, QWidget* parent);
    int back() const { return m_back; }

signals:
    void picked(int back);
    void revealed(int back);
    void hovered(int back, bool over);
    void focusStep(int back, int step);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_back;
};

// The screen of the manual card choice: the deck strip of card backs, its
// control box and the choice table, laid over the main window's client area
// while the dealt cards are laid by hand.
class ManualChoicePanel : public QWidget
{
    Q_OBJECT

public:
    ManualChoicePanel(AppState& state, QWidget* parent);

    // "Choose every card by the mouse": deals the question, then lays out the fan.
    void start(const std::string& question);
    const ManualChoice& choice() const { return m_choice; }

signals:
    // The main window hides its pages while the choice runs.
    void pagesHiddenRequested(bool hide);
    void fullScreenRequested();
    void restoreRequested();
    void finished();

private:
    void pick(int back);
    void reveal(int back);
    void hover(int back, bool over);
    void stepFocus(int back, int step);
    void showFace(int back);
    void showCounts();
    void nameBack(int back);
    void ButtonNextClick();
    void setFullScreen(bool on);

    AppState& m_state;
    ManualChoice m_choice;
    QPixmap m_backPicture;
    QVBoxLayout* m_layout;
    QWidget* m_strip;
    QScrollArea* m_stripScroll;
    QWidget* m_fan;
    QWidget* m_controls;
    QScrollArea* m_tableScroll;
    QWidget* m_table;
    QLineEdit* m_total;
    QLineEdit* m_remain;
    QPushButton* m_next;
    QPushButton* m_fullScreen;
    QPushButton* m_restore;
    std::array<CardBack*, kBackCount> m_backs{};
};

} // namespace kestrava
