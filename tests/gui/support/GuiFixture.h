#pragma once

#include "core/Clock.h"
#include "core/Prompter.h"
#include "gui/app/MainWindow.h"
#include "support/TempFolder.h"

#include <QString>
#include <QStringList>
#include <QTest>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kestrava::test {

// Answers questions and save dialogs from a script and keeps what was said.
class ScriptedPrompter : public Prompter
{
public:
    std::deque<Answer> answers;
    std::deque<std::optional<std::filesystem::path>> files;
    std::vector<std::string> questions;
    std::vector<std::string> messages;
    std::vector<std::string> dialogFilters;
    std::vector<std::filesystem::path> dialogStarts;

    Answer ask(std::string_view question) override;
    void tell(std::string_view message) override;
    std::optional<std::filesystem::path>
    chooseSaveFile(std::string_view title, std::string_view filter,
                   const std::filesystem::path& start) override;
};

inline constexpr DateTime kReadingMoment{2024, 3, 5, 14, 7, 0};

// A program folder with what a reading needs: two decks (78 and 22 cards,
// small real pictures), spreads of 3, 22 and 30 cards, titles and two
// description sources.
class ProgramFixture
{
public:
    ProgramFixture();

    const TempProgramFolder& home() const { return m_home; }
    const ProgramFolder& folder() const { return m_home.folder(); }
    ScriptedPrompter prompter;
    FixedClock clock{kReadingMoment, 12345};
    QStringList arguments;
    QString language = QStringLiteral("EN");
    std::vector<QUrl> openedUrls;

    void addSpread(const std::string& title, int cards);
    void addDeck(const std::string& name, int cards);
    void removeDecks();

    // A main window over this folder, as the program would start it.
    std::unique_ptr<MainWindow>
    start(const QUrl& site = QUrl(QStringLiteral("http://127.0.0.1:9")));

private:
    TempProgramFolder m_home;
};

// Widgets by their names, failing the test when one is missing.
template <typename W> W* widget(QWidget* root, const char* name)
{
    W* found = root->findChild<W*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}

void click(QWidget* root, const char* button);
// Brings the page holding the widget to the front, tab by tab.
void showPageOf(QWidget* target);
// Selects an entry of a list with the mouse.
void clickListEntry(QWidget* root, const char* list, const QString& entry);

} // namespace kestrava::test
