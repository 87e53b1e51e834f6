// Statistics over 10,000 saved readings of ten cards each, half in the
// database and half in the diary, dated in all three date-time patterns:
// reading and counting every file, against counting what was read already
// (what a change of store or period costs on the page). "per_reading" is the
// time per saved reading.

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/srml/ReadingDocument.h"
#include "core/stats/CardStatistics.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <random>
#include <unistd.h>

namespace kestrava {
namespace {

namespace fs = std::filesystem;

constexpr int kReadings = 10000;
constexpr DateTime kNow{2024, 12, 10, 8, 0, 0};

class StatsFolder
{
public:
    StatsFolder()
        : m_folder(fs::temp_directory_path() /
                   ("kestrava-stats-bench-" + std::to_string(::getpid())))
    {
        fs::remove_all(m_folder.root());
        fs::create_directories(m_folder.database());
        fs::create_directories(m_folder.diary());
        const char* spreads[] = {"Celtic Cross", "Three Cards", "Horseshoe", "Star"};
        std::mt19937 chance(17);
        for (int i = 0; i < kReadings; ++i) {
            DiaryEntry entry;
            entry.spreadName = spreads[i % 4];
            entry.person = "Anna";
            const DateTime moment{2022 + i % 3, 1 + i % 12, 1 + i % 28, 14, 7, 0};
            entry.dateTime = formatDateTime(
                Preferences::kDateTimeFormats[static_cast<std::size_t>(i % 3)], moment);
            entry.question = {"What comes?<br />"};
            entry.description = {"A spread of ten cards.<br />"};
            entry.comments = {"Read from the centre out.<br />"};
            entry.cards = "10";
            for (int j = 0; j < 10; ++j) {
                entry.meanings.push_back("Position " + std::to_string(j + 1));
                entry.positions.push_back(std::to_string(5 + 40 * j) + ",5");
                entry.fortune.push_back(std::to_string(chance() % 79));
                entry.mirrors.emplace_back(chance() % 2 ? "normal" : "reversed");
            }
            const bool diary = i % 2 == 1;
            Lines document = composeDiary(entry);
            if (!diary)
                document.front() = std::string(kReadingHeader);
            // Plain writes: the store's own save would sync every file.
            std::ofstream out((diary ? m_folder.diary() : m_folder.database()) /
                                  ("Reading " + std::to_string(i) + ".srml"),
                              std::ios::binary);
            out << joinLines(document);
        }
    }
    ~StatsFolder()
    {
        std::error_code ec;
        fs::remove_all(m_folder.root(), ec);
    }

    const ProgramFolder& folder() const { return m_folder; }

private:
    ProgramFolder m_folder;
};

const StatsFolder& statsFolder()
{
    static const StatsFolder folder;
    return folder;
}

void perReading(benchmark::State& state)
{
    state.counters["per_reading"] = benchmark::Counter(
        kReadings, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// What the page and the command do: every file read, then counted.
void BM_ReadAndCountEverything(benchmark::State& state)
{
    const ProgramFolder& folder = statsFolder().folder();
    int falls = 0;
    for (auto _ : state) {
        const ReadingCollection collection =
            collectReadings(folder, {Store::Database, Store::Diary});
        falls = computeStatistics(collection, {}).falls;
    }
    state.counters["falls"] = falls;
    perReading(state);
}

// Another store or period on the page: the readings are in memory.
void BM_CountWhatWasRead(benchmark::State& state)
{
    const ReadingCollection collection =
        collectReadings(statsFolder().folder(), {Store::Database, Store::Diary});
    StatsFilter filter;
    applyPeriod(filter, Period::Last12Months, kNow);
    int readings = 0;
    for (auto _ : state)
        readings = computeStatistics(collection, filter).readings;
    state.counters["counted"] = readings;
    perReading(state);
}

// A bar clicked and a spread chosen.
void BM_CardAndSpread(benchmark::State& state)
{
    const ReadingCollection collection =
        collectReadings(statsFolder().folder(), {Store::Database, Store::Diary});
    for (auto _ : state) {
        benchmark::DoNotOptimize(occurrencesOf(collection, {}, 5).size());
        benchmark::DoNotOptimize(spreadPositions(collection, {}, "Celtic Cross").size());
    }
    perReading(state);
}

BENCHMARK(BM_ReadAndCountEverything)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountWhatWasRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CardAndSpread)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrava

BENCHMARK_MAIN();
