#include "core/spreadedit/SpreadDesign.h"
#include "core/srml/SectionReader.h"
#include "gui/app/AppState.h"
#include "gui/reading/ReadingSession.h"
#include "gui/spreadedit/SpreadEditorPage.h"
#include "support/GuiFixture.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QUndoStack>

using namespace kestrava;
using namespace kestrava::test;

namespace {

// Opens "Editors" > "Card Spreads Editor" and returns the page.
SpreadEditorPage* openEditor(MainWindow* window)
{
    auto* editors = widget<QWidget>(window, "TabSheet10");
    qobject_cast<QTabWidget*>(editors->parentWidget()->parentWidget())->setCurrentWidget(editors);
    widget<QTabWidget>(window, "PageControl2")->setCurrentIndex(2);
    auto* page = window->findChild<SpreadEditorPage*>();
    if (!page || !QTest::qWaitForWindowExposed(page->window()))
        qFatal("no spread editor");
    return page;
}

void typeInto(QWidget* edit, const QString& text)
{
    edit->setFocus();
    QTest::keyClicks(edit, text);
}

void dragMarker(QWidget* marker, QPoint to)
{
    // The grip is a point inside the marker; the pointer carries it to the target.
    const QPoint grip(10, 10);
    QTest::mousePress(marker, Qt::LeftButton, {}, grip);
    QTest::mouseMove(marker, marker->mapFromParent(to + grip));
    QTest::mouseRelease(marker, Qt::LeftButton, {}, marker->mapFromParent(to + grip));
}

} // namespace

class SpreadEditTest : public QObject
{
    Q_OBJECT

private slots:
    void draggedMarkerSnaps();
    void invalidCountRestoresThePrevious_data();
    void invalidCountRestoresThePrevious();
    void restrictedSymbolsVanishAsTyped();
    void savedLoadedAndDealtRoundTrips();
    void overwriteAnsweredNoLeavesTheFile();
    void deleteSelectsTheFollowingEntry();
    void keyboardMovesMarkersAndUndoRestores();
    void longSpreadLoadsThirtyAndSaysSo();
};

void SpreadEditTest::draggedMarkerSnaps()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    openEditor(window.get());
    auto* marker = widget<QWidget>(window.get(), "PCard1");
    QVERIFY(marker->isVisible());
    QCOMPARE(marker->pos(), QPoint(5, 5));
    QVERIFY(!widget<QWidget>(window.get(), "PCard2")->isVisible());
    dragMarker(marker, QPoint(123, 57));
    QCOMPARE(marker->pos(), QPoint(125, 55));
    QCOMPARE(marker->accessibleName(), QStringLiteral("Marker 1 at 125, 55"));
}

void SpreadEditTest::invalidCountRestoresThePrevious_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("31 by button") << QStringLiteral("31") << false;
    QTest::newRow("05 by Enter") << QStringLiteral("05") << true;
    QTest::newRow("0 by button") << QStringLiteral("0") << false;
}

void SpreadEditTest::invalidCountRestoresThePrevious()
{
    QFETCH(QString, typed);
    QFETCH(bool, byEnter);
    ProgramFixture fixture;
    auto window = fixture.start();
    openEditor(window.get());
    auto* count = widget<QLineEdit>(window.get(), "LEAddCards");
    count->selectAll();
    typeInto(count, QStringLiteral("7"));
    click(window.get(), "BAddCards");
    QCOMPARE(widget<QSlider>(window.get(), "TrackBar1")->value(), 7);
    QVERIFY(widget<QWidget>(window.get(), "PCard7")->isVisible());
    QVERIFY(!widget<QWidget>(window.get(), "PCard8")->isVisible());

    count->selectAll();
    typeInto(count, typed);
    if (byEnter)
        QTest::keyClick(count, Qt::Key_Return);
    else
        click(window.get(), "BAddCards");
    QCOMPARE(count->text(), QStringLiteral("7"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LETotalCards")->text(), QStringLiteral("7"));
    QCOMPARE(widget<QSlider>(window.get(), "TrackBar1")->value(), 7);
    QVERIFY(!widget<QWidget>(window.get(), "PCard8")->isVisible());
}

void SpreadEditTest::restrictedSymbolsVanishAsTyped()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    openEditor(window.get());
    auto* title = widget<QLineEdit>(window.get(), "LESpreadTitle");
    QVERIFY(!widget<QPushButton>(window.get(), "BSaveCSpread")->isEnabled());
    typeInto(title, QStringLiteral("?"));
    QCOMPARE(title->text(), QString());
    QVERIFY(!widget<QPushButton>(window.get(), "BSaveCSpread")->isEnabled());
    typeInto(title, QStringLiteral("Why?Not"));
    QCOMPARE(title->text(), QStringLiteral("WhyNot"));
    QVERIFY(widget<QPushButton>(window.get(), "BSaveCSpread")->isEnabled());
}

void SpreadEditTest::savedLoadedAndDealtRoundTrips()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    SpreadEditorPage* page = openEditor(window.get());
    typeInto(widget<QLineEdit>(window.get(), "LESpreadTitle"), QStringLiteral("My Cross"));
    auto* description = widget<QPlainTextEdit>(window.get(), "MemoSpreadDescription");
    typeInto(description, QStringLiteral("First line"));
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClicks(description, QStringLiteral("Second line"));
    typeInto(widget<QPlainTextEdit>(window.get(), "MemoSpreadComments"), QStringLiteral("Note"));
    auto* slider = widget<QSlider>(window.get(), "TrackBar1");
    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    QTest::keyClick(slider, Qt::Key_Right);
    QCOMPARE(widget<QLineEdit>(window.get(), "LEAddCards")->text(), QStringLiteral("3"));
    auto* grid = widget<QTableWidget>(window.get(), "sg");
    grid->item(0, 1)->setText(QStringLiteral("The root"));
    grid->item(2, 1)->setText(QStringLiteral("The crown"));
    dragMarker(widget<QWidget>(window.get(), "PCard3"), QPoint(200, 301));

    const Lines expected = designDocument(page->design());
    click(window.get(), "BSaveCSpread");
    QVERIFY(fixture.prompter.messages.empty());
    const std::filesystem::path file = fixture.folder().spreadFile("My Cross");
    QCOMPARE(readLines(file), expected);
    const std::string bytes = fixture.home().readRaw("spreads/My Cross.srml");
    QVERIFY(bytes.find("First line<br />\r\nSecond line<br />") != std::string::npos);
    QVERIFY(bytes.find("The root\r\n\r\nThe crown") != std::string::npos);
    QVERIFY(bytes.find("200,300") != std::string::npos);
    // The New Reading list has it at once.
    QVERIFY(!widget<QListWidget>(window.get(), "ListBox3")
                 ->findItems(QStringLiteral("My Cross"), Qt::MatchExactly)
                 .isEmpty());

    click(window.get(), "BNewCSpread");
    QCOMPARE(widget<QLineEdit>(window.get(), "LESpreadTitle")->text(), QString());
    QVERIFY(!widget<QWidget>(window.get(), "PCard2")->isVisible());
    clickListEntry(window.get(), "FLBSpreads", QStringLiteral("My Cross.srml"));
    QVERIFY(widget<QPushButton>(window.get(), "BLoadCSpread")->isEnabled());
    click(window.get(), "BLoadCSpread");
    QCOMPARE(widget<QWidget>(window.get(), "PCard3")->pos(), QPoint(200, 300));
    QCOMPARE(description->toPlainText(), QStringLiteral("First line\nSecond line"));
    QCOMPARE(page->design().count, 3);
    fixture.prompter.answers = {Answer::Yes};
    click(window.get(), "BSaveCSpread");
    QCOMPARE(fixture.home().readRaw("spreads/My Cross.srml"), bytes);

    // A deal of it carries the same sections into the reading.
    clickListEntry(window.get(), "ListBox3", QStringLiteral("My Cross"));
    click(window.get(), "Button2");
    QVERIFY2(fixture.prompter.messages.empty(),
             fixture.prompter.messages.empty() ? "" : fixture.prompter.messages.front().c_str());
    auto* state = window->findChild<AppState*>();
    QVERIFY(state);
    const Lines saved = readLines(file);
    for (const char* section : {"DESCRIPTION", "MEANINGS", "POSITIONS", "COMMENTS"})
        QCOMPARE(findSection(state->session().reading(), section), findSection(saved, section));
}

void SpreadEditTest::overwriteAnsweredNoLeavesTheFile()
{
    ProgramFixture fixture;
    const std::string before = fixture.home().readRaw("spreads/Three Cards.srml");
    auto window = fixture.start();
    openEditor(window.get());
    auto* title = widget<QLineEdit>(window.get(), "LESpreadTitle");
    typeInto(title, QStringLiteral("Three Cards"));
    widget<QLineEdit>(window.get(), "LEAddCards")->setFocus();
    fixture.prompter.answers = {Answer::No};
    click(window.get(), "BSaveCSpread");
    QCOMPARE(fixture.prompter.questions.size(), std::size_t(1));
    QCOMPARE(fixture.prompter.questions.front(), std::string(kOverwriteSpreadQuestion));
    QCOMPARE(fixture.home().readRaw("spreads/Three Cards.srml"), before);
    QVERIFY(title->hasFocus());

    title->clear();
    click(window.get(), "BSaveCSpread");
    QVERIFY(fixture.prompter.messages.empty()); // Save is disabled without a title
    QVERIFY(!widget<QPushButton>(window.get(), "BSaveCSpread")->isEnabled());
}

void SpreadEditTest::deleteSelectsTheFollowingEntry()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    openEditor(window.get());
    auto* list = widget<QListWidget>(window.get(), "FLBSpreads");
    QCOMPARE(list->count(), 3); // Path of Trumps, Thirty, Three Cards
    clickListEntry(window.get(), "FLBSpreads", QStringLiteral("Path of Trumps.srml"));
    fixture.prompter.answers = {Answer::No};
    click(window.get(), "BDeleteCSpread");
    QCOMPARE(list->count(), 3);
    fixture.prompter.answers = {Answer::Yes};
    click(window.get(), "BDeleteCSpread");
    QCOMPARE(fixture.prompter.questions.back(), std::string(kDeleteSpreadQuestion));
    QVERIFY(!std::filesystem::exists(fixture.folder().spreadFile("Path of Trumps")));
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentItem()->text(), QStringLiteral("Thirty.srml"));
    QVERIFY(widget<QPushButton>(window.get(), "BDeleteCSpread")->isEnabled());
    QVERIFY(widget<QListWidget>(window.get(), "ListBox3")
                ->findItems(QStringLiteral("Path of Trumps"), Qt::MatchExactly)
                .isEmpty());

    clickListEntry(window.get(), "FLBSpreads", QStringLiteral("Three Cards.srml"));
    fixture.prompter.answers = {Answer::Yes};
    click(window.get(), "BDeleteCSpread");
    QCOMPARE(list->count(), 1);
    QVERIFY(list->selectedItems().isEmpty());
    QVERIFY(!widget<QPushButton>(window.get(), "BLoadCSpread")->isEnabled());
}

void SpreadEditTest::keyboardMovesMarkersAndUndoRestores()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    SpreadEditorPage* page = openEditor(window.get());
    auto* marker = widget<QWidget>(window.get(), "PCard1");
    marker->setFocus();
    QTest::keyClick(marker, Qt::Key_Right);
    QTest::keyClick(marker, Qt::Key_Down);
    QCOMPARE(marker->pos(), QPoint(10, 10));
    QCOMPARE(marker->accessibleName(), QStringLiteral("Marker 1 at 10, 10"));
    auto* title = widget<QLineEdit>(window.get(), "LESpreadTitle");
    typeInto(title, QStringLiteral("Abc"));
    auto* count = widget<QLineEdit>(window.get(), "LEAddCards");
    count->selectAll();
    typeInto(count, QStringLiteral("4"));
    QTest::keyClick(count, Qt::Key_Return);
    QVERIFY(widget<QWidget>(window.get(), "PCard4")->isVisible());

    marker->setFocus();
    QTest::keyClick(marker, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!widget<QWidget>(window.get(), "PCard4")->isVisible());
    QCOMPARE(count->text(), QStringLiteral("1"));
    QTest::keyClick(marker, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(title->text(), QString());
    QTest::keyClick(marker, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(marker->pos(), QPoint(10, 5));
    QTest::keyClick(marker, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(marker->pos(), QPoint(10, 10));
    QTest::keyClick(marker, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(title->text(), QStringLiteral("Abc"));

    click(window.get(), "BNewCSpread");
    QVERIFY(!page->undoStack()->canUndo());
    QCOMPARE(marker->pos(), QPoint(5, 5));
}

void SpreadEditTest::longSpreadLoadsThirtyAndSaysSo()
{
    ProgramFixture fixture;
    Lines doc{"[SPREAD]", "Long", "[/SPREAD]", "[CARDS]", "2", "[/CARDS]", "[POSITIONS]"};
    for (int i = 0; i < 31; ++i)
        doc.push_back(std::to_string(5 * i) + ",5");
    doc.emplace_back("[/POSITIONS]");
    fixture.home().writeLines("spreads/Long.srml", doc);
    fixture.home().writeLines("spreads/Bad.srml", {"[SPREAD]", "Bad", "[/SPREAD]", "[POSITIONS]",
                                                   "5,5", "x,9", "[/POSITIONS]"});
    auto window = fixture.start();
    SpreadEditorPage* page = openEditor(window.get());
    clickListEntry(window.get(), "FLBSpreads", QStringLiteral("Long.srml"));
    click(window.get(), "BLoadCSpread");
    QCOMPARE(page->design().count, 30);
    QVERIFY(widget<QWidget>(window.get(), "PCard30")->isVisible());
    QCOMPARE(widget<QLineEdit>(window.get(), "LEAddCards")->text(), QStringLiteral("30"));
    QCOMPARE(window->statusBar()->currentMessage(),
             QStringLiteral("The spread has 31 positions; the first 30 were loaded."));
    QVERIFY(fixture.prompter.messages.empty());

    // A position that does not convert stops the load with a message; the count stays.
    clickListEntry(window.get(), "FLBSpreads", QStringLiteral("Bad.srml"));
    click(window.get(), "BLoadCSpread");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
    QCOMPARE(page->design().count, 30);
    QCOMPARE(widget<QLineEdit>(window.get(), "LESpreadTitle")->text(), QStringLiteral("Bad"));
    QCOMPARE(widget<QWidget>(window.get(), "PCard2")->pos(), QPoint(5, 9));
}

QTEST_MAIN(SpreadEditTest)
#include "spreadeditTest.moc"
