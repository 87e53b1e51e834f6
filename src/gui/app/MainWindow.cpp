#include "gui/app/MainWindow.h"

#include "core/app/SettingsFile.h"
#include "core/srml/ReadingDocument.h"
#include "gui/app/AboutPage.h"
#include "gui/app/AppState.h"
#include "gui/app/Localisation.h"
#include "gui/app/Version.h"
#include "gui/cards/ManualChoicePanel.h"
#include "gui/common/FolderLists.h"
#include "gui/common/FullScreenPage.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/diary/MyReadingsPage.h"
#include "gui/diary/ReadingsEditorPage.h"
#include "gui/preferences/CardsOptionsPage.h"
#include "gui/preferences/PreferencesPage.h"
#include "gui/reading/NewReadingPage.h"
#include "gui/reading/ReadingSession.h"
#include "gui/reference/EditorsPage.h"
#include "gui/reference/MyDecksPage.h"
#include "gui/reference/TitleSetModel.h"
#include "gui/reference/ToolsPage.h"
#include "gui/table/CardTablePage.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <filesystem>
#include <utility>

namespace kestrava {

MainWindow::MainWindow(Services services, QWidget* parent)
    : QMainWindow(parent), m_state(new AppState(std::move(services), this)),
      m_client(new QWidget(this)), m_clientLayout(new QVBoxLayout(m_client)),
      m_pages(named(new QTabWidget(m_client), QStringLiteral("PageControl1"))),
      m_status(makeLabel(QStringLiteral("StatusBarPanel"), QString(), this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(QStringLiteral("Tahoma"), 8));
    m_clientLayout->setContentsMargins(0, 0, 0, 0);
    m_clientLayout->addWidget(m_pages);
    setCentralWidget(m_client);
    m_status->setAlignment(Qt::AlignCenter);
    statusBar()->setObjectName(QStringLiteral("StatusBar1"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(m_status, 1);
    setFixedSize(kClientWidth, kClientHeight);

    buildPages();
    initialise();
}

void MainWindow::buildPages()
{
    AppState& state = *m_state;
    m_newReading = named(new NewReadingPage(state, m_pages), QStringLiteral("TabSheet2"));
    m_cardTable = named(new CardTablePage(state, m_pages), QStringLiteral("TabSheet3"));
    m_myReadings = named(new MyReadingsPage(state, m_pages), QStringLiteral("TabSheet4"));
    m_decks = named(new MyDecksPage(state, m_pages), QStringLiteral("TabSheet9"));
    m_preferences = named(new PreferencesPage(state, m_pages), QStringLiteral("TabSheet1"));
    m_about = named(new AboutPage(state, m_pages), QStringLiteral("TabSheet5"));
    m_editors = named(new EditorsPage(state, m_pages), QStringLiteral("TabSheet10"));
    m_readingsEditor = m_editors->readingsEditor();

    m_pages->addTab(m_newReading, QStringLiteral("New Reading"));
    m_pages->addTab(m_cardTable, QStringLiteral("Card Table"));
    m_pages->addTab(m_myReadings, QStringLiteral("My Readings"));
    // Holds the working lists in the design; here a page whose tab never shows.
    m_pages->addTab(named(new QWidget(m_pages), QStringLiteral("TabSheetSys")),
                    QStringLiteral("SYS"));
    m_pages->addTab(m_decks, QStringLiteral("My Decks"));
    m_pages->addTab(m_editors, QStringLiteral("Editors"));
    m_pages->addTab(named(new ToolsPage(state, m_pages), QStringLiteral("TabSheetTools")),
                    QStringLiteral("Tools"));
    m_pages->addTab(m_preferences, QStringLiteral("Preferences"));
    m_pages->addTab(m_about, QStringLiteral("About | Updates"));

    // The tab bar's wheel and keys can land on a hidden tab; pass over it in
    // the direction of travel, so SYS and an empty card table never show.
    connect(m_pages, &QTabWidget::currentChanged, this, [this](int index) {
        if (index < 0 || m_pages->isTabVisible(index)) {
            m_shownPage = index;
            return;
        }
        const int step = index < m_shownPage ? -1 : 1;
        for (int next = index + step; next >= 0 && next < m_pages->count(); next += step) {
            if (m_pages->isTabVisible(next)) {
                m_pages->setCurrentIndex(next);
                return;
            }
        }
        m_pages->setCurrentIndex(m_shownPage);
    });
    // The card table has read the new reading by now (it listens first).
    connect(&state.session(), &ReadingSession::readingChanged, this, [this] {
        const ReadingSession::Change& change = m_state->session().lastChange();
        if (change.dealt && change.rendered)
            m_pages->setTabVisible(CardTable, true);
        if (change.show)
            showReadingPage(change.fullScreen);
    });
    connect(m_cardTable, &CardTablePage::fullScreenRequested, this,
            [this] { enterFullScreen(m_cardTable->panel(), *m_cardTable); });
    connect(m_cardTable, &CardTablePage::restoreRequested, this, &MainWindow::leaveFullScreen);
    connect(m_cardTable, &CardTablePage::newReadingRequested, this, [this] {
        leaveFullScreen();
        m_pages->setCurrentIndex(NewReading);
    });

    // The manual choice lays the dealt cards over the whole client area.
    m_manualChoice =
        named(new ManualChoicePanel(state, m_client), QStringLiteral("PanelManualChoice"));
    m_manualChoice->hide();
    m_clientLayout->addWidget(m_manualChoice);
    connect(m_newReading, &NewReadingPage::chooseByMouseRequested, m_manualChoice,
            &ManualChoicePanel::start);
    connect(m_manualChoice, &ManualChoicePanel::pagesHiddenRequested, m_pages,
            [this](bool hide) { m_pages->setVisible(!hide); });
    connect(m_manualChoice, &ManualChoicePanel::fullScreenRequested, this,
            [this] { enterFullScreen(m_manualChoice, *m_cardTable); });
    connect(m_manualChoice, &ManualChoicePanel::restoreRequested, this,
            &MainWindow::leaveFullScreen);
    connect(m_manualChoice, &ManualChoicePanel::finished, this, [this] {
        if (m_state->session().hasRendering())
            showReadingPage(m_state->preferences.fullScreenCardTable);
    });
    connectReadingsEditor();
}

void MainWindow::connectReadingsEditor()
{
    connect(m_newReading, &NewReadingPage::addExistingReadingRequested, m_readingsEditor,
            &ReadingsEditorPage::addExistingReading);
    connect(m_myReadings, &MyReadingsPage::editRequested, m_readingsEditor,
            &ReadingsEditorPage::edit);
    connect(m_readingsEditor, &ReadingsEditorPage::showRequested, this, [this] {
        m_editors->showReadingsEditor();
        m_pages->setCurrentIndex(Editors);
    });
    connect(m_readingsEditor, &ReadingsEditorPage::fullScreenRequested, this,
            [this] { enterFullScreen(m_readingsEditor->panel(), *m_readingsEditor); });
    connect(m_readingsEditor, &ReadingsEditorPage::restoreRequested, this,
            &MainWindow::leaveFullScreen);
}

void MainWindow::initialise()
{
    AppState& state = *m_state;
    m_pages->setCurrentIndex(NewReading);
    setWindowTitle(QStringLiteral("KESTRAVA"));
    m_status->setText(kAboutLine);
    m_about->showVersions();
    m_pages->setTabVisible(Sys, false);
    m_pages->setTabVisible(CardTable, false);

    // Every page that shows one of the lists fills it as they are read.
    state.lists().refresh();

    SettingsLists lists;
    lists.decks = state.lists().decks();
    lists.descriptionSources = state.lists().sources();
    lists.spreadCount = static_cast<int>(state.lists().spreads().size());
    loadSettings(state.folder(), lists, state.preferences);
    selectFirstDeckIfNone(state.preferences, state.lists().decks());
    state.announcePreferences();
    state.regenerateFileName();
    placeWindow();

    const bool ready = guarded(state.prompter(), [&] {
        m_newReading->showSelectedSpread();
        state.titles().load(state.preferences.defaultTitles);
        m_decks->showDeck();
        applyLanguage(state.services().language, this, state.words);
        openCommandLineDocument();
    });
    if (!ready)
        return;
    m_cardTable->ADockTabSet();
    // Behind a full-screen card table too: its restore comes back to "New Reading".
    m_pages->setCurrentIndex(NewReading);
}

void MainWindow::placeWindow()
{
    const Preferences& p = m_state->preferences;
    if (p.rememberWindowPosition) {
        move(p.windowLeft, p.windowTop);
        return;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void MainWindow::openCommandLineDocument()
{
    const QStringList& arguments = m_state->services().arguments;
    if (arguments.isEmpty())
        return;
    const std::filesystem::path file = toPath(arguments.constFirst());
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error))
        return;
    const Lines lines = readLines(file);
    if (lines.empty() || lines.front() != kDiaryHeader)
        return;
    m_state->session().load(lines, toQt(replaceAll(file.filename().string(), ".srml", "")));
}

void MainWindow::showReadingPage(bool fullScreen)
{
    m_pages->setTabVisible(CardTable, true);
    m_pages->setCurrentIndex(CardTable);
    if (fullScreen)
        enterFullScreen(m_cardTable->panel(), *m_cardTable);
}

void MainWindow::enterFullScreen(QWidget* panel, FullScreenPage& owner)
{
    if (m_fullScreenOwner)
        return;
    m_fullScreenOwner = &owner;
    m_windowedPlace = pos();
    m_clientLayout->addWidget(panel);
    panel->show();
    m_pages->hide();
    statusBar()->hide();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    setWindowFlag(Qt::FramelessWindowHint, true);
    showFullScreen();
    owner.setFullScreen(true);
}

void MainWindow::leaveFullScreen()
{
    FullScreenPage* owner = std::exchange(m_fullScreenOwner, nullptr);
    if (!owner)
        return;
    m_pages->show();
    owner->putPanelBack();
    setWindowFlag(Qt::FramelessWindowHint, false);
    showNormal();
    setFixedSize(kClientWidth, kClientHeight);
    move(m_windowedPlace);
    statusBar()->show();
    owner->setFullScreen(false);
    putFrameBack(50);
}

void MainWindow::putFrameBack(int triesLeft)
{
    // The window manager frames the window again only after it is shown,
    // and places it by its own reckoning: once the frame is back, the frame
    // goes to where it was before full screen.
    if (isFullScreen() || triesLeft <= 0)
        return;
    if (frameGeometry().size() == geometry().size()) {
        QTimer::singleShot(20, this, [this, triesLeft] { putFrameBack(triesLeft - 1); });
        return;
    }
    if (pos() != m_windowedPlace)
        move(m_windowedPlace);
}

void MainWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Preferences& p = m_state->preferences;
    // Full screen is not kept; the window's place is the one it returns to.
    const QPoint place = m_fullScreenOwner ? m_windowedPlace : pos();
    p.windowLeft = place.x();
    p.windowTop = place.y();
    saveSettings(m_state->folder(), p);
    event->accept();
}

} // namespace kestrava
