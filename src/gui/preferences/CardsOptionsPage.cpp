#include "gui/preferences/CardsOptionsPage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QGridLayout>
#include <QListWidget>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

CardsOptionsPage::CardsOptionsPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_binder(new Binder(state, this))
{
    auto* types =
        makeGroup(QStringLiteral("GroupBoxCardTypes"), QStringLiteral("Card Types"), this);
    m_majors = makeRadio(QStringLiteral("RadioButton1"),
                         QStringLiteral("Use only 22 Major Arcans (Trumps)"), types);
    m_minors = makeRadio(QStringLiteral("RadioButton2"), QStringLiteral("Use only 56 Minor Arcans"),
                         types);
    m_all = makeRadio(QStringLiteral("RadioButton3"), QStringLiteral("Use All 78 Cards"), types);
    auto* blank = makeCheck(QStringLiteral("CheckBox1"),
                            QStringLiteral("Use Additional Blank Card(s):"), types);
    auto* blankCount = named(new QLineEdit(types), QStringLiteral("EditBlankCard"));
    blankCount->setMaximumWidth(60);
    // More blanks than this would only bury the cards and slow the shuffle.
    // (A range validator would let 2000 through as a text still being typed.)
    static_assert(Preferences::kMaxBlankCards == 1000);
    blankCount->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("1000|[0-9]{1,3}")), blankCount));
    blankCount->setAccessibleName(QStringLiteral("Number of additional blank cards"));
    auto* reversed = makeCheck(QStringLiteral("CheckBoxReversedCards"),
                               QStringLiteral("Use Reversed Cards"), types);
    auto* repeat =
        makeCheck(QStringLiteral("CheckBox5"), QStringLiteral("Repeat the Cards"), types);

    auto* typesLayout = new QGridLayout(types);
    typesLayout->addWidget(m_majors, 0, 0, 1, 2);
    typesLayout->addWidget(m_minors, 1, 0, 1, 2);
    typesLayout->addWidget(m_all, 2, 0, 1, 2);
    typesLayout->addWidget(blank, 3, 0);
    typesLayout->addWidget(blankCount, 3, 1, Qt::AlignLeft);
    typesLayout->addWidget(reversed, 4, 0, 1, 2);
    typesLayout->addWidget(repeat, 5, 0, 1, 2);
    typesLayout->setRowStretch(6, 1);

    auto* descriptions =
        makeGroup(QStringLiteral("GroupBox18"), QStringLiteral("Card Descriptions Type:"), this);
    m_sources = named(new QListWidget(descriptions), QStringLiteral("CLBCDE"));
    m_hiddenSources = named(new QListWidget(descriptions), QStringLiteral("LBCDE"));
    m_hiddenSources->hide();
    auto* hint = makeLabel(QStringLiteral("LabelCLBCDEHint"),
                           QStringLiteral("* Check one or more at your choise"), descriptions);
    auto* descriptionsLayout = new QVBoxLayout(descriptions);
    descriptionsLayout->addWidget(m_sources);
    descriptionsLayout->addWidget(hint);

    auto* left = new QVBoxLayout;
    left->addWidget(types);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addWidget(descriptions, 1);

    m_binder->bind<CardSet>(
        {{m_majors, CardSet::Majors22}, {m_minors, CardSet::Minors56}, {m_all, CardSet::All78}},
        &Preferences::cardSet);
    connect(&state.lists(), &FolderLists::changed, this, &CardsOptionsPage::fillSources);
    connect(m_sources, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        const auto row = static_cast<std::size_t>(m_sources->row(item));
        auto& checks = m_state.preferences.sourceChecks;
        const std::size_t sources = m_state.lists().sources().size();
        if (checks.size() < sources)
            checks.resize(sources, false);
        if (row < checks.size())
            checks[row] = item->checkState() == Qt::Checked;
        m_state.announcePreferences();
    });

    m_binder->bind(blank, &Preferences::useBlankCards);
    m_binder->bind(blankCount, &Preferences::blankCardCount);
    m_binder->bind(reversed, &Preferences::reversedCards);
    m_binder->bind(repeat, &Preferences::repeatCards);
    m_binder->onRefresh([this] { refresh(); });
    m_binder->refresh();
}

void CardsOptionsPage::fillSources()
{
    const QSignalBlocker blocker(m_sources);
    m_sources->clear();
    m_hiddenSources->clear();
    for (const auto& source : m_state.lists().sources()) {
        auto* item = new QListWidgetItem(toQt(source), m_sources);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        m_hiddenSources->addItem(toQt(source));
    }
    refresh();
}

void CardsOptionsPage::refresh()
{
    const Preferences& p = m_state.preferences;
    m_majors->setEnabled(m_state.majorsAllowed);

    const QSignalBlocker blocker(m_sources);
    for (int row = 0; row < m_sources->count(); ++row) {
        const auto k = static_cast<std::size_t>(row);
        const bool checked = k < p.sourceChecks.size() && p.sourceChecks[k];
        m_sources->item(row)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
    }
    m_hiddenSources->clearSelection();
    if (p.selectedHiddenSource) {
        const auto found =
            m_hiddenSources->findItems(toQt(*p.selectedHiddenSource), Qt::MatchExactly);
        if (!found.isEmpty())
            m_hiddenSources->setCurrentItem(found.constFirst());
    }
}

} // namespace kestrava
