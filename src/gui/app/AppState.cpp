#include "gui/app/AppState.h"

#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/diary/FileNameTemplate.h"
#include "core/reading/Deal.h"
#include "gui/common/FolderLists.h"
#include "gui/reading/ReadingSession.h"
#include "gui/reference/TitleSetModel.h"

namespace kestrava {

AppState::AppState(Services services, QObject* parent)
    : QObject(parent), m_services(std::move(services)),
      m_lists(new FolderLists(m_services.folder, this)), m_session(new ReadingSession(*this, this)),
      m_titles(new TitleSetModel(m_services.folder, this))
{
}

std::optional<std::string> AppState::selectedSpread() const
{
    const int index = preferences.selectedSpread;
    const auto& spreads = m_lists->spreads();
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
    return m_titles->titleList();
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

void AppState::openSitePage(const QString& path) const
{
    if (m_services.openUrl)
        m_services.openUrl(m_services.site.resolved(QUrl(path)));
}

} // namespace kestrava
