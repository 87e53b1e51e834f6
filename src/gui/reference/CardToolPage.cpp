#include "gui/reference/CardToolPage.h"

#include "core/cards/Card.h"
#include "core/reference/CardTools.h"
#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Guard.h"
#include "gui/common/HtmlView.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

CardToolPage::CardToolPage(AppState& state, QWidget* parent, const CardToolNames& names,
                           Entries entries, Build build)
    : QWidget(parent), m_state(state), m_entries(std::move(entries)), m_build(std::move(build)),
      m_cards(named(new QListWidget(this), names.cardList)),
      m_checks(named(new QListWidget(this), names.checkList)),
      m_selectAll(makeCheck(names.selectAll, QStringLiteral("Select All"), this)),
      m_button(makeButton(names.button, names.buttonCaption, this)),
      m_view(named(new HtmlView(this), names.view)), m_side(new QVBoxLayout)
{
    m_cards->setAccessibleName(QStringLiteral("Cards"));
    m_checks->setAccessibleName(names.checkList == QLatin1String("CheckListBox2")
                                    ? QStringLiteral("Decks")
                                    : QStringLiteral("Description sources"));
    m_selectAll->setAccessibleName(m_selectAll->text());
    m_button->setAccessibleName(m_button->text());
    m_view->setAccessibleName(names.buttonCaption);
    m_caption = names.buttonCaption;
    m_button->setEnabled(false);

    m_side->addWidget(m_cards, 3);
    m_side->addWidget(m_checks, 2);
    m_side->addWidget(m_selectAll);
    m_side->addWidget(m_button);
    m_cards->setFixedWidth(220);
    m_checks->setFixedWidth(220);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(m_side);
    layout->addWidget(m_view, 1);

    connect(m_cards, &QListWidget::itemSelectionChanged, this, [this] { updateButton(); });
    connect(m_checks, &QListWidget::itemChanged, this, [this] { updateButton(); });
    connect(m_selectAll, &QCheckBox::clicked, this, [this] { applySelectAll(); });
    connect(m_button, &QPushButton::clicked, this, [this] { buildPage(); });
    connect(&state.lists(), &FolderLists::changed, this, [this] {
        if (isVisible())
            refill();
    });
}

void CardToolPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refill();
}

void CardToolPage::refill()
{
    const QSignalBlocker blockCards(m_cards);
    const QSignalBlocker blockChecks(m_checks);
    // The card list follows the selected deck's size; a deck of neither kind,
    // or no deck at all, leaves it as it was.
    guarded(m_state.prompter(), [&] {
        const std::vector<std::string> titles = m_state.titleList();
        std::string size;
        if (m_state.preferences.selectedDeck)
            size = deckSize(m_state.selectedDeckFolder());
        if (const auto entries = cardPickerEntries(titles, size)) {
            m_cards->clear();
            for (const auto& title : *entries)
                m_cards->addItem(toQt(title));
        }
    });
    m_cards->clearSelection();
    m_cards->setCurrentRow(-1);
    m_names = m_entries(m_state);
    m_checks->clear();
    for (const auto& name : m_names) {
        auto* item = new QListWidgetItem(toQt(name), m_checks);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    applySelectAll();
}

void CardToolPage::applySelectAll()
{
    {
        const QSignalBlocker blocker(m_checks);
        const Qt::CheckState state = m_selectAll->isChecked() ? Qt::Checked : Qt::Unchecked;
        for (int i = 0; i < m_checks->count(); ++i)
            m_checks->item(i)->setCheckState(state);
    }
    updateButton();
}

std::vector<bool> CardToolPage::checks() const
{
    std::vector<bool> checked;
    for (int i = 0; i < m_checks->count(); ++i)
        checked.push_back(m_checks->item(i)->checkState() == Qt::Checked);
    return checked;
}

int CardToolPage::cardCount() const
{
    return m_cards->count();
}

void CardToolPage::showCard(int card)
{
    if (card < 1 || card > m_cards->count())
        return;
    m_cards->setCurrentRow(card - 1);
    m_cards->scrollToItem(m_cards->currentItem());
    updateButton();
    buildPage();
}

void CardToolPage::updateButton()
{
    m_button->setEnabled(toolButtonEnabled(!m_cards->selectedItems().isEmpty(), checks()));
}

void CardToolPage::buildPage()
{
    const int row = m_cards->currentRow();
    if (row < 0)
        return;
    guarded(m_state.prompter(), [&] {
        const int card = row + 1;
        const std::vector<std::string> titles = m_state.titleList();
        const std::string title = titles.at(static_cast<std::size_t>(card));
        m_view->showFile(m_build(m_state, card, title, m_names, checks()));
        // The page's pictures carry no text of their own: the view says what it shows.
        m_view->setAccessibleName(
            QStringLiteral("%1: card %2, %3").arg(m_caption).arg(card).arg(toQt(title)));
    });
}

} // namespace kestrava
