#include "core/jpeg/JpegFile.h"
#include "gui/app/AppState.h"
#include "gui/common/Texts.h"
#include "gui/reading/ReadingSession.h"
#include "gui/table/CardTablePage.h"
#include "support/GuiFixture.h"

#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
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

// A deal for a named person whose name the report carries.
std::unique_ptr<MainWindow> dealtForAnna(ProgramFixture& fixture)
{
    auto window = fixture.start();
    window->state().preferences.addName = true;
    window->state().announcePreferences();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), QStringLiteral("Anna Maria"));
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");
    return window;
}

// What a PDF reader finds in a file: its text, its paper and its pictures.
struct PdfReading
{
    QString text;
    QString info;
    QString images;

    bool onA4() const
    {
        const auto size =
            QRegularExpression(QStringLiteral("Page size: +([0-9.]+) x ([0-9.]+) pts")).match(info);
        return size.hasMatch() && qRound(size.captured(1).toDouble()) == 595 &&
               qRound(size.captured(2).toDouble()) == 842;
    }
    int pages() const
    {
        return QRegularExpression(QStringLiteral("Pages: +([0-9]+)"))
            .match(info)
            .captured(1)
            .toInt();
    }
    // pdfimages lists two header lines, then one line per picture.
    qsizetype pictures() const { return images.count(QLatin1Char('\n')) - 2; }
};

PdfReading readPdf(const std::filesystem::path& pdf)
{
    const QString file = pathText(pdf);
    const auto run = [&](const QString& tool, const QStringList& arguments) {
        QProcess process;
        process.start(tool, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0)
            qWarning("%s (poppler-utils, scripts/setup --tests) cannot read %s: %s",
                     qPrintable(tool), qPrintable(file),
                     process.readAllStandardError().constData());
        return QString::fromUtf8(process.readAllStandardOutput());
    };
    return {run(QStringLiteral("pdftotext"), {QStringLiteral("-raw"), file, QStringLiteral("-")}),
            run(QStringLiteral("pdfinfo"), {file}),
            run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})};
}

// The spread, the person, the title of every card that fell and the cards'
// pictures are printed, on A4 paper.
void verifyPrintedReading(MainWindow& window, const std::filesystem::path& pdf)
{
    const PdfReading reading = readPdf(pdf);
    QVERIFY2(reading.onA4(), qPrintable(reading.info));
    QVERIFY2(reading.text.contains(QStringLiteral("THREE CARDS")), qPrintable(reading.text));
    QVERIFY2(reading.text.contains(QStringLiteral("Name: Anna Maria")), qPrintable(reading.text));
    const auto titles = window.state().titleList();
    const Lines& fortune = window.state().session().rendered().fortune;
    QCOMPARE(fortune.size(), 3u);
    for (const std::string& id : fortune) {
        // "Title 1" must not be found in "Title 12".
        const QRegularExpression title(
            QRegularExpression::escape(QString::fromStdString(titles[std::stoul(id)])) +
            QStringLiteral("(?![0-9])"));
        QVERIFY2(reading.text.contains(title), qPrintable(title.pattern() + reading.text));
    }
    // The three cards on the table and the first card's picture beside its text.
    QVERIFY2(reading.pictures() >= 4, qPrintable(reading.images));
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
    void savePdfPrintsTheReportOnA4();
    void savePdfAsksBeforeReplacing_data();
    void savePdfAsksBeforeReplacing();
    void savePdfReportsAFailedSave();
    void printPrintsTheReportOnTheChosenPrinter();
    void printCancelledPrintsNothing();
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

void TableTest::savePdfPrintsTheReportOnA4()
{
    ProgramFixture fixture;
    const auto window = dealtForAnna(fixture);
    auto* page = window->findChild<CardTablePage*>();
    QSignalSpy saved(page, &CardTablePage::pdfSaved);
    const auto target = fixture.home().root() / "reading.pdf";
    fixture.prompter.files.push_back(target);
    auto* button = widget<QPushButton>(window.get(), "ButtonSavePdf");
    QCOMPARE(button->accessibleName().isEmpty() ? button->text() : button->accessibleName(),
             QStringLiteral("Save PDF"));
    click(window.get(), "ButtonSavePdf");

    QCOMPARE(fixture.prompter.dialogFilters.back(), std::string("PDF Document (*.pdf)"));
    // The page printed is the report, shown while it prints; one print at a time.
    QCOMPARE(widget<QTabBar>(window.get(), "DockTabSet1")->currentIndex(), 1);
    QVERIFY(!button->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 30000);
    QVERIFY(button->isEnabled());
    QCOMPARE(saved.front().front().toString(), pathText(target));
    QVERIFY(fixture.prompter.messages.empty());
    verifyPrintedReading(*window, target);
}

void TableTest::savePdfAsksBeforeReplacing_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::newRow("No") << int(Answer::No) << false;
    QTest::newRow("Cancel") << int(Answer::Cancel) << false;
    QTest::newRow("Yes") << int(Answer::Yes) << true;
}

void TableTest::savePdfAsksBeforeReplacing()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    ProgramFixture fixture;
    const auto window = dealtForAnna(fixture);
    QSignalSpy saved(window->findChild<CardTablePage*>(), &CardTablePage::pdfSaved);
    fixture.home().writeRaw("reading.pdf", "old");
    const auto target = fixture.home().root() / "reading.pdf";
    fixture.prompter.files.push_back(target);
    fixture.prompter.answers.push_back(static_cast<Answer>(answer));
    click(window.get(), "ButtonSavePdf");

    QCOMPARE(
        fixture.prompter.questions,
        std::vector<std::string>{target.string() + " already exists.\nDo you want to replace it?"});
    if (replaced) {
        QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 30000);
        QVERIFY(readFile(target).starts_with("%PDF-"));
    } else {
        QTest::qWait(500);
        QCOMPARE(readFile(target), std::string("old"));
        QVERIFY(widget<QPushButton>(window.get(), "ButtonSavePdf")->isEnabled());
    }
}

void TableTest::savePdfReportsAFailedSave()
{
    ProgramFixture fixture;
    const auto window = dealtForAnna(fixture);
    QSignalSpy saved(window->findChild<CardTablePage*>(), &CardTablePage::pdfSaved);
    // A folder in the file's place: the document cannot be written there.
    const auto target = fixture.home().root() / "reading.pdf";
    std::filesystem::create_directories(target);
    fixture.prompter.files.push_back(target);
    fixture.prompter.answers.push_back(Answer::Yes);
    click(window.get(), "ButtonSavePdf");

    QTRY_COMPARE_WITH_TIMEOUT(fixture.prompter.messages.size(), 1u, 30000);
    QVERIFY2(fixture.prompter.messages.front().find("reading.pdf") != std::string::npos,
             fixture.prompter.messages.front().c_str());
    QCOMPARE(saved.size(), 0);
    QVERIFY(std::filesystem::is_empty(target));
    QVERIFY(widget<QPushButton>(window.get(), "ButtonSavePdf")->isEnabled());
}

void TableTest::printPrintsTheReportOnTheChosenPrinter()
{
    ProgramFixture fixture;
    const auto window = dealtForAnna(fixture);
    const auto target = fixture.home().root() / "printed.pdf";
    QPageLayout offered;
    window->findChild<CardTablePage*>()->setPrinterChooser([&](QPrinter& printer, QWidget*) {
        offered = printer.pageLayout();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pathText(target));
        return true;
    });
    auto* button = widget<QPushButton>(window.get(), "ButtonPrint");
    QCOMPARE(button->text(), QStringLiteral("Print…"));
    click(window.get(), "ButtonPrint");

    // The dialog starts on A4 portrait.
    QCOMPARE(offered.pageSize().id(), QPageSize::A4);
    QCOMPARE(offered.orientation(), QPageLayout::Portrait);
    QCOMPARE(widget<QTabBar>(window.get(), "DockTabSet1")->currentIndex(), 1);
    QVERIFY(!button->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button->isEnabled(), 30000);
    QVERIFY(fixture.prompter.messages.empty());
    // The engine prints each page as a picture onto the printer, on the paper chosen.
    const PdfReading printed = readPdf(target);
    QVERIFY2(printed.onA4(), qPrintable(printed.info));
    QVERIFY(printed.pages() >= 1);
    QCOMPARE(printed.pictures(), printed.pages());
}

void TableTest::printCancelledPrintsNothing()
{
    ProgramFixture fixture;
    const auto window = dealtForAnna(fixture);
    int asked = 0;
    window->findChild<CardTablePage*>()->setPrinterChooser([&](QPrinter&, QWidget*) {
        ++asked;
        return false;
    });
    click(window.get(), "ButtonPrint");
    QCOMPARE(asked, 1);
    QVERIFY(widget<QPushButton>(window.get(), "ButtonPrint")->isEnabled());
    QVERIFY(fixture.prompter.messages.empty());
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
