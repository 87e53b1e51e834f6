#include "core/TextFile.h"
#include "core/app/SettingsFile.h"
#include "gui/app/AppState.h"
#include "gui/reading/ReadingSession.h"
#include "support/GuiFixture.h"
#include "support/StoreFixtures.h"

#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineSeries>
#include <QScrollBar>
#include <QStackedBarSeries>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace {

// Opens "Tools" and its "Statistics" tab with the mouse, as a user would.
void openStatistics(MainWindow* window)
{
    QTabBar* pages = window->pages()->tabBar();
    QTest::mouseClick(pages, Qt::LeftButton, {}, pages->tabRect(MainWindow::Tools).center());
    QTabBar* tools = widget<QTabWidget>(window, "PageControl6")->tabBar();
    QTest::mouseClick(tools, Qt::LeftButton, {}, tools->tabRect(2).center());
    QTRY_VERIFY(widget<QChartView>(window, "ChartViewStats")->isVisible());
}

QChart* chartOf(MainWindow* window)
{
    return widget<QChartView>(window, "ChartViewStats")->chart();
}

QStackedBarSeries* barsOf(MainWindow* window)
{
    for (QAbstractSeries* series : chartOf(window)->series()) {
        if (auto* bars = qobject_cast<QStackedBarSeries*>(series))
            return bars;
    }
    return nullptr;
}

// The heights of a card's bar: its normal part and its reversed part.
std::pair<int, int> barOf(MainWindow* window, int card)
{
    QStackedBarSeries* bars = barsOf(window);
    if (!bars || bars->count() != 2)
        return {-1, -1};
    return {static_cast<int>(bars->barSets().at(0)->at(card)),
            static_cast<int>(bars->barSets().at(1)->at(card))};
}

double fairLineOf(MainWindow* window)
{
    for (QAbstractSeries* series : chartOf(window)->series()) {
        if (auto* line = qobject_cast<QLineSeries*>(series))
            return line->at(0).y();
    }
    return -1;
}

// Clicks the middle of a card's bar, where the chart draws it on screen.
void clickBar(MainWindow* window, int card)
{
    auto* view = widget<QChartView>(window, "ChartViewStats");
    const auto [normal, reversed] = barOf(window, card);
    QChart* chart = view->chart();
    const QPointF inChart =
        chart->mapToPosition(QPointF(card, (normal + reversed) / 2.0), barsOf(window));
    const QPoint at = view->mapFromScene(chart->mapToScene(inChart));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
}

QStringList rowsOf(QTreeWidget* tree)
{
    QStringList rows;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QStringList cells;
        for (int column = 0; column < tree->columnCount(); ++column)
            cells << tree->topLevelItem(i)->text(column);
        rows << cells.join(QStringLiteral(" | "));
    }
    return rows;
}

// A double click as the mouse makes it: a click, then the second press.
void doubleClick(QTreeWidget* tree, const QPoint& at)
{
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree->viewport(), Qt::LeftButton, {}, at);
}

void choosePeriod(MainWindow* window, int index)
{
    auto* period = widget<QComboBox>(window, "ComboBoxStatsPeriod");
    period->setFocus();
    while (period->currentIndex() < index)
        QTest::keyClick(period, Qt::Key_Down);
    while (period->currentIndex() > index)
        QTest::keyClick(period, Qt::Key_Up);
}

// Four readings around "now" (5 March 2024): card 5 falls in each but the
// diary's old one; the dates use all three patterns.
void writeFourReadings(const TempProgramFolder& home)
{
    writeReading(home, Store::Database, "Recent",
                 laid({{5, true}, {23}, {0}}).on("2024-03-01, 10-00"));
    writeReading(home, Store::Database, "Last year", laid({{5}, {6}, {7}}).on("2023-06-10"));
    writeReading(home, Store::Diary, "Yesterday", laid({{7, true}, {5}, {8}}).on("04-03-2024"));
    writeReading(home, Store::Diary, "Long ago", laid({{9}, {10}, {11}}).on("2020-01-01"));
}

} // namespace

class StatsTest : public QObject
{
    Q_OBJECT

private slots:
    void scopeAndPeriodChangeTheSeries();
    void clickingABarListsItsReadings();
    void anEmptyStoreShowsAnEmptyChartAndANote();
    void doubleClickLoadsTheReading();
    void malformedAndUndatedReadingsAreNamedUnderTheChart();
    void eachPositionOfTheChosenSpread();
    void theSubPageIsRememberedAndEveryControlIsNamed();
    void russianCaptions();
};

void StatsTest::scopeAndPeriodChangeTheSeries()
{
    ProgramFixture fixture;
    writeFourReadings(fixture.home());
    const auto window = fixture.start();
    openStatistics(window.get());

    QCOMPARE(barsOf(window.get())->barSets().at(0)->count(), 79);
    QCOMPARE(barOf(window.get(), 5), std::make_pair(2, 1));
    QCOMPARE(barOf(window.get(), 7), std::make_pair(1, 1));
    QCOMPARE(fairLineOf(window.get()), 11.0 / 78);
    const auto axes = chartOf(window.get())->axes(Qt::Horizontal);
    QCOMPARE(axes.size(), 1);
    // The groups of the catalogue under the bars, the suits by the title set's names.
    auto* groups = qobject_cast<QCategoryAxis*>(axes.front());
    QVERIFY(groups);
    QCOMPARE(
        groups->categoriesLabels(),
        QString::fromLatin1("Majors,Title 23,Title 24,Title 25,Title 26").split(QLatin1Char(',')));
    QCOMPARE(groups->endValue(QStringLiteral("Majors")), 22.5);
    QCOMPARE(groups->endValue(QStringLiteral("Title 26")), 78.5);

    click(window.get(), "CheckBoxStatsDiary");
    QCOMPARE(barOf(window.get(), 5), std::make_pair(1, 1));
    QCOMPARE(barOf(window.get(), 9), std::make_pair(0, 0));

    choosePeriod(window.get(), 1); // Last 30 days: only "Recent" of the database
    QCOMPARE(barOf(window.get(), 5), std::make_pair(0, 1));
    QCOMPARE(barOf(window.get(), 6), std::make_pair(0, 0));

    click(window.get(), "CheckBoxStatsDiary");
    QCOMPARE(barOf(window.get(), 5), std::make_pair(1, 1));
    choosePeriod(window.get(), 2); // Last 12 months: all but "Long ago"
    QCOMPARE(barOf(window.get(), 5), std::make_pair(2, 1));
    QCOMPARE(barOf(window.get(), 9), std::make_pair(0, 0));
    auto* summary = widget<QLabel>(window.get(), "LabelStatsSummary");
    QVERIFY2(summary->text().contains(QStringLiteral("Readings: 3. Cards that fell: 9.")),
             qPrintable(summary->text()));
    QVERIFY2(summary->text().contains(QStringLiteral("Most frequent: Title 5 (3), Title 7 (2),")),
             qPrintable(summary->text()));
    QVERIFY(fixture.prompter.messages.empty());
}

void StatsTest::clickingABarListsItsReadings()
{
    ProgramFixture fixture;
    writeFourReadings(fixture.home());
    const auto window = fixture.start();
    openStatistics(window.get());

    clickBar(window.get(), 5);
    auto* readings = widget<QTreeWidget>(window.get(), "TreeStatsReadings");
    QCOMPARE(rowsOf(readings),
             (QStringList{
                 QStringLiteral("Last year | Database | 2023-06-10 | 1"),
                 QStringLiteral("Recent | Database | 2024-03-01, 10-00 | 1, reversed"),
                 QStringLiteral("Yesterday | Diary | 04-03-2024 | 2"),
             }));
    QCOMPARE(widget<QLabel>(window.get(), "LabelStatsCard")->text(),
             QStringLiteral("Title 5: fell 3 times, 1 reversed"));

    clickBar(window.get(), 7);
    QCOMPARE(rowsOf(readings),
             (QStringList{QStringLiteral("Last year | Database | 2023-06-10 | 3"),
                          QStringLiteral("Yesterday | Diary | 04-03-2024 | 1, reversed")}));
    // The list follows the choice of period.
    choosePeriod(window.get(), 1);
    QCOMPARE(rowsOf(readings),
             (QStringList{QStringLiteral("Yesterday | Diary | 04-03-2024 | 1, reversed")}));
}

void StatsTest::anEmptyStoreShowsAnEmptyChartAndANote()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    openStatistics(window.get());
    QVERIFY(chartOf(window.get())->series().isEmpty());
    auto* note = widget<QLabel>(window.get(), "LabelStatsNote");
    QVERIFY(note->isVisible());
    QCOMPARE(note->text(), QStringLiteral("No saved readings to count."));
    QVERIFY(!widget<QLabel>(window.get(), "LabelStatsSummary")->isVisible());
    QCOMPARE(widget<QTreeWidget>(window.get(), "TreeStatsReadings")->topLevelItemCount(), 0);
    QCOMPARE(widget<QComboBox>(window.get(), "ComboBoxStatsSpread")->count(), 0);
    QVERIFY(fixture.prompter.messages.empty());

    // A reading saved meanwhile shows after "Refresh".
    writeReading(fixture.home(), Store::Diary, "New", laid({{3}}));
    click(window.get(), "ButtonStatsRefresh");
    QCOMPARE(barOf(window.get(), 3), std::make_pair(1, 0));
    QVERIFY(!note->isVisible());
}

void StatsTest::doubleClickLoadsTheReading()
{
    ProgramFixture fixture;
    writeFourReadings(fixture.home());
    const auto window = fixture.start();
    openStatistics(window.get());
    clickBar(window.get(), 7);
    auto* readings = widget<QTreeWidget>(window.get(), "TreeStatsReadings");
    QTreeWidgetItem* yesterday = readings->topLevelItem(1);
    QCOMPARE(yesterday->text(0), QStringLiteral("Yesterday"));
    const QPoint at = readings->visualItemRect(yesterday).center();
    doubleClick(readings, at);

    QCOMPARE(window->state().session().reading(),
             readLines(fixture.folder().diary() / "Yesterday.srml"));
    QCOMPARE(window->state().session().name(), QStringLiteral("Yesterday"));
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::CardTable));
    QVERIFY(fixture.prompter.messages.empty());

    // An entry removed since the page read the stores: the error is told, nothing else changes.
    openStatistics(window.get());
    clickBar(window.get(), 7);
    std::filesystem::remove(fixture.folder().database() / "Last year.srml");
    doubleClick(readings, readings->visualItemRect(readings->topLevelItem(0)).center());
    QCOMPARE(fixture.prompter.messages.size(), std::size_t{1});
    QVERIFY2(fixture.prompter.messages.front().find("Last year") != std::string::npos,
             fixture.prompter.messages.front().c_str());
    QCOMPARE(window->state().session().name(), QStringLiteral("Yesterday"));
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::Tools));
}

void StatsTest::malformedAndUndatedReadingsAreNamedUnderTheChart()
{
    ProgramFixture fixture;
    writeReading(fixture.home(), Store::Database, "Fine", laid({{1}, {2}}));
    writeReading(fixture.home(), Store::Diary, "Typed date", laid({{1}}).on("Tuesday"));
    fixture.home().writeLines("diary/Broken.srml", {"[CARDS]", "1", "[/CARDS]"});
    std::filesystem::create_directories(fixture.folder().database() / "Folder.srml");
    fixture.home().writeRaw("database/Folder", "its entry file is a folder");
    const auto window = fixture.start();
    openStatistics(window.get());

    QCOMPARE(barOf(window.get(), 1), std::make_pair(2, 0));
    auto* note = widget<QLabel>(window.get(), "LabelStatsNote");
    QCOMPARE(note->text(),
             QStringLiteral("1 reading(s) with a date that none of the date-time patterns reads: "
                            "counted under \"All\" only.\n"
                            "2 saved reading(s) could not be read and were not counted: "
                            "Database/Folder, Diary/Broken"));
    choosePeriod(window.get(), 2);
    QCOMPARE(barOf(window.get(), 1), std::make_pair(1, 0));
    click(window.get(), "CheckBoxStatsDiary");
    QCOMPARE(note->text(), QStringLiteral("1 saved reading(s) could not be read and were not "
                                          "counted: Database/Folder"));
    QVERIFY(fixture.prompter.messages.empty());
}

void StatsTest::eachPositionOfTheChosenSpread()
{
    ProgramFixture fixture;
    const std::vector<std::string> meanings{"Past", "Present", "Future"};
    writeReading(fixture.home(), Store::Database, "a", laid({{4}, {11}, {12}}).meaning(meanings));
    writeReading(fixture.home(), Store::Diary, "b", laid({{4}, {12}, {-1}}).meaning(meanings));
    writeReading(fixture.home(), Store::Diary, "c",
                 laid({{20}, {21}}).of("Cross").meaning({"Now", "Against"}));
    const auto window = fixture.start();
    openStatistics(window.get());

    auto* spread = widget<QComboBox>(window.get(), "ComboBoxStatsSpread");
    QCOMPARE(spread->count(), 2);
    QCOMPARE(spread->itemText(0), QStringLiteral("Cross"));
    auto* grid = widget<QTableWidget>(window.get(), "GridStatsPositions");
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("Against"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("Title 21 (1)"));

    spread->setFocus();
    QTest::keyClick(spread, Qt::Key_Down);
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("Past"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("Title 4 (2)"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("Title 11 (1), Title 12 (1)"));
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("Title 12 (1)"));

    // The chosen spread stays chosen while the scope changes, if it still has readings.
    click(window.get(), "CheckBoxStatsDiary");
    QCOMPARE(spread->count(), 1);
    QCOMPARE(spread->currentText(), QStringLiteral("Three Cards"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("Title 11 (1)"));
}

void StatsTest::theSubPageIsRememberedAndEveryControlIsNamed()
{
    ProgramFixture fixture;
    writeFourReadings(fixture.home());
    {
        const auto window = fixture.start();
        openStatistics(window.get());
        QCOMPARE(window->state().preferences.toolsPage, 2);
        auto* page = widget<QTabWidget>(window.get(), "PageControl6")->currentWidget();
        QCOMPARE(page->objectName(), QStringLiteral("TabSheetStatistics"));
        for (QWidget* control : page->findChildren<QWidget*>()) {
            // The parts of a scroll area (viewport, header, bars) belong to the area.
            if (!control->isVisible() || control->focusPolicy() == Qt::NoFocus ||
                qobject_cast<QScrollBar*>(control) ||
                control->parentWidget()->inherits("QAbstractScrollArea"))
                continue;
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));
        }
        QCOMPARE(widget<QChartView>(window.get(), "ChartViewStats")->accessibleName(),
                 QStringLiteral("Card frequencies chart"));
        QVERIFY(window->close());
    }
    QCOMPARE(readLines(fixture.folder().xfiles() / kSettingsFileName).at(50), std::string("2"));
    const auto window = fixture.start();
    QCOMPARE(widget<QTabWidget>(window.get(), "PageControl6")->currentIndex(), 2);
}

void StatsTest::russianCaptions()
{
    ProgramFixture fixture;
    fixture.language = QStringLiteral("RU");
    writeFourReadings(fixture.home());
    const auto window = fixture.start();
    auto* tools = widget<QTabWidget>(window.get(), "PageControl6");
    QCOMPARE(tools->tabText(2), QStringLiteral(u"Статистика"));
    openStatistics(window.get());
    QCOMPARE(widget<QCheckBox>(window.get(), "CheckBoxStatsDiary")->text(),
             QStringLiteral(u"Дневник"));
    QCOMPARE(widget<QComboBox>(window.get(), "ComboBoxStatsPeriod")->itemText(1),
             QStringLiteral(u"Последние 30 дней"));
    QCOMPARE(barsOf(window.get())->barSets().at(1)->label(), QStringLiteral(u"Перевёрнутые"));
}

QTEST_MAIN(StatsTest)
#include "statsTest.moc"
