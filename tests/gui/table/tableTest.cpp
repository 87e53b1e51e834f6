#include "core/jpeg/JpegFile.h"
#include "gui/app/AppState.h"
#include "gui/common/Texts.h"
#include "gui/reading/ReadingSession.h"
#include "support/GuiFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace {

const std::string kOverwrite =
    "Spread with same name already exists in DataBase.\nOverwrite existing spread with new one?";
const std::string kSuccess = "Success!              ";

std::unique_ptr<MainWindow> dealt(ProgramFixture& fixture)
{
    auto window = fixture.start();
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");
    if (!window->pages()->isTabVisible(MainWindow::CardTable))
        qFatal("the deal did not reach the card table");
    return window;
}

void setName(QWidget* window, const QString& name)
{
    auto* box = widget<QLineEdit>(window, "Edit2");
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Delete);
    QTest::keyClicks(box, name);
}

} // namespace

class TableTest : public QObject
{
    Q_OBJECT

private slots:
    void saveSrml_data();
    void saveSrml();
    void nameBoxDropsRestrictedSymbols();
    void saveRtf_data();
    void saveRtf();
    void screenshot_data();
    void screenshot();
    void saveHtmlShowsAndSavesTheExportPage();
    void saveHtmlAsksBeforeReplacing();
    void saveHtmlReportsAFailedSave();
    void exportsStartOnTheDesktopOnlyWhenItExists();
    void fullScreenAndBackToNewReading();
    void alwaysFullScreenTakesADealToFullScreen();
};

void TableTest::saveSrml_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("unwritable");
    QTest::newRow("new name") << false << int(Answer::Cancel) << true << false;
    QTest::newRow("existing name, No") << true << int(Answer::No) << false << false;
    QTest::newRow("existing name, Cancel") << true << int(Answer::Cancel) << false << false;
    QTest::newRow("existing name, Yes") << true << int(Answer::Yes) << true << false;
    QTest::newRow("database cannot be written") << false << int(Answer::Cancel) << false << true;
}

void TableTest::saveSrml()
{
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, written);
    QFETCH(bool, unwritable);
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    window->pages()->setCurrentIndex(MainWindow::MyReadings);
    click(window.get(), "RadioButton5");
    window->pages()->setCurrentIndex(MainWindow::CardTable);
    const auto target = fixture.folder().database() / "My reading.srml";
    if (exists)
        fixture.home().writeLines("database/My reading.srml", {"old"});
    if (unwritable)
        fixture.home().writeLines("database", {"a file where the folder should be"});
    fixture.prompter.answers.push_back(static_cast<Answer>(answer));
    setName(window.get(), QStringLiteral("  My reading "));
    std::vector<std::size_t> refreshes; // the messages said at each re-read of the list
    QObject::connect(&window->state(), &AppState::savedReadingsChanged, window.get(),
                     [&] { refreshes.push_back(fixture.prompter.messages.size()); });
    click(window.get(), "Button4");

    QCOMPARE(fixture.prompter.questions.size(), exists ? 1u : 0u);
    if (exists)
        QCOMPARE(fixture.prompter.questions.front(), kOverwrite);
    if (!unwritable)
        QCOMPARE(readLines(target), written ? window->state().session().reading() : Lines{"old"});
    if (exists && !written)
        QVERIFY(widget<QLineEdit>(window.get(), "Edit2")->hasFocus());
    // Success is said only after writing; an error says itself and leaves
    // the store shown as it was, anything else shows the database.
    QCOMPARE(fixture.prompter.messages.size(), written || unwritable ? 1u : 0u);
    if (written)
        QCOMPARE(fixture.prompter.messages.front(), kSuccess);
    QCOMPARE(refreshes, written ? std::vector<std::size_t>{0} : std::vector<std::size_t>{});
    QCOMPARE(window->state().preferences.savedReadingsStore, unwritable ? 2 : 1);
    QCOMPARE(widget<QRadioButton>(window.get(), "RadioButton4")->isChecked(), !unwritable);
}

void TableTest::nameBoxDropsRestrictedSymbols()
{
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    setName(window.get(), QStringLiteral("a/b|c\\d^e:f*g<h?i>j\"k"));
    QCOMPARE(widget<QLineEdit>(window.get(), "Edit2")->text(), QStringLiteral("abcdefghijk"));
    QVERIFY(widget<QPushButton>(window.get(), "Button4")->isEnabled());
    setName(window.get(), QString());
    QVERIFY(!widget<QPushButton>(window.get(), "Button4")->isEnabled());
    // Blanks alone are no name: the file would be a hidden ".srml".
    setName(window.get(), QStringLiteral("   "));
    QVERIFY(!widget<QPushButton>(window.get(), "Button4")->isEnabled());
}

void TableTest::saveRtf_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("written");
    QTest::addColumn<bool>("error");
    QTest::newRow("chosen file") << QStringLiteral("out/reading.rtf") << true << false;
    QTest::newRow("cancelled") << QString() << false << false;
    QTest::newRow("folder that does not exist")
        << QStringLiteral("missing/reading.rtf") << false << true;
}

void TableTest::saveRtf()
{
    QFETCH(QString, file);
    QFETCH(bool, written);
    QFETCH(bool, error);
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    fixture.home().writeLines("out/placeholder.txt", {});
    const auto target = fixture.home().root() / file.toStdString();
    if (file.isEmpty())
        fixture.prompter.files.push_back(std::nullopt);
    else
        fixture.prompter.files.push_back(target);
    click(window.get(), "ButtonSaveRTF");

    QCOMPARE(fixture.prompter.dialogFilters,
             std::vector<std::string>{"Rich Text Format File (*.rtf)"});
    QCOMPARE(!file.isEmpty() && std::filesystem::exists(target), written);
    if (written)
        QVERIFY(readFile(target).starts_with("{\\rtf1"));
    // A file that cannot be written is reported, not passed over.
    QCOMPARE(fixture.prompter.messages.size(), error ? 1u : 0u);
}

void TableTest::screenshot_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("written");
    const QString table = QStringLiteral("table.jpg");
    QTest::newRow("new file") << table << false << int(Answer::Cancel) << true;
    QTest::newRow("existing file, No") << table << true << int(Answer::No) << false;
    QTest::newRow("existing file, Yes") << table << true << int(Answer::Yes) << true;
    QTest::newRow("folder that does not exist")
        << QStringLiteral("missing/table.jpg") << false << int(Answer::Cancel) << false;
}

void TableTest::screenshot()
{
    QFETCH(QString, file);
    QFETCH(bool, exists);
    QFETCH(int, answer);
    QFETCH(bool, written);
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    const auto target = fixture.home().root() / file.toStdString();
    if (exists)
        fixture.home().writeRaw("table.jpg", "old");
    fixture.prompter.answers.push_back(static_cast<Answer>(answer));
    fixture.prompter.files.push_back(target);
    click(window.get(), "ButtonScreenshot");

    QCOMPARE(fixture.prompter.dialogFilters, std::vector<std::string>{"KAJPEG Image File (*.jpg)"});
    QCOMPARE(fixture.prompter.questions.size(), exists ? 1u : 0u);
    if (written) {
        const RgbImage picture = decodeJpeg(target);
        QCOMPARE(QSize(picture.width, picture.height),
                 window->state().session().picture().image().size());
    } else if (exists) {
        QCOMPARE(readFile(target), std::string("old"));
    }
    // A picture that cannot be written is reported.
    QCOMPARE(fixture.prompter.messages.size(), !written && !exists ? 1u : 0u);
}

void TableTest::saveHtmlShowsAndSavesTheExportPage()
{
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    auto* tabs = widget<QTabBar>(window.get(), "DockTabSet1");
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(0).center());
    const auto target = fixture.home().root() / "page.html";
    fixture.prompter.files.push_back(target);
    click(window.get(), "Button6");

    QCOMPARE(tabs->currentIndex(), 2);
    QVERIFY(widget<QWidget>(window.get(), "PanelPreviewHTML")->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(target), 20000);
    QTRY_VERIFY_WITH_TIMEOUT(readFile(target).find("Three Cards") != std::string::npos, 20000);
}

void TableTest::saveHtmlAsksBeforeReplacing()
{
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    fixture.home().writeRaw("page.html", "old");
    const auto target = fixture.home().root() / "page.html";
    fixture.prompter.files.push_back(target);
    fixture.prompter.answers.push_back(Answer::No);
    click(window.get(), "Button6");

    QCOMPARE(
        fixture.prompter.questions,
        std::vector<std::string>{target.string() + " already exists.\nDo you want to replace it?"});
    QTest::qWait(500);
    QCOMPARE(readFile(target), std::string("old"));
}

void TableTest::saveHtmlReportsAFailedSave()
{
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    // A folder in the file's place: the page cannot be written there.
    std::filesystem::create_directories(fixture.home().root() / "page.html");
    fixture.prompter.files.push_back(fixture.home().root() / "page.html");
    fixture.prompter.answers.push_back(Answer::Yes);
    click(window.get(), "Button6");

    QTRY_COMPARE_WITH_TIMEOUT(fixture.prompter.messages.size(), 1u, 20000);
    QVERIFY(fixture.prompter.messages.front().starts_with("Cannot save "));
}

void TableTest::exportsStartOnTheDesktopOnlyWhenItExists()
{
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    const QByteArray home = qgetenv("HOME");
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const auto user = fixture.home().root() / "user";
    std::filesystem::create_directories(user / "config");
    qputenv("HOME", QByteArray::fromStdString(user.string()));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString((user / "config").string()));
    const std::string name = toBytes(widget<QLineEdit>(window.get(), "Edit2")->text());

    click(window.get(), "ButtonSaveRTF");
    std::filesystem::create_directories(user / "Desktop");
    click(window.get(), "ButtonScreenshot");
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", config);

    // Without a desktop folder the dialog keeps its folder and starts with the name alone.
    QCOMPARE(fixture.prompter.dialogStarts,
             (std::vector<std::filesystem::path>{name, user / "Desktop" / name}));
}

void TableTest::fullScreenAndBackToNewReading()
{
    ProgramFixture fixture;
    const auto window = dealt(fixture);
    QWidget* page = window->pages()->widget(MainWindow::CardTable);
    QWidget* panel = widget<QWidget>(window.get(), "Panel2");
    click(window.get(), "ButtonFSV");

    QVERIFY(!window->pages()->isVisible());
    QVERIFY(!window->statusBar()->isVisible());
    QVERIFY(panel->isVisible());
    QVERIFY(!panel->isAncestorOf(window->pages()) && !page->isAncestorOf(panel));
    QVERIFY(!widget<QPushButton>(window.get(), "ButtonFSV")->isVisible());
    QVERIFY(widget<QPushButton>(window.get(), "ButtonNSV")->isVisible());
    QVERIFY(widget<QPushButton>(window.get(), "ButtonReturnNS")->isVisible());

    click(window.get(), "ButtonReturnNS");
    QVERIFY(window->pages()->isVisible());
    QVERIFY(window->statusBar()->isVisible());
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::NewReading));
    QVERIFY(page->isAncestorOf(panel));
    QCOMPARE(window->size(), QSize(796, 558));
    QVERIFY(!window->isFullScreen());
    QVERIFY(!widget<QPushButton>(window.get(), "ButtonNSV")->isVisibleTo(panel));
    QVERIFY(!widget<QPushButton>(window.get(), "ButtonReturnNS")->isVisibleTo(panel));
}

void TableTest::alwaysFullScreenTakesADealToFullScreen()
{
    ProgramFixture fixture;
    auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    widget<QTabWidget>(window.get(), "PageControl3")->setCurrentIndex(3);
    click(window.get(), "CheckBox6");
    window->pages()->setCurrentIndex(MainWindow::NewReading);
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");
    QVERIFY(!window->pages()->isVisible());
    QVERIFY(widget<QPushButton>(window.get(), "ButtonNSV")->isVisible());
    click(window.get(), "ButtonNSV");
    QVERIFY(window->pages()->isVisible());
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::CardTable));
}

QTEST_MAIN(TableTest)
#include "tableTest.moc"
