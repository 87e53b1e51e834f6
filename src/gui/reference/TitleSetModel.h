#pragma once

#include "core/ProgramFolder.h"
#include "core/srml/TitleSet.h"

#include <QObject>
#include <string>
#include <vector>

namespace kestrava {

// The title set in memory: the 42 texts of the titles editor's fields. Every
// card title list is composed from them, so a title typed in the editor is in
// use at the next deal before it is ever saved.
class TitleSetModel : public QObject
{
    Q_OBJECT

public:
    TitleSetModel(ProgramFolder folder, QObject* parent);

    const TitleSet& titles() const { return m_titles; }
    // The card title list of the texts as they stand.
    std::vector<std::string> titleList() const { return composeTitleList(m_titles); }

    // A field typed or picked in the editor; nothing else is told.
    void setField(int index, const std::string& text);

    // Reads the default or the custom document into the fields, line by line:
    // a missing document or line stops with its error, the fields before it
    // having taken their texts. Announces the fields either way, and the new
    // set once it loaded whole.
    void load(bool defaultTitles);
    // Turns the other set on: its document is read whole before a field
    // changes, so one that cannot be read leaves fields and choice alone.
    // Returns false when the set asked for is already in force.
    bool switchTo(bool wantDefault, bool& defaultInForce);
    // Writes the fields as they stand to titles/custom.srml.
    void saveAsCustom() const;

signals:
    // The fields were replaced from a document; the editor shows them again.
    void fieldsReplaced();
    // A whole set was loaded: the card pickers rebuild their titles.
    void loaded();

private:
    ProgramFolder m_folder;
    TitleSet m_titles;
};

} // namespace kestrava
