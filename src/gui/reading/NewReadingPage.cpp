#include "gui/reading/NewReadingPage.h"

#include "core/Error.h"
#include "core/reading/Deal.h"
#include "core/reading/SpreadPreview.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"
#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Guard.h"
#include "gui/common/HtmlView.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"

#include <QEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

namespace kestrava {

namespace {

constexpr int kLayoutWidth = 535;
constexpr int kLayoutHeight = 605;

SectionSources spreadSources(const AppState& state)
{
    SectionSources sources(state.folder());
    sources.selectedSpread = state.selectedSpread();
    return sources;
}

} // namespace

NewReadingPage::NewReadingPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* info =
        makeGroup(QStringLiteral("GroupBox3"), QStringLiteral("Information for the Reading"), this);
    const LabeledEdit name =
        makeLabeledEdit(QStringLiteral("LabeledEdit1"), QStringLiteral("Enter Your Name:"), info);
    m_name = name.edit;
    m_remember = makeCheck(QStringLiteral("CheckBox2"), QStringLiteral("Remember the Name"), info);
    auto* questionLabel = makeLabel(
        QStringLiteral("Label1"),
        QStringLiteral("Put a Question Before the Cards (or add the notes/comments here):"), info);
    questionLabel->setWordWrap(true);
    m_question = named(new QPlainTextEdit(info), QStringLiteral("Memo3"));
    questionLabel->setBuddy(m_question);
    auto* infoLayout = new QVBoxLayout(info);
    infoLayout->addWidget(name.label);
    infoLayout->addWidget(m_name);
    infoLayout->addWidget(m_remember);
    infoLayout->addWidget(questionLabel);
    infoLayout->addWidget(m_question, 1);

    m_deal = makeButton(QStringLiteral("Button2"),
                        QStringLiteral("Shuffle and Deal Virtual Tarot Deck"), this);
    m_chooseByMouse = makeButton(QStringLiteral("ButtonShowDeck"),
                                 QStringLiteral("Choose every card by the mouse"), this);
    m_addExisting = makeButton(QStringLiteral("Button16"),
                               QStringLiteral("Add an Existing Reading to the Diary"), this);
    QFont bold = m_addExisting->font();
    bold.setBold(true);
    m_addExisting->setFont(bold);
    // The two steps of a deal exist as commands of their own, never shown.
    auto* shuffle = makeButton(QStringLiteral("ButtonShuffle"), QStringLiteral("Shuffle"), this);
    auto* deal = makeButton(QStringLiteral("ButtonDeal"), QStringLiteral("Deal"), this);
    shuffle->hide();
    deal->hide();

    auto* left = new QVBoxLayout;
    left->addWidget(info, 1);
    left->addWidget(m_deal);
    left->addWidget(m_chooseByMouse);
    left->addWidget(m_addExisting);

    auto* select = makeGroup(QStringLiteral("GroupBox4"), QStringLiteral("Select a Spread"), this);
    m_spreads = named(new QListWidget(select), QStringLiteral("ListBox3"));
    auto* more =
        makeButton(QStringLiteral("ButtonDAS"), QStringLiteral("Download More Spreads"), select);
    auto* selectLayout = new QVBoxLayout(select);
    selectLayout->addWidget(m_spreads, 1);
    selectLayout->addWidget(more);

    m_views = named(new QTabWidget(this), QStringLiteral("PageControl5"));
    m_description = named(new HtmlView(m_views), QStringLiteral("CppWebBrowser2"));
    m_views->addTab(named(m_description, QStringLiteral("CppWebBrowser2")),
                    QStringLiteral("Description"));
    auto* scroll = named(new QScrollArea(m_views), QStringLiteral("ScrollBoxLayout"));
    m_layoutBox = scroll;
    m_layout = makeLabel(QStringLiteral("Image8"), QString(), scroll);
    QImage white(kLayoutWidth, kLayoutHeight, QImage::Format_RGB32);
    white.fill(Qt::white);
    m_layout->setPixmap(QPixmap::fromImage(white));
    m_layout->setFixedSize(kLayoutWidth, kLayoutHeight);
    scroll->setWidget(m_layout);
    scroll->setBackgroundRole(QPalette::Base);
    m_views->addTab(scroll, QStringLiteral("Layout"));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 5);
    layout->addWidget(select, 4);
    layout->addWidget(m_views, 6);

    auto* binder = new Binder(state, this);
    binder->bind(m_name, &Preferences::querentName);
    binder->bind(m_remember, &Preferences::rememberName);
    binder->bind(m_views, &Preferences::spreadViewPage);
    binder->onRefresh([this] { refresh(); });
    binder->refresh();

    // One click, one selection: a press on an entry (the selected one too)
    // runs it once; the keys run it as they move the selection.
    m_spreads->viewport()->installEventFilter(this);
    connect(m_spreads, &QListWidget::itemPressed, this, [this] {
        m_pressing = false;
        ListBox3Click();
    });
    connect(m_spreads, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !m_pressing)
            ListBox3Click();
    });
    connect(&state.lists(), &FolderLists::changed, this, &NewReadingPage::fillSpreads);
    connect(m_deal, &QPushButton::clicked, this, &NewReadingPage::Button2Click);
    connect(deal, &QPushButton::clicked, this, &NewReadingPage::ButtonDealClick);
    connect(m_chooseByMouse, &QPushButton::clicked, this,
            [this] { emit chooseByMouseRequested(toBytes(m_question->toPlainText())); });
    connect(m_addExisting, &QPushButton::clicked, this,
            &NewReadingPage::addExistingReadingRequested);
    connect(more, &QPushButton::clicked, this,
            [this] { m_state.openSitePage(QStringLiteral("/en/downloads/")); });
}

void NewReadingPage::fillSpreads()
{
    const QSignalBlocker blocker(m_spreads);
    m_spreads->clear();
    for (const auto& spread : m_state.lists().spreads())
        m_spreads->addItem(toQt(spread));
    m_spreads->setCurrentRow(-1);
    updateReadingCommands();
}

void NewReadingPage::showSelectedSpread()
{
    ActionLSD();
    adaptCardSet();
}

void NewReadingPage::ListBox3Click()
{
    m_state.preferences.selectedSpread = m_spreads->currentRow();
    m_state.announcePreferences();
    // An error stops the click where it happened, with one message.
    guarded(m_state.prompter(), [this] {
        ActionLSD();
        updateReadingCommands();
        adaptCardSet();
    });
}

void NewReadingPage::ActionLSD()
{
    const auto spread = m_state.selectedSpread();
    if (!spread)
        return;
    const SectionSources sources = spreadSources(m_state);
    const Lines page = spreadDescriptionPage(*spread, m_state.preferences.codePageName(),
                                             sources.read("DESCRIPTION", "CSS"));
    const auto file = m_state.folder().xfiles() / "tmp0.srml";
    writeLines(file, page);
    m_description->showFile(file);

    QImage picture(kLayoutWidth, kLayoutHeight, QImage::Format_RGB32);
    picture.fill(Qt::white);
    const LayoutPlan plan = planLayout(sources.read("POSITIONS", "CSS"));
    {
        QPainter painter(&picture);
        painter.setPen(Qt::black);
        painter.setBrush(Qt::white);
        painter.setFont(QFont(QStringLiteral("Tahoma"), 8));
        for (const LayoutCard& card : plan.cards) {
            // A card of 35 x 55 units, its outline included.
            painter.drawRect(card.left, card.top, kDesignCardWidth - 1, kDesignCardHeight - 1);
            const QRect box(card.numberLeft, card.numberTop, 20, 20);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, toQt(card.number));
        }
    }
    m_layout->setPixmap(QPixmap::fromImage(picture));
    m_layoutBox->horizontalScrollBar()->setValue(0);
    m_layoutBox->verticalScrollBar()->setValue(0);
    if (plan.error)
        throw Error(*plan.error);
    m_state.layoutLefts = plan.lefts;
    m_state.layoutTops = plan.tops;
}

void NewReadingPage::Button2Click()
{
    guarded(m_state.prompter(),
            [this] { m_state.session().deal(toBytes(m_question->toPlainText())); });
}

void NewReadingPage::ButtonDealClick()
{
    guarded(m_state.prompter(),
            [this] { m_state.session().dealLastShuffle(toBytes(m_question->toPlainText())); });
}

bool NewReadingPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_spreads->viewport()) {
        if (event->type() == QEvent::MouseButtonPress)
            m_pressing = true;
        else if (event->type() == QEvent::MouseButtonRelease)
            m_pressing = false;
    }
    return QWidget::eventFilter(watched, event);
}

void NewReadingPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateReadingCommands();
}

void NewReadingPage::updateReadingCommands()
{
    const bool selected = m_state.selectedSpread().has_value();
    for (QPushButton* button : {m_deal, m_chooseByMouse, m_addExisting})
        button->setEnabled(selected);
}

void NewReadingPage::adaptCardSet()
{
    if (!m_state.selectedSpread())
        return;
    const int cards = cardCount(spreadSources(m_state).read("CARDS", "CSS"));
    m_state.majorsAllowed = kestrava::adaptCardSet(m_state.preferences, cards);
    m_state.announcePreferences();
}

void NewReadingPage::refresh()
{
    const QSignalBlocker blocker(m_spreads);
    if (m_spreads->currentRow() != m_state.preferences.selectedSpread)
        m_spreads->setCurrentRow(m_state.preferences.selectedSpread);
}

} // namespace kestrava
