#include "core/TextFile.h"
#include "core/app/SettingsFile.h"
#include "core/srml/ReadingDocument.h"
#include "gui/app/AppState.h"
#include "gui/app/SingleInstance.h"
#include "gui/reading/ReadingSession.h"
#include "support/GuiFixture.h"
#include "support/PreferenceFixtures.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QWheelEvent>

using namespace kestrava;
using namespace kestrava::test;

namespace {

Preferences changedPreferencesOfFixture()
{
    Preferences p = everyPreferenceChanged();
    p.defaultTitles = false;
    p.selectedHiddenSource = "Beta";
    p.selectedDeck = "Majors";
    p.querentName = "Anna";
    p.sourceChecks = {false, true};
    return p;
}

Lines diaryReading()
{
    DiaryEntry entry;
    entry.spreadName = "Three Cards";
    entry.cards = "3";
    entry.person = "Anna";
    entry.dateTime = "2024-03-05, 14-07";
    entry.question = {"Which way?"};
    entry.meanings = {"Past", "Present", "Future"};
    entry.positions = {"10,10", "50,10", "90,10"};
    entry.fortune = {"1", "2", "3"};
    entry.mirrors = {"normal", "normal", "normal"};
    return composeDiary(entry);
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsTheDefaults();
    void settingsAreSavedAtCloseAndReadAtTheNextStart();
    void hiddenPagesArePassedOver();
    void commandLineDocument_data();
    void commandLineDocument();
    void anErrorDuringTheStartIsShownAndEndsIt();
    void aCommandLineReadingWhosePagesCannotBeWritten();
    void russianBuildCaptions_data();
    void russianBuildCaptions();
    void secondInstanceRaisesTheFirst();
    void instancesAreKeptApartByProgramFolder();
    void secondStartOfTheProgramEnds();
};

void StartupTest::firstStartShowsTheDefaults()
{
    ProgramFixture fixture;
    const auto window = fixture.start();

    QCOMPARE(window->windowTitle(), QStringLiteral("KESTRAVA"));
    QCOMPARE(window->size(), QSize(796, 558));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    const QStringList captions =
        QString::fromLatin1("New Reading,Card Table,My Readings,SYS,My Decks,Editors,Tools,"
                            "Preferences,About | Updates")
            .split(QLatin1Char(','));
    QTabWidget* pages = window->pages();
    QCOMPARE(pages->count(), captions.size());
    for (int i = 0; i < pages->count(); ++i)
        QCOMPARE(pages->tabText(i), captions.at(i));
    QVERIFY(!pages->isTabVisible(MainWindow::Sys));
    QVERIFY(!pages->isTabVisible(MainWindow::CardTable));
    QCOMPARE(pages->currentIndex(), int(MainWindow::NewReading));
    QVERIFY(widget<QLabel>(window.get(), "StatusBarPanel")
                ->text()
                .endsWith(QStringLiteral("Assembly Version 9.1.21")));

    // Defaults of the settings table, nothing checked among the sources.
    QVERIFY(widget<QRadioButton>(window.get(), "RadioButton3")->isChecked());
    QVERIFY(widget<QRadioButton>(window.get(), "RadioDefaultCardNames")->isChecked());
    for (const char* on : {"CheckBox3", "CheckBox4", "CheckBoxHI", "CheckBoxFB", "CheckBoxCFD",
                           "CheckBoxLEBlank", "CheckBoxLENormal", "CheckBoxLEReversed"})
        QVERIFY2(widget<QCheckBox>(window.get(), on)->isChecked(), on);
    for (const char* off : {"CheckBox1", "CheckBox2", "CheckBox5", "CheckBox6", "CheckBox13",
                            "CheckBoxReversedCards", "CheckBox16"})
        QVERIFY2(!widget<QCheckBox>(window.get(), off)->isChecked(), off);
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit3")->text(), QStringLiteral("#N, #S, #D"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEditNormal")->text(),
             QStringLiteral("Normal"));
    auto* sources = widget<QListWidget>(window.get(), "CLBCDE");
    QCOMPARE(sources->count(), 2);
    for (int row = 0; row < sources->count(); ++row)
        QCOMPARE(sources->item(row)->checkState(), Qt::Unchecked);
    QCOMPARE(widget<QListWidget>(window.get(), "ListBox3")->currentRow(), -1);

    // With no deck remembered the first deck is taken, so a deal works at once.
    QCOMPARE(widget<QListWidget>(window.get(), "FileListBox2")->currentItem()->text(),
             QStringLiteral("Full"));

    QCOMPARE(widget<QLabel>(window.get(), "LabelVersion1")->text(), QStringLiteral("9.1.21"));
    QCOMPARE(widget<QLabel>(window.get(), "LabelVersion2")->text(), QStringLiteral("XXX"));
    QCOMPARE(widget<QLabel>(window.get(), "LabelVersion3")->text(), QStringLiteral("XXX"));
    auto* components = widget<QListWidget>(window.get(), "ListBoxComponents");
    QCOMPARE(components->item(0)->text(), QStringLiteral("Program 9.1.21"));
    QCOMPARE(components->item(6)->text(), QStringLiteral("Diary/Database 9.1.20"));

    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY((window->geometry().center() - screen.center()).manhattanLength() <= 2);
}

void StartupTest::settingsAreSavedAtCloseAndReadAtTheNextStart()
{
    ProgramFixture fixture;
    Lines custom;
    for (int i = 0; i < 42; ++i)
        custom.push_back("Custom " + std::to_string(i));
    fixture.home().writeLines("titles/custom.srml", custom);
    const Preferences changed = changedPreferencesOfFixture();
    {
        const auto window = fixture.start();
        window->state().preferences = changed;
        window->state().announcePreferences();
        // The user types the name; it is remembered because "Remember the Name" is on.
        auto* name = widget<QLineEdit>(window.get(), "LabeledEdit1");
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Anna"));
        window->move(40, 30);
        QVERIFY(window->close());
    }
    QCOMPARE(readLines(fixture.folder().xfiles() / kSettingsFileName).size(), 52u);
    QCOMPARE(readLines(fixture.folder().xfiles() / kSourceChecksFileName), Lines({"0", "1"}));

    const auto window = fixture.start();
    QCOMPARE(window->state().preferences, changed);
    // What the user sees follows the model.
    QVERIFY(widget<QCheckBox>(window.get(), "CheckBox6")->isChecked());
    QVERIFY(widget<QRadioButton>(window.get(), "RadioButton2")->isChecked());
    QVERIFY(widget<QRadioButton>(window.get(), "RadioCustomCardNames")->isChecked());
    QVERIFY(widget<QRadioButton>(window.get(), "RadioButton5")->isChecked());
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit1")->text(), QStringLiteral("Anna"));
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit3")->text(), QStringLiteral("#S for #N"));
    QCOMPARE(widget<QListWidget>(window.get(), "ListBox3")->currentItem()->text(),
             QStringLiteral("Three Cards"));
    QCOMPARE(widget<QListWidget>(window.get(), "CLBCDE")->item(1)->checkState(), Qt::Checked);
    QCOMPARE(widget<QTabWidget>(window.get(), "PageControl3")->currentIndex(), 2);
    QCOMPARE(widget<QLabel>(window.get(), "LabelVersion3")->text(),
             QStringLiteral("05.03.2024 14:07:00"));
}

void StartupTest::hiddenPagesArePassedOver()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    QTabBar* tabs = window->pages()->tabBar();
    QList<int> shown;
    for (int turn = 0; turn < 7; ++turn) {
        QWheelEvent wheel(QPointF(5, 5), tabs->mapToGlobal(QPointF(5, 5)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(tabs, &wheel);
        shown.append(window->pages()->currentIndex());
    }
    // Neither the card table without a reading nor SYS ever shows.
    QCOMPARE(shown, (QList<int>{MainWindow::MyReadings, MainWindow::MyDecks, MainWindow::Editors,
                                MainWindow::Tools, MainWindow::Prefs, MainWindow::About,
                                MainWindow::About}));
}

void StartupTest::commandLineDocument_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<bool>("fullScreen");
    QTest::addColumn<bool>("opened");
    const QString diary = QString::fromLatin1(kDiaryHeader.data());
    QTest::newRow("diary reading") << diary << false << true;
    QTest::newRow("diary reading, always full screen") << diary << true << true;
    QTest::newRow("database reading")
        << QString::fromLatin1(kReadingHeader.data()) << false << false;
    QTest::newRow("not a reading") << QStringLiteral("plain text") << false << false;
}

void StartupTest::commandLineDocument()
{
    QFETCH(QString, header);
    QFETCH(bool, fullScreen);
    QFETCH(bool, opened);
    ProgramFixture fixture;
    Lines reading = diaryReading();
    reading.front() = header.toStdString();
    const auto file = fixture.home().writeLines("diary/Evening reading.srml", reading);
    fixture.arguments = {QString::fromStdString(file.string())};
    Preferences always;
    always.fullScreenCardTable = fullScreen;
    always.selectedDeck = "Full";
    always.selectedHiddenSource = "Alpha";
    saveSettings(fixture.folder(), always);

    const auto window = fixture.start();
    QCOMPARE(window->pages()->isTabVisible(MainWindow::CardTable), opened);
    QCOMPARE(window->pages()->isVisible(), !fullScreen);
    if (fullScreen)
        click(window.get(), "ButtonNSV");
    // The start ends on "New Reading", also behind a full-screen card table.
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::NewReading));
    QCOMPARE(std::filesystem::exists(window->state().reportFile()), opened);
    if (opened) {
        QCOMPARE(widget<QLineEdit>(window.get(), "Edit2")->text(),
                 QStringLiteral("Evening reading"));
        QCOMPARE(window->state().session().reading(), reading);
    }
    QVERIFY(fixture.prompter.messages.empty());
}

void StartupTest::anErrorDuringTheStartIsShownAndEndsIt()
{
    ProgramFixture fixture;
    fixture.home().writeLines("xfiles/" + std::string(kSettingsFileName), {"false"});
    const auto file = fixture.home().writeLines("diary/Evening reading.srml", diaryReading());
    fixture.arguments = {QString::fromStdString(file.string())};
    const auto window = fixture.start();

    // The custom titles are missing: said once, and the steps after the
    // titles (the document of the command line among them) do not run.
    QCOMPARE(fixture.prompter.messages.size(), 1u);
    QVERIFY(window->isVisible());
    QVERIFY(widget<QRadioButton>(window.get(), "RadioCustomCardNames")->isChecked());
    QVERIFY(!window->pages()->isTabVisible(MainWindow::CardTable));
    QVERIFY(window->state().session().reading().empty());
    QCOMPARE(window->pages()->currentIndex(), int(MainWindow::NewReading));
}

void StartupTest::aCommandLineReadingWhosePagesCannotBeWritten()
{
    ProgramFixture fixture;
    std::filesystem::create_directories(fixture.folder().xfiles() / "newSpread-0001.html");
    const auto file = fixture.home().writeLines("diary/Evening reading.srml", diaryReading());
    fixture.arguments = {QString::fromStdString(file.string())};
    const auto window = fixture.start();

    // Rendered, so the picture shows it; not written, so neither named nor
    // shown on its page.
    QCOMPARE(fixture.prompter.messages.size(), 1u);
    QCOMPARE(window->state().session().reading(), diaryReading());
    QVERIFY(!widget<QLabel>(window.get(), "ImageCardTable")->pixmap().isNull());
    QVERIFY(widget<QLineEdit>(window.get(), "Edit2")->text().isEmpty());
    QVERIFY(!window->pages()->isTabVisible(MainWindow::CardTable));
}

void StartupTest::russianBuildCaptions_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::newRow("page") << QStringLiteral("TabSheet2") << QStringLiteral(u"Новый расклад");
    QTest::newRow("about page") << QStringLiteral("TabSheet5") << QStringLiteral(u"О программе");
    QTest::newRow("sub-page") << QStringLiteral("TabSheet7")
                              << QStringLiteral(u"Редактор названий карт");
    QTest::newRow("button") << QStringLiteral("Button2")
                            << QStringLiteral(u"Тасовать и Разложить карты");
    QTest::newRow("check box") << QStringLiteral("CheckBox2") << QStringLiteral(u"Запомнить имя");
    QTest::newRow("radio") << QStringLiteral("RadioButton3")
                           << QStringLiteral(u"Использовать всю колоду (78 карт)");
    QTest::newRow("labelled edit") << QStringLiteral("LabeledEdit1") << QStringLiteral(u"Имя:");
    QTest::newRow("group") << QStringLiteral("GroupBox4") << QStringLiteral(u"Выберите расклад");
    QTest::newRow("label") << QStringLiteral("Label64") << QStringLiteral(u"Язык: Русский");
    QTest::newRow("card table") << QStringLiteral("ButtonFSV") << QStringLiteral(u"Во весь экран");
}

void StartupTest::russianBuildCaptions()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    ProgramFixture fixture;
    fixture.language = QStringLiteral("RU");
    const auto window = fixture.start();
    QWidget* target = window->findChild<QWidget*>(control);
    QVERIFY(target);
    QString shown;
    if (auto* tabs = qobject_cast<QTabWidget*>(target->parentWidget()->parentWidget()))
        shown = tabs->tabText(tabs->indexOf(target));
    else if (auto* button = qobject_cast<QAbstractButton*>(target))
        shown = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(target))
        shown = group->title();
    else if (auto* label = qobject_cast<QLabel*>(target))
        shown = label->text();
    else
        shown =
            widget<QLabel>(window.get(), (control + QStringLiteral("Label")).toLatin1())->text();
    QCOMPARE(shown, caption);
    QCOMPARE(window->state().words.dateCaption, std::string("Дата"));
}

void StartupTest::secondInstanceRaisesTheFirst()
{
    const QString name = QStringLiteral("kestrava-test-%1").arg(QCoreApplication::applicationPid());
    SingleInstance first(name);
    QVERIFY(first.claim());
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    SingleInstance second(name);
    QVERIFY(!second.claim());
    QVERIFY(raised.wait());
}

void StartupTest::instancesAreKeptApartByProgramFolder()
{
    const TempProgramFolder a;
    const TempProgramFolder b;
    std::filesystem::create_directory_symlink(a.root(), b.root() / "link");
    QCOMPARE(SingleInstance::socketName(a.root()), SingleInstance::socketName(b.root() / "link"));
    QVERIFY(SingleInstance::socketName(a.root()) != SingleInstance::socketName(b.root()));

    // Another folder's instance does not absorb this one's start.
    SingleInstance other(SingleInstance::socketName(b.root()));
    QVERIFY(other.claim());
    SingleInstance mine(SingleInstance::socketName(a.root()));
    QVERIFY(mine.claim());
}

void StartupTest::secondStartOfTheProgramEnds()
{
    SingleInstance first(
        SingleInstance::socketName(std::filesystem::path(KESTRAVA_PROGRAM).parent_path()));
    if (!first.claim())
        QSKIP("the program runs already for this user");
    QSignalSpy raised(&first, &SingleInstance::raiseRequested);
    QProcess second;
    second.start(QStringLiteral(KESTRAVA_PROGRAM), {});
    QVERIFY(second.waitForFinished(60000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QVERIFY(raised.count() == 1 || raised.wait());
}

QTEST_MAIN(StartupTest)
#include "startupTest.moc"
