#include "gui/reference/TitleSetModel.h"

#include "core/reference/TitlesEditor.h"

namespace kestrava {

TitleSetModel::TitleSetModel(ProgramFolder folder, QObject* parent)
    : QObject(parent), m_folder(std::move(folder))
{
    for (const TitleField& field : titleFields())
        m_titles.fields[static_cast<std::size_t>(field.index)] = field.designText;
}

void TitleSetModel::setField(int index, const std::string& text)
{
    if (index >= 0 && index < TitleSet::kCount)
        m_titles.fields[static_cast<std::size_t>(index)] = text;
}

void TitleSetModel::load(bool defaultTitles)
{
    try {
        loadTitleSet(m_folder, defaultTitles, m_titles);
    } catch (...) {
        emit fieldsReplaced();
        throw;
    }
    emit fieldsReplaced();
    emit loaded();
}

bool TitleSetModel::switchTo(bool wantDefault, bool& defaultInForce)
{
    if (!switchTitleSet(m_folder, wantDefault, defaultInForce, m_titles))
        return false;
    emit fieldsReplaced();
    emit loaded();
    return true;
}

void TitleSetModel::saveAsCustom() const
{
    saveCustomTitleSet(m_folder, m_titles);
}

} // namespace kestrava
