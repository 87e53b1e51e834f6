#include "core/reading/Deal.h"

#include "core/Error.h"
#include "core/app/Preferences.h"
#include "core/diary/FileNameTemplate.h"
#include "core/srml/ReadingDocument.h"

namespace kestrava {

void composeDeal(const ProgramFolder& folder, const Preferences& preferences,
                 const DealRequest& request, DealResult& result)
{
    result.reading.clear();
    result.suggestedName.clear();
    result.pagesWritten = false;
    if (!request.deck)
        throw Error("No deck is selected.");
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

std::filesystem::path reportPagePath(const ProgramFolder& folder)
{
    return folder.xfiles() / "newSpread-0001.html";
}

std::filesystem::path previewPagePath(const ProgramFolder& folder)
{
    return folder.xfiles() / "export.html";
}

void showReading(const RenderInput& input, Canvas& canvas, RenderResult& result)
{
    renderReading(input, canvas, result);
    writeLines(reportPagePath(input.folder), result.report);
    writeLines(previewPagePath(input.folder), result.preview);
}

void deal(const ProgramFolder& folder, const Preferences& preferences, const DealRequest& request,
          const std::vector<std::string>& descriptionSources,
          const std::vector<std::string>& titles, Canvas& canvas, DealResult& result)
{
    composeDeal(folder, preferences, request, result);
    const RenderInput input{folder,      result.reading,     result.deckFolder,
                            preferences, descriptionSources, titles};
    showReading(input, canvas, result.render);
    result.pagesWritten = true;
}

} // namespace kestrava
