#pragma once

#include "core/stats/CardStatistics.h"

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QChart;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace kestrava {

class AppState;
struct StatisticsTexts;

// The "Statistics" sub-page of "Tools": how often each card fell in the saved
// readings of the chosen stores and period, a card's readings, and the cards
// that fall most on each position of a spread. The stores are read when the
// page is shown, when a reading is saved and on "Refresh"; every other choice
// only recounts what was read.
class StatisticsPage : public QWidget
{
    Q_OBJECT

public:
    StatisticsPage(AppState& state, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void reload();
    StatsFilter filter() const;
    void showFigures();
    void fillChart(const CardStatistics& stats);
    void showCard(int card);
    void fillSpreads();
    void showSpread();
    void loadReading(QTreeWidgetItem* item);
    QString title(int card) const;

    AppState& m_state;
    const StatisticsTexts& m_texts;
    ReadingCollection m_collection;
    std::vector<std::string> m_titles;
    std::vector<std::string> m_suits;
    std::optional<int> m_card;

    QCheckBox* m_database;
    QCheckBox* m_diary;
    QComboBox* m_period;
    QPushButton* m_refresh;
    QChart* m_chart;
    QChartView* m_chartView;
    QLabel* m_note;
    QLabel* m_summary;
    QLabel* m_cardCaption;
    QTreeWidget* m_readings;
    QComboBox* m_spread;
    QTableWidget* m_positions;
};

} // namespace kestrava
