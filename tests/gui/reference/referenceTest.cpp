#include "core/TextFile.h"
#include "gui/reference/CardDescriptionsEditorPage.h"
#include "gui/reference/CompareCardsPage.h"
#include "gui/reference/ReadCardsPage.h"
#include "support/GuiFixture.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace {

void checkEntry(QListWidget* list, int row)
{
    const QRect place = list->visualItemRect(list->item(row));
    // The check box stands at the left of the entry.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(place.left() + 10, place.center().y()));
}

std::string customDocument()
{
    std::string text = "kept\r\n";
    for (int n = 1; n <= 78; ++n) {
        for (const char* type : {"NORMAL", "REVERSED"}) {
            const std::string name = "CARD ID=\"" + std::to_string(n) + "\" TYPE=\"" + type + "\"";
            text +=
                "[" + name + "]\r\n" + std::to_string(n) + type + "<br />\r\n[/" + name + "]\r\n";
        }
    }
    return text;
}

} // namespace

class ReferenceTest : public QObject
{
    Q_OBJECT

private slots:
    void compareButtonRuleAndPage();
    void readingACardFromTwoSources();
    void toolChecksFollowSelectAllOnEveryShowing();
    void savingCardFiveChangesOnlyItsSections();
    void aFailedSaveIsReported();
    void deckPageFollowsTheSelectedDeck();
};

void ReferenceTest::compareButtonRuleAndPage()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    auto* page = window->findChild<CompareCardsPage*>();
    QVERIFY(page);
    showPageOf(page);
    auto* button = widget<QPushButton>(window.get(), "ButtonCompareCards");
    auto* cards = widget<QListWidget>(window.get(), "ListBox9");
    auto* decks = widget<QListWidget>(window.get(), "CheckListBox2");
    QCOMPARE(cards->count(), 78);
    QCOMPARE(decks->count(), 2);
    QVERIFY(!button->isEnabled());
    click(window.get(), "CheckBoxCheckAll");
    QVERIFY(!button->isEnabled());
    clickListEntry(window.get(), "ListBox9", QStringLiteral("Title 30 Title 41 Title 24"));
    QVERIFY(button->isEnabled());
    click(window.get(), "ButtonCompareCards");
    const std::string cc = readFile(fixture.folder().xfiles() / "cc.srml");
    QVERIFY(cc.find("<title>Title 30 Title 41 Title 24\r\n") != std::string::npos);
    QVERIFY(cc.find("/Full/normal/40.jpg") != std::string::npos);
    QVERIFY(cc.find("/Majors/normal/") == std::string::npos);

    // Unchecking every deck disables the button again.
    click(window.get(), "CheckBoxCheckAll");
    QVERIFY(!button->isEnabled());
    checkEntry(decks, 1);
    QVERIFY(button->isEnabled());
}

void ReferenceTest::readingACardFromTwoSources()
{
    ProgramFixture fixture;
    fixture.home().writeLines(
        "descriptions/Alpha.srml",
        {R"([CARD ID="1" TYPE="NORMAL"])", "Alpha one", R"([/CARD ID="1" TYPE="NORMAL"])"});
    fixture.home().writeLines("descriptions/Beta.srml",
                              {R"([CARD ID="1" TYPE="REVERSED"])", "Beta one reversed",
                               R"([/CARD ID="1" TYPE="REVERSED"])"});
    const auto window = fixture.start();
    showPageOf(window->findChild<ReadCardsPage*>());
    auto* sources = widget<QListWidget>(window.get(), "CheckListBox3");
    QCOMPARE(sources->count(), 2);
    clickListEntry(window.get(), "ListBox10", QStringLiteral("Title 1"));
    QVERIFY(!widget<QPushButton>(window.get(), "ButtonReadCard")->isEnabled());
    checkEntry(sources, 0);
    checkEntry(sources, 1);
    click(window.get(), "ButtonReadCard");
    const std::string rc = readFile(fixture.folder().xfiles() / "rc.srml");
    const auto alpha = rc.find(">Alpha:</div><br />\r\nAlpha one\r\n");
    const auto beta = rc.find(">Beta:</div><br />\r\n<br /><br />\"Reversed Card\":<br /><br />"
                              "\r\nBeta one reversed\r\n");
    QVERIFY(alpha != std::string::npos);
    QVERIFY(beta != std::string::npos);
    QVERIFY(alpha < beta);
}

void ReferenceTest::toolChecksFollowSelectAllOnEveryShowing()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    auto* page = window->findChild<ReadCardsPage*>();
    showPageOf(page);
    auto* sources = widget<QListWidget>(window.get(), "CheckListBox3");
    clickListEntry(window.get(), "ListBox10", QStringLiteral("Title 2"));
    checkEntry(sources, 1);
    QCOMPARE(sources->item(1)->checkState(), Qt::Checked);
    click(window.get(), "CheckBox14");
    showPageOf(window->findChild<CompareCardsPage*>());
    showPageOf(page);
    QCOMPARE(sources->item(0)->checkState(), Qt::Checked);
    QCOMPARE(sources->item(1)->checkState(), Qt::Checked);
    QVERIFY(widget<QListWidget>(window.get(), "ListBox10")->selectedItems().isEmpty());
    QVERIFY(!widget<QPushButton>(window.get(), "ButtonReadCard")->isEnabled());
}

void ReferenceTest::savingCardFiveChangesOnlyItsSections()
{
    ProgramFixture fixture;
    fixture.home().writeRaw("descriptions/Custom.srml", customDocument());
    const auto window = fixture.start();
    showPageOf(window->findChild<CardDescriptionsEditorPage*>());
    auto* save = widget<QPushButton>(window.get(), "Button10");
    QVERIFY(!save->isEnabled());
    clickListEntry(window.get(), "ListBox4", QStringLiteral("Title 5"));
    QVERIFY(save->isEnabled());
    auto* normal = widget<QPlainTextEdit>(window.get(), "Memo6");
    QCOMPARE(normal->toPlainText(), QStringLiteral("5NORMAL"));
    QCOMPARE(widget<QLabel>(window.get(), "Image1")->accessibleName(),
             QStringLiteral("Card 5: Title 5"));
    normal->clear();
    QTest::keyClicks(normal, QStringLiteral("one"));
    QTest::keyClick(normal, Qt::Key_Return);
    QTest::keyClicks(normal, QStringLiteral("two"));
    QTest::keyClick(normal, Qt::Key_Return);
    QTest::keyClicks(normal, QStringLiteral("three"));
    click(window.get(), "Button10");

    std::string expected = customDocument();
    const std::string from = "[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\n5NORMAL<br />\r\n";
    expected.replace(
        expected.find(from), from.size(),
        "[CARD ID=\"5\" TYPE=\"NORMAL\"]\r\none<br />\r\ntwo<br />\r\nthree<br />\r\n");
    QCOMPARE(readFile(fixture.folder().customDescriptionFile()), expected);

    // The three lines come back as three lines.
    clickListEntry(window.get(), "ListBox4", QStringLiteral("Title 6"));
    clickListEntry(window.get(), "ListBox4", QStringLiteral("Title 5"));
    QCOMPARE(normal->toPlainText(), QStringLiteral("one\ntwo\nthree"));

    // Another deck resets the editor, asking first about unsaved edits.
    QTest::keyClicks(normal, QStringLiteral(" more"));
    fixture.prompter.answers.push_back(Answer::No);
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Majors"));
    QCOMPARE(fixture.prompter.questions.size(), std::size_t(1));
    QVERIFY(normal->toPlainText().isEmpty());
    QVERIFY(!save->isEnabled());
    QCOMPARE(widget<QListWidget>(window.get(), "ListBox4")->count(), 22);
}

void ReferenceTest::aFailedSaveIsReported()
{
    ProgramFixture fixture;
    fixture.home().writeRaw("descriptions/Custom.srml", customDocument());
    const auto window = fixture.start();
    showPageOf(window->findChild<CardDescriptionsEditorPage*>());
    clickListEntry(window.get(), "ListBox4", QStringLiteral("Title 3"));
    std::filesystem::remove(fixture.folder().customDescriptionFile());
    std::filesystem::create_directories(fixture.folder().customDescriptionFile());
    QTest::keyClicks(widget<QPlainTextEdit>(window.get(), "Memo8"), QStringLiteral("x"));
    click(window.get(), "Button10");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
    QVERIFY(fixture.prompter.messages.front().find("Custom.srml") != std::string::npos);
}

void ReferenceTest::deckPageFollowsTheSelectedDeck()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    const auto page = fixture.folder().cards() / "preview.srml";
    QVERIFY(readFile(page).find("Earth Suit") != std::string::npos);
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Majors"));
    const std::string majors = readFile(page);
    QVERIFY(majors.find("Majors/normal/22.jpg") != std::string::npos);
    QVERIFY(majors.find("Fire Suit") == std::string::npos);
}

QTEST_MAIN(ReferenceTest)
#include "referenceTest.moc"
