#include "core/cards/Card.h"
#include "core/reading/SpreadPreview.h"
#include "core/srml/ReadingDocument.h"
#include "gui/app/AppState.h"
#include "gui/reading/ReadingSession.h"
#include "support/GuiFixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>

using namespace kestrava;
using namespace kestrava::test;

namespace {

bool hasDrawing(const QLabel* picture)
{
    const QImage image = picture->pixmap().toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
        }
    }
    return false;
}

} // namespace

class ReadingTest : public QObject
{
    Q_OBJECT

private slots:
    void selectingASpreadShowsItAndEnablesTheCommands();
    void anUnreadableSpreadStopsTheClick_data();
    void anUnreadableSpreadStopsTheClick();
    void cardSetFollowsTheSpread_data();
    void cardSetFollowsTheSpread();
    void dealOfAThreeCardSpread();
    void aDealWhosePagesCannotBeWrittenIsNamedAllTheSame();
    void deckOfTheMajorsOnly_data();
    void deckOfTheMajorsOnly();
    void withoutAnyDeckTheUserIsAskedForOne();
    void downloadMoreSpreadsOpensTheSite();
    void layoutNumbersStandCentred_data();
    void layoutNumbersStandCentred();
    void layoutStopsAtABadPosition();
    void emptyDescriptionGivesTheHeadingOnly();
    void layoutOpensAtItsTopLeftCorner();
};

void ReadingTest::selectingASpreadShowsItAndEnablesTheCommands()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    const char* commands[] = {"Button2", "ButtonShowDeck", "Button16"};
    for (const char* command : commands)
        QVERIFY(!widget<QPushButton>(window.get(), command)->isEnabled());

    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    for (const char* command : commands)
        QVERIFY(widget<QPushButton>(window.get(), command)->isEnabled());
    const Lines page = readLines(fixture.folder().xfiles() / "tmp0.srml");
    QCOMPARE(page.at(4), std::string("<title>Three Cards</title>"));
    QCOMPARE(page.at(8), std::string("About Three Cards<br />"));
    QVERIFY(hasDrawing(widget<QLabel>(window.get(), "Image8")));
    QCOMPARE(window->state().layoutLefts, Lines({"10", "50", "90"}));

    // A click on the selected entry shows the spread afresh.
    fixture.addSpread("Three Cards", 2);
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    QCOMPARE(window->state().layoutLefts, Lines({"10", "50"}));
    QVERIFY(fixture.prompter.messages.empty());
}

void ReadingTest::anUnreadableSpreadStopsTheClick_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("byKey");
    QTest::newRow("first click") << QString() << false;
    QTest::newRow("after another spread") << QStringLiteral("Three Cards") << false;
    QTest::newRow("by the arrow key") << QStringLiteral("Path of Trumps") << true;
}

void ReadingTest::anUnreadableSpreadStopsTheClick()
{
    QFETCH(QString, before);
    QFETCH(bool, byKey);
    ProgramFixture fixture;
    const auto window = fixture.start();
    if (!before.isEmpty())
        clickListEntry(window.get(), "ListBox3", before);
    const Lines lefts = window->state().layoutLefts;
    const auto page = fixture.folder().xfiles() / "tmp0.srml";
    const Lines shown = before.isEmpty() ? Lines() : readLines(page);
    std::filesystem::remove(fixture.folder().spreads() / "Thirty.srml");
    if (byKey)
        QTest::keyClick(widget<QListWidget>(window.get(), "ListBox3"), Qt::Key_Down);
    else
        clickListEntry(window.get(), "ListBox3", QStringLiteral("Thirty"));

    // One error, and the click goes no further: previews, commands and card
    // set stay as the last readable spread left them.
    QCOMPARE(fixture.prompter.messages.size(), 1u);
    QCOMPARE(std::filesystem::exists(page), !before.isEmpty());
    if (!before.isEmpty())
        QCOMPARE(readLines(page), shown);
    QCOMPARE(window->state().layoutLefts, lefts);
    for (const char* command : {"Button2", "ButtonShowDeck", "Button16"})
        QCOMPARE(widget<QPushButton>(window.get(), command)->isEnabled(), !before.isEmpty());
    QCOMPARE(widget<QRadioButton>(window.get(), "RadioButton1")->isEnabled(), true);
}

void ReadingTest::cardSetFollowsTheSpread_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("spreads");
    QTest::addColumn<QString>("checked");
    QTest::addColumn<bool>("majorsOffered");
    const auto list = [](const char* text) {
        return QString::fromLatin1(text).split(u'|');
    };
    QTest::newRow("30 cards leave the majors") << QStringLiteral("RadioButton1") << list("Thirty")
                                               << QStringLiteral("RadioButton3") << false;
    QTest::newRow("then 3 cards offer them again")
        << QStringLiteral("RadioButton1") << list("Thirty|Three Cards")
        << QStringLiteral("RadioButton3") << true;
    QTest::newRow("22 cards keep the majors")
        << QStringLiteral("RadioButton1") << list("Path of Trumps")
        << QStringLiteral("RadioButton1") << true;
    QTest::newRow("30 cards keep the minors") << QStringLiteral("RadioButton2") << list("Thirty")
                                              << QStringLiteral("RadioButton2") << false;
}

void ReadingTest::cardSetFollowsTheSpread()
{
    QFETCH(QString, chosen);
    QFETCH(QStringList, spreads);
    QFETCH(QString, checked);
    QFETCH(bool, majorsOffered);
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    click(window.get(), chosen.toLatin1().constData());
    window->pages()->setCurrentIndex(MainWindow::NewReading);
    for (const QString& spread : spreads)
        clickListEntry(window.get(), "ListBox3", spread);
    QVERIFY(widget<QRadioButton>(window.get(), checked.toLatin1().constData())->isChecked());
    QCOMPARE(widget<QRadioButton>(window.get(), "RadioButton1")->isEnabled(), majorsOffered);
}

void ReadingTest::dealOfAThreeCardSpread()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), QStringLiteral("Anna"));
    auto* question = widget<QPlainTextEdit>(window.get(), "Memo3");
    QTest::keyClicks(question, QStringLiteral("Where?"));
    QTest::keyClick(question, Qt::Key_Return);
    QTest::keyClicks(question, QStringLiteral("When?"));
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");

    QVERIFY(fixture.prompter.messages.empty());
    QVERIFY(window->pages()->isTabVisible(MainWindow::CardTable));
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::CardTable));
    QVERIFY(std::filesystem::exists(fixture.folder().xfiles() / "newSpread-0001.html"));
    QVERIFY(std::filesystem::exists(fixture.folder().xfiles() / "export.html"));
    QCOMPARE(widget<QLineEdit>(window.get(), "Edit2")->text(),
             QStringLiteral("Anna, Three Cards, 2024-03-05, 14-07"));

    const Lines& reading = window->state().session().reading();
    QCOMPARE(reading.front(), std::string(kReadingHeader));
    const auto question1 = std::find(reading.begin(), reading.end(), "[QUESTION]");
    QVERIFY(question1 != reading.end());
    QCOMPARE(*(question1 + 1), std::string("Where?<br />"));
    QCOMPARE(*(question1 + 2), std::string("When?<br />"));

    auto* tabs = widget<QTabBar>(window.get(), "DockTabSet1");
    QCOMPARE(tabs->count(), 4);
    QCOMPARE(tabs->tabText(3), QStringLiteral("Export RTF Preview"));
    const QImage picture = widget<QLabel>(window.get(), "ImageCardTable")->pixmap().toImage();
    QCOMPARE(picture.size(), window->state().session().picture().image().size());
    QVERIFY(picture.width() > 3 * 144);
    QVERIFY(widget<QTextEdit>(window.get(), "RichEditPreview")
                ->toPlainText()
                .contains(QStringLiteral("Three Cards")));
    // Each tab shows its own view.
    const char* panels[] = {"PanelCardTable1", "PanelReport", "PanelPreviewHTML",
                            "PanelPreviewRTF"};
    for (int tab = 3; tab >= 0; --tab) {
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
        for (int view = 0; view < 4; ++view)
            QCOMPARE(widget<QWidget>(window.get(), panels[view])->isVisible(), view == tab);
    }
}

void ReadingTest::aDealWhosePagesCannotBeWrittenIsNamedAllTheSame()
{
    ProgramFixture fixture;
    std::filesystem::create_directories(fixture.folder().xfiles() / "newSpread-0001.html");
    const auto window = fixture.start();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), QStringLiteral("Anna"));
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");

    // The name is suggested before the reading is rendered, and the card
    // table's tab, picture and rich text come before the pages are written;
    // the deal stops there, on the page it started from.
    QCOMPARE(fixture.prompter.messages.size(), 1u);
    QCOMPARE(window->state().session().reading().front(), std::string(kReadingHeader));
    QCOMPARE(widget<QLineEdit>(window.get(), "Edit2")->text(),
             QStringLiteral("Anna, Three Cards, 2024-03-05, 14-07"));
    QVERIFY(widget<QPushButton>(window.get(), "Button4")->isEnabled());
    QVERIFY(window->pages()->isTabVisible(MainWindow::CardTable));
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::NewReading));
    QCOMPARE(widget<QLabel>(window.get(), "ImageCardTable")->pixmap().size(),
             window->state().session().picture().image().size());
    QVERIFY(widget<QTextEdit>(window.get(), "RichEditPreview")
                ->toPlainText()
                .contains(QStringLiteral("Three Cards")));
    QVERIFY(!std::filesystem::exists(fixture.folder().xfiles() / "export.html"));
}

void ReadingTest::deckOfTheMajorsOnly_data()
{
    QTest::addColumn<QString>("spread");
    QTest::addColumn<bool>("dealt");
    QTest::newRow("spread of 3 cards") << QStringLiteral("Three Cards") << true;
    QTest::newRow("spread of 30 cards") << QStringLiteral("Thirty") << false;
}

void ReadingTest::deckOfTheMajorsOnly()
{
    QFETCH(QString, spread);
    QFETCH(bool, dealt);
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::MyDecks);
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Majors"));
    window->pages()->setCurrentIndex(MainWindow::NewReading);
    clickListEntry(window.get(), "ListBox3", spread);
    click(window.get(), "Button2");

    QCOMPARE(window->pages()->isTabVisible(MainWindow::CardTable), dealt);
    if (dealt) {
        QVERIFY(fixture.prompter.messages.empty());
        QVERIFY(widget<QRadioButton>(window.get(), "RadioButton1")->isChecked());
        for (const std::string& id : window->state().session().shuffle().ids)
            QVERIFY(std::stoi(id) >= 1 && std::stoi(id) <= 22);
    } else {
        QCOMPARE(fixture.prompter.messages,
                 std::vector<std::string>{std::string(kTooFewCardsMessage)});
    }
}

void ReadingTest::withoutAnyDeckTheUserIsAskedForOne()
{
    ProgramFixture fixture;
    fixture.removeDecks();
    const auto window = fixture.start();
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");
    QCOMPARE(fixture.prompter.messages, std::vector<std::string>{std::string(kNoDeckMessage)});
    QVERIFY(!window->pages()->isTabVisible(MainWindow::CardTable));
    auto* noDeck = widget<QLabel>(window.get(), "LabelNoDeck");
    QVERIFY(noDeck->isVisibleTo(window->pages()->widget(MainWindow::MyDecks)));
    QCOMPARE(noDeck->text(), QString::fromLatin1(kNoDeckMessage.data()));
}

void ReadingTest::downloadMoreSpreadsOpensTheSite()
{
    ProgramFixture fixture;
    const auto window = fixture.start(QUrl(QStringLiteral("https://kestrava.example")));
    click(window.get(), "ButtonDAS");
    QCOMPARE(fixture.openedUrls,
             std::vector<QUrl>{QUrl(QStringLiteral("https://kestrava.example/en/downloads/"))});
}

void ReadingTest::layoutNumbersStandCentred_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("offset");
    QTest::newRow("1") << 1 << 15;
    QTest::newRow("9") << 9 << 15;
    QTest::newRow("10") << 10 << 12;
    QTest::newRow("30") << 30 << 12;
}

void ReadingTest::layoutNumbersStandCentred()
{
    QFETCH(int, position);
    QFETCH(int, offset);
    Lines positions;
    for (int k = 0; k < 30; ++k)
        positions.push_back(std::to_string(3 * k) + "," + std::to_string(100 + k));
    const LayoutPlan plan = planLayout(positions);
    QVERIFY(!plan.error);
    const LayoutCard& card = plan.cards.at(static_cast<std::size_t>(position - 1));
    QCOMPARE(card.number, std::to_string(position));
    QCOMPARE(card.numberLeft - card.left, offset);
    QCOMPARE(card.numberTop - card.top, 22);
}

void ReadingTest::layoutStopsAtABadPosition()
{
    const LayoutPlan plan = planLayout({"5,5", "40,5", "x,5", "80,5"});
    QVERIFY(plan.error);
    QCOMPARE(plan.cards.size(), 2u);
    QVERIFY(plan.lefts.size() == 2);
}

void ReadingTest::emptyDescriptionGivesTheHeadingOnly()
{
    const Lines page = spreadDescriptionPage("Celtic Cross", "UTF-8", {});
    QCOMPARE(page.size(), 9u);
    QCOMPARE(
        page.at(3),
        std::string(R"(<meta http-equiv="Content-Type" content="text/html; charset=UTF-8" />)"));
    QVERIFY(page.at(7).find("Celtic Cross</span><br /><br />") != std::string::npos);
    QCOMPARE(page.back(), std::string("</body></html>"));
}

void ReadingTest::layoutOpensAtItsTopLeftCorner()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* box = widget<QScrollArea>(window.get(), "ScrollBoxLayout");
    QCOMPARE(box->horizontalScrollBar()->value(), 0);
    QCOMPARE(box->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(ReadingTest)
#include "readingTest.moc"
