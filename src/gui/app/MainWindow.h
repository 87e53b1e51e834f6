#pragma once

#include "gui/app/Services.h"

#include <QMainWindow>

class QLabel;
class QTabWidget;
class QVBoxLayout;

namespace kestrava {

class AboutPage;
class AppState;
class CardTablePage;
class EditorsPage;
class FullScreenPage;
class ManualChoicePanel;
class MyDecksPage;
class MyReadingsPage;
class NewReadingPage;
class PreferencesPage;
class ReadingsEditorPage;

// The main window: composes the pages, owns the shared state, initialises
// everything in its order at start and saves the settings at close.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Page { NewReading, CardTable, MyReadings, Sys, MyDecks, Editors, Tools, Prefs, About };

    static constexpr int kClientWidth = 796;
    static constexpr int kClientHeight = 558;

    explicit MainWindow(Services services, QWidget* parent = nullptr);

    AppState& state() const { return *m_state; }
    QTabWidget* pages() const { return m_pages; }
    // Brings the window to the front, as a second start asks.
    void bringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void initialise();
    void placeWindow();
    void openCommandLineDocument();
    void showReadingPage(bool fullScreen);
    // Lays the panel over the window; the page that owns it takes it back.
    void enterFullScreen(QWidget* panel, FullScreenPage& owner);
    void leaveFullScreen();
    void connectReadingsEditor();
    void putFrameBack(int triesLeft);

    AppState* m_state;
    QWidget* m_client;
    QVBoxLayout* m_clientLayout;
    QTabWidget* m_pages;
    QLabel* m_status;
    int m_shownPage = 0;
    QPoint m_windowedPlace;
    NewReadingPage* m_newReading = nullptr;
    CardTablePage* m_cardTable = nullptr;
    MyDecksPage* m_decks = nullptr;
    EditorsPage* m_editors = nullptr;
    ReadingsEditorPage* m_readingsEditor = nullptr;
    // What full screen shows: the card table's panel, the manual choice or the
    // readings editor's panel; none while the window is normal.
    FullScreenPage* m_fullScreenOwner = nullptr;
    MyReadingsPage* m_myReadings = nullptr;
    PreferencesPage* m_preferences = nullptr;
    AboutPage* m_about = nullptr;
    ManualChoicePanel* m_manualChoice = nullptr;
};

} // namespace kestrava
