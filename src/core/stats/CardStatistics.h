#pragma once

#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/diary/ReadingStore.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kestrava {

constexpr int kCardIdentifiers = 79; // 0 the blank card, 1..78

// One saved reading as the statistics count it.
struct CountedReading
{
    Store store = Store::Database;
    std::string entry;
    std::string spread;
    std::string dateTime;
    // Days since 1970 of the date DATETIME gives in one of the program's three
    // date-time patterns; none when no pattern reads it.
    std::optional<int> day;
    // Per position: the card, or -1 where a diary reading has no card laid yet.
    std::vector<int> cards;
    std::vector<bool> reversed;
    Lines meanings;
};

// A file of a store that is not a reading the statistics can count, and why.
struct MalformedReading
{
    Store store = Store::Database;
    std::string entry;
    std::string reason;
};

// Everything read from the stores, once; the figures are computed from it.
struct ReadingCollection
{
    std::vector<CountedReading> readings;
    std::vector<MalformedReading> malformed;
};

// The counted facts of one document; an error saying why it cannot be counted
// (no CARDS count, too few FORTUNE or MIRRORS lines, a FORTUNE line that is
// no card). An empty FORTUNE line is a position not laid yet, not a fault.
CountedReading countReading(const Lines& document, Store store, std::string entry);

// Reads every entry of the given stores, in their list order. A file that
// cannot be read or counted goes into the malformed list; nothing stops.
ReadingCollection collectReadings(const ProgramFolder& folder, const std::vector<Store>& stores);

// The day of a DATETIME text: the first of the three date-time patterns that
// reads the whole text (outer blanks ignored).
std::optional<int> readingDay(std::string_view dateTime);

enum class Period { All, Last30Days, Last12Months };

// Which readings count: from which stores, and on or between which days.
struct StatsFilter
{
    bool database = true;
    bool diary = true;
    std::optional<int> sinceDay;
    std::optional<int> untilDay;

    bool includes(Store store) const { return store == Store::Diary ? diary : database; }
    bool dated() const { return sinceDay || untilDay; }
    // In a store of the filter and, when the filter has days, dated within them.
    bool counts(const CountedReading& reading) const;
};

// The days of a period ending on today's date: the last 30 days are those on
// or after the day 30 days before today, the last 12 months those on or after
// the same day a year ago (28 February for 29 February). Readings dated after
// today are outside both. All clears the days.
void applyPeriod(StatsFilter& filter, Period period, const DateTime& now);

struct CardCount
{
    int count = 0;
    int reversed = 0;
};

struct CardStatistics
{
    int readings = 0; // readings counted
    int falls = 0;    // cards that fell in them
    std::array<CardCount, kCardIdentifiers> cards{};
    // Readings of the chosen stores whose date no pattern reads: counted
    // under All, left out of every period.
    int undated = 0;
    // The malformed files of the chosen stores.
    std::vector<MalformedReading> malformed;

    int majors() const;        // cards 1..22
    int suit(int s) const;     // s = 0..3: cards 23 + 14 s .. 36 + 14 s
    int blanks() const;        // card 0
    int reversedCards() const; // of every card
    // What each card would get from a fair shuffle of the full deck: every
    // card but a blank one is one of the 78 with the same chance.
    double fairCount() const;
    // Cards by how often they fell, most first, ties in catalogue order; at
    // most n, and only cards that fell.
    std::vector<int> mostFrequent(std::size_t n) const;
};

CardStatistics computeStatistics(const ReadingCollection& collection, const StatsFilter& filter);

// Where a card fell: the reading and the position (from 1).
struct CardOccurrence
{
    Store store = Store::Database;
    std::string entry;
    std::string dateTime;
    int position = 0;
    bool reversed = false;
};

std::vector<CardOccurrence> occurrencesOf(const ReadingCollection& collection,
                                          const StatsFilter& filter, int card);

// The spread names of the counted readings, sorted ignoring case.
std::vector<std::string> spreadNames(const ReadingCollection& collection,
                                     const StatsFilter& filter);

struct PositionStatistics
{
    int position = 0;    // from 1
    std::string meaning; // the meaning most readings give the position
    int laid = 0;        // how many readings laid a card there
    // The most frequent cards there with their counts, most first, ties in
    // catalogue order.
    std::vector<std::pair<int, int>> top;
};

// Per position of the counted readings of that spread, its top `topCount` cards.
std::vector<PositionStatistics> spreadPositions(const ReadingCollection& collection,
                                                const StatsFilter& filter, std::string_view spread,
                                                std::size_t topCount = 3);

} // namespace kestrava
