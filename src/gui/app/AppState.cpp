#include "gui/app/AppState.h"

#include "core/Error.h"
#include "core/diary/FileNameTemplate.h"
#include "core/reading/Deal.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SpreadDocument.h"
#include "core/srml/TitleSet.h"
#include "gui/common/Texts.h"

namespace kestrava {

AppState::AppState(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services))
{
}

std::optional<std::string> AppState::selectedSpread() const
{
    const int index = preferences.selectedSpread;
    if (index < 0 || index >= static_cast<int>(spreads.size()))
        return std::nullopt;
    return spreads[static_cast<std::size_t>(index)];
}

std::filesystem::path AppState::selectedDeckFolder() const
{
    if (!preferences.selectedDeck)
        throw Error(std::string(kNoDeckMessage));
    return folder().deckFolder(*preferences.selectedDeck);
}

std::filesystem::path AppState::reportFile() const
{
    return reportPagePath(folder());
}

std::filesystem::path AppState::previewFile() const
{
    return previewPagePath(folder());
}

std::vector<std::string> AppState::titleList() const
{
    TitleSet titles;
    loadTitleSet(folder(), preferences.defaultTitles, titles);
    return composeTitleList(titles);
}

void AppState::regenerateFileName()
{
    regenerateFileName(clock().now());
}

void AppState::regenerateFileName(const DateTime& now)
{
    const auto name =
        generateFileName(preferences.fileNameTemplate, preferences.dateTimeFormatText(),
                         selectedSpread(), preferences.querentName, now);
    if (name)
        fileNamePreview = *name;
    announcePreferences();
}

void AppState::deal(const std::string& question)
{
    const auto spread = selectedSpread();
    if (!spread)
        return;
    if (!preferences.selectedDeck)
        throw Error(std::string(kNoDeckMessage));
    DealRequest request;
    request.spreadName = *spread;
    request.person = preferences.querentName;
    request.question = question.empty() ? Lines() : splitLines(question);
    request.deck = preferences.selectedDeck;
    request.now = clock().now();
    request.ids = shuffle.ids;
    request.orientations = shuffle.orientations;

    const auto titles = titleList();
    DealResult result;
    try {
        composeDeal(folder(), preferences, request, result);
    } catch (...) {
        // What was composed stays the current reading; the views keep the last one.
        reading = result.reading;
        if (!result.deckFolder.empty())
            currentDeckFolder = result.deckFolder;
        throw;
    }
    reading = result.reading;
    currentDeckFolder = result.deckFolder;
    // The name is the reading's before it is rendered, so a rendering that
    // fails leaves the new reading under its name, ready to be saved.
    regenerateFileName(request.now);
    emit readingNamed(toQt(result.suggestedName));

    renderAndShow(titles, toQt(result.suggestedName),
                  preferences.fullScreenCardTable && !manualChoiceInProgress, true);
}

void AppState::showReading(const QString& name, bool fullScreen)
{
    renderAndShow(titleList(), name, fullScreen, false);
}

void AppState::renderAndShow(const std::vector<std::string>& titles, const QString& name,
                             bool fullScreen, bool tabFirst)
{
    RasterCanvas canvas;
    RenderResult result;
    const RenderInput input{folder(), reading, currentDeckFolder, preferences, sources,
                            titles,   words};
    renderReading(input, canvas, result);
    picture = canvas;
    richText = result.richText;
    readingExists = true;
    emit readingRendered(tabFirst);
    // Pages that cannot be written stop here: the HTML views keep the last reading.
    writeLines(reportFile(), result.report);
    writeLines(previewFile(), result.preview);
    emit readingShown(name, fullScreen);
}

void AppState::openSitePage(const QString& path) const
{
    if (m_services.openUrl)
        m_services.openUrl(m_services.site.resolved(QUrl(path)));
}

void AppState::readLists()
{
    spreads = listSpreads(folder());
    decks = listFolders(folder().cards());
    sources = listDescriptionSources(folder());
}

} // namespace kestrava
