#include "gui/app/MainWindow.h"
#include "support/GuiFixture.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QTabWidget>

using namespace kestrava;
using namespace kestrava::test;

// Under a real window manager the frame has a title bar: full screen and
// back must put the frame exactly where it was, however often it is done.
class FrameTest : public QObject
{
    Q_OBJECT

private slots:
    void restoreKeepsTheFrameInPlace();
};

void FrameTest::restoreKeepsTheFrameInPlace()
{
    if (QGuiApplication::platformName() != QStringLiteral("xcb"))
        QSKIP("needs an X display with a window manager");
    ProgramFixture fixture;
    auto window = fixture.start();
    window->move(200, 150);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(window->geometry().topLeft() != window->frameGeometry().topLeft(),
                             5000);
    clickListEntry(window.get(), "ListBox3", QStringLiteral("Three Cards"));
    click(window.get(), "Button2");
    QTest::qWait(500);
    const QRect before = window->frameGeometry();

    for (int trip = 0; trip < 3; ++trip) {
        click(window.get(), "ButtonFSV");
        QTRY_VERIFY_WITH_TIMEOUT(widget<QPushButton>(window.get(), "ButtonNSV")->isVisible(), 5000);
        QTest::qWait(300);
        click(window.get(), "ButtonNSV");
        QTRY_VERIFY_WITH_TIMEOUT(widget<QPushButton>(window.get(), "ButtonFSV")->isVisible(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().size(), before.size(), 5000);
        QTRY_COMPARE_WITH_TIMEOUT(window->frameGeometry().topLeft(), before.topLeft(), 5000);
    }
    QCOMPARE(window->frameGeometry(), before);
}

QTEST_MAIN(FrameTest)
#include "frameTest.moc"
