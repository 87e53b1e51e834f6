#pragma once

#include "core/TextFile.h"
#include "core/cards/Shuffle.h"
#include "core/reading/Renderer.h"
#include "raster/RasterCanvas.h"

#include <QObject>
#include <QString>
#include <filesystem>
#include <string>

namespace kestrava {

class AppState;
class ReadingStore;

// The reading being shown: its document, its deck, what the last rendering
// made of it and the name it is offered under. Every road to a reading (the
// deal, Load, the command-line reading, the manual choice) goes through here
// onto the core's deal and rendering, and ends in one readingChanged.
class ReadingSession : public QObject
{
    Q_OBJECT

public:
    // What the last operation changed; the views read it on readingChanged.
    struct Change
    {
        bool named = false;        // name() is new: the name box takes it
        bool rendered = false;     // picture(), richText() and rendered() are new
        bool pagesWritten = false; // the two page files hold this reading
        bool dealt = false;        // a deal made it: its card table tab shows at once
        bool show = false;         // the Card Table page opens on it
        bool fullScreen = false;   // ... in full screen
    };

    ReadingSession(AppState& state, QObject* parent);

    // The current reading document, of either kind.
    const Lines& reading() const { return m_reading; }
    const std::filesystem::path& deckFolder() const { return m_deckFolder; }
    const RasterCanvas& picture() const { return m_picture; }
    const RichText& richText() const { return m_rendered.richText; }
    // The last successful pass: its layout and its copies of FORTUNE and MIRRORS.
    const RenderResult& rendered() const { return m_rendered; }
    bool hasRendering() const { return m_hasRendering; }
    const QString& name() const { return m_name; }
    // The last shuffle of a deal.
    const Shuffle& shuffle() const { return m_shuffle; }
    const Change& lastChange() const { return m_change; }

    // While the cards are laid by hand a deal never opens the full-screen card table.
    void setManualChoice(bool on) { m_manualChoice = on; }
    bool manualChoice() const { return m_manualChoice; }

    // "Shuffle and Deal Virtual Tarot Deck": checks the deck against the
    // selected spread, shuffles and deals. Nothing happens without a spread.
    void deal(const std::string& question);
    // Deals the selected spread again from the last shuffle.
    void dealLastShuffle(const std::string& question);
    // Makes a stored document the current reading with the selected deck and
    // shows it as a deal does, in full screen when the preference says so.
    void load(const Lines& lines, const QString& name);
    // "Load" of a stored entry: reads it (an entry that is not a complete
    // reading stops with an error naming it), checks it against the selected
    // deck (too few cards: the message; not a deck: silence) and shows it as
    // load() does. Returns whether it was shown.
    bool loadEntry(const ReadingStore& store, const std::string& entry);
    // Renders the current reading again and writes its pages.
    void rerender();

signals:
    void readingChanged();

private:
    // Renders the current reading; on success the rendering is kept and the
    // pages are written. Records what it reached in the change.
    void renderCurrent(const std::vector<std::string>& titles, Change& change);
    // A pass that succeeded becomes what the views show.
    void keepRendering(const RasterCanvas& canvas, const RenderResult& result);
    void announce(const Change& change);

    AppState& m_state;
    Lines m_reading;
    std::filesystem::path m_deckFolder;
    RasterCanvas m_picture;
    RenderResult m_rendered;
    bool m_hasRendering = false;
    QString m_name;
    Shuffle m_shuffle;
    Change m_change;
    bool m_manualChoice = false;
};

} // namespace kestrava
