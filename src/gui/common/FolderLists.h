#pragma once

#include "core/ProgramFolder.h"

#include <QObject>
#include <string>
#include <vector>

namespace kestrava {

// The lists read from folders: spreads, decks and description sources.
// Whoever adds or deletes one of those files refreshes the lists, and every
// page that shows one refills itself on changed.
class FolderLists : public QObject
{
    Q_OBJECT

public:
    FolderLists(ProgramFolder folder, QObject* parent);

    const std::vector<std::string>& spreads() const { return m_spreads; }
    const std::vector<std::string>& decks() const { return m_decks; }
    const std::vector<std::string>& sources() const { return m_sources; }

    // Reads all three lists afresh and announces them.
    void refresh();

signals:
    void changed();

private:
    ProgramFolder m_folder;
    std::vector<std::string> m_spreads;
    std::vector<std::string> m_decks;
    std::vector<std::string> m_sources;
};

} // namespace kestrava
