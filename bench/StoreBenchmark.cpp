// A store of 10,000 saved readings: listing it, reading one entry's details
// and filtering all of them by a word of the question, against a bare read
// of the folder's names ("ratio" of listing = list / bare read).

#include "core/ProgramFolder.h"
#include "core/TextFile.h"
#include "core/diary/ReadingStore.h"
#include "core/diary/StoreFilter.h"
#include "core/srml/ReadingDocument.h"

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fstream>
#include <random>
#include <unistd.h>

namespace kestrava {
namespace {

namespace fs = std::filesystem;

constexpr int kReadings = 10000;

class StoreFolder
{
public:
    StoreFolder()
        : m_folder(fs::temp_directory_path() /
                   ("kestrava-store-bench-" + std::to_string(::getpid())))
    {
        fs::remove_all(m_folder.root());
        fs::create_directories(m_folder.diary());
        const char* people[] = {"Anna", "bert", "Carla", "dave", "Eva", "frank"};
        const char* spreads[] = {"Celtic Cross", "three Cards", "Horseshoe", "Star"};
        const char* questions[] = {"Will it rain tomorrow?", "What about work?",
                                   "Shall I move to the sea?", "How is the family?"};
        std::mt19937 chance(11);
        for (int i = 0; i < kReadings; ++i) {
            DiaryEntry entry;
            entry.spreadName = spreads[i % 4];
            entry.person = people[i % 6];
            entry.dateTime = "2024-" + std::to_string(10 + i % 3) + "-" +
                             std::to_string(10 + i % 18) + ", 14-07";
            entry.question = {questions[chance() % 4], "Line two of the notes."};
            const int cards = 10;
            entry.cards = std::to_string(cards);
            entry.description = {"A spread of ten cards.<br />", "Laid as a cross.<br />"};
            entry.comments = {"Read from the centre out.<br />"};
            for (int j = 0; j < cards; ++j) {
                entry.meanings.push_back("What position " + std::to_string(j + 1) + " means");
                entry.positions.push_back(std::to_string(5 + 40 * j) + ",5");
                entry.fortune.push_back(std::to_string(chance() % 79));
                entry.mirrors.emplace_back(chance() % 2 ? "normal" : "reversed");
            }
            const std::string name = std::string(people[i % 6]) + " " + std::to_string(i) + ", " +
                                     entry.spreadName + ", " + entry.dateTime;
            m_names.push_back(name);
            // Plain writes: the store's own save would sync every file.
            std::ofstream out(m_folder.diary() / (name + ".srml"), std::ios::binary);
            out << joinLines(composeDiary(entry));
        }
    }
    ~StoreFolder()
    {
        std::error_code ec;
        fs::remove_all(m_folder.root(), ec);
    }

    const ProgramFolder& folder() const { return m_folder; }
    const std::string& someName() const { return m_names[kReadings / 2]; }

private:
    ProgramFolder m_folder;
    std::vector<std::string> m_names;
};

const StoreFolder& storeFolder()
{
    static const StoreFolder folder;
    return folder;
}

void BM_BareDirectoryRead(benchmark::State& state)
{
    const std::string path = storeFolder().folder().diary().string();
    for (auto _ : state) {
        DIR* dir = ::opendir(path.c_str());
        std::size_t count = 0;
        while (const dirent* entry = ::readdir(dir))
            count += entry->d_name[0] != '.';
        ::closedir(dir);
        benchmark::DoNotOptimize(count);
    }
}

void BM_ListAndSort(benchmark::State& state)
{
    const ReadingStore store(storeFolder().folder(), Store::Diary);
    std::size_t count = 0;
    for (auto _ : state) {
        const auto names = store.list();
        count = names.size();
        benchmark::DoNotOptimize(names.data());
    }
    state.counters["entries"] = static_cast<double>(count);
}

void BM_DetailsOfOne(benchmark::State& state)
{
    const ReadingStore store(storeFolder().folder(), Store::Diary);
    const std::string name = storeFolder().someName();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.details(name));
}

// The first filter after a refresh: every entry's details read once, then matched.
void BM_FilterFirstKey(benchmark::State& state)
{
    const ReadingStore store(storeFolder().folder(), Store::Diary);
    const auto names = store.list();
    std::size_t matches = 0;
    for (auto _ : state) {
        const auto index = indexEntries(store, names);
        matches = filterEntries(index, "SEA").size();
    }
    state.counters["matches"] = static_cast<double>(matches);
}

// Every further key: the details are in memory.
void BM_FilterFurtherKeys(benchmark::State& state)
{
    const ReadingStore store(storeFolder().folder(), Store::Diary);
    const auto index = indexEntries(store, store.list());
    std::size_t matches = 0;
    for (auto _ : state)
        matches = filterEntries(index, "sea").size();
    state.counters["matches"] = static_cast<double>(matches);
}

BENCHMARK(BM_BareDirectoryRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ListAndSort)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetailsOfOne)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterFirstKey)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterFurtherKeys)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kestrava

BENCHMARK_MAIN();
