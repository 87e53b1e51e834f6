#include "gui/common/FolderLists.h"

#include "core/TextFile.h"
#include "core/srml/DescriptionSources.h"
#include "core/srml/SpreadDocument.h"

namespace kestrava {

FolderLists::FolderLists(ProgramFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{
}

void FolderLists::refresh()
{
    m_spreads = listSpreads(m_folder);
    m_decks = listFolders(m_folder.cards());
    m_sources = listDescriptionSources(m_folder);
    emit changed();
}

} // namespace kestrava
