#pragma once

#include "core/Clock.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/cards/Card.h"
#include "core/cards/Shuffle.h"
#include "core/reading/Renderer.h"
#include "gui/app/Services.h"
#include "raster/RasterCanvas.h"

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrava {

// The state the pages share: the preferences, the lists read at start-up and
// the current reading with what was rendered from it. The main window owns
// it; pages read it, change it and announce their changes through it.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(Services services, QObject* parent = nullptr);

    const Services& services() const { return m_services; }
    const ProgramFolder& folder() const { return m_services.folder; }
    Prompter& prompter() const { return *m_services.prompter; }
    const Clock& clock() const { return *m_services.clock; }

    Preferences preferences;
    std::vector<std::string> spreads;
    std::vector<std::string> decks;
    std::vector<std::string> sources;
    // "Use only 22 Major Arcans (Trumps)" is offered only for spreads of at most 22 cards.
    bool majorsAllowed = true;
    // Set while the cards are laid by hand, so a deal does not go full screen.
    bool manualChoiceInProgress = false;
    // What "Preview:" of the save options shows: the last name generated.
    std::string fileNamePreview;

    // The last shuffle and the layout lists of the selected spread.
    Shuffle shuffle;
    Lines layoutLefts;
    Lines layoutTops;
    // The headings of the report, in the interface language.
    ReportWords words;

    // The current reading document and what the last rendering made of it.
    Lines reading;
    std::filesystem::path currentDeckFolder;
    RasterCanvas picture;
    RichText richText;
    bool readingExists = false;

    std::optional<std::string> selectedSpread() const;
    // The deck folder of the selected deck, or an error asking for a deck.
    std::filesystem::path selectedDeckFolder() const;
    std::filesystem::path reportFile() const;
    std::filesystem::path previewFile() const;
    // The card title list of the title set in use, read afresh.
    std::vector<std::string> titleList() const;

    // Generates the file name from the template into the preview; with no
    // spread selected the preview keeps what it showed.
    void regenerateFileName();
    void regenerateFileName(const DateTime& now);

    // Deals the selected spread with the last shuffle and the question's
    // text, and has the card table show the reading.
    void deal(const std::string& question);
    // Renders the current reading document, writes its two pages and has
    // the card table show it under the given name.
    void showReading(const QString& name, bool fullScreen);

    // Opens a page of the product's web site in the desktop's browser.
    void openSitePage(const QString& path) const;

    // Reads the spread, deck and description-source lists from their folders.
    void readLists();
    // Every page that shows a preference refreshes itself from the model.
    void announcePreferences() { emit preferencesChanged(); }
    void announceSavedReadings() { emit savedReadingsChanged(); }

signals:
    void preferencesChanged();
    // The deal's suggested name, given before the reading is rendered.
    void readingNamed(const QString& name);
    // A reading was rendered: the card table's picture and rich text show
    // it; with tabShown the "Card Table" tab is shown as well.
    void readingRendered(bool tabShown);
    // Its pages were written: the card table shows it under this name.
    void readingShown(const QString& name, bool fullScreen);
    // A reading was saved into a store; its list is read again.
    void savedReadingsChanged();

private:
    // What every shown reading goes through: the rendering, whose picture
    // and rich text the card table shows at once (the deal also shows its
    // tab then), the two pages written, and the card table showing them.
    void renderAndShow(const std::vector<std::string>& titles, const QString& name, bool fullScreen,
                       bool tabFirst);

    Services m_services;
};

} // namespace kestrava
