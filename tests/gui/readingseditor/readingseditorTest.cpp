#include "core/TextFile.h"
#include "core/cards/Card.h"
#include "core/diary/ReadingEditor.h"
#include "core/diary/ReadingStore.h"
#include "core/srml/ReadingDocument.h"
#include "core/srml/SectionReader.h"
#include "gui/app/AppState.h"
#include "gui/common/Texts.h"
#include "gui/diary/ReadingsEditorPage.h"
#include "gui/reading/ReadingSession.h"
#include "support/GuiFixture.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTabWidget>
#include <cmath>

using namespace kestrava;
using namespace kestrava::test;

namespace {

namespace fs = std::filesystem;

// A 1 × 1 GIF whose one pixel is transparent, as the program ships it.
constexpr unsigned char kEmptyGif[] = {
    0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01, 0x00, 0x80, 0x00, 0x00, 0x00, 0x00,
    0x00, 0xff, 0xff, 0xff, 0x21, 0xf9, 0x04, 0x01, 0x00, 0x00, 0x00, 0x00, 0x2c, 0x00, 0x00,
    0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

// A program folder with the editor's empty picture and a spread of three
// positions whose texts the tests know line by line.
class EditorFixture : public ProgramFixture
{
public:
    EditorFixture()
    {
        home().writeRaw(
            "xfiles/empty.gif",
            std::string_view(reinterpret_cast<const char*>(kEmptyGif), sizeof kEmptyGif));
        home().writeLines("spreads/Cross.srml", {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]",
                                                 "[SPREAD]",
                                                 "The Cross",
                                                 "[/SPREAD]",
                                                 "[CARDS]",
                                                 "3",
                                                 "[/CARDS]",
                                                 "[DESCRIPTION]",
                                                 "Three cards.<br />",
                                                 "Read them in order.<br />",
                                                 "[/DESCRIPTION]",
                                                 "[MEANINGS]",
                                                 "Past",
                                                 "Present",
                                                 "Future",
                                                 "[/MEANINGS]",
                                                 "[POSITIONS]",
                                                 "10,20",
                                                 "40,20",
                                                 "25,60",
                                                 "[/POSITIONS]",
                                                 "[COMMENTS]",
                                                 "Take your time.<br />",
                                                 "[/COMMENTS]",
                                                 "[/SRML]"});
    }

    // A diary reading of n cards: card (j mod 22) + 1 on position j + 1, normal.
    static DiaryEntry reading(int cards)
    {
        DiaryEntry entry;
        entry.spreadName = "Line";
        entry.cards = std::to_string(cards);
        entry.person = "Anna";
        entry.dateTime = "2024-03-05, 14-07";
        entry.question = {"Will it rain?", "When?"};
        entry.description = {"Cards in a row.<br />", ""};
        entry.comments = {"Left to right.<br />"};
        for (int j = 0; j < cards; ++j) {
            entry.meanings.push_back("Meaning " + std::to_string(j + 1));
            entry.positions.push_back(std::to_string(10 + 30 * (j % 5)) + "," +
                                      std::to_string(20 + 50 * (j / 5)));
            entry.fortune.push_back(std::to_string(j % 22 + 1));
            entry.mirrors.emplace_back("normal");
        }
        return entry;
    }

    fs::path writeDiary(const std::string& name, const DiaryEntry& entry) const
    {
        return home().writeLines("diary/" + name + ".srml", composeDiary(entry));
    }
};

ReadingsEditorPage* editorOf(QWidget* window)
{
    auto* page = window->findChild<ReadingsEditorPage*>();
    if (!page)
        qFatal("no readings editor");
    return page;
}

QLabel* picture(QWidget* window, int position)
{
    return widget<QLabel>(window, qPrintable(QStringLiteral("ImageC%1").arg(position)));
}

QWidget* panel(QWidget* window, int position)
{
    return widget<QWidget>(window, qPrintable(QStringLiteral("PanelC%1").arg(position)));
}

void clickPosition(QWidget* window, int position)
{
    QLabel* target = picture(window, position);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
}

void chooseCard(QWidget* window, int card)
{
    auto* chooser = widget<QListWidget>(window, "ListBox8");
    QListWidgetItem* item = chooser->item(card);
    if (!item)
        qFatal("no card %d in the chooser", card);
    chooser->scrollToItem(item);
    QTest::mouseClick(chooser->viewport(), Qt::LeftButton, {},
                      chooser->visualItemRect(item).center());
}

void setReversed(QWidget* window, bool on)
{
    if (widget<QCheckBox>(window, "CheckBoxSetReversed")->isChecked() != on)
        click(window, "CheckBoxSetReversed");
}

// Clicks position, chooses the card, ticks or unticks Reversed and presses Set.
void setCard(QWidget* window, int position, int card, bool reversed)
{
    clickPosition(window, position);
    chooseCard(window, card);
    setReversed(window, reversed);
    click(window, "Button15");
}

bool editorShown(MainWindow* window)
{
    auto* editors = widget<QTabWidget>(window, "PageControl2");
    return window->pages()->currentIndex() == MainWindow::Editors &&
           editors->currentWidget()->isAncestorOf(editorOf(window));
}

int visiblePanels(QWidget* window)
{
    int shown = 0;
    for (int i = 1; i <= kEditorPositions; ++i)
        shown += panel(window, i)->isVisibleTo(widget<QScrollArea>(window, "ScrollBox1")) ? 1 : 0;
    return shown;
}

QString spokenName(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

std::string title(MainWindow* window, int card)
{
    return window->state().titleList().at(static_cast<std::size_t>(card));
}

} // namespace

class ReadingsEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void settingPositionThreeTwiceChangesOnlyItsLines();
    void aFiveCardReadingShowsFivePanelsAtTheirPlaces();
    void fortyCardsAreAllWrittenBack();
    void theBlankCardIsBlankWhateverTheTick();
    void theMajorsDeckOffersTwentyThreeCardsAndRefusesLargerReadings();
    void anExistingReadingIsEnteredAndEditedAgain();
    void saveChangesOnANewReadingAsksForAFile();
    void unsetCardsAndPositionsAreRefused();
    void aSelectionLeftFromALargerReadingSetsNothing();
    void aFileChangedOnDiskIsOverwrittenOnlyWhenAllowed();
    void anUnreadableEntryIsNamedAndNothingIsTouched();
    void fullScreenAndBackKeepReadingAndSelection();
    void controlsSpeakTheirCaptions();
    void secondLanguageCaptions();
};

void ReadingsEditorTest::settingPositionThreeTwiceChangesOnlyItsLines()
{
    EditorFixture fixture;
    const fs::path file = fixture.writeDiary("Anna", EditorFixture::reading(5));
    const std::string before = readFile(file);
    const auto window = fixture.start();
    QCOMPARE(widget<QLabel>(window.get(), "Label66")->text(), QStringLiteral("not selected"));
    editorOf(window.get())->edit(pathText(file));
    QVERIFY(editorShown(window.get()));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit13")->text(), QStringLiteral("Line"));
    QCOMPARE(widget<QPlainTextEdit>(window.get(), "Memo5")->toPlainText(),
             QStringLiteral("Will it rain?\nWhen?"));

    setCard(window.get(), 3, 40, false);
    QCOMPARE(widget<QLabel>(window.get(), "Label66")->text(), QStringLiteral("3"));
    QCOMPARE(picture(window.get(), 3)->accessibleName(),
             toQt("Position 3: " + title(window.get(), 40) + ", normal"));
    chooseCard(window.get(), 12);
    setReversed(window.get(), true);
    click(window.get(), "Button15");
    QCOMPARE(picture(window.get(), 3)->accessibleName(),
             toQt("Position 3: " + title(window.get(), 12) + ", reversed"));
    QCOMPARE(picture(window.get(), 2)->accessibleName(),
             toQt("Position 2: " + title(window.get(), 2) + ", normal"));
    click(window.get(), "Button20");

    // Only line 3 of FORTUNE and of MIRRORS differ from what was read.
    DiaryEntry expected = EditorFixture::reading(5);
    expected.fortune[2] = "12";
    expected.mirrors[2] = "reversed";
    QCOMPARE(before, joinLines(composeDiary(EditorFixture::reading(5))));
    QCOMPARE(readFile(file), joinLines(composeDiary(expected)));
    QCOMPARE(fixture.prompter.messages, std::vector<std::string>{std::string(kSaveSuccess)});
    QVERIFY(fixture.prompter.questions.empty());
    QCOMPARE(window->state().preferences.savedReadingsStore, settingOfStore(Store::Diary));
}

void ReadingsEditorTest::aFiveCardReadingShowsFivePanelsAtTheirPlaces()
{
    EditorFixture fixture;
    const fs::path file = fixture.writeDiary("Five", EditorFixture::reading(5));
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(file));

    QCOMPARE(visiblePanels(window.get()), 5);
    for (int i = 1; i <= 5; ++i) {
        // Written as 10 + 30 (j mod 5), 20 + 50 (j div 5) for j = i - 1.
        const int x = 10 + 30 * ((i - 1) % 5);
        const int y = 20 + 50 * ((i - 1) / 5);
        const QPoint place(static_cast<int>(std::lround(x * 4.4)) - 5, y * 5 - 5);
        QCOMPARE(panel(window.get(), i)->pos(), place);
        QCOMPARE(panel(window.get(), i)->size(), QSize(144, 233));
        QVERIFY(!picture(window.get(), i)->pixmap().isNull());
    }
    for (int i = 6; i <= kEditorPositions; ++i)
        QVERIFY(!panel(window.get(), i)->isVisibleTo(window.get()));
    // The first place, 10,20, is the example of the layout rule.
    QCOMPARE(panel(window.get(), 1)->pos(), QPoint(39, 95));
    // The picture area reaches to the last card.
    auto* area = widget<QScrollArea>(window.get(), "ScrollBox1")->widget();
    QVERIFY(area->width() >= panel(window.get(), 5)->geometry().right());
}

void ReadingsEditorTest::fortyCardsAreAllWrittenBack()
{
    EditorFixture fixture;
    DiaryEntry entry = EditorFixture::reading(40);
    const fs::path file = fixture.writeDiary("Forty", entry);
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(file));
    QCOMPARE(visiblePanels(window.get()), 30);

    setCard(window.get(), 30, 78, true);
    click(window.get(), "Button20");
    entry.fortune[29] = "78";
    entry.mirrors[29] = "reversed";
    QCOMPARE(readLines(file), composeDiary(entry));
    QCOMPARE(findSection(readLines(file), "FORTUNE").size(), std::size_t(40));
}

void ReadingsEditorTest::theBlankCardIsBlankWhateverTheTick()
{
    EditorFixture fixture;
    DiaryEntry entry = EditorFixture::reading(3);
    const fs::path file = fixture.writeDiary("Blank", entry);
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(file));

    setCard(window.get(), 2, 0, true);
    QCOMPARE(picture(window.get(), 2)->accessibleName(),
             toQt("Position 2: " + title(window.get(), 0) + ", blank"));
    QCOMPARE(*editorOf(window.get())->editor().picture(2),
             cardPicturePath(fixture.folder().deckFolder("Full"), kBlank, "0"));
    QVERIFY(!picture(window.get(), 2)->pixmap().isNull());
    click(window.get(), "Button20");
    entry.fortune[1] = "0";
    entry.mirrors[1] = "blank";
    QCOMPARE(readLines(file), composeDiary(entry));
}

void ReadingsEditorTest::theMajorsDeckOffersTwentyThreeCardsAndRefusesLargerReadings()
{
    EditorFixture fixture;
    DiaryEntry large = EditorFixture::reading(3);
    large.fortune[1] = "23";
    const fs::path file = fixture.writeDiary("Large", large);
    const auto window = fixture.start();
    auto* chooser = widget<QListWidget>(window.get(), "ListBox8");
    QCOMPARE(chooser->count(), 79);

    window->pages()->setCurrentIndex(MainWindow::MyDecks);
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Majors"));
    QCOMPARE(chooser->count(), 23);
    QCOMPARE(chooser->item(22)->text(), toQt(title(window.get(), 22)));

    editorOf(window.get())->edit(pathText(file));
    QCOMPARE(fixture.prompter.messages, std::vector<std::string>{std::string(kTooFewCardsMessage)});
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::MyDecks));
    QVERIFY(widget<QLineEdit>(window.get(), "LabeledEdit13")->text().isEmpty());
    QVERIFY(editorOf(window.get())->editor().editedFile().empty());
    QCOMPARE(visiblePanels(window.get()), 0);

    // Cards of the majors open on the small deck.
    const fs::path majors = fixture.writeDiary("Majors", EditorFixture::reading(3));
    editorOf(window.get())->edit(pathText(majors));
    QVERIFY(editorShown(window.get()));
    QCOMPARE(visiblePanels(window.get()), 3);
}

void ReadingsEditorTest::anExistingReadingIsEnteredAndEditedAgain()
{
    EditorFixture fixture;
    const auto window = fixture.start();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), QStringLiteral("Boris"));
    QTest::keyClicks(widget<QPlainTextEdit>(window.get(), "Memo3"), QStringLiteral("Why?"));
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Cross"));
    click(window.get(), "Button16");

    QVERIFY(editorShown(window.get()));
    QCOMPARE(visiblePanels(window.get()), 3);
    QCOMPARE(panel(window.get(), 2)->pos(), QPoint(171, 95));
    QCOMPARE(panel(window.get(), 3)->pos(), QPoint(105, 295));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit13")->text(), QStringLiteral("The Cross"));
    auto* person = widget<QLineEdit>(window.get(), "LabeledEdit6");
    auto* dateTime = widget<QLineEdit>(window.get(), "LabeledEdit10");
    auto* question = widget<QPlainTextEdit>(window.get(), "Memo5");
    QVERIFY(person->text().isEmpty());
    QVERIFY(dateTime->text().isEmpty());
    QVERIFY(question->toPlainText().isEmpty());
    for (int i = 1; i <= 3; ++i)
        QCOMPARE(picture(window.get(), i)->accessibleName(),
                 QStringLiteral("Position %1: empty").arg(i));

    setCard(window.get(), 1, 5, false);
    setCard(window.get(), 2, 0, false);
    setCard(window.get(), 3, 77, true);
    QTest::keyClicks(person, QStringLiteral("Maria"));
    QTest::keyClicks(dateTime, QStringLiteral("2024-03-05"));
    QTest::keyClicks(question, QStringLiteral("Which way?"));
    QTest::keyClick(question, Qt::Key_Return);
    QTest::keyClicks(question, QStringLiteral("And when?"));
    const fs::path saved = fixture.folder().diary() / "Maria";
    fixture.prompter.files.push_back(saved);
    click(window.get(), "ButtonSaveToDiary");

    QCOMPARE(fixture.prompter.dialogStarts, std::vector<fs::path>{fixture.folder().diary()});
    QCOMPARE(fixture.prompter.dialogFilters,
             std::vector<std::string>{std::string(kDiaryFileFilter)});
    const std::string expected =
        "[SRML VERSION=\"1.0\" CONTENT-TYPE=\"DIARY\"]\r\n"
        "[SPREAD]\r\nThe Cross\r\n[/SPREAD]\r\n[CARDS]\r\n3\r\n[/CARDS]\r\n"
        "[PERSON]\r\nMaria\r\n[/PERSON]\r\n[DATETIME]\r\n2024-03-05\r\n[/DATETIME]\r\n"
        "[QUESTION]\r\nWhich way?<br />\r\nAnd when?<br />\r\n[/QUESTION]\r\n"
        "[DESCRIPTION]\r\nThree cards.<br />\r\nRead them in order.<br />\r\n[/DESCRIPTION]\r\n"
        "[MEANINGS]\r\nPast\r\nPresent\r\nFuture\r\n[/MEANINGS]\r\n"
        "[POSITIONS]\r\n10,20\r\n40,20\r\n25,60\r\n[/POSITIONS]\r\n"
        "[COMMENTS]\r\nTake your time.<br />\r\n[/COMMENTS]\r\n"
        "[FORTUNE]\r\n5\r\n0\r\n77\r\n[/FORTUNE]\r\n"
        "[MIRRORS]\r\nnormal\r\nblank\r\nreversed\r\n[/MIRRORS]\r\n[/SRML]\r\n";
    QCOMPARE(readFile(fixture.folder().diary() / "Maria.srml"), expected);
    QVERIFY(fixture.prompter.messages.empty());
    QCOMPARE(window->state().preferences.savedReadingsStore, settingOfStore(Store::Diary));
    QVERIFY(widget<QRadioButton>(window.get(), "RadioButton5")->isChecked());
    QVERIFY(editorOf(window.get())->editor().editedFile().empty());

    // The saved reading is a diary entry like any other: listed, and edited from My Readings.
    window->pages()->setCurrentIndex(MainWindow::MyReadings);
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("Maria"));
    click(window.get(), "Button19");
    QVERIFY(editorShown(window.get()));
    QCOMPARE(person->text(), QStringLiteral("Maria"));
    QCOMPARE(question->toPlainText(), QStringLiteral("Which way?\nAnd when?"));
    QCOMPARE(picture(window.get(), 3)->accessibleName(),
             toQt("Position 3: " + title(window.get(), 77) + ", reversed"));
    click(window.get(), "Button20");
    QCOMPARE(readFile(fixture.folder().diary() / "Maria.srml"), expected);
    QCOMPARE(fixture.prompter.messages, std::vector<std::string>{std::string(kSaveSuccess)});

    // ... and loaded onto the card table.
    window->pages()->setCurrentIndex(MainWindow::MyReadings);
    clickListEntry(window.get(), "FileListBox1", QStringLiteral("Maria"));
    click(window.get(), "Button8");
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::CardTable));
    QCOMPARE(widget<QLineEdit>(window.get(), "Edit2")->text(), QStringLiteral("Maria"));
    QCOMPARE(window->state().session().rendered().fortune, (Lines{"5", "0", "77"}));
    QCOMPARE(fixture.prompter.messages.size(), 1u);
}

void ReadingsEditorTest::saveChangesOnANewReadingAsksForAFile()
{
    EditorFixture fixture;
    const auto window = fixture.start();
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Cross"));
    click(window.get(), "Button16");
    for (int i = 1; i <= 3; ++i)
        setCard(window.get(), i, i, false);

    click(window.get(), "Button20"); // the dialog is cancelled
    QCOMPARE(fixture.prompter.dialogStarts, std::vector<fs::path>{fixture.folder().diary()});
    QVERIFY(listFiles(fixture.folder().diary()).empty());

    fixture.prompter.files.push_back(fixture.folder().diary() / "Kept.srml");
    click(window.get(), "Button20");
    QCOMPARE(fixture.prompter.dialogStarts.size(), std::size_t(2));
    QCOMPARE(listFiles(fixture.folder().diary()), std::vector<std::string>{"Kept.srml"});
    QVERIFY(fixture.prompter.messages.empty());
    QCOMPARE(window->state().preferences.savedReadingsStore, settingOfStore(Store::Database));

    // "Save as New" shows the diary even when its dialog is cancelled.
    click(window.get(), "ButtonSaveToDiary");
    QCOMPARE(fixture.prompter.dialogStarts.size(), std::size_t(3));
    QCOMPARE(listFiles(fixture.folder().diary()), std::vector<std::string>{"Kept.srml"});
    QCOMPARE(window->state().preferences.savedReadingsStore, settingOfStore(Store::Diary));
}

void ReadingsEditorTest::unsetCardsAndPositionsAreRefused()
{
    EditorFixture fixture;
    const auto window = fixture.start();
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Cross"));
    click(window.get(), "Button16");

    // No position selected: Set does nothing.
    chooseCard(window.get(), 4);
    click(window.get(), "Button15");
    QVERIFY(fixture.prompter.messages.empty());

    // A position but no card: asked to choose one.
    widget<QListWidget>(window.get(), "ListBox8")->clearSelection();
    clickPosition(window.get(), 1);
    click(window.get(), "Button15");
    QCOMPARE(fixture.prompter.messages, std::vector<std::string>{std::string(kChooseCardFirst)});
    QCOMPARE(picture(window.get(), 1)->accessibleName(), QStringLiteral("Position 1: empty"));

    setCard(window.get(), 1, 4, false);
    setCard(window.get(), 3, 6, false);
    click(window.get(), "ButtonSaveToDiary");
    QCOMPARE(fixture.prompter.messages.back(), std::string("Please set card 2 before saving."));
    QVERIFY(fixture.prompter.dialogStarts.empty());
    QVERIFY(listFiles(fixture.folder().diary()).empty());
}

void ReadingsEditorTest::aSelectionLeftFromALargerReadingSetsNothing()
{
    EditorFixture fixture;
    const DiaryEntry small = EditorFixture::reading(3);
    const fs::path large = fixture.writeDiary("Large", EditorFixture::reading(7));
    const fs::path file = fixture.writeDiary("Small", small);
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(large));
    clickPosition(window.get(), 7);
    editorOf(window.get())->edit(pathText(file));
    // The selection is a number and survives the opening.
    QCOMPARE(widget<QLabel>(window.get(), "Label66")->text(), QStringLiteral("7"));

    chooseCard(window.get(), 8);
    click(window.get(), "Button15");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
    click(window.get(), "Button20");
    QCOMPARE(readLines(file), composeDiary(small));
}

void ReadingsEditorTest::aFileChangedOnDiskIsOverwrittenOnlyWhenAllowed()
{
    EditorFixture fixture;
    const fs::path file = fixture.writeDiary("Shared", EditorFixture::reading(3));
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(file));
    DiaryEntry other = EditorFixture::reading(3);
    other.person = "Changed elsewhere";
    fixture.writeDiary("Shared", other);

    auto* dateTime = widget<QLineEdit>(window.get(), "LabeledEdit10");
    QTest::keyClick(dateTime, Qt::Key_End);
    QTest::keyClicks(dateTime, QStringLiteral(" late"));
    fixture.prompter.answers.push_back(Answer::No);
    click(window.get(), "Button20");
    QCOMPARE(fixture.prompter.questions.size(), std::size_t(1));
    QCOMPARE(readLines(file), composeDiary(other));
    QVERIFY(fixture.prompter.messages.empty());

    fixture.prompter.answers.push_back(Answer::Yes);
    click(window.get(), "Button20");
    DiaryEntry mine = EditorFixture::reading(3);
    mine.dateTime += " late";
    QCOMPARE(readLines(file), composeDiary(mine));
    QCOMPARE(fixture.prompter.messages, std::vector<std::string>{std::string(kSaveSuccess)});
}

void ReadingsEditorTest::anUnreadableEntryIsNamedAndNothingIsTouched()
{
    EditorFixture fixture;
    const fs::path good = fixture.writeDiary("Good", EditorFixture::reading(4));
    const fs::path folder = fixture.folder().diary() / "Folder.srml";
    fs::create_directories(folder);
    DiaryEntry unset = EditorFixture::reading(3);
    unset.fortune[2].clear();
    const fs::path incomplete = fixture.writeDiary("Unset", unset);
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(good));
    clickPosition(window.get(), 2);
    window->pages()->setCurrentIndex(MainWindow::NewReading);

    for (const fs::path& bad : {folder, incomplete}) {
        fixture.prompter.messages.clear();
        editorOf(window.get())->edit(pathText(bad));
        QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
        QVERIFY2(fixture.prompter.messages.front().find(bad.string()) != std::string::npos,
                 fixture.prompter.messages.front().c_str());
        QCOMPARE(window->pages()->currentIndex(), int(MainWindow::NewReading));
        QCOMPARE(editorOf(window.get())->editor().editedFile(), good);
        QCOMPARE(visiblePanels(window.get()), 4);
        QCOMPARE(widget<QLabel>(window.get(), "Label66")->text(), QStringLiteral("2"));
    }
}

void ReadingsEditorTest::fullScreenAndBackKeepReadingAndSelection()
{
    EditorFixture fixture;
    const fs::path file = fixture.writeDiary("Wide", EditorFixture::reading(7));
    const auto window = fixture.start();
    editorOf(window.get())->edit(pathText(file));
    // The keyboard selects too.
    picture(window.get(), 4)->setFocus();
    QTest::keyClick(picture(window.get(), 4), Qt::Key_Space);
    QCOMPARE(widget<QLabel>(window.get(), "Label66")->text(), QStringLiteral("4"));
    QWidget* page = editorOf(window.get());
    QWidget* editorPanel = editorOf(window.get())->panel();
    auto* chooser = widget<QListWidget>(window.get(), "ListBox8");
    QCOMPARE(chooser->height(), 134);

    click(window.get(), "Button23");
    QVERIFY(!window->pages()->isVisible());
    QVERIFY(!window->statusBar()->isVisible());
    QVERIFY(editorPanel->isVisible());
    QVERIFY(!page->isAncestorOf(editorPanel));
    QVERIFY(!widget<QPushButton>(window.get(), "Button23")->isVisible());
    QVERIFY(widget<QPushButton>(window.get(), "Button24")->isVisible());
    QTRY_VERIFY(chooser->height() > 134);

    click(window.get(), "Button24");
    QVERIFY(window->pages()->isVisible());
    QVERIFY(window->statusBar()->isVisible());
    QVERIFY(page->isAncestorOf(editorPanel));
    QVERIFY(editorShown(window.get()));
    QCOMPARE(window->size(), QSize(796, 558));
    QVERIFY(!window->isFullScreen());
    QVERIFY(widget<QPushButton>(window.get(), "Button23")->isVisible());
    QVERIFY(!widget<QPushButton>(window.get(), "Button24")->isVisible());
    QCOMPARE(chooser->height(), 134);
    QCOMPARE(widget<QLabel>(window.get(), "Label66")->text(), QStringLiteral("4"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit6")->text(), QStringLiteral("Anna"));
    QCOMPARE(visiblePanels(window.get()), 7);

    // The selection still works on the reading after the round trip.
    chooseCard(window.get(), 9);
    click(window.get(), "Button15");
    QCOMPARE(editorOf(window.get())->editor().cardAt(4), std::optional<int>(9));
}

void ReadingsEditorTest::controlsSpeakTheirCaptions()
{
    EditorFixture fixture;
    const auto window = fixture.start();
    const std::pair<const char*, const char*> captions[] = {
        {"LabeledEdit13", "Spread:"},          {"LabeledEdit6", "Person:"},
        {"LabeledEdit10", "Date and Time:"},   {"Memo5", "Question(s) or notes:"},
        {"ListBox8", "Set Selected Card to:"}, {"Label66", "not selected"},
        {"CheckBoxSetReversed", "Reversed"},   {"Button15", "Set"},
        {"ButtonSaveToDiary", "Save as New"},  {"Button20", "Save Changes"},
        {"Button23", "Full Screen"},           {"Button24", "Restore Window"},
    };
    for (const auto& [name, caption] : captions)
        QCOMPARE(spokenName(widget<QWidget>(window.get(), name)), QString::fromLatin1(caption));
    QVERIFY(widget<QLineEdit>(window.get(), "LabeledEdit13")->isReadOnly());
    QCOMPARE(picture(window.get(), 30)->accessibleName(), QStringLiteral("Position 30: empty"));
    QCOMPARE(picture(window.get(), 1)->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(picture(window.get(), 1)->focusPolicy(), Qt::StrongFocus);
    QCOMPARE(widget<QWidget>(window.get(), "Panel8")->width(), 185);
}

void ReadingsEditorTest::secondLanguageCaptions()
{
    EditorFixture fixture;
    fixture.language = QStringLiteral("RU");
    const auto window = fixture.start();
    QCOMPARE(widget<QPushButton>(window.get(), "Button20")->text(),
             QStringLiteral("Сохранить изменения"));
    QCOMPARE(spokenName(widget<QLineEdit>(window.get(), "LabeledEdit6")), QStringLiteral("Имя:"));
    QCOMPARE(spokenName(widget<QListWidget>(window.get(), "ListBox8")),
             QStringLiteral("Задать карту позиции:"));
    auto* editors = widget<QTabWidget>(window.get(), "PageControl2");
    QCOMPARE(editors->tabText(3), QStringLiteral("Редактор дневника"));
}

QTEST_MAIN(ReadingsEditorTest)
#include "readingseditorTest.moc"
