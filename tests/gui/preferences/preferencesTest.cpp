#include "gui/app/AppState.h"
#include "support/GuiFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace {

void retype(QWidget* window, const char* name, const QString& text)
{
    auto* edit = widget<QLineEdit>(window, name);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

void chooseFormat(QWidget* window, int format)
{
    auto* formats = widget<QComboBox>(window, "CBDTF");
    formats->setFocus();
    while (formats->currentIndex() > format)
        QTest::keyClick(formats, Qt::Key_Up);
    while (formats->currentIndex() < format)
        QTest::keyClick(formats, Qt::Key_Down);
}

QString preview(QWidget* window)
{
    return widget<QLineEdit>(window, "LabeledEdit4")->text();
}

struct BoundCheck
{
    const char* name;
    bool Preferences::*member;
};

const BoundCheck kChecks[] = {
    {"CheckBox1", &Preferences::useBlankCards},
    {"CheckBox3", &Preferences::addDateTime},
    {"CheckBox5", &Preferences::repeatCards},
    {"CheckBoxReversedCards", &Preferences::reversedCards},
    {"CheckBox4", &Preferences::showTexts},
    {"CheckBox8", &Preferences::showCardTitles},
    {"CheckBox9", &Preferences::showPositionNumbers},
    {"CheckBox10", &Preferences::showMeanings},
    {"CheckBox11", &Preferences::addName},
    {"CheckBox12", &Preferences::addQuestion},
    {"CheckBox13", &Preferences::showFrames},
    {"CheckBoxLEBlank", &Preferences::blankLabelEnabled},
    {"CheckBoxHI", &Preferences::screenshotHeader},
    {"CheckBoxFB", &Preferences::screenshotFrame},
    {"CheckBoxACN", &Preferences::screenshotCardNumbers},
    {"CheckBoxACT", &Preferences::screenshotCardTitles},
    {"CheckBox6", &Preferences::fullScreenCardTable},
    {"CheckBox15", &Preferences::fullScreenManualChoice},
    {"CheckBoxCFD", &Preferences::faceDown},
    {"CheckBox17", &Preferences::deckAtBottom},
    {"CheckBox16", &Preferences::customBackAlways},
    {"CheckBoxCSEcr", &Preferences::spreadEditorRowNumbers},
    {"CheckBoxCSEg2", &Preferences::spreadEditorDashedGrid},
};

} // namespace

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void fileNamePreview_data();
    void fileNamePreview();
    void restoreDefault();
    void withoutASpreadThePreviewStays();
    void restrictedSymbolsAreShownNotEdited();
    void checkBoxesWriteTheModel_data();
    void checkBoxesWriteTheModel();
    void descriptionSourcesAreChecked();
    void subPagesShowTheirCaptions();
    void choicesStandOnTheirOwnPages_data();
    void choicesStandOnTheirOwnPages();
    void blankCardCountStopsAtAThousand();
};

void PreferencesTest::fileNamePreview_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nameTemplate");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("expected");
    QTest::newRow("default template") << QStringLiteral("Anna") << QStringLiteral("#N, #S, #D") << 0
                                      << QStringLiteral("Anna, Three Cards, 2024-03-05, 14-07");
    QTest::newRow("day first") << QStringLiteral("Anna") << QStringLiteral("#D #S") << 2
                               << QStringLiteral("05-03-2024 Three Cards");
    QTest::newRow("name after the trim")
        << QString() << QStringLiteral("#S #N") << 1 << QStringLiteral("Three Cards ");
    QTest::newRow("no placeholder")
        << QStringLiteral("Anna") << QStringLiteral(" a?b:c ") << 0 << QStringLiteral("abc");
    QTest::newRow("lower case stays")
        << QStringLiteral("Anna") << QStringLiteral("#n #s") << 0 << QStringLiteral("#n #s");
}

void PreferencesTest::fileNamePreview()
{
    QFETCH(QString, name);
    QFETCH(QString, nameTemplate);
    QFETCH(int, format);
    QFETCH(QString, expected);
    ProgramFixture fixture;
    const auto window = fixture.start();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), name);
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    widget<QTabWidget>(window.get(), "PageControl3")->setCurrentIndex(2);
    chooseFormat(window.get(), format);
    retype(window.get(), "LabeledEdit3", nameTemplate);
    QCOMPARE(preview(window.get()), expected);
}

void PreferencesTest::restoreDefault()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    QTest::keyClicks(widget<QLineEdit>(window.get(), "LabeledEdit1"), QStringLiteral("Anna"));
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    widget<QTabWidget>(window.get(), "PageControl3")->setCurrentIndex(2);
    chooseFormat(window.get(), 2);
    retype(window.get(), "LabeledEdit3", QStringLiteral("#S"));
    click(window.get(), "Button12");
    QCOMPARE(widget<QLineEdit>(window.get(), "LabeledEdit3")->text(),
             QStringLiteral("#N, #S, [#D]"));
    QCOMPARE(widget<QComboBox>(window.get(), "CBDTF")->currentIndex(), 0);
    QCOMPARE(preview(window.get()), QStringLiteral("Anna, Three Cards, [2024-03-05, 14-07]"));
}

void PreferencesTest::withoutASpreadThePreviewStays()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    widget<QTabWidget>(window.get(), "PageControl3")->setCurrentIndex(2);
    retype(window.get(), "LabeledEdit3", QStringLiteral("#S"));
    QCOMPARE(preview(window.get()), QString());
}

void PreferencesTest::restrictedSymbolsAreShownNotEdited()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    auto* symbols = widget<QLineEdit>(window.get(), "LabeledEdit5");
    QCOMPARE(symbols->text(), QStringLiteral("/|\\^:*<?>\""));
    QVERIFY(symbols->isReadOnly());
}

void PreferencesTest::checkBoxesWriteTheModel_data()
{
    QTest::addColumn<int>("row");
    for (int row = 0; row < int(std::size(kChecks)); ++row)
        QTest::newRow(kChecks[row].name) << row;
}

void PreferencesTest::checkBoxesWriteTheModel()
{
    QFETCH(int, row);
    const BoundCheck& check = kChecks[row];
    ProgramFixture fixture;
    const auto window = fixture.start();
    auto* box = widget<QCheckBox>(window.get(), check.name);
    // The page that holds the box is the one shown.
    auto* pages = widget<QTabWidget>(window.get(), "PageControl3");
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    for (int page = 0; page < pages->count() && !box->isVisible(); ++page)
        pages->setCurrentIndex(page);
    QVERIFY(box->isVisible());
    const bool before = window->state().preferences.*check.member;
    QCOMPARE(box->isChecked(), before);
    click(window.get(), check.name);
    QCOMPARE(window->state().preferences.*check.member, !before);
    // And the model drives the box.
    window->state().preferences.*check.member = before;
    window->state().announcePreferences();
    QCOMPARE(box->isChecked(), before);
}

void PreferencesTest::descriptionSourcesAreChecked()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    auto* sources = widget<QListWidget>(window.get(), "CLBCDE");
    QCOMPARE(sources->item(0)->text(), QStringLiteral("Alpha"));
    QCOMPARE(sources->item(1)->text(), QStringLiteral("Beta"));
    const QRect place = sources->visualItemRect(sources->item(1));
    QTest::mouseClick(sources->viewport(), Qt::LeftButton, {},
                      QPoint(place.left() + 10, place.center().y()));
    QCOMPARE(window->state().preferences.sourceChecks, std::vector<bool>({false, true}));
    QCOMPARE(widget<QLabel>(window.get(), "LabelCLBCDEHint")->text(),
             QStringLiteral("* Check one or more at your choise"));
}

void PreferencesTest::subPagesShowTheirCaptions()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    auto* pages = widget<QTabWidget>(window.get(), "PageControl3");
    const QStringList captions =
        QString::fromLatin1("Cards Options|Appearance|Save Options|Windows Settings").split(u'|');
    QCOMPARE(pages->count(), captions.size());
    for (int page = 0; page < pages->count(); ++page)
        QCOMPARE(pages->tabText(page), captions.at(page));
}

void PreferencesTest::choicesStandOnTheirOwnPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("subPage");
    QTest::addColumn<QString>("group");
    const QString titles = QStringLiteral("Save New Settings");
    const QString store = QStringLiteral("Saved KestravaReadings and ZiriVidevavi - The Diary");
    QTest::newRow("custom titles")
        << QStringLiteral("RadioCustomCardNames") << int(MainWindow::Editors)
        << QStringLiteral("TabSheet7") << titles;
    QTest::newRow("default titles")
        << QStringLiteral("RadioDefaultCardNames") << int(MainWindow::Editors)
        << QStringLiteral("TabSheet7") << titles;
    QTest::newRow("diary") << QStringLiteral("RadioButton5") << int(MainWindow::MyReadings)
                           << QString() << store;
    QTest::newRow("database") << QStringLiteral("RadioButton4") << int(MainWindow::MyReadings)
                              << QString() << store;
}

void PreferencesTest::choicesStandOnTheirOwnPages()
{
    QFETCH(QString, control);
    QFETCH(int, page);
    QFETCH(QString, subPage);
    QFETCH(QString, group);
    ProgramFixture fixture;
    Lines custom;
    for (int i = 0; i < 42; ++i)
        custom.push_back("Custom " + std::to_string(i));
    fixture.home().writeLines("titles/custom.srml", custom);
    const auto window = fixture.start();
    const QByteArray name = control.toLatin1();
    auto* choice = widget<QRadioButton>(window.get(), name.constData());
    QVERIFY(!window->pages()->widget(MainWindow::Prefs)->isAncestorOf(choice));
    QVERIFY(window->pages()->widget(page)->isAncestorOf(choice));
    auto* box = qobject_cast<QGroupBox*>(choice->parentWidget());
    QVERIFY(box);
    QCOMPARE(box->title(), group);
    window->pages()->setCurrentIndex(page);
    if (!subPage.isEmpty()) {
        auto* sub = widget<QWidget>(window.get(), subPage.toLatin1().constData());
        QVERIFY(sub->isAncestorOf(choice));
        auto* subPages = widget<QTabWidget>(window.get(), "PageControl2");
        subPages->setCurrentWidget(sub);
    }
    QVERIFY(choice->isVisible());

    // Turning the choice on there is what changes the preference.
    const Preferences before = window->state().preferences;
    click(window.get(), name.constData());
    QVERIFY(choice->isChecked());
    const Preferences& after = window->state().preferences;
    QCOMPARE(after.defaultTitles, control != QLatin1String("RadioCustomCardNames"));
    QCOMPARE(after.savedReadingsStore, control == QLatin1String("RadioButton5") ? 2 : 1);
    QVERIFY(fixture.prompter.messages.empty());
    QCOMPARE(before.defaultTitles, true);
}

void PreferencesTest::blankCardCountStopsAtAThousand()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::Prefs);
    auto* count = widget<QLineEdit>(window.get(), "EditBlankCard");
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("2000"));
    // The last digit would make 2000: the field refuses it.
    QCOMPARE(count->text(), QStringLiteral("200"));
    count->selectAll();
    QTest::keyClicks(count, QStringLiteral("1000"));
    QCOMPARE(window->state().preferences.blankCardCount, std::string("1000"));
}

QTEST_MAIN(PreferencesTest)
#include "preferencesTest.moc"
