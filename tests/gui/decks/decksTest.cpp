#include "core/TextFile.h"
#include "core/cards/Card.h"
#include "core/jpeg/JpegFile.h"
#include "gui/app/AppState.h"
#include "gui/reference/ImportDeckDialog.h"
#include "gui/reference/ReadCardsPage.h"
#include "support/GuiFixture.h"

#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace fs = std::filesystem;

namespace {

void png(const fs::path& file, int width, int height, QRgb colour)
{
    fs::create_directories(file.parent_path());
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    if (!picture.save(QString::fromStdString(file.string()), "PNG"))
        qFatal("cannot write %s", file.c_str());
}

std::string twoDigits(int n)
{
    return (n < 10 ? "0" : "") + std::to_string(n);
}

QStringList texts(const QListWidget* list)
{
    QStringList all;
    for (int i = 0; i < list->count(); ++i)
        all << list->item(i)->text();
    return all;
}

// Opens the import dialog from My Decks and reads a folder into it.
ImportDeckDialog* openAndRead(QWidget* window, const fs::path& folder)
{
    showPageOf(widget<QWidget>(window, "ButtonImportDeck"));
    click(window, "ButtonImportDeck");
    auto* dialog = window->findChild<ImportDeckDialog*>();
    if (!dialog || !dialog->isVisible())
        qFatal("the import dialog did not open");
    auto* edit = widget<QLineEdit>(dialog, "EditImportFolder");
    QTest::keyClicks(edit, QString::fromStdString(folder.string()));
    click(dialog, "ButtonImportRead");
    return dialog;
}

} // namespace

class DecksTest : public QObject
{
    Q_OBJECT

private slots:
    void pngTrumpsBecomeADeckThatShowsAndDeals();
    void theMappingNamesTheCardsAndWhatItCouldNotPlace();
    void replacingADeckAsks();
    void aFailureMidwayLeavesNoFolder();
    void searchingTheDescriptions();
};

void DecksTest::pngTrumpsBecomeADeckThatShowsAndDeals()
{
    ProgramFixture fixture;
    const fs::path source = fixture.home().root() / "incoming" / "Sunrise";
    for (int n = 0; n <= 21; ++n)
        png(source / ("trump " + twoDigits(n) + ".png"), 600, 1000, qRgb(200, 40, 40));
    png(source / "back.png", 600, 1000, qRgb(0, 0, 90));
    const auto window = fixture.start();
    ImportDeckDialog* dialog = openAndRead(window.get(), source);
    QCOMPARE(widget<QLineEdit>(dialog, "EditImportName")->text(), QStringLiteral("Sunrise"));
    QTest::keyClicks(widget<QLineEdit>(dialog, "EditImportDesigner"), QStringLiteral("Ann"));
    QTest::keyClicks(widget<QPlainTextEdit>(dialog, "MemoImportDescription"),
                     QStringLiteral("Bright"));
    auto* import = widget<QPushButton>(dialog, "ButtonImport");
    QVERIFY(import->isEnabled());
    click(dialog, "ButtonImport");
    QVERIFY(fixture.prompter.messages.empty());
    QVERIFY(!dialog->isVisible());

    const fs::path deck = fixture.folder().deckFolder("Sunrise");
    QCOMPARE(deckSize(deck), std::string("22"));
    const RgbImage card = decodeJpeg(deck / "normal" / "21.jpg");
    QCOMPARE(card.width, 144);
    QCOMPARE(card.height, 233);
    QVERIFY(std::abs(int(card.rgb[0]) - 200) < 6);
    QVERIFY(fs::is_regular_file(deck / "reversed" / "21.jpg"));
    QVERIFY(fs::is_regular_file(deck / "blank" / "0.jpg"));
    QCOMPARE(decodeJpeg(deck / "back.jpg").rgb[2] > 60, true);

    // The new deck is the selected one, and its page shows.
    auto* decks = widget<QListWidget>(window.get(), "FileListBox2");
    QCOMPARE(decks->currentItem()->text(), QStringLiteral("Sunrise"));
    QCOMPARE(window->state().preferences.selectedDeck, std::optional<std::string>("Sunrise"));
    const std::string page = readFile(fixture.folder().cards() / "preview.srml");
    QVERIFY(page.find("Sunrise/normal/21.jpg") != std::string::npos);
    QVERIFY(page.find("<span class=\"ch\">Designer:</span> Ann<br />") != std::string::npos);
    QVERIFY(page.find("Bright<br />") != std::string::npos);
    QCOMPARE(widget<QWidget>(window.get(), "CppWebBrowser3")->accessibleName(),
             QStringLiteral("Deck page: Sunrise"));

    clickListEntry(window.get(), "ListBox3", QStringLiteral("Path of Trumps"));
    click(window.get(), "Button2");
    QVERIFY(fixture.prompter.messages.empty());
    const std::string report = readFile(fixture.folder().xfiles() / "newSpread-0001.html");
    QVERIFY(report.find("Sunrise") != std::string::npos);
    QVERIFY(report.find("Title 21") != std::string::npos);
}

void DecksTest::theMappingNamesTheCardsAndWhatItCouldNotPlace()
{
    ProgramFixture fixture;
    const fs::path source = fixture.home().root() / "named";
    png(source / "the-fool.png", 30, 50, qRgb(1, 2, 3));
    png(source / "cups-ace.png", 30, 50, qRgb(1, 2, 3));
    png(source / "shop label.png", 30, 50, qRgb(1, 2, 3));
    const auto window = fixture.start();
    ImportDeckDialog* dialog = openAndRead(window.get(), source);
    auto* mapping = widget<QListWidget>(dialog, "ListImportMapping");
    QCOMPARE(texts(mapping), QStringList({QStringLiteral("21 Title 21"),
                                          QStringLiteral("37 Title 27 Title 41 Title 24")}));
    QCOMPARE(mapping->item(0)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Card 21: Title 21, from the-fool.png"));
    QVERIFY(!mapping->item(0)->icon().isNull());
    QCOMPARE(texts(widget<QListWidget>(dialog, "ListImportUnplaced")),
             QStringList({QStringLiteral("shop label.png (its name names no card)")}));
    QVERIFY(widget<QLabel>(dialog, "LabelImportSummary")
                ->text()
                .contains(QStringLiteral("76 missing")));
    QVERIFY(!widget<QPushButton>(dialog, "ButtonImport")->isEnabled());

    // The same folder numbered 00-77 instead.
    fs::remove_all(source);
    for (int n = 0; n <= 77; ++n)
        png(source / (twoDigits(n) + ".jpg"), 8, 12, qRgb(9, 9, 9));
    // Return in the folder field reads the folder again, and imports nothing.
    QTest::keyClick(widget<QLineEdit>(dialog, "EditImportFolder"), Qt::Key_Return);
    QCOMPARE(mapping->count(), 78);
    QVERIFY(dialog->isVisible());
    QVERIFY(!fs::exists(fixture.folder().deckFolder("named")));
    QVERIFY(widget<QPushButton>(dialog, "ButtonImport")->isEnabled());
    QCOMPARE(mapping->item(20)->toolTip(), QStringLiteral("00.jpg"));
    QCOMPARE(mapping->item(36)->toolTip(), QStringLiteral("36.jpg"));
    click(dialog, "RadioImportIds");
    QVERIFY(!widget<QPushButton>(dialog, "ButtonImport")->isEnabled());
    click(dialog, "ButtonImportCancel");
    QVERIFY(!dialog->isVisible());
    QVERIFY(!fs::exists(fixture.folder().deckFolder("named")));
}

void DecksTest::replacingADeckAsks()
{
    ProgramFixture fixture;
    const fs::path source = fixture.home().root() / "Full";
    for (int n = 1; n <= 22; ++n)
        png(source / (std::to_string(n) + ".png"), 20, 30, qRgb(5, 5, 5));
    const auto window = fixture.start();
    ImportDeckDialog* dialog = openAndRead(window.get(), source);
    fixture.prompter.answers.push_back(Answer::No);
    click(dialog, "ButtonImport");
    QCOMPARE(fixture.prompter.questions.size(), std::size_t(1));
    QVERIFY(fixture.prompter.questions.front().find("\"Full\"") != std::string::npos);
    QVERIFY(dialog->isVisible());
    QCOMPARE(deckSize(fixture.folder().deckFolder("Full")), std::string("78"));

    fixture.prompter.answers.push_back(Answer::Yes);
    click(dialog, "ButtonImport");
    QVERIFY(!dialog->isVisible());
    QCOMPARE(deckSize(fixture.folder().deckFolder("Full")), std::string("22"));
    QCOMPARE(texts(widget<QListWidget>(window.get(), "FileListBox2")),
             QStringList({QStringLiteral("Full"), QStringLiteral("Majors")}));
}

void DecksTest::aFailureMidwayLeavesNoFolder()
{
    ProgramFixture fixture;
    const fs::path source = fixture.home().root() / "Broken";
    for (int n = 1; n <= 22; ++n)
        png(source / (std::to_string(n) + ".png"), 20, 30, qRgb(5, 5, 5));
    fixture.home().writeRaw("Broken/17.png", "\x89PNG\r\n\x1a\n but not a picture");
    const auto window = fixture.start();
    ImportDeckDialog* dialog = openAndRead(window.get(), source);
    click(dialog, "ButtonImport");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
    QVERIFY(fixture.prompter.messages.front().find("17.png") != std::string::npos);
    QVERIFY(dialog->isVisible());
    std::vector<std::string> entries;
    for (const auto& entry : fs::directory_iterator(fixture.folder().cards())) {
        if (entry.is_directory())
            entries.push_back(entry.path().filename().string());
    }
    std::sort(entries.begin(), entries.end());
    QCOMPARE(entries, (std::vector<std::string>{"Full", "Majors"}));
}

void DecksTest::searchingTheDescriptions()
{
    ProgramFixture fixture;
    fixture.home().writeLines("descriptions/Alpha.srml",
                              {"[NAME]", "Alpha", "[/NAME]", R"([CARD ID="4" TYPE="NORMAL"])",
                               "A stern <i>father</i><br />", R"([/CARD ID="4" TYPE="NORMAL"])",
                               R"([CARD ID="50" TYPE="REVERSED"])", "A cold father<br />",
                               R"([/CARD ID="50" TYPE="REVERSED"])"});
    const auto window = fixture.start();
    auto* page = window->findChild<ReadCardsPage*>();
    showPageOf(page);
    auto* query = widget<QLineEdit>(window.get(), "EditSearchDescriptions");
    auto* found = widget<QListWidget>(window.get(), "ListBoxFoundCards");
    auto* outcome = widget<QLabel>(window.get(), "LabelFoundCards");
    QTest::keyClicks(query, QStringLiteral("Father"));
    QTest::keyClick(query, Qt::Key_Return);
    QVERIFY(found->count() == 0);
    QCOMPARE(outcome->text(), QStringLiteral("Check the description sources to search in."));

    click(window.get(), "CheckBox14");
    click(window.get(), "ButtonSearchDescriptions");
    QCOMPARE(texts(found), QStringList({QStringLiteral("4 Title 4"),
                                        QStringLiteral("50 Title 40 Title 41 Title 24")}));
    QCOMPARE(outcome->text(), QStringLiteral("2 cards found."));
    QCOMPARE(found->item(0)->data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("Card 4: Title 4"));

    // A found card opens as "Read the Card" would show it.
    const QRect place = found->visualItemRect(found->item(1));
    QTest::mouseClick(found->viewport(), Qt::LeftButton, {}, place.center());
    QCOMPARE(widget<QListWidget>(window.get(), "ListBox10")->currentRow(), 49);
    const std::string rc = readFile(fixture.folder().xfiles() / "rc.srml");
    QVERIFY(rc.find("A cold father<br />") != std::string::npos);
    QCOMPARE(widget<QWidget>(window.get(), "CppWebBrowser5")->accessibleName(),
             QStringLiteral("Read the Card: card 50, Title 40 Title 41 Title 24"));

    query->selectAll();
    QTest::keyClicks(query, QStringLiteral("stern cold"));
    QTest::keyClick(query, Qt::Key_Return);
    QCOMPARE(found->count(), 0);
    QCOMPARE(outcome->text(), QStringLiteral("No card's description holds these words."));
}

QTEST_MAIN(DecksTest)
#include "decksTest.moc"
