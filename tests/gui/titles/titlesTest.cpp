#include "core/TextFile.h"
#include "gui/app/AppState.h"
#include "gui/reference/CardTitlesEditorPage.h"
#include "support/GuiFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace {

QLineEdit* editOf(QWidget* root, const char* field)
{
    if (auto* dropDown = root->findChild<QComboBox*>(QString::fromLatin1(field)))
        return dropDown->lineEdit();
    return widget<QLineEdit>(root, field);
}

// Replaces a field's text the way a user does: select all, type.
void retype(QWidget* root, const char* field, const QString& text)
{
    QLineEdit* edit = editOf(root, field);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

std::string reportOf(const ProgramFixture& fixture)
{
    return readFile(fixture.folder().xfiles() / "newSpread-0001.html");
}

void dealTheTrumps(QWidget* window)
{
    clickListEntry(window, "ListBox3", QStringLiteral("Path of Trumps"));
    click(window, "Button2");
}

} // namespace

class TitlesTest : public QObject
{
    Q_OBJECT

private slots:
    void fieldsShowTheSetInForceWithTheirSuggestions();
    void aTypedTitleShowsAtTheNextDealUntilADeckIsPicked();
    void customTitlesWithoutADocumentAreReportedAndKeepTheFields();
    void savingWritesTheFieldsExactly();
    void aSaveThatCannotBeWrittenIsReported();
    void secondLanguageCaptions();
};

void TitlesTest::fieldsShowTheSetInForceWithTheirSuggestions()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    auto* page = window->findChild<CardTitlesEditorPage*>();
    QVERIFY(page);
    showPageOf(page);
    QCOMPARE(editOf(window.get(), "t0")->text(), QStringLiteral("Title 0"));
    QCOMPARE(editOf(window.get(), "t22")->text(), QStringLiteral("Title 22"));
    QCOMPARE(editOf(window.get(), "EditCoins")->text(), QStringLiteral("Title 26"));
    QCOMPARE(editOf(window.get(), "m1")->text(), QStringLiteral("Title 27"));
    QCOMPARE(editOf(window.get(), "m0")->text(), QStringLiteral("Title 41"));
    auto* fool = widget<QComboBox>(window.get(), "t21");
    QCOMPARE(fool->count(), 3);
    QCOMPARE(fool->itemText(2), QStringLiteral("The Madman"));
    QCOMPARE(widget<QComboBox>(window.get(), "t0")->count(), 0);
    QVERIFY(!window->findChild<QComboBox*>(QStringLiteral("m10")));
    QCOMPARE(widget<QComboBox>(window.get(), "m11")->itemText(1), QStringLiteral("Page"));
    QCOMPARE(widget<QLabel>(window.get(), "Label15")->text(), QStringLiteral("Fire"));
    QCOMPARE(widget<QLabel>(window.get(), "Label15")->buddy(),
             widget<QComboBox>(window.get(), "EditWands"));
    QCOMPARE(widget<QLabel>(window.get(), "Label2")->text(), QStringLiteral("Ace (1)"));
    QCOMPARE(widget<QComboBox>(window.get(), "t3")->accessibleName(),
             QStringLiteral("Title of card 3"));
    QCOMPARE(widget<QComboBox>(window.get(), "EditCups")->accessibleName(),
             QStringLiteral("Name of the water suit"));
    QCOMPARE(widget<QLineEdit>(window.get(), "m7")->accessibleName(),
             QStringLiteral("Word of rank 7"));
    for (auto* group : {"GroupBox7", "GroupBox8", "GroupBox6", "GroupBox9"})
        QVERIFY(widget<QGroupBox>(window.get(), group)->isVisible());
    QVERIFY(widget<QRadioButton>(window.get(), "RadioDefaultCardNames")->isChecked());

    // Picking a suggestion changes the title in memory, nothing more.
    fool->setFocus();
    QTest::keyClick(fool, Qt::Key_Down);
    QCOMPARE(fool->currentText(), QStringLiteral("The Foolish Man"));
    QCOMPARE(window->state().titleList()[21], std::string("The Foolish Man"));
    QVERIFY(!std::filesystem::exists(fixture.folder().titles() / "custom.srml"));
}

void TitlesTest::aTypedTitleShowsAtTheNextDealUntilADeckIsPicked()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Majors"));
    showPageOf(window->findChild<CardTitlesEditorPage*>());
    retype(window.get(), "t1", QStringLiteral("The Juggler"));
    const Lines defaults = readLines(fixture.folder().titles() / "default.srml");

    dealTheTrumps(window.get());
    QVERIFY(fixture.prompter.messages.empty());
    QVERIFY(reportOf(fixture).find("The Juggler") != std::string::npos);
    QCOMPARE(readLines(fixture.folder().titles() / "default.srml"), defaults);

    // Picking a deck reloads the saved set and discards the typing.
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Full"));
    QCOMPARE(editOf(window.get(), "t1")->text(), QStringLiteral("Title 1"));
    clickListEntry(window.get(), "FileListBox2", QStringLiteral("Majors"));
    dealTheTrumps(window.get());
    const std::string report = reportOf(fixture);
    QVERIFY(report.find("The Juggler") == std::string::npos);
    QVERIFY(report.find("Title 1<") != std::string::npos);
}

void TitlesTest::customTitlesWithoutADocumentAreReportedAndKeepTheFields()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    showPageOf(window->findChild<CardTitlesEditorPage*>());
    retype(window.get(), "t5", QStringLiteral("Typed"));
    click(window.get(), "RadioCustomCardNames");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
    QVERIFY(fixture.prompter.messages.front().find("custom.srml") != std::string::npos);
    QCOMPARE(editOf(window.get(), "t5")->text(), QStringLiteral("Typed"));
    QCOMPARE(editOf(window.get(), "t6")->text(), QStringLiteral("Title 6"));
    QCOMPARE(window->state().titleList()[5], std::string("Typed"));
    QVERIFY(window->state().preferences.defaultTitles);
    QVERIFY(widget<QRadioButton>(window.get(), "RadioDefaultCardNames")->isChecked());

    // A custom document that is too short changes nothing either.
    fixture.home().writeLines("titles/custom.srml", {"one", "two"});
    click(window.get(), "RadioCustomCardNames");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(2));
    QCOMPARE(editOf(window.get(), "t0")->text(), QStringLiteral("Title 0"));
    QCOMPARE(editOf(window.get(), "t5")->text(), QStringLiteral("Typed"));
}

void TitlesTest::savingWritesTheFieldsExactly()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    showPageOf(window->findChild<CardTitlesEditorPage*>());
    retype(window.get(), "t21", QStringLiteral("Le Mat"));
    retype(window.get(), "EditWands", QStringLiteral(" Batons "));
    retype(window.get(), "m0", QString());
    retype(window.get(), "m12", QStringLiteral("[CARD]"));
    click(window.get(), "Button3");
    QVERIFY(fixture.prompter.messages.empty());

    std::string expected;
    for (int i = 0; i < 42; ++i) {
        std::string line = "Title " + std::to_string(i);
        if (i == 21)
            line = "Le Mat";
        if (i == 23)
            line = " Batons ";
        if (i == 27 + 11)
            line = "[CARD]";
        if (i == 41)
            line.clear();
        expected += line + "\r\n";
    }
    QCOMPARE(readFile(fixture.folder().titles() / "custom.srml"), expected);
    // Saving leaves the choice, and the titles in use are the fields.
    QVERIFY(window->state().preferences.defaultTitles);
    QCOMPARE(window->state().titleList()[23], std::string("Title 27  Batons "));

    // The default set comes back, then the saved one shows in every field.
    click(window.get(), "RadioCustomCardNames");
    QVERIFY(fixture.prompter.messages.empty());
    QVERIFY(!window->state().preferences.defaultTitles);
    QCOMPARE(editOf(window.get(), "t21")->text(), QStringLiteral("Le Mat"));
    click(window.get(), "RadioDefaultCardNames");
    QCOMPARE(editOf(window.get(), "t21")->text(), QStringLiteral("Title 21"));
    QCOMPARE(editOf(window.get(), "m0")->text(), QStringLiteral("Title 41"));
    click(window.get(), "RadioCustomCardNames");
    QCOMPARE(editOf(window.get(), "EditWands")->text(), QStringLiteral(" Batons "));
    QCOMPARE(editOf(window.get(), "m0")->text(), QString());
    QCOMPARE(window->state().titleList()[23], std::string("Title 27  Batons "));
}

void TitlesTest::aSaveThatCannotBeWrittenIsReported()
{
    ProgramFixture fixture;
    std::filesystem::create_directories(fixture.folder().titles() / "custom.srml");
    const auto window = fixture.start();
    showPageOf(window->findChild<CardTitlesEditorPage*>());
    click(window.get(), "Button3");
    QCOMPARE(fixture.prompter.messages.size(), std::size_t(1));
    QVERIFY(fixture.prompter.messages.front().find("custom.srml") != std::string::npos);
    QVERIFY(std::filesystem::is_directory(fixture.folder().titles() / "custom.srml"));
}

void TitlesTest::secondLanguageCaptions()
{
    ProgramFixture fixture;
    fixture.language = QStringLiteral("RU");
    const auto window = fixture.start();
    showPageOf(window->findChild<CardTitlesEditorPage*>());
    QCOMPARE(widget<QGroupBox>(window.get(), "GroupBox7")->title(),
             QStringLiteral("Старшие Арканы"));
    QCOMPARE(widget<QLabel>(window.get(), "Label18")->text(), QStringLiteral("Земля"));
    QCOMPARE(widget<QLabel>(window.get(), "Label12")->text(),
             QStringLiteral("Добавить разделитель"));
    QCOMPARE(widget<QPushButton>(window.get(), "Button3")->text(),
             QStringLiteral("Сохранить названия"));
}

QTEST_MAIN(TitlesTest)
#include "titlesTest.moc"
