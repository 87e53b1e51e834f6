#include "gui/reference/ReadCardsPage.h"

#include "core/reference/CardTools.h"
#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace kestrava {

ReadCardsPage::ReadCardsPage(AppState& state, QWidget* parent)
    : CardToolPage(
          state, parent,
          {QStringLiteral("ListBox10"), QStringLiteral("CheckListBox3"),
           QStringLiteral("CheckBox14"), QStringLiteral("ButtonReadCard"),
           QStringLiteral("Read the Card"), QStringLiteral("CppWebBrowser5")},
          [](const AppState& s) { return s.lists().sources(); },
          [](const AppState& s, int card, const std::string& title,
             const std::vector<std::string>& sources, const std::vector<bool>& checks) {
              const auto file = readCardPageFile(s.folder());
              writeLines(file,
                         readCardPage(s.folder(), card, title, sources, checks, s.preferences));
              return file;
          })
{
    const LabeledEdit query = makeLabeledEdit(QStringLiteral("EditSearchDescriptions"),
                                              QStringLiteral("Search in the descriptions:"), this);
    m_query = query.edit;
    m_query->setAccessibleName(QStringLiteral("Search in the descriptions"));
    m_query->setFixedWidth(160);
    auto* find =
        makeButton(QStringLiteral("ButtonSearchDescriptions"), QStringLiteral("Find"), this);
    find->setAccessibleName(find->text());
    m_found = named(new QListWidget(this), QStringLiteral("ListBoxFoundCards"));
    m_found->setAccessibleName(QStringLiteral("Cards found"));
    m_found->setFixedWidth(220);
    m_outcome = makeLabel(QStringLiteral("LabelFoundCards"), QString(), this);
    m_outcome->setFixedWidth(220);
    m_outcome->setWordWrap(true);

    auto* row = new QHBoxLayout;
    row->addWidget(m_query);
    row->addWidget(find);
    side()->addWidget(query.label);
    side()->addLayout(row);
    side()->addWidget(m_outcome);
    side()->addWidget(m_found, 2);

    connect(m_query, &QLineEdit::returnPressed, this, [this] { search(); });
    connect(find, &QPushButton::clicked, this, [this] { search(); });
    connect(m_found, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showCard(item->data(Qt::UserRole).toInt()); });
}

void ReadCardsPage::showEvent(QShowEvent* event)
{
    CardToolPage::showEvent(event);
    // The checks start afresh, so what they found is gone with them.
    m_found->clear();
    m_outcome->clear();
}

void ReadCardsPage::search()
{
    m_found->clear();
    m_outcome->clear();
    if (m_query->text().trimmed().isEmpty()) {
        m_outcome->setText(QStringLiteral("Type the words to search for."));
        return;
    }
    const std::vector<bool> checked = checks();
    if (std::find(checked.begin(), checked.end(), true) == checked.end()) {
        m_outcome->setText(QStringLiteral("Check the description sources to search in."));
        return;
    }
    std::vector<int> cards;
    if (!guarded(state().prompter(), [&] {
            cards = cardsDescribedBy(state().folder(), toBytes(m_query->text()), entries(), checked,
                                     cardCount());
        }))
        return;
    const std::vector<std::string> titles = state().titleList();
    for (const int card : cards) {
        const QString title = toQt(titles.at(static_cast<std::size_t>(card)));
        auto* item = new QListWidgetItem(QStringLiteral("%1 %2").arg(card).arg(title), m_found);
        item->setData(Qt::UserRole, card);
        item->setData(Qt::AccessibleTextRole, QStringLiteral("Card %1: %2").arg(card).arg(title));
    }
    m_outcome->setText(cards.empty() ? QStringLiteral("No card's description holds these words.")
                       : cards.size() == 1 ? QStringLiteral("1 card found.")
                                           : QStringLiteral("%1 cards found.").arg(cards.size()));
    m_outcome->setAccessibleName(m_outcome->text());
}

} // namespace kestrava
