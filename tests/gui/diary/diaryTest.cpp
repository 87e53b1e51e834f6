#include "core/TextFile.h"
#include "core/srml/ReadingDocument.h"
#include "gui/app/AppState.h"
#include "gui/common/Texts.h"
#include "gui/diary/MyReadingsPage.h"
#include "support/GuiFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

using namespace kestrava;
using namespace kestrava::test;

namespace {

const std::string kTooFew =
    "Please, Select another Tarot Deck for this spread. Because There're only 22 cards in the Deck "
    "You selected, but the Spread requires more cards.";

// A complete reading of the given cards, all upright, in a row.
Lines reading(const std::vector<int>& cards, const std::string& person = "Anna",
              const Lines& question = {"Will it rain?"})
{
    DiaryEntry entry;
    entry.spreadName = "Row of " + std::to_string(cards.size());
    entry.cards = std::to_string(cards.size());
    entry.person = person;
    entry.dateTime = "2024-03-05, 14-07";
    entry.question = question;
    entry.description = {"Cards in a row.<br />"};
    for (std::size_t j = 0; j < cards.size(); ++j) {
        entry.meanings.push_back("Meaning " + std::to_string(j + 1));
        entry.positions.push_back(std::to_string(10 + 40 * j) + ",10");
        entry.fortune.push_back(std::to_string(cards[j]));
        entry.mirrors.emplace_back(cards[j] == 0 ? "blank" : "normal");
    }
    return composeDiary(entry);
}

std::string bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

QStringList listed(QWidget* window)
{
    auto* list = widget<QListWidget>(window, "FileListBox1");
    QStringList names;
    for (int i = 0; i < list->count(); ++i)
        names << list->item(i)->text();
    return names;
}

QString selected(QWidget* window)
{
    const auto items = widget<QListWidget>(window, "FileListBox1")->selectedItems();
    return items.isEmpty() ? QString() : items.constFirst()->text();
}

bool enabled(QWidget* window, const char* name)
{
    return widget<QWidget>(window, name)->isEnabled();
}

std::unique_ptr<MainWindow> onMyReadings(ProgramFixture& fixture)
{
    auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::MyReadings);
    return window;
}

QString accessibleName(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

} // namespace

class DiaryTest : public QObject
{
    Q_OBJECT

private slots:
    void emptyStoreDisablesEverything();
    void listsEveryFileWithoutSrml();
    void removeSelectsTheEntryThatFollowed();
    void removeThatCannotDeleteSaysSo();
    void anEntryThatIsNotAFileIsRefusedUnopened();
    void removeAllOnlyWhenUnlocked();
    void loadChecksTheDeck_data();
    void loadChecksTheDeck();
    void loadShowsWhatTheDealShowed();
    void editOnlyInTheDiary();
    void filterNarrowsAsYouType();
    void secondLanguageCaptions();
};

void DiaryTest::emptyStoreDisablesEverything()
{
    ProgramFixture fixture;
    auto window = onMyReadings(fixture);
    QVERIFY(listed(window.get()).isEmpty());
    for (const char* name :
         {"Button8", "Button19", "Button9", "Button11", "CheckBoxRemoveAllUnlocked"})
        QVERIFY2(!enabled(window.get(), name), name);
}

void DiaryTest::listsEveryFileWithoutSrml()
{
    ProgramFixture fixture;
    fixture.home().writeLines("database/b.srml", reading({1, 2, 3}, "Boris", {"Line one", "Two"}));
    fixture.home().writeLines("database/Celtic.srml", reading({4}));
    fixture.home().writeLines("database/notes.txt", {"not a reading"});
    fixture.home().writeLines("database/a.srml.srml", {"not a reading"});
    std::filesystem::create_directories(fixture.folder().root() / "database" / "sub.srml");
    auto window = onMyReadings(fixture);
    QCOMPARE(listed(window.get()),
             (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("Celtic"),
                          QStringLiteral("notes.txt")}));
    QVERIFY(enabled(window.get(), "CheckBoxRemoveAllUnlocked"));

    clickListEntry(window.get(), "FileListBox1", QStringLiteral("b"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit12")->text(), QStringLiteral("Row of 3"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit8")->text(), QStringLiteral("Boris"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit9")->text(),
             QStringLiteral("2024-03-05, 14-07"));
    QCOMPARE(widget<QPlainTextEdit>(window.get(), "Memo1")->toPlainText(),
             QStringLiteral("Line one\nTwo"));
    QVERIFY(enabled(window.get(), "Button8"));
    QVERIFY(enabled(window.get(), "Button9"));
    QVERIFY(!enabled(window.get(), "Button19"));
    // A screen reader hears each field by its caption.
    QCOMPARE(accessibleName(widget<QLineEdit>(window.get(), "LabeledEdit8")),
             QStringLiteral("Person:"));
    QCOMPARE(accessibleName(widget<QPlainTextEdit>(window.get(), "Memo1")),
             QStringLiteral("Question to the Cards or Notes/Comments:"));

    // notes.txt stands for notes.txt.srml, which is not there: said, fields empty.
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("notes.txt"));
    QCOMPARE(fixture.prompter.messages.size(), 1u);
    QVERIFY2(fixture.prompter.messages.back().find("notes.txt.srml") != std::string::npos,
             fixture.prompter.messages.back().c_str());
    QVERIFY(widget<QLineEdit>(window.get(), "LabeledEdit8")->text().isEmpty());
    QVERIFY(widget<QPlainTextEdit>(window.get(), "Memo1")->toPlainText().isEmpty());

    // a stands for a.srml.
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("a"));
    QCOMPARE(fixture.prompter.messages.size(), 2u);
    QVERIFY(fixture.prompter.messages.back().find("a.srml") != std::string::npos);
}

void DiaryTest::removeSelectsTheEntryThatFollowed()
{
    ProgramFixture fixture;
    for (const char* name : {"r1", "r2", "r3"})
        fixture.home().writeLines(std::string("database/") + name + ".srml", reading({1}));
    auto window = onMyReadings(fixture);

    clickListEntry(window.get(), "FileListBox1", QStringLiteral("r2"));
    click(window.get(), "Button9");
    QVERIFY(!std::filesystem::exists(fixture.folder().root() / "database" / "r2.srml"));
    QCOMPARE(listed(window.get()), (QStringList{QStringLiteral("r1"), QStringLiteral("r3")}));
    QCOMPARE(selected(window.get()), QStringLiteral("r3"));
    QVERIFY(enabled(window.get(), "Button9"));

    click(window.get(), "Button9");
    QCOMPARE(listed(window.get()), QStringList{QStringLiteral("r1")});
    QCOMPARE(selected(window.get()), QString());
    for (const char* name : {"Button8", "Button19", "Button9"})
        QVERIFY2(!enabled(window.get(), name), name);
    QVERIFY(fixture.prompter.messages.empty());
}

void DiaryTest::removeThatCannotDeleteSaysSo()
{
    ProgramFixture fixture;
    // The entry notes.txt stands for a folder that no delete of a file removes.
    fixture.home().writeLines("database/notes.txt", {"kept"});
    fixture.home().writeLines("database/notes.txt.srml/inside", {"kept"});
    auto window = onMyReadings(fixture);
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("notes.txt"));
    fixture.prompter.messages.clear();
    click(window.get(), "Button9");
    QCOMPARE(fixture.prompter.messages.size(), 1u);
    QVERIFY2(fixture.prompter.messages.front().find("notes.txt.srml") != std::string::npos,
             fixture.prompter.messages.front().c_str());
    QCOMPARE(listed(window.get()), QStringList{QStringLiteral("notes.txt")});
    QVERIFY(std::filesystem::exists(fixture.folder().root() / "database" / "notes.txt"));
}

void DiaryTest::anEntryThatIsNotAFileIsRefusedUnopened()
{
    ProgramFixture fixture;
    // Opening the FIFO would wait for a writer that never comes.
    fixture.home().writeLines("diary/pipe", {"listed"});
    QCOMPARE(::mkfifo((fixture.folder().root() / "diary" / "pipe.srml").c_str(), 0600), 0);
    auto window = onMyReadings(fixture);
    click(window.get(), "RadioButton5");
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("pipe"));
    click(window.get(), "Button8");
    QCOMPARE(fixture.prompter.messages.size(), 2u);
    for (const std::string& message : fixture.prompter.messages)
        QVERIFY2(message.find("pipe.srml\" is not a file") != std::string::npos, message.c_str());
    QVERIFY(!window->pages()->isTabVisible(MainWindow::CardTable));
}

void DiaryTest::removeAllOnlyWhenUnlocked()
{
    ProgramFixture fixture;
    fixture.home().writeLines("diary/one.srml", reading({1}));
    fixture.home().writeLines("diary/two.srml", reading({2}));
    fixture.home().writeLines("database/kept.srml", reading({3}));
    auto window = onMyReadings(fixture);
    click(window.get(), "RadioButton5");
    QCOMPARE(listed(window.get()), (QStringList{QStringLiteral("one"), QStringLiteral("two")}));
    QVERIFY(!enabled(window.get(), "Button11"));

    click(window.get(), "CheckBoxRemoveAllUnlocked");
    QVERIFY(enabled(window.get(), "Button11"));
    click(window.get(), "CheckBoxRemoveAllUnlocked");
    QVERIFY(!enabled(window.get(), "Button11"));
    click(window.get(), "CheckBoxRemoveAllUnlocked");
    click(window.get(), "Button11");

    QVERIFY(listed(window.get()).isEmpty());
    QVERIFY(std::filesystem::is_empty(fixture.folder().root() / "diary"));
    QVERIFY(std::filesystem::exists(fixture.folder().root() / "database" / "kept.srml"));
    auto* unlock = widget<QCheckBox>(window.get(), "CheckBoxRemoveAllUnlocked");
    QVERIFY(!unlock->isChecked());
    QVERIFY(!unlock->isEnabled());
    QVERIFY(!enabled(window.get(), "Button11"));
}

void DiaryTest::loadChecksTheDeck_data()
{
    QTest::addColumn<QString>("deck");
    QTest::addColumn<int>("card");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("fullScreen");
    QTest::newRow("majors only on the majors") << QStringLiteral("Majors") << 22 << true << false;
    QTest::newRow("card 23 on the majors") << QStringLiteral("Majors") << 23 << false << true;
    QTest::newRow("card 23 on the full deck") << QStringLiteral("Full") << 23 << true << false;
    QTest::newRow("always full screen") << QStringLiteral("Full") << 23 << true << true;
}

void DiaryTest::loadChecksTheDeck()
{
    QFETCH(QString, deck);
    QFETCH(int, card);
    QFETCH(bool, shown);
    QFETCH(bool, fullScreen);
    ProgramFixture fixture;
    fixture.home().writeLines("database/Kept.srml", reading({0, 5, card}));
    auto window = fixture.start();
    window->state().preferences.fullScreenCardTable = fullScreen;
    window->pages()->setCurrentIndex(MainWindow::MyDecks);
    clickListEntry(window.get(), "FileListBox2", deck);
    window->pages()->setCurrentIndex(MainWindow::MyReadings);

    // By keyboard: the first entry, then Enter, as "Load" does.
    auto* list = widget<QListWidget>(window.get(), "FileListBox1");
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(selected(window.get()), QStringLiteral("Kept"));
    QTest::keyClick(list, Qt::Key_Return);

    QCOMPARE(window->pages()->isTabVisible(MainWindow::CardTable), shown);
    QCOMPARE(window->pages()->isVisible(), !(shown && fullScreen));
    if (shown) {
        QCOMPARE(window->pages()->currentIndex(), int(MainWindow::CardTable));
        QCOMPARE(widget<QLineEdit>(window.get(), "Edit2")->text(), QStringLiteral("Kept"));
        QVERIFY(fixture.prompter.messages.empty());
    } else {
        QCOMPARE(window->pages()->currentIndex(), int(MainWindow::MyReadings));
        QCOMPARE(fixture.prompter.messages, std::vector<std::string>{kTooFew});
        QVERIFY(!std::filesystem::exists(window->state().reportFile()));
    }
}

void DiaryTest::loadShowsWhatTheDealShowed()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), QStringLiteral("Anna"));
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");
    const std::string dealtPage = bytesOf(window->state().reportFile());
    QVERIFY(!dealtPage.empty());
    auto* name = widget<QLineEdit>(window.get(), "Edit2");
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Mine"));
    click(window.get(), "Button4");
    const auto saved = fixture.folder().root() / "database" / "Mine.srml";
    const std::string savedBytes = bytesOf(saved);

    // Another deal replaces the pages; Load brings the first reading back.
    window->pages()->setCurrentIndex(MainWindow::NewReading);
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Thirty"));
    click(window.get(), "Button2");
    QVERIFY(bytesOf(window->state().reportFile()) != dealtPage);
    window->pages()->setCurrentIndex(MainWindow::MyReadings);
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("Mine"));
    click(window.get(), "Button8");
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::CardTable));
    QVERIFY(bytesOf(window->state().reportFile()) == dealtPage);

    // Saved again under another name, the document is unchanged.
    name->selectAll();
    QTest::keyClicks(name, QStringLiteral("Copy"));
    click(window.get(), "Button4");
    QVERIFY(bytesOf(fixture.folder().root() / "database" / "Copy.srml") == savedBytes);
}

void DiaryTest::editOnlyInTheDiary()
{
    ProgramFixture fixture;
    fixture.home().writeLines("database/Saved.srml", reading({1}));
    fixture.home().writeLines("diary/Journal.srml", reading({2}));
    auto window = onMyReadings(fixture);
    auto* page = window->findChild<MyReadingsPage*>();
    QSignalSpy edits(page, &MyReadingsPage::editRequested);

    clickListEntry(window.get(), "FileListBox1", QStringLiteral("Saved"));
    QVERIFY(!enabled(window.get(), "Button19"));

    click(window.get(), "RadioButton5");
    QCOMPARE(window->state().preferences.savedReadingsStore, 2);
    QCOMPARE(listed(window.get()), QStringList{QStringLiteral("Journal")});
    QVERIFY(!enabled(window.get(), "Button19"));
    // The fields keep what they showed until another entry is chosen.
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit12")->text(), QStringLiteral("Row of 1"));
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("Journal"));
    QVERIFY(enabled(window.get(), "Button19"));
    click(window.get(), "Button19");
    QCOMPARE(edits.size(), 1);
    QCOMPARE(toPath(edits.front().front().toString()),
             fixture.folder().root() / "diary" / "Journal.srml");

    click(window.get(), "RadioButton4");
    QCOMPARE(listed(window.get()), QStringList{QStringLiteral("Saved")});
    QVERIFY(!enabled(window.get(), "Button19"));
}

void DiaryTest::filterNarrowsAsYouType()
{
    ProgramFixture fixture;
    fixture.home().writeLines("database/Monday.srml", reading({1}, "Anna", {"Will it RAIN?"}));
    fixture.home().writeLines("database/Tuesday.srml", reading({2}, "Boris", {"Work?"}));
    fixture.home().writeLines("database/Rainbow notes.txt", {"not a reading"});
    auto window = onMyReadings(fixture);
    auto* filter = widget<QLineEdit>(window.get(), "EditFilter");

    const struct
    {
        const char* text;
        QStringList shown;
    } cases[] = {
        {"rain", {QStringLiteral("Monday"), QStringLiteral("Rainbow notes.txt")}},
        {"boris", {QStringLiteral("Tuesday")}},
        {"row of", {QStringLiteral("Monday"), QStringLiteral("Tuesday")}},
        {"2024-03", {QStringLiteral("Monday"), QStringLiteral("Tuesday")}},
        {"nothing like it", {}},
        {"",
         {QStringLiteral("Monday"), QStringLiteral("Rainbow notes.txt"),
          QStringLiteral("Tuesday")}},
    };
    for (const auto& c : cases) {
        filter->selectAll();
        QTest::keyClick(filter, Qt::Key_Delete);
        QTest::keyClicks(filter, QString::fromLatin1(c.text));
        QCOMPARE(listed(window.get()), c.shown);
        QCOMPARE(enabled(window.get(), "CheckBoxRemoveAllUnlocked"), !c.shown.isEmpty());
        QVERIFY(!enabled(window.get(), "Button8"));
    }
    QVERIFY(fixture.prompter.messages.empty());
}

void DiaryTest::secondLanguageCaptions()
{
    ProgramFixture fixture;
    fixture.language = QStringLiteral("RU");
    auto window = onMyReadings(fixture);
    QCOMPARE(window->pages()->tabText(MainWindow::MyReadings), QStringLiteral("База данных"));
    auto* edit = widget<QPushButton>(window.get(), "Button19");
    QCOMPARE(edit->text(), QStringLiteral("Редактировать"));
    QCOMPARE(accessibleName(edit), QStringLiteral("Редактировать"));
    QCOMPARE(widget<QCheckBox>(window.get(), "CheckBoxRemoveAllUnlocked")->text(),
             QStringLiteral("Разблокировать кнопку"));
    QCOMPARE(accessibleName(widget<QLineEdit>(window.get(), "LabeledEdit9")),
             QStringLiteral("Дата и время:"));
    QCOMPARE(accessibleName(widget<QPlainTextEdit>(window.get(), "Memo1")),
             QStringLiteral("Вопрос картам или заметки:"));
}

QTEST_MAIN(DiaryTest)
#include "diaryTest.moc"
