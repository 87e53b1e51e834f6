#include "gui/reference/MyDecksPage.h"

#include "core/cards/Card.h"
#include "core/reference/DeckPage.h"
#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Guard.h"
#include "gui/common/HtmlView.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reference/ImportDeckDialog.h"
#include "gui/reference/TitleSetModel.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

MyDecksPage::MyDecksPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state),
      m_decks(named(new QListWidget(this), QStringLiteral("FileListBox2")))
{
    auto* group =
        makeGroup(QStringLiteral("GroupBox1"), QStringLiteral("View / Change Tarot Deck"), this);
    auto* more = makeButton(QStringLiteral("ButtonDMTD"),
                            QStringLiteral("Download More Tarot Decks"), group);
    auto* import =
        makeButton(QStringLiteral("ButtonImportDeck"), QStringLiteral("Import Deck…"), group);
    more->setAccessibleName(more->text());
    import->setAccessibleName(import->text());
    // Made once, so the second language reaches its captions too.
    m_import = new ImportDeckDialog(state, this);
    m_noDeck = makeLabel(QStringLiteral("LabelNoDeck"), toQt(kNoDeckMessage), group);
    m_noDeck->hide();
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(m_noDeck);
    groupLayout->addWidget(m_decks);
    groupLayout->addWidget(import, 0, Qt::AlignLeft);
    groupLayout->addWidget(more, 0, Qt::AlignLeft);
    m_decks->setMaximumWidth(260);
    m_view = named(new HtmlView(this), QStringLiteral("CppWebBrowser3"));
    m_view->setAccessibleName(QStringLiteral("Deck page"));
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(m_view, 1);

    connect(m_decks, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0)
            m_state.preferences.selectedDeck = toBytes(m_decks->item(row)->text());
        else
            m_state.preferences.selectedDeck.reset();
        showDeck();
        // Picking a deck reloads the title set in force, so typing in the
        // titles editor that was never saved is gone from here on.
        guarded(m_state.prompter(),
                [this] { m_state.titles().load(m_state.preferences.defaultTitles); });
        m_state.announcePreferences();
    });
    connect(more, &QPushButton::clicked, this,
            [this] { m_state.openSitePage(QStringLiteral("/en/downloads/")); });
    connect(import, &QPushButton::clicked, m_import, &ImportDeckDialog::start);
    connect(m_import, &ImportDeckDialog::deckImported, this, [this](const QString& deck) {
        const auto found = m_decks->findItems(deck, Qt::MatchExactly);
        if (!found.isEmpty())
            m_decks->setCurrentItem(found.constFirst());
    });
    connect(&state.lists(), &FolderLists::changed, this, &MyDecksPage::fillDecks);
    auto* binder = new Binder(state, this);
    binder->onRefresh([this] { refresh(); });
}

void MyDecksPage::fillDecks()
{
    const QSignalBlocker blocker(m_decks);
    m_decks->clear();
    const auto& decks = m_state.lists().decks();
    for (const auto& deck : decks)
        m_decks->addItem(toQt(deck));
    m_noDeck->setVisible(decks.empty());
    refresh();
    showDeck();
}

void MyDecksPage::showDeck()
{
    const auto& deck = m_state.preferences.selectedDeck;
    m_shownDeck = deck;
    if (!deck)
        return;
    // A page that cannot be built leaves the view as it was, without a word.
    try {
        if (kestrava::showDeck(m_state.folder(), *deck, m_state.titleList(), m_state.preferences)
                .pageWritten) {
            m_view->showFile(deckPageFile(m_state.folder()));
            // Each picture has its number above and its title below it.
            m_view->setAccessibleName(QStringLiteral("Deck page: %1").arg(toQt(*deck)));
        }
    } catch (const std::exception&) {
    }
}

void MyDecksPage::refresh()
{
    const QSignalBlocker blocker(m_decks);
    const auto& deck = m_state.preferences.selectedDeck;
    int row = -1;
    for (int i = 0; deck && i < m_decks->count(); ++i) {
        if (toBytes(m_decks->item(i)->text()) == *deck)
            row = i;
    }
    m_decks->setCurrentRow(row);
    // The remembered deck arrives with the settings: its page is shown then.
    if (deck != m_shownDeck)
        showDeck();
}

} // namespace kestrava
