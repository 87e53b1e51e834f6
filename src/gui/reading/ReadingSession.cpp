#include "gui/reading/ReadingSession.h"

#include "core/cards/Card.h"
#include "core/diary/ReadingStore.h"
#include "core/reading/Deal.h"
#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Texts.h"

namespace kestrava {

ReadingSession::ReadingSession(AppState& state, QObject* parent) : QObject(parent), m_state(state)
{
}

void ReadingSession::deal(const std::string& question)
{
    const auto spread = m_state.selectedSpread();
    if (!spread)
        return;
    Preferences& preferences = m_state.preferences;
    const DealPreparation preparation =
        prepareDeal(m_state.folder(), preferences, preferences.selectedDeck, *spread);
    switch (preparation.compatibility) {
    case Compatibility::TooFewCards:
        m_state.prompter().tell(kTooFewCardsMessage);
        return;
    case Compatibility::NotADeck:
        return;
    case Compatibility::DealMajorsOnly:
        m_state.announcePreferences();
        break;
    case Compatibility::Deal:
        break;
    }
    m_shuffle = buildAndShuffle(preferences, m_state.clock().shuffleSeed());
    dealLastShuffle(question);
}

void ReadingSession::dealLastShuffle(const std::string& question)
{
    const auto spread = m_state.selectedSpread();
    if (!spread)
        return;
    const Preferences& preferences = m_state.preferences;
    DealRequest request;
    request.spreadName = *spread;
    request.person = preferences.querentName;
    request.question = question.empty() ? Lines() : splitLines(question);
    request.deck = preferences.selectedDeck;
    request.now = m_state.clock().now();
    request.ids = m_shuffle.ids;
    request.orientations = m_shuffle.orientations;

    const auto titles = m_state.titleList();
    RasterCanvas canvas;
    DealResult result;
    Change change;
    change.dealt = true;
    try {
        kestrava::deal(m_state.folder(), preferences, request, m_state.lists().sources(), titles,
                       canvas, result, m_state.words);
    } catch (...) {
        // What was composed stays the current reading, under its name once it
        // has one, ready to be saved; the views keep the last rendering unless
        // this one got as far as its picture.
        m_reading = result.reading;
        if (!result.deckFolder.empty())
            m_deckFolder = result.deckFolder;
        if (!result.suggestedName.empty()) {
            m_name = toQt(result.suggestedName);
            change.named = true;
            m_state.regenerateFileName(request.now);
        }
        if (result.rendered) {
            keepRendering(canvas, result.render);
            change.rendered = true;
        }
        announce(change);
        throw;
    }
    m_reading = result.reading;
    m_deckFolder = result.deckFolder;
    m_name = toQt(result.suggestedName);
    m_state.regenerateFileName(request.now);
    keepRendering(canvas, result.render);
    change.named = change.rendered = change.pagesWritten = change.show = true;
    change.fullScreen = preferences.fullScreenCardTable && !m_manualChoice;
    announce(change);
}

void ReadingSession::load(const Lines& lines, const QString& name)
{
    m_reading = lines;
    m_deckFolder = m_state.selectedDeckFolder();
    Change change;
    renderCurrent(m_state.titleList(), change);
    m_name = name;
    change.named = change.show = true;
    change.fullScreen = m_state.preferences.fullScreenCardTable;
    announce(change);
}

bool ReadingSession::loadEntry(const ReadingStore& store, const std::string& entry)
{
    const Lines lines = store.readReading(entry);
    if (!deckFitsReading(deckSize(m_state.selectedDeckFolder()), lines, m_state.prompter()))
        return false;
    load(lines, toQt(entry));
    return true;
}

void ReadingSession::rerender()
{
    Change change;
    renderCurrent(m_state.titleList(), change);
    announce(change);
}

void ReadingSession::renderCurrent(const std::vector<std::string>& titles, Change& change)
{
    RasterCanvas canvas;
    RenderResult result;
    const RenderInput input{m_state.folder(),          m_reading, m_deckFolder, m_state.preferences,
                            m_state.lists().sources(), titles,    m_state.words};
    renderReading(input, canvas, result);
    keepRendering(canvas, result);
    change.rendered = true;
    try {
        // Pages that cannot be written stop here: the HTML views keep the last reading.
        writeReadingPages(m_state.folder(), result);
    } catch (...) {
        announce(change);
        throw;
    }
    change.pagesWritten = true;
}

void ReadingSession::keepRendering(const RasterCanvas& canvas, const RenderResult& result)
{
    m_picture = canvas;
    m_rendered = result;
    m_hasRendering = true;
}

void ReadingSession::announce(const Change& change)
{
    m_change = change;
    emit readingChanged();
}

} // namespace kestrava
