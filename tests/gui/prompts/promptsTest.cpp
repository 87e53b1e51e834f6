#include "gui/app/ApplicationIdentity.h"
#include "gui/app/GuiPrompter.h"
#include "support/GuiFixture.h"

#include <QApplication>
#include <QMessageBox>

using namespace kestrava;

// The boxes the program speaks through: messages are plain, under the
// program's title, with one OK button; questions ask "What to do?".
class PromptsTest : public QObject
{
    Q_OBJECT

private slots:
    void messagesArePlain();
    void questionsOfferYesNoCancel();
    void boxesWithoutAShownWindowStayOnTop();
    void captionsCarryNoSuffix();
};

void PromptsTest::messagesArePlain()
{
    const auto box = messageBox(nullptr, "Success!              ");
    QCOMPARE(box->windowTitle(), QStringLiteral("KESTRAVA"));
    QCOMPARE(box->icon(), QMessageBox::NoIcon);
    QCOMPARE(box->text(), QStringLiteral("Success!              "));
    QCOMPARE(box->standardButtons(), QMessageBox::StandardButtons(QMessageBox::Ok));
}

void PromptsTest::questionsOfferYesNoCancel()
{
    const auto box = questionBox(nullptr, "Spread with same name already exists in DataBase.\n"
                                          "Overwrite existing spread with new one?");
    QCOMPARE(box->windowTitle(), QStringLiteral("What to do?"));
    QCOMPARE(box->text(), QStringLiteral("Spread with same name already exists in DataBase.\n"
                                         "Overwrite existing spread with new one?"));
    QCOMPARE(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void PromptsTest::boxesWithoutAShownWindowStayOnTop()
{
    // At start-up the only window is the always-on-top splash: a box must not hide under it.
    QVERIFY(messageBox(nullptr, "x")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(questionBox(nullptr, "x")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(!messageBox(&window, "x")->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void PromptsTest::captionsCarryNoSuffix()
{
    // A display name of the application would make every caption read
    // "What to do? — KESTRAVA" in the title bar.
    const QString name = QCoreApplication::applicationName();
    applyApplicationIdentity(*qApp, ProgramFolder(std::filesystem::temp_directory_path()));
    QCOMPARE(QGuiApplication::applicationDisplayName(), name);
    QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("kestrava"));
}

QTEST_MAIN(PromptsTest)
#include "promptsTest.moc"
