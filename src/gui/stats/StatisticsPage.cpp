#include "gui/stats/StatisticsPage.h"

#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/srml/TitleSet.h"
#include "core/stats/StatsReport.h"
#include "gui/app/AppState.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCursor>
#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegend>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QStackedBarSeries>
#include <QTableWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace kestrava {

// The page's words in the interface language of the build.
struct StatisticsTexts
{
    QString database, diary, period, all, last30, last12, refresh;
    QString chart, normal, reversed, fair;
    QString readingColumn, storeColumn, dateColumn, positionColumn;
    QString spread, numberColumn, meaningColumn, topColumn;
    QString clickBar, cardFell, reversedWord;
    QString readings, majors, suit, blank, mostFrequent;
    QString nothing, undated, malformed;
};

namespace {

const StatisticsTexts kEnglish{
    QStringLiteral("Database"),
    QStringLiteral("Diary"),
    QStringLiteral("Period:"),
    QStringLiteral("All"),
    QStringLiteral("Last 30 days"),
    QStringLiteral("Last 12 months"),
    QStringLiteral("Refresh"),
    QStringLiteral("Card frequencies chart"),
    QStringLiteral("Normal"),
    QStringLiteral("Reversed"),
    QStringLiteral("Fair shuffle"),
    QStringLiteral("Reading"),
    QStringLiteral("Store"),
    QStringLiteral("Date and Time"),
    QStringLiteral("Position"),
    QStringLiteral("Spread:"),
    QStringLiteral("#"),
    QStringLiteral("Meaning"),
    QStringLiteral("Most frequent cards"),
    QStringLiteral("Click a bar to list the readings in which its card fell."),
    QStringLiteral("%1: fell %2 times, %3 reversed"),
    QStringLiteral("reversed"),
    QStringLiteral("Readings: %1. Cards that fell: %2. A fair shuffle gives each card %3."),
    QStringLiteral("Majors"),
    QStringLiteral("Suit"),
    QStringLiteral("Blank"),
    QStringLiteral("Most frequent:"),
    QStringLiteral("No saved readings to count."),
    QStringLiteral("%1 reading(s) with a date that none of the date-time patterns reads: "
                   "counted under \"All\" only."),
    QStringLiteral("%1 saved reading(s) could not be read and were not counted: %2"),
};

const StatisticsTexts kRussian{
    QStringLiteral("База данных"),
    QStringLiteral("Дневник"),
    QStringLiteral("Период:"),
    QStringLiteral("Всё время"),
    QStringLiteral("Последние 30 дней"),
    QStringLiteral("Последние 12 месяцев"),
    QStringLiteral("Обновить"),
    QStringLiteral("Диаграмма частоты карт"),
    QStringLiteral("Прямые"),
    QStringLiteral("Перевёрнутые"),
    QStringLiteral("Честное тасование"),
    QStringLiteral("Расклад"),
    QStringLiteral("Хранилище"),
    QStringLiteral("Дата и время"),
    QStringLiteral("Позиция"),
    QStringLiteral("Расклад:"),
    QStringLiteral("№"),
    QStringLiteral("Значение"),
    QStringLiteral("Частые карты"),
    QStringLiteral("Щёлкните столбец, чтобы увидеть расклады с этой картой."),
    QStringLiteral("%1: выпала %2 раз, перевёрнутой %3"),
    QStringLiteral("перевёрнута"),
    QStringLiteral("Раскладов: %1. Выпало карт: %2. При честном тасовании на карту: %3."),
    QStringLiteral("Старшие арканы"),
    QStringLiteral("Масть"),
    QStringLiteral("Пустые"),
    QStringLiteral("Чаще всего:"),
    QStringLiteral("Нет сохранённых раскладов."),
    QStringLiteral("Раскладов с датой, которую не читает ни один шаблон даты: %1; они "
                   "учтены только за всё время."),
    QStringLiteral("Не прочитано и не учтено сохранённых раскладов: %1: %2"),
};

const StatisticsTexts& textsFor(const QString& language)
{
    return language == QLatin1String("RU") ? kRussian : kEnglish;
}

QString storeName(const StatisticsTexts& texts, Store store)
{
    return store == Store::Diary ? texts.diary : texts.database;
}

constexpr int kStoreRole = Qt::UserRole;
constexpr int kEntryRole = Qt::UserRole + 1;

} // namespace

StatisticsPage::StatisticsPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_texts(textsFor(state.services().language)),
      m_database(makeCheck(QStringLiteral("CheckBoxStatsDatabase"), m_texts.database, this)),
      m_diary(makeCheck(QStringLiteral("CheckBoxStatsDiary"), m_texts.diary, this)),
      m_period(named(new QComboBox(this), QStringLiteral("ComboBoxStatsPeriod"))),
      m_refresh(makeButton(QStringLiteral("ButtonStatsRefresh"), m_texts.refresh, this)),
      m_chart(new QChart),
      m_chartView(named(new QChartView(m_chart, this), QStringLiteral("ChartViewStats"))),
      m_note(makeLabel(QStringLiteral("LabelStatsNote"), QString(), this)),
      m_summary(makeLabel(QStringLiteral("LabelStatsSummary"), QString(), this)),
      m_cardCaption(makeLabel(QStringLiteral("LabelStatsCard"), m_texts.clickBar, this)),
      m_readings(named(new QTreeWidget(this), QStringLiteral("TreeStatsReadings"))),
      m_spread(named(new QComboBox(this), QStringLiteral("ComboBoxStatsSpread"))),
      m_positions(named(new QTableWidget(this), QStringLiteral("GridStatsPositions")))
{
    m_database->setChecked(true);
    m_diary->setChecked(true);
    m_period->addItems({m_texts.all, m_texts.last30, m_texts.last12});
    auto* periodLabel = makeLabel(QStringLiteral("LabelStatsPeriod"), m_texts.period, this);
    periodLabel->setBuddy(m_period);
    auto* spreadLabel = makeLabel(QStringLiteral("LabelStatsSpread"), m_texts.spread, this);
    spreadLabel->setBuddy(m_spread);

    m_database->setAccessibleName(m_texts.database);
    m_diary->setAccessibleName(m_texts.diary);
    m_period->setAccessibleName(m_texts.period);
    m_refresh->setAccessibleName(m_texts.refresh);
    m_chartView->setAccessibleName(m_texts.chart);
    m_readings->setAccessibleName(m_texts.clickBar);
    m_spread->setAccessibleName(m_texts.spread);
    m_positions->setAccessibleName(m_texts.topColumn);

    m_chart->legend()->setAlignment(Qt::AlignTop);
    m_chart->setMargins(QMargins(2, 2, 2, 2));
    m_chartView->setRenderHint(QPainter::Antialiasing);
    m_chartView->setMinimumHeight(250);
    for (QLabel* label : {m_note, m_summary}) {
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    m_note->setAccessibleName(QStringLiteral("Note"));
    m_summary->setAccessibleName(QStringLiteral("Summary"));
    m_cardCaption->setAccessibleName(QStringLiteral("Card"));

    m_readings->setColumnCount(4);
    m_readings->setHeaderLabels(
        {m_texts.readingColumn, m_texts.storeColumn, m_texts.dateColumn, m_texts.positionColumn});
    m_readings->setRootIsDecorated(false);
    m_readings->setColumnWidth(0, 100);
    m_readings->setColumnWidth(1, 62);
    m_readings->setColumnWidth(2, 114);
    m_positions->setColumnCount(3);
    m_positions->setHorizontalHeaderLabels(
        {m_texts.numberColumn, m_texts.meaningColumn, m_texts.topColumn});
    m_positions->verticalHeader()->hide();
    m_positions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_positions->setColumnWidth(0, 24);
    m_positions->setColumnWidth(1, 110);
    m_positions->horizontalHeader()->setStretchLastSection(true);

    auto* controls = new QHBoxLayout;
    controls->addWidget(m_database);
    controls->addWidget(m_diary);
    controls->addSpacing(16);
    controls->addWidget(periodLabel);
    controls->addWidget(m_period);
    controls->addStretch();
    controls->addWidget(m_refresh);

    auto* left = new QVBoxLayout;
    left->addWidget(m_cardCaption);
    left->addWidget(m_readings);
    auto* spreadRow = new QHBoxLayout;
    spreadRow->addWidget(spreadLabel);
    spreadRow->addWidget(m_spread, 1);
    auto* right = new QVBoxLayout;
    right->addLayout(spreadRow);
    right->addWidget(m_positions);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(left, 1);
    bottom->addLayout(right, 1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(3);
    layout->addLayout(controls);
    layout->addWidget(m_chartView, 3);
    layout->addWidget(m_summary);
    layout->addWidget(m_note);
    layout->addLayout(bottom, 2);

    connect(m_database, &QCheckBox::toggled, this, [this] { showFigures(); });
    connect(m_diary, &QCheckBox::toggled, this, [this] { showFigures(); });
    connect(m_period, &QComboBox::currentIndexChanged, this, [this] { showFigures(); });
    connect(m_refresh, &QPushButton::clicked, this, [this] { reload(); });
    connect(m_spread, &QComboBox::currentIndexChanged, this, [this] { showSpread(); });
    connect(m_readings, &QTreeWidget::itemActivated, this,
            [this](QTreeWidgetItem* item) { loadReading(item); });
    connect(&state, &AppState::savedReadingsChanged, this, [this] {
        if (isVisible())
            reload();
    });
}

void StatisticsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    reload();
}

void StatisticsPage::reload()
{
    m_collection = collectReadings(m_state.folder(), {Store::Database, Store::Diary});
    m_titles.clear();
    m_suits.clear();
    // Without a title set the cards go by their identifiers.
    guarded(m_state.prompter(), [&] {
        TitleSet titleSet;
        loadTitleSet(m_state.folder(), m_state.preferences.defaultTitles, titleSet);
        m_titles = composeTitleList(titleSet);
        for (int s = 0; s < 4; ++s)
            m_suits.push_back(titleSet.suit(s));
    });
    showFigures();
}

StatsFilter StatisticsPage::filter() const
{
    StatsFilter chosen;
    chosen.database = m_database->isChecked();
    chosen.diary = m_diary->isChecked();
    const Period periods[] = {Period::All, Period::Last30Days, Period::Last12Months};
    applyPeriod(chosen, periods[std::clamp(m_period->currentIndex(), 0, 2)], m_state.clock().now());
    return chosen;
}

QString StatisticsPage::title(int card) const
{
    return static_cast<std::size_t>(card) < m_titles.size()
               ? toQt(m_titles[static_cast<std::size_t>(card)])
               : QString::number(card);
}

void StatisticsPage::showFigures()
{
    const StatsFilter chosen = filter();
    const CardStatistics stats = computeStatistics(m_collection, chosen);
    fillChart(stats);

    QStringList summary;
    if (stats.readings > 0) {
        summary << m_texts.readings.arg(stats.readings)
                       .arg(stats.falls)
                       .arg(stats.fairCount(), 0, 'f', 2);
        QStringList shares;
        // Majors, the four suits, reversed, blank.
        const std::vector<ShareLine> lines = shareLines(stats, m_suits);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QString name = i == 0   ? m_texts.majors
                                 : i == 5 ? m_texts.reversed
                                 : i == 6 ? m_texts.blank
                                          : toQt(lines[i].name);
            shares << name + QLatin1Char(' ') + toQt(shareText(lines[i].count, lines[i].whole));
        }
        summary << shares.join(QStringLiteral(" · "));
        QStringList top;
        for (int card : stats.mostFrequent(5))
            top << QStringLiteral("%1 (%2)")
                       .arg(title(card))
                       .arg(stats.cards[static_cast<std::size_t>(card)].count);
        summary << m_texts.mostFrequent + QLatin1Char(' ') + top.join(QStringLiteral(", "));
    }
    m_summary->setText(summary.join(QLatin1Char('\n')));
    m_summary->setVisible(!summary.isEmpty());

    QStringList note;
    if (stats.readings == 0)
        note << m_texts.nothing;
    if (stats.undated > 0)
        note << m_texts.undated.arg(stats.undated);
    if (!stats.malformed.empty()) {
        QStringList names;
        for (const MalformedReading& bad : stats.malformed)
            names << storeName(m_texts, bad.store) + QLatin1Char('/') + toQt(bad.entry);
        note << m_texts.malformed.arg(stats.malformed.size()).arg(names.join(QStringLiteral(", ")));
    }
    m_note->setText(note.join(QLatin1Char('\n')));
    m_note->setVisible(!note.isEmpty());
    // What a screen reader says of the chart: the figures the bars show.
    m_chartView->setAccessibleDescription(m_summary->text() + QLatin1Char('\n') + m_note->text());

    if (m_card)
        showCard(*m_card);
    fillSpreads();
}

void StatisticsPage::fillChart(const CardStatistics& stats)
{
    m_chart->removeAllSeries();
    for (QAbstractAxis* axis : m_chart->axes())
        m_chart->removeAxis(axis);
    if (stats.readings == 0)
        return;

    auto* normal = new QBarSet(m_texts.normal);
    auto* reversed = new QBarSet(m_texts.reversed);
    int highest = 0;
    for (int card = 0; card < kCardIdentifiers; ++card) {
        const CardCount& count = stats.cards[static_cast<std::size_t>(card)];
        *normal << count.count - count.reversed;
        *reversed << count.reversed;
        highest = std::max(highest, count.count);
    }
    auto* bars = named(new QStackedBarSeries, QStringLiteral("SeriesStatsCards"));
    bars->append(normal);
    bars->append(reversed);
    bars->setBarWidth(0.8);
    m_chart->addSeries(bars);

    const double fair = stats.fairCount();
    auto* line = named(new QLineSeries, QStringLiteral("SeriesStatsFair"));
    line->setName(m_texts.fair);
    line->append(-0.5, fair);
    line->append(kCardIdentifiers - 0.5, fair);
    m_chart->addSeries(line);

    // 79 titles do not fit under 79 bars: the axis names the groups of the
    // catalogue, and a bar tells its title when hovered or clicked.
    auto* cardsAxis = named(new QCategoryAxis, QStringLiteral("AxisStatsCards"));
    cardsAxis->setRange(-0.5, kCardIdentifiers - 0.5);
    cardsAxis->setStartValue(0.5);
    cardsAxis->append(m_texts.majors, kMajorCards + 0.5);
    for (int s = 0; s < 4; ++s) {
        QString name = static_cast<std::size_t>(s) < m_suits.size()
                           ? toQt(m_suits[static_cast<std::size_t>(s)]).trimmed()
                           : QString();
        // Each group needs a name of its own.
        if (name.isEmpty() || cardsAxis->categoriesLabels().contains(name))
            name = QStringLiteral("%1 %2").arg(m_texts.suit).arg(s + 1);
        cardsAxis->append(name, kMajorCards + 14 * (s + 1) + 0.5);
    }
    cardsAxis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    QFont small = cardsAxis->labelsFont();
    small.setPointSizeF(7);
    cardsAxis->setLabelsFont(small);
    auto* countAxis = new QValueAxis;
    countAxis->setRange(0, std::max(4.0, std::ceil(std::max<double>(highest, fair) * 1.1)));
    countAxis->applyNiceNumbers();
    // Whole numbers between the ticks: counts have no fractions.
    countAxis->setTickType(QValueAxis::TicksDynamic);
    countAxis->setTickAnchor(0);
    countAxis->setTickInterval(std::max(1.0, std::ceil(countAxis->max() / 5)));
    countAxis->setLabelFormat(QStringLiteral("%d"));
    countAxis->setLabelsFont(small);
    m_chart->addAxis(cardsAxis, Qt::AlignBottom);
    m_chart->addAxis(countAxis, Qt::AlignLeft);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(line)}) {
        series->attachAxis(cardsAxis);
        series->attachAxis(countAxis);
    }

    connect(bars, &QStackedBarSeries::clicked, this, [this](int card) { showCard(card); });
    connect(bars, &QStackedBarSeries::hovered, this, [this, stats](bool on, int card) {
        if (!on) {
            QToolTip::hideText();
            return;
        }
        const CardCount& count = stats.cards[static_cast<std::size_t>(card)];
        QToolTip::showText(QCursor::pos(),
                           m_texts.cardFell.arg(title(card)).arg(count.count).arg(count.reversed),
                           m_chartView);
    });
}

void StatisticsPage::showCard(int card)
{
    m_card = card;
    const StatsFilter chosen = filter();
    const CardStatistics stats = computeStatistics(m_collection, chosen);
    const CardCount& count = stats.cards[static_cast<std::size_t>(card)];
    m_cardCaption->setText(m_texts.cardFell.arg(title(card)).arg(count.count).arg(count.reversed));
    m_readings->setAccessibleName(m_cardCaption->text());
    m_readings->clear();
    for (const CardOccurrence& found : occurrencesOf(m_collection, chosen, card)) {
        const QString position =
            found.reversed ? QStringLiteral("%1, %2").arg(found.position).arg(m_texts.reversedWord)
                           : QString::number(found.position);
        auto* item =
            new QTreeWidgetItem(m_readings, {toQt(found.entry), storeName(m_texts, found.store),
                                             toQt(found.dateTime), position});
        item->setData(0, kStoreRole, found.store == Store::Diary ? 2 : 1);
        item->setData(0, kEntryRole, QByteArray::fromStdString(found.entry));
    }
}

void StatisticsPage::fillSpreads()
{
    const QString shown = m_spread->currentText();
    {
        const QSignalBlocker blocker(m_spread);
        m_spread->clear();
        for (const std::string& name : spreadNames(m_collection, filter()))
            m_spread->addItem(toQt(name), QByteArray::fromStdString(name));
        const int again = m_spread->findText(shown);
        m_spread->setCurrentIndex(again >= 0 ? again : 0);
    }
    showSpread();
}

void StatisticsPage::showSpread()
{
    m_positions->setRowCount(0);
    if (m_spread->currentIndex() < 0)
        return;
    const std::string spread = m_spread->currentData().toByteArray().toStdString();
    const auto positions = spreadPositions(m_collection, filter(), spread);
    m_positions->setRowCount(static_cast<int>(positions.size()));
    for (std::size_t row = 0; row < positions.size(); ++row) {
        const PositionStatistics& position = positions[row];
        QStringList top;
        for (const auto& [card, count] : position.top)
            top << QStringLiteral("%1 (%2)").arg(title(card)).arg(count);
        const QString cells[] = {QString::number(position.position), toQt(position.meaning),
                                 top.join(QStringLiteral(", "))};
        for (int column = 0; column < 3; ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            item->setToolTip(cells[column]);
            m_positions->setItem(static_cast<int>(row), column, item);
        }
    }
}

void StatisticsPage::loadReading(QTreeWidgetItem* item)
{
    if (!item)
        return;
    const Store store = storeOfSetting(item->data(0, kStoreRole).toInt());
    const std::string entry = item->data(0, kEntryRole).toByteArray().toStdString();
    guarded(m_state.prompter(),
            [&] { m_state.session().loadEntry(ReadingStore(m_state.folder(), store), entry); });
}

} // namespace kestrava
