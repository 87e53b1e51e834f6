#include "core/reading/Deal.h"

#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/diary/FileNameTemplate.h"
#include "core/srml/ReadingDocument.h"
#include "core/srml/SectionReader.h"
#include "core/srml/SpreadDocument.h"

namespace kestrava {

void composeDeal(const ProgramFolder& folder, const Preferences& preferences,
                 const DealRequest& request, DealResult& result)
{
    result.reading.clear();
    result.suggestedName.clear();
    result.pagesWritten = false;
    if (!request.deck)
        throw Error(std::string(kNoDeckMessage));
    result.deckFolder = folder.deckFolder(*request.deck);
    result.render.report.clear();

    DealtReading reading;
    reading.spreadName = request.spreadName;
    reading.person = request.person;
    reading.dateTime = formatDateTime(preferences.dateTimeFormatText(), request.now);
    reading.question = request.question;
    reading.ids = request.ids;
    reading.orientations = request.orientations;
    try {
        reading.spread = readLines(folder.spreadFile(request.spreadName));
    } catch (const Error& unreadable) {
        // The spread is first needed for the card count: the lines before it
        // are composed all the same, and the deal stops there with the file's error.
        try {
            composeReading(reading, result.reading);
        } catch (const Error&) {
        }
        throw unreadable;
    }
    composeReading(reading, result.reading);

    const auto name =
        generateFileName(preferences.fileNameTemplate, preferences.dateTimeFormatText(),
                         request.spreadName, request.person, request.now);
    result.suggestedName = removeRestrictedSymbols(name.value_or(std::string()));
}

DealPreparation prepareDeal(const ProgramFolder& folder, Preferences& preferences,
                            const std::optional<std::string>& deck, const std::string& spreadName)
{
    DealPreparation preparation;
    preparation.cards = cardCount(findSection(readLines(folder.spreadFile(spreadName)), "CARDS"));
    if (!deck)
        throw Error(std::string(kNoDeckMessage));
    preparation.deckFolder = folder.deckFolder(*deck);
    preparation.deckSize = deckSize(preparation.deckFolder);
    preparation.compatibility = checkCompatibility(preparation.deckSize, preparation.cards);
    if (preparation.compatibility == Compatibility::DealMajorsOnly)
        preferences.cardSet = CardSet::Majors22;
    return preparation;
}

bool adaptCardSet(Preferences& preferences, int cards)
{
    // Up to 22 cards the majors were either chosen already or one of the
    // other two sets is, so the choice stays as it is.
    if (cards > kMajorCards && preferences.cardSet == CardSet::Majors22)
        preferences.cardSet = CardSet::All78;
    return cards <= kMajorCards;
}

std::filesystem::path reportPagePath(const ProgramFolder& folder)
{
    return folder.xfiles() / "newSpread-0001.html";
}

std::filesystem::path previewPagePath(const ProgramFolder& folder)
{
    return folder.xfiles() / "export.html";
}

void writeReadingPages(const ProgramFolder& folder, const RenderResult& result)
{
    writeLines(reportPagePath(folder), result.report);
    writeLines(previewPagePath(folder), result.preview);
}

void showReading(const RenderInput& input, Canvas& canvas, RenderResult& result)
{
    renderReading(input, canvas, result);
    writeReadingPages(input.folder, result);
}

void deal(const ProgramFolder& folder, const Preferences& preferences, const DealRequest& request,
          const std::vector<std::string>& descriptionSources,
          const std::vector<std::string>& titles, Canvas& canvas, DealResult& result,
          const ReportWords& words)
{
    result.rendered = false;
    composeDeal(folder, preferences, request, result);
    const RenderInput input{
        folder, result.reading, result.deckFolder, preferences, descriptionSources, titles, words};
    renderReading(input, canvas, result.render);
    result.rendered = true;
    writeReadingPages(folder, result.render);
    result.pagesWritten = true;
}

} // namespace kestrava
