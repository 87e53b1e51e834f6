#include "gui/reference/CompareCardsPage.h"

#include "core/reference/CardTools.h"
#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"

namespace kestrava {

CompareCardsPage::CompareCardsPage(AppState& state, QWidget* parent)
    : CardToolPage(
          state, parent,
          {QStringLiteral("ListBox9"), QStringLiteral("CheckListBox2"),
           QStringLiteral("CheckBoxCheckAll"), QStringLiteral("ButtonCompareCards"),
           QStringLiteral("Compare the Cards"), QStringLiteral("CppWebBrowser4")},
          [](const AppState& s) { return s.lists().decks(); },
          [](const AppState& s, int card, const std::string& title,
             const std::vector<std::string>& decks, const std::vector<bool>& checks) {
              const auto file = comparePageFile(s.folder());
              writeLines(file, comparePage(s.folder(), card, title, decks, checks, s.preferences));
              return file;
          })
{
}

} // namespace kestrava
