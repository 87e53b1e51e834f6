#include "core/stats/CardStatistics.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/srml/SectionReader.h"

#include <algorithm>
#include <map>

namespace kestrava {

namespace {

// The sections the statistics read, found as the section reader finds them
// (the last start tag and the last end tag after it), in one pass.
enum Section { kSpread, kDateTime, kCards, kMeanings, kFortune, kMirrors, kSectionCount };
constexpr std::string_view kSectionNames[kSectionCount] = {"SPREAD",   "DATETIME", "CARDS",
                                                           "MEANINGS", "FORTUNE",  "MIRRORS"};

struct Sections
{
    std::vector<SectionSpan> spans;

    bool has(Section s) const { return spans[s].found; }
    // The lines of a section, empty when it is missing.
    std::pair<std::size_t, std::size_t> range(Section s) const
    {
        return {spans[s].first, spans[s].end};
    }
};

Sections findSections(const Lines& document)
{
    static const std::vector<std::string_view> kNames(std::begin(kSectionNames),
                                                      std::end(kSectionNames));
    return {kestrava::findSections(document, kNames)};
}

std::string firstLine(const Lines& document, const Sections& sections, Section s)
{
    const auto [first, end] = sections.range(s);
    return first < end ? document[first] : std::string();
}

std::string sectionLabel(Section s)
{
    return "[" + std::string(kSectionNames[s]) + "]";
}

// The cards that fell with their counts, most first and ties in catalogue
// order, at most n of them.
template <typename CountOf>
std::vector<std::pair<int, int>> mostFrequentOf(const CountOf& countOf, std::size_t n)
{
    std::vector<std::pair<int, int>> fallen;
    for (int id = 0; id < kCardIdentifiers; ++id) {
        if (const int count = countOf(static_cast<std::size_t>(id)); count > 0)
            fallen.emplace_back(id, count);
    }
    std::stable_sort(fallen.begin(), fallen.end(), [](const auto& a, const auto& b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    if (fallen.size() > n)
        fallen.resize(n);
    return fallen;
}

} // namespace

CountedReading countReading(const Lines& document, Store store, std::string entry)
{
    const Sections sections = findSections(document);
    for (Section s : {kCards, kFortune, kMirrors}) {
        if (!sections.has(s))
            throw Error("it has no " + sectionLabel(s) + " section.");
    }
    int n = 0;
    if (!tryToInteger(firstLine(document, sections, kCards), n) || n < 0)
        throw Error("its number of cards is not a number.");
    const auto [fortune, fortuneEnd] = sections.range(kFortune);
    const auto [mirrors, mirrorsEnd] = sections.range(kMirrors);
    const auto count = static_cast<std::size_t>(n);
    if (fortuneEnd - fortune < count)
        throw Error("it has " + std::to_string(n) + " cards but fewer lines in [FORTUNE].");
    if (mirrorsEnd - mirrors < count)
        throw Error("it has " + std::to_string(n) + " cards but fewer lines in [MIRRORS].");

    CountedReading reading;
    reading.store = store;
    reading.entry = std::move(entry);
    reading.spread = firstLine(document, sections, kSpread);
    reading.dateTime = firstLine(document, sections, kDateTime);
    reading.day = readingDay(reading.dateTime);
    reading.cards.reserve(count);
    reading.reversed.reserve(count);
    for (std::size_t j = 0; j < count; ++j) {
        const std::string& text = document[fortune + j];
        int id = -1;
        if (!text.empty() && (!tryToInteger(text, id) || id < kBlankCard || id >= kCardIdentifiers))
            throw Error("the card of position " + std::to_string(j + 1) + ", \"" + text +
                        "\", is not a card.");
        reading.cards.push_back(id);
        reading.reversed.push_back(id > kBlankCard && document[mirrors + j] == kReversed);
    }
    const auto [meanings, meaningsEnd] = sections.range(kMeanings);
    reading.meanings.assign(document.begin() + static_cast<std::ptrdiff_t>(meanings),
                            document.begin() + static_cast<std::ptrdiff_t>(meaningsEnd));
    return reading;
}

ReadingCollection collectReadings(const ProgramFolder& folder, const std::vector<Store>& stores)
{
    ReadingCollection collection;
    for (Store store : stores) {
        const ReadingStore readings(folder, store);
        for (std::string& entry : readings.list()) {
            try {
                collection.readings.push_back(countReading(readings.read(entry), store, entry));
            } catch (const Error& error) {
                collection.malformed.push_back({store, std::move(entry), error.what()});
            }
        }
    }
    return collection;
}

std::optional<int> readingDay(std::string_view dateTime)
{
    const std::string text = trimmed(dateTime);
    for (std::string_view pattern : Preferences::kDateTimeFormats) {
        if (const auto moment = parseDateTime(pattern, text))
            return dayNumber(moment->year, moment->month, moment->day);
    }
    return std::nullopt;
}

bool StatsFilter::counts(const CountedReading& reading) const
{
    if (!includes(reading.store))
        return false;
    if (!dated())
        return true;
    if (!reading.day)
        return false;
    return (!sinceDay || *reading.day >= *sinceDay) && (!untilDay || *reading.day <= *untilDay);
}

void applyPeriod(StatsFilter& filter, Period period, const DateTime& now)
{
    const int today = dayNumber(now.year, now.month, now.day);
    switch (period) {
    case Period::All:
        filter.sinceDay.reset();
        filter.untilDay.reset();
        return;
    case Period::Last30Days:
        filter.sinceDay = today - 30;
        break;
    case Period::Last12Months:
        filter.sinceDay = dayNumber(now.year - 1, now.month,
                                    std::min(now.day, daysInMonth(now.year - 1, now.month)));
        break;
    }
    filter.untilDay = today;
}

int CardStatistics::majors() const
{
    int sum = 0;
    for (int id = 1; id <= kMajorCards; ++id)
        sum += cards[static_cast<std::size_t>(id)].count;
    return sum;
}

int CardStatistics::suit(int s) const
{
    int sum = 0;
    for (int rank = 1; rank <= 14; ++rank)
        sum += cards[static_cast<std::size_t>(minorCardId(s + 1, rank))].count;
    return sum;
}

int CardStatistics::blanks() const
{
    return cards[kBlankCard].count;
}

int CardStatistics::reversedCards() const
{
    int sum = 0;
    for (const CardCount& card : cards)
        sum += card.reversed;
    return sum;
}

double CardStatistics::fairCount() const
{
    return static_cast<double>(falls - blanks()) / kAllCards;
}

std::vector<int> CardStatistics::mostFrequent(std::size_t n) const
{
    std::vector<int> top;
    for (const auto& [id, count] :
         mostFrequentOf([this](std::size_t id) { return cards[id].count; }, n))
        top.push_back(id);
    return top;
}

CardStatistics computeStatistics(const ReadingCollection& collection, const StatsFilter& filter)
{
    CardStatistics stats;
    for (const CountedReading& reading : collection.readings) {
        if (filter.includes(reading.store) && !reading.day)
            ++stats.undated;
        if (!filter.counts(reading))
            continue;
        ++stats.readings;
        for (std::size_t j = 0; j < reading.cards.size(); ++j) {
            const int id = reading.cards[j];
            if (id < 0)
                continue;
            CardCount& card = stats.cards[static_cast<std::size_t>(id)];
            ++card.count;
            if (reading.reversed[j])
                ++card.reversed;
            ++stats.falls;
        }
    }
    for (const MalformedReading& bad : collection.malformed) {
        if (filter.includes(bad.store))
            stats.malformed.push_back(bad);
    }
    return stats;
}

std::vector<CardOccurrence> occurrencesOf(const ReadingCollection& collection,
                                          const StatsFilter& filter, int card)
{
    std::vector<CardOccurrence> found;
    for (const CountedReading& reading : collection.readings) {
        if (!filter.counts(reading))
            continue;
        for (std::size_t j = 0; j < reading.cards.size(); ++j) {
            if (reading.cards[j] == card)
                found.push_back({reading.store, reading.entry, reading.dateTime,
                                 static_cast<int>(j) + 1, reading.reversed[j]});
        }
    }
    return found;
}

std::vector<std::string> spreadNames(const ReadingCollection& collection, const StatsFilter& filter)
{
    std::vector<std::string> names;
    for (const CountedReading& reading : collection.readings) {
        if (filter.counts(reading))
            names.push_back(reading.spread);
    }
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return lessIgnoringCase(a, b) || (!lessIgnoringCase(b, a) && a < b);
    });
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

std::vector<PositionStatistics> spreadPositions(const ReadingCollection& collection,
                                                const StatsFilter& filter, std::string_view spread,
                                                std::size_t topCount)
{
    struct Tally
    {
        std::array<int, kCardIdentifiers> cards{};
        std::map<std::string, int> meanings;
        int laid = 0;
    };
    std::vector<Tally> tallies;
    for (const CountedReading& reading : collection.readings) {
        if (reading.spread != spread || !filter.counts(reading))
            continue;
        if (tallies.size() < reading.cards.size())
            tallies.resize(reading.cards.size());
        for (std::size_t j = 0; j < reading.cards.size(); ++j) {
            Tally& tally = tallies[j];
            if (j < reading.meanings.size())
                ++tally.meanings[reading.meanings[j]];
            if (reading.cards[j] < 0)
                continue;
            ++tally.cards[static_cast<std::size_t>(reading.cards[j])];
            ++tally.laid;
        }
    }
    std::vector<PositionStatistics> positions;
    for (std::size_t j = 0; j < tallies.size(); ++j) {
        PositionStatistics position;
        position.position = static_cast<int>(j) + 1;
        position.laid = tallies[j].laid;
        int best = 0;
        for (const auto& [meaning, count] : tallies[j].meanings) {
            if (count > best) {
                best = count;
                position.meaning = meaning;
            }
        }
        position.top = mostFrequentOf(
            [&cards = tallies[j].cards](std::size_t id) { return cards[id]; }, topCount);
        positions.push_back(std::move(position));
    }
    return positions;
}

} // namespace kestrava
