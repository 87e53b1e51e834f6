#pragma once

#include "core/Clock.h"
#include "core/TextFile.h"
#include "core/app/Preferences.h"
#include "core/reading/Renderer.h"
#include "gui/app/Services.h"

#include <QObject>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kestrava {

class FolderLists;
class ReadingSession;
class TitleSetModel;

// What the pages share: the services, the preferences with their change
// signal, and small models of their own: the lists read from folders, the
// reading session and the title set in memory. The main window owns it.
class AppState : public QObject
{
    Q_OBJECT

public:
    explicit AppState(Services services, QObject* parent = nullptr);

    const Services& services() const { return m_services; }
    const ProgramFolder& folder() const { return m_services.folder; }
    Prompter& prompter() const { return *m_services.prompter; }
    const Clock& clock() const { return *m_services.clock; }

    FolderLists& lists() const { return *m_lists; }
    ReadingSession& session() const { return *m_session; }
    // The title set in memory, the fields of the titles editor.
    TitleSetModel& titles() const { return *m_titles; }

    Preferences preferences;
    // "Use only 22 Major Arcans (Trumps)" is offered only for spreads of at most 22 cards.
    bool majorsAllowed = true;
    // What "Preview:" of the save options shows: the last name generated.
    std::string fileNamePreview;

    // The layout lists of the selected spread.
    Lines layoutLefts;
    Lines layoutTops;
    // The headings of the report, in the interface language.
    ReportWords words;

    std::optional<std::string> selectedSpread() const;
    // The deck folder of the selected deck, or an error asking for a deck.
    std::filesystem::path selectedDeckFolder() const;
    std::filesystem::path reportFile() const;
    std::filesystem::path previewFile() const;
    // The card title list composed from the title set in memory as it stands.
    std::vector<std::string> titleList() const;

    // Generates the file name from the template into the preview; with no
    // spread selected the preview keeps what it showed.
    void regenerateFileName();
    void regenerateFileName(const DateTime& now);

    // Opens a page of the product's web site in the desktop's browser.
    void openSitePage(const QString& path) const;

    // Every page that shows a preference refreshes itself from the model.
    void announcePreferences() { emit preferencesChanged(); }
    void announceSavedReadings() { emit savedReadingsChanged(); }

signals:
    void preferencesChanged();
    // A reading was saved into a store; its list is read again.
    void savedReadingsChanged();

private:
    Services m_services;
    FolderLists* m_lists;
    ReadingSession* m_session;
    TitleSetModel* m_titles;
};

} // namespace kestrava
