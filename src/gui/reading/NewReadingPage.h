#pragma once

#include <QWidget>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace kestrava {

class AppState;
class HtmlView;

// The "New Reading" page: who asks and what, the spread list with its
// description and layout, and the commands that deal a reading.
class NewReadingPage : public QWidget
{
    Q_OBJECT

public:
    NewReadingPage(AppState& state, QWidget* parent);

    // Fills the spread list from the state's list of spreads; nothing is selected.
    void fillSpreads();
    // Start-up, once the settings are in: previews of the selected spread
    // and the card set that suits it.
    void showSelectedSpread();

    void ListBox3Click();
    void ActionLSD();
    void Button2Click();
    void ButtonDealClick();

signals:
    // The commands of other pages' Parts, started from here.
    void chooseByMouseRequested(const std::string& question);
    void addExistingReadingRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateReadingCommands();
    void adaptCardSet();
    void refresh();

    AppState& m_state;
    QLineEdit* m_name;
    QCheckBox* m_remember;
    QPlainTextEdit* m_question;
    QListWidget* m_spreads;
    QTabWidget* m_views;
    HtmlView* m_description;
    QScrollArea* m_layoutBox;
    QLabel* m_layout;
    QPushButton* m_deal;
    QPushButton* m_chooseByMouse;
    QPushButton* m_addExisting;
    bool m_pressing = false;
};

} // namespace kestrava
