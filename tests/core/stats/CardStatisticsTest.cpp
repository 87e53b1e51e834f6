#include "core/stats/CardStatistics.h"

#include "core/Clock.h"
#include "core/stats/StatsReport.h"
#include "support/StoreFixtures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace kestrava::test {
namespace {

constexpr DateTime kNow{2024, 3, 5, 14, 7, 0};

int day(int year, int month, int d)
{
    return dayNumber(year, month, d);
}

ReadingCollection collectBoth(const TempProgramFolder& home)
{
    return collectReadings(home.folder(), {Store::Database, Store::Diary});
}

StatsFilter period(Period p, const DateTime& now = kNow)
{
    StatsFilter filter;
    applyPeriod(filter, p, now);
    return filter;
}

std::vector<std::string> names(const std::vector<MalformedReading>& malformed)
{
    std::vector<std::string> out;
    for (const auto& bad : malformed)
        out.push_back(bad.entry);
    return out;
}

TEST(ReadingDates, TheThreePatternsAndNothingElse)
{
    struct Case
    {
        const char* text;
        std::optional<int> day;
    };
    const Case cases[] = {
        {"2024-03-05, 14-07", day(2024, 3, 5)},
        {"2024-03-05", day(2024, 3, 5)},
        {"05-03-2024", day(2024, 3, 5)},
        {"  2024-02-29, 00-00 ", day(2024, 2, 29)}, // outer blanks do not matter
        {"2023-02-29", std::nullopt},               // no such day
        {"2024-13-01", std::nullopt},
        {"2024-04-31", std::nullopt},
        {"2024-03-05, 24-00", std::nullopt},
        {"2024-03-05, 14-60", std::nullopt},
        {"2024-3-5", std::nullopt}, // every field has its width
        {"2024-03-05 14:07", std::nullopt},
        {"2024-03-05, 14-07 later", std::nullopt},
        {"5 March 2024", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(readingDay(c.text), c.day) << c.text;
}

TEST(ReadingDates, DayNumbersCountFrom1970BothWays)
{
    EXPECT_EQ(dayNumber(1970, 1, 1), 0);
    EXPECT_EQ(dayNumber(2000, 3, 1), 11017);
    EXPECT_EQ(dayNumber(1969, 12, 31), -1);
    for (int n = -800000; n <= 800000; n += 997) {
        const DateTime date = dateOfDay(n);
        ASSERT_EQ(dayNumber(date.year, date.month, date.day), n);
        ASSERT_LE(date.day, daysInMonth(date.year, date.month));
    }
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2000, 2), 29);
}

TEST(CardStatisticsTest, CountsSharesAndTheMostFrequentCards)
{
    TempProgramFolder home;
    // Card 5 three times (one reversed), 23 and 40 twice, a blank, 78 once.
    writeReading(home, Store::Database, "one", laid({{5, true}, {23}, {0}}));
    writeReading(home, Store::Database, "two", laid({{5}, {40, true}, {78}}));
    writeReading(home, Store::Diary, "three", laid({{40}, {5}, {23, true}}));
    const ReadingCollection collection = collectBoth(home);
    ASSERT_TRUE(collection.malformed.empty());

    const CardStatistics all = computeStatistics(collection, {});
    EXPECT_EQ(all.readings, 3);
    EXPECT_EQ(all.falls, 9);
    EXPECT_EQ(all.cards[5].count, 3);
    EXPECT_EQ(all.cards[5].reversed, 1);
    EXPECT_EQ(all.cards[23].count, 2);
    EXPECT_EQ(all.cards[23].reversed, 1);
    EXPECT_EQ(all.cards[0].count, 1);
    EXPECT_EQ(all.cards[1].count, 0);
    EXPECT_EQ(all.majors(), 3);
    EXPECT_EQ(all.suit(0), 2); // 23..36
    EXPECT_EQ(all.suit(1), 2); // 37..50
    EXPECT_EQ(all.suit(2), 0);
    EXPECT_EQ(all.suit(3), 1); // 78
    EXPECT_EQ(all.blanks(), 1);
    EXPECT_EQ(all.reversedCards(), 3);
    EXPECT_DOUBLE_EQ(all.fairCount(), 8.0 / 78);
    // Ties in catalogue order: 23 before 40, the blank before 78.
    EXPECT_EQ(all.mostFrequent(5), (std::vector<int>{5, 23, 40, 0, 78}));
    EXPECT_EQ(all.mostFrequent(2), (std::vector<int>{5, 23}));

    const std::vector<ShareLine> shares = shareLines(all, {"Wands", "Cups", "Swords", "Coins"});
    ASSERT_EQ(shares.size(), 7u);
    EXPECT_EQ(shares[0].name, "Majors");
    EXPECT_EQ(shareText(shares[0].count, shares[0].whole), "33.3%");
    EXPECT_EQ(shares[4].name, "Coins");
    EXPECT_EQ(shareText(shares[4].count, shares[4].whole), "11.1%");
    // Reversed of the eight cards that can lie reversed.
    EXPECT_EQ(shares[5].name, "Reversed");
    EXPECT_EQ(shareText(shares[5].count, shares[5].whole), "37.5%");
    EXPECT_EQ(shares[6].name, "Blank");

    StatsFilter diaryOnly;
    diaryOnly.database = false;
    const CardStatistics diary = computeStatistics(collection, diaryOnly);
    EXPECT_EQ(diary.readings, 1);
    EXPECT_EQ(diary.cards[5].count, 1);
    EXPECT_EQ(diary.cards[5].reversed, 0);
}

TEST(CardStatisticsTest, AnEmptyStoreCountsNothingAndSaysNothingIsWrong)
{
    TempProgramFolder home;
    for (bool folders : {false, true}) {
        if (folders) {
            std::filesystem::create_directories(home.folder().database());
            std::filesystem::create_directories(home.folder().diary());
        }
        const CardStatistics stats = computeStatistics(collectBoth(home), {});
        EXPECT_EQ(stats.readings, 0);
        EXPECT_EQ(stats.falls, 0);
        EXPECT_EQ(stats.undated, 0);
        EXPECT_TRUE(stats.malformed.empty());
        EXPECT_TRUE(stats.mostFrequent(5).empty());
        EXPECT_EQ(stats.fairCount(), 0.0);
        EXPECT_EQ(shareText(stats.majors(), stats.falls), "0.0%");
    }
}

struct PeriodCase
{
    const char* dateTime;
    bool last30;
    bool last12;
};

class Periods : public ::testing::TestWithParam<PeriodCase>
{
};

// Today is 5 March 2024: the last 30 days start on 4 February, the last 12
// months on 5 March 2023; later than today is outside both.
TEST_P(Periods, EachDatePatternFallsIntoItsPeriod)
{
    TempProgramFolder home;
    writeReading(home, Store::Diary, "dated", laid({{1}, {2}}).on(GetParam().dateTime));
    const ReadingCollection collection = collectBoth(home);
    EXPECT_EQ(computeStatistics(collection, period(Period::All)).readings, 1);
    EXPECT_EQ(computeStatistics(collection, period(Period::Last30Days)).readings,
              GetParam().last30 ? 1 : 0);
    EXPECT_EQ(computeStatistics(collection, period(Period::Last12Months)).readings,
              GetParam().last12 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    CardStatisticsTest, Periods,
    ::testing::Values(
        PeriodCase{"2024-03-05, 14-07", true, true}, PeriodCase{"2024-03-05", true, true},
        PeriodCase{"05-03-2024", true, true}, PeriodCase{"2024-02-04, 00-00", true, true},
        PeriodCase{"2024-02-04", true, true}, PeriodCase{"04-02-2024", true, true},
        PeriodCase{"2024-02-03, 23-59", false, true}, PeriodCase{"2024-02-03", false, true},
        PeriodCase{"03-02-2024", false, true}, PeriodCase{"2023-03-05, 00-00", false, true},
        PeriodCase{"2023-03-04", false, false}, PeriodCase{"04-03-2023", false, false},
        PeriodCase{"2024-03-06, 00-00", false, false}, PeriodCase{"06-03-2024", false, false}));

TEST(CardStatisticsTest, TwelveMonthsBackFromALeapDay)
{
    const StatsFilter filter = period(Period::Last12Months, {2024, 2, 29, 9, 0, 0});
    EXPECT_EQ(filter.sinceDay, day(2023, 2, 28));
    EXPECT_EQ(filter.untilDay, day(2024, 2, 29));
    EXPECT_FALSE(period(Period::All).dated());
}

TEST(CardStatisticsTest, AnUnreadableDateCountsUnderAllOnly)
{
    TempProgramFolder home;
    writeReading(home, Store::Diary, "typed", laid({{3}}).on("last Tuesday"));
    writeReading(home, Store::Database, "dated", laid({{4}}).on("2024-03-01"));
    const ReadingCollection collection = collectBoth(home);
    const CardStatistics all = computeStatistics(collection, period(Period::All));
    EXPECT_EQ(all.readings, 2);
    EXPECT_EQ(all.undated, 1);
    const CardStatistics recent = computeStatistics(collection, period(Period::Last30Days));
    EXPECT_EQ(recent.readings, 1);
    EXPECT_EQ(recent.cards[3].count, 0);
    EXPECT_EQ(recent.undated, 1); // still said, so the page can tell why it is missing
    StatsFilter databaseOnly;
    databaseOnly.diary = false;
    EXPECT_EQ(computeStatistics(collection, databaseOnly).undated, 0);
}

TEST(CardStatisticsTest, MalformedReadingsAreNamedAndTheRestCounted)
{
    TempProgramFolder home;
    writeReading(home, Store::Database, "good", laid({{7}, {8}}));
    writeReading(home, Store::Diary, "good too", laid({{7}}));
    home.writeLines("database/no fortune.srml", {"[CARDS]", "1", "[/CARDS]"});
    home.writeLines("database/no count.srml", {"[CARDS]", "three", "[/CARDS]", "[FORTUNE]", "1",
                                               "[/FORTUNE]", "[MIRRORS]", "normal", "[/MIRRORS]"});
    home.writeLines("diary/not a card.srml", {"[CARDS]", "1", "[/CARDS]", "[FORTUNE]", "79",
                                              "[/FORTUNE]", "[MIRRORS]", "normal", "[/MIRRORS]"});
    home.writeLines("diary/short mirrors.srml",
                    {"[CARDS]", "2", "[/CARDS]", "[FORTUNE]", "1", "2", "[/FORTUNE]", "[MIRRORS]",
                     "normal", "[/MIRRORS]"});
    // Listed as "notes.txt", whose entry file notes.txt.srml is a FIFO: it is
    // never opened, so nothing waits for a writer.
    home.writeRaw("diary/notes.txt", "x");
    ASSERT_EQ(::mkfifo((home.folder().diary() / "notes.txt.srml").c_str(), 0600), 0);
    // Listed as "gone", whose file gone.srml does not exist.
    home.writeRaw("database/gone", "x");

    const ReadingCollection collection = collectBoth(home);
    EXPECT_EQ(names(collection.malformed),
              (std::vector<std::string>{"gone", "no count", "no fortune", "not a card", "notes.txt",
                                        "short mirrors"}));
    const CardStatistics stats = computeStatistics(collection, {});
    EXPECT_EQ(stats.readings, 2);
    EXPECT_EQ(stats.cards[7].count, 2);
    EXPECT_EQ(stats.malformed.size(), 6u);
    const auto reason = [&](const std::string& entry) {
        for (const auto& bad : collection.malformed) {
            if (bad.entry == entry)
                return bad.reason;
        }
        return std::string();
    };
    EXPECT_NE(reason("no fortune").find("[FORTUNE]"), std::string::npos);
    EXPECT_NE(reason("no count").find("number of cards"), std::string::npos);
    EXPECT_NE(reason("not a card").find("\"79\""), std::string::npos);
    EXPECT_NE(reason("short mirrors").find("[MIRRORS]"), std::string::npos);
    EXPECT_NE(reason("notes.txt").find("not a file"), std::string::npos);
    EXPECT_NE(reason("gone").find("gone.srml"), std::string::npos);

    StatsFilter diaryOnly;
    diaryOnly.database = false;
    EXPECT_EQ(names(computeStatistics(collection, diaryOnly).malformed),
              (std::vector<std::string>{"not a card", "notes.txt", "short mirrors"}));
    EXPECT_EQ(malformedNote(stats.malformed).front(),
              "6 saved readings could not be read and were not counted:");
    EXPECT_EQ(malformedNote(stats.malformed)[1].rfind("  database/gone: ", 0), 0u);
}

TEST(CardStatisticsTest, PositionsNotLaidYetAreLeftOutNotFaults)
{
    TempProgramFolder home;
    writeReading(home, Store::Diary, "half laid", laid({{9, true}, {-1}, {10}}));
    const ReadingCollection collection = collectBoth(home);
    ASSERT_TRUE(collection.malformed.empty());
    const CardStatistics stats = computeStatistics(collection, {});
    EXPECT_EQ(stats.falls, 2);
    EXPECT_EQ(stats.cards[9].reversed, 1);
}

TEST(CardStatisticsTest, EachPositionOfASpreadHasItsMeaningAndTopThree)
{
    TempProgramFolder home;
    const std::vector<std::string> meanings{"Past", "Present", "Future"};
    // Position 1: 4 twice, then 2, 3 and 9 once each (ties in catalogue order).
    writeReading(home, Store::Database, "a", laid({{4}, {11}, {-1}}).meaning(meanings));
    writeReading(home, Store::Database, "b", laid({{4}, {11}, {12}}).meaning(meanings));
    writeReading(home, Store::Diary, "c", laid({{9}, {12}, {13}}).meaning(meanings));
    writeReading(home, Store::Diary, "d", laid({{3}, {11}, {13}}).meaning(meanings));
    // An older version of the spread named its first position otherwise.
    writeReading(home, Store::Diary, "e",
                 laid({{2}, {11}, {14}}).meaning({"Roots", "Present", "Future"}));
    writeReading(home, Store::Diary, "other", laid({{4}, {4}}).of("Two Cards"));
    const ReadingCollection collection = collectBoth(home);

    EXPECT_EQ(spreadNames(collection, {}), (std::vector<std::string>{"Three Cards", "Two Cards"}));
    const auto positions = spreadPositions(collection, {}, "Three Cards");
    ASSERT_EQ(positions.size(), 3u);
    EXPECT_EQ(positions[0].position, 1);
    EXPECT_EQ(positions[0].meaning, "Past");
    EXPECT_EQ(positions[0].laid, 5);
    EXPECT_EQ(positions[0].top, (std::vector<std::pair<int, int>>{{4, 2}, {2, 1}, {3, 1}}));
    EXPECT_EQ(positions[1].top, (std::vector<std::pair<int, int>>{{11, 4}, {12, 1}}));
    EXPECT_EQ(positions[2].laid, 4);
    EXPECT_EQ(positions[2].top, (std::vector<std::pair<int, int>>{{13, 2}, {12, 1}, {14, 1}}));

    StatsFilter databaseOnly;
    databaseOnly.diary = false;
    const auto inDatabase = spreadPositions(collection, databaseOnly, "Three Cards");
    EXPECT_EQ(inDatabase[0].top, (std::vector<std::pair<int, int>>{{4, 2}}));
    EXPECT_TRUE(spreadPositions(collection, {}, "Celtic Cross").empty());
}

TEST(CardStatisticsTest, TheReadingsACardFellIn)
{
    TempProgramFolder home;
    writeReading(home, Store::Database, "first", laid({{6}, {20}, {6, true}}).on("2024-03-01"));
    writeReading(home, Store::Diary, "second", laid({{20}, {6}}).on("2023-01-01"));
    const ReadingCollection collection = collectBoth(home);

    const auto found = occurrencesOf(collection, {}, 6);
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].entry, "first");
    EXPECT_EQ(found[0].position, 1);
    EXPECT_FALSE(found[0].reversed);
    EXPECT_EQ(found[1].position, 3);
    EXPECT_TRUE(found[1].reversed);
    EXPECT_EQ(found[2].store, Store::Diary);
    EXPECT_EQ(found[2].dateTime, "2023-01-01");
    EXPECT_EQ(found[2].position, 2);
    EXPECT_EQ(occurrencesOf(collection, period(Period::Last30Days), 6).size(), 2u);
    EXPECT_TRUE(occurrencesOf(collection, {}, 77).empty());
}

TEST(CardStatisticsTest, CsvHasOneLinePerCardAndQuotesTitlesThatNeedIt)
{
    TempProgramFolder home;
    writeReading(home, Store::Database, "one", laid({{0}, {1, true}, {78}}));
    const CardStatistics stats = computeStatistics(collectBoth(home), {});
    std::vector<std::string> titles;
    for (int id = 0; id < 79; ++id)
        titles.push_back("Title " + std::to_string(id));
    titles[1] = "Ace, of Wands";
    titles[2] = "The \"Fool\"";
    const Lines csv = statisticsCsv(stats, titles);
    ASSERT_EQ(csv.size(), 80u);
    EXPECT_EQ(csv[0], "card,title,count,reversed");
    EXPECT_EQ(csv[1], "0,Title 0,1,0");
    EXPECT_EQ(csv[2], "1,\"Ace, of Wands\",1,1");
    EXPECT_EQ(csv[3], "2,\"The \"\"Fool\"\"\",0,0");
    EXPECT_EQ(csv[79], "78,Title 78,1,0");
}

} // namespace
} // namespace kestrava::test
