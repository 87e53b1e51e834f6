#include "gui/reference/ReadCardsPage.h"

#include "core/reference/CardTools.h"
#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"

namespace kestrava {

ReadCardsPage::ReadCardsPage(AppState& state, QWidget* parent)
    : CardToolPage(
          state, parent,
          {QStringLiteral("ListBox10"), QStringLiteral("CheckListBox3"),
           QStringLiteral("CheckBox14"), QStringLiteral("ButtonReadCard"),
           QStringLiteral("Read the Card"), QStringLiteral("CppWebBrowser5")},
          [](const AppState& s) { return s.lists().sources(); },
          [](const AppState& s, int card, const std::string& title,
             const std::vector<std::string>& sources, const std::vector<bool>& checks) {
              const auto file = readCardPageFile(s.folder());
              writeLines(file,
                         readCardPage(s.folder(), card, title, sources, checks, s.preferences));
              return file;
          })
{
}

} // namespace kestrava
