// The cost of a deal and its rendering pass against the cost of merely
// reading the documents the pass opens, and the cost of the picture.
//
// Every pass opens the spread once and each checked description source once
// per card; "read" is the time to read exactly those files' bytes from disk
// the same number of times, "ratio" is pages / read.

#include "core/Clock.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/jpeg/JpegFile.h"
#include "core/reading/Deal.h"
#include "core/reading/PageFrame.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SpreadDocument.h"
#include "raster/RasterCanvas.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <random>
#include <unistd.h>

namespace kestrava {
namespace {

namespace fs = std::filesystem;

constexpr int kSourceCount = 4;

// A program folder with a full deck, three spreads and four complete
// description sources, made once for the whole run.
class BenchFolder
{
public:
    BenchFolder()
        : m_folder(fs::temp_directory_path() / ("kestrava-bench-" + std::to_string(::getpid())))
    {
        fs::remove_all(m_folder.root());
        for (const auto& sub : {m_folder.spreads(), m_folder.descriptions(), m_folder.xfiles()})
            fs::create_directories(sub);
        makeDeck();
        for (const int cards : {1, 10, 30})
            makeSpread(cards);
        for (int k = 0; k < kSourceCount; ++k)
            makeSource(k);
        for (int id = 0; id <= kAllCards; ++id)
            m_titles.push_back("Title of card " + std::to_string(id));
    }
    ~BenchFolder()
    {
        std::error_code ec;
        fs::remove_all(m_folder.root(), ec);
    }

    const ProgramFolder& folder() const { return m_folder; }
    const std::vector<std::string>& sources() const { return m_sources; }
    const std::vector<std::string>& titles() const { return m_titles; }
    static std::string spreadName(int cards) { return "Spread of " + std::to_string(cards); }

private:
    void makeDeck()
    {
        std::mt19937 noise(7);
        RgbImage image{kCardWidth, kCardHeight, {}};
        image.rgb.resize(static_cast<std::size_t>(kCardWidth) * kCardHeight * 3);
        const auto deck = m_folder.deckFolder("Deck");
        for (const std::string_view word : {kNormal, kReversed, kBlank}) {
            fs::create_directories(deck / std::string(word));
            const int last = word == kBlank ? 0 : kAllCards;
            for (int id = word == kBlank ? 0 : 1; id <= last; ++id) {
                // Smooth shapes with a little grain, like a scanned card.
                for (int y = 0; y < kCardHeight; ++y)
                    for (int x = 0; x < kCardWidth; ++x)
                        for (int c = 0; c < 3; ++c)
                            image.rgb[(static_cast<std::size_t>(y) * kCardWidth + x) * 3 + c] =
                                static_cast<unsigned char>((x * (c + 1) + y * id) % 200 +
                                                           noise() % 40);
                encodeJpeg(cardPicturePath(deck, word, std::to_string(id)), image, 85);
            }
        }
    }

    void makeSpread(int cards)
    {
        SpreadDraft spread;
        spread.title = spreadName(cards);
        spread.description = {"A spread of " + std::to_string(cards) + " cards for measuring.",
                              "Its second line."};
        spread.comments = {"Read the cards in order.", "Then read them together."};
        for (int j = 0; j < cards; ++j) {
            spread.meanings.push_back("The meaning of position " + std::to_string(j + 1));
            spread.positions.push_back({5 + 40 * (j % 10), 5 + 60 * (j / 10)});
        }
        saveSpread(m_folder, spread);
    }

    // 158 sections of two or three lines of prose each, about 40 KB.
    void makeSource(int k)
    {
        const std::string name = "Source " + std::to_string(k);
        Lines document{"[NAME]", "Description source " + std::to_string(k), "[/NAME]"};
        for (const auto& section : descriptionSectionNames()) {
            if (section == "NAME")
                continue;
            document.push_back("[" + section + "]");
            document.emplace_back("This card speaks of beginnings and endings, of what is given "
                                  "and what is taken, and of the patience between them.<br />");
            document.emplace_back("In this position it asks the querent to look at what is "
                                  "<b>already</b> there before reaching for more.<br />");
            document.emplace_back("A short third line.<br />");
            document.push_back("[/" + section + "]");
        }
        writeLines(m_folder.descriptionFile(name), document);
        m_sources.push_back(name);
    }

    ProgramFolder m_folder;
    std::vector<std::string> m_sources;
    std::vector<std::string> m_titles;
};

BenchFolder& bench()
{
    static BenchFolder folder;
    return folder;
}

Preferences preferencesWith(int checkedSources)
{
    Preferences preferences;
    preferences.selectedDeck = "Deck";
    preferences.sourceChecks.assign(kSourceCount, false);
    for (int k = 0; k < checkedSources; ++k)
        preferences.sourceChecks[static_cast<std::size_t>(k)] = true;
    preferences.showMeanings = preferences.showCardTitles = true;
    return preferences;
}

DealRequest requestFor(int cards)
{
    DealRequest request;
    request.spreadName = BenchFolder::spreadName(cards);
    request.person = "Anna";
    request.question = {"What does the year hold?", "And for whom?"};
    request.deck = "Deck";
    request.now = {2024, 3, 5, 14, 7, 0};
    for (int j = 0; j < cards; ++j) {
        request.ids.push_back(std::to_string(1 + (j * 7) % kAllCards));
        request.orientations.emplace_back(j % 3 == 0 ? kReversed : kNormal);
    }
    return request;
}

// Reads a file's bytes and nothing else.
std::size_t readBytes(const fs::path& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return 0;
    std::string bytes(static_cast<std::size_t>(fs::file_size(path)), '\0');
    const std::size_t got = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    benchmark::DoNotOptimize(bytes.data());
    return got;
}

// The files one pass opens: the spread, then every checked source per card.
std::vector<fs::path> filesOpened(int cards, int checkedSources)
{
    std::vector<fs::path> files{bench().folder().spreadFile(BenchFolder::spreadName(cards))};
    for (int j = 0; j < cards; ++j)
        for (int k = 0; k < checkedSources; ++k)
            files.push_back(
                bench().folder().descriptionFile(bench().sources()[static_cast<std::size_t>(k)]));
    return files;
}

double secondsToRead(const std::vector<fs::path>& files, std::int64_t times)
{
    const auto start = std::chrono::steady_clock::now();
    for (std::int64_t i = 0; i < times; ++i)
        for (const auto& file : files)
            benchmark::DoNotOptimize(readBytes(file));
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Deal and the pass without the picture: the reading document, the report
// page, the preview page and the rich-text preview.
void BM_DealAndPages(benchmark::State& state)
{
    const int cards = static_cast<int>(state.range(0));
    const int checked = static_cast<int>(state.range(1));
    const Preferences preferences = preferencesWith(checked);
    const DealRequest request = requestFor(cards);
    const auto files = filesOpened(cards, checked);
    std::size_t bytes = 0;
    for (const auto& file : files)
        bytes += fs::file_size(file);

    NullCanvas canvas;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        DealResult result;
        composeDeal(bench().folder(), preferences, request, result);
        renderReading({bench().folder(), result.reading, result.deckFolder, preferences,
                       bench().sources(), bench().titles()},
                      canvas, result.render);
        benchmark::DoNotOptimize(result.render.report.data());
    }
    const double pass =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double read = secondsToRead(files, state.iterations());
    const double n = static_cast<double>(state.iterations());
    state.counters["pass_us"] = pass / n * 1e6;
    state.counters["read_us"] = read / n * 1e6;
    state.counters["ratio"] = pass / read;
    state.counters["opens"] = static_cast<double>(files.size());
    state.counters["KB_read"] = static_cast<double>(bytes) / 1024.0;
}

// The same bytes merely read from disk, as often as the pass opens them.
void BM_ReadInputsOnly(benchmark::State& state)
{
    const auto files =
        filesOpened(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        for (const auto& file : files)
            benchmark::DoNotOptimize(readBytes(file));
}

// The whole deal as the program runs it: the pass with the card-table
// picture, and both page files written.
void BM_DealWithPicture(benchmark::State& state)
{
    const int cards = static_cast<int>(state.range(0));
    const Preferences preferences = preferencesWith(static_cast<int>(state.range(1)));
    const DealRequest request = requestFor(cards);
    ensureGuiApplication();
    RasterCanvas canvas;
    for (auto _ : state) {
        DealResult result;
        deal(bench().folder(), preferences, request, bench().sources(), bench().titles(), canvas,
             result);
        benchmark::DoNotOptimize(canvas.image().constBits());
    }
    state.counters["per_card_us"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * cards,
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// One card of the picture: decode its JPEG and draw it with its frame.
void BM_PictureCard(benchmark::State& state)
{
    ensureGuiApplication();
    RasterCanvas canvas;
    canvas.create(400, 400);
    const auto picture = cardPicturePath(bench().folder().deckFolder("Deck"), kNormal, "17");
    for (auto _ : state) {
        canvas.drawJpeg(picture, 17, 85);
        canvas.drawRectangle({16, 84, 162, 319}, false);
    }
}

// Decoding one card picture alone.
void BM_DecodeCard(benchmark::State& state)
{
    const auto picture = cardPicturePath(bench().folder().deckFolder("Deck"), kNormal, "17");
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeJpeg(picture).rgb.data());
    state.counters["bytes"] = static_cast<double>(fs::file_size(picture));
}

// Encoding a finished 30-card picture as the JPEG screenshot.
void BM_SaveScreenshot(benchmark::State& state)
{
    ensureGuiApplication();
    const Preferences preferences = preferencesWith(0);
    RasterCanvas canvas;
    DealResult result;
    deal(bench().folder(), preferences, requestFor(30), bench().sources(), bench().titles(), canvas,
         result);
    const auto file = bench().folder().xfiles() / "screenshot.jpg";
    for (auto _ : state)
        canvas.saveJpeg(file);
}

void readingSizes(benchmark::internal::Benchmark* b)
{
    for (const int cards : {1, 10, 30})
        for (const int sources : {1, 4})
            b->Args({cards, sources});
    b->ArgNames({"cards", "sources"});
}

BENCHMARK(BM_DealAndPages)->Apply(readingSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadInputsOnly)->Apply(readingSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DealWithPicture)->Apply(readingSizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PictureCard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DecodeCard)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveScreenshot)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kestrava

BENCHMARK_MAIN();
