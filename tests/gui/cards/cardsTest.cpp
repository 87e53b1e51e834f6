#include "core/jpeg/JpegFile.h"
#include "gui/app/AppState.h"
#include "gui/cards/ManualChoicePanel.h"
#include "gui/reading/ReadingSession.h"
#include "support/GuiFixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace kestrava;
using namespace kestrava::test;

namespace {

// A dark common back, so a back and a (light) card face tell apart.
void addBack(const ProgramFixture& fixture)
{
    RgbImage back;
    back.width = 70;
    back.height = 110;
    back.rgb.assign(static_cast<std::size_t>(back.width * back.height * 3), 30);
    fixture.home().writeRaw("cards/back.jpg", encodeJpegBytes(back));
}

bool showsBack(const CardBack* back)
{
    return qGray(back->pixmap().toImage().pixel(35, 55)) < 100;
}

CardBack* backWidget(QWidget* root, int k)
{
    return widget<CardBack>(root, QStringLiteral("im%1").arg(k).toLatin1().constData());
}

// The context-menu request a right-click makes on the desktop; the offscreen
// platform does not turn the click into one by itself.
void rightClickMenu(QWidget* target)
{
    const QPoint point(5, 5);
    QContextMenuEvent menu(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QCoreApplication::sendEvent(target, &menu);
}

struct Choice
{
    ProgramFixture fixture;
    std::unique_ptr<MainWindow> window;
    ManualChoicePanel* panel = nullptr;

    explicit Choice(bool faceDown, bool atBottom = false)
    {
        addBack(fixture);
        fixture.home().writeLines("spreads/Corner.srml",
                                  {"[SRML VERSION=\"1.0\" CONTENT-TYPE=\"SPREAD\"]", "[SPREAD]",
                                   "Corner", "[/SPREAD]", "[CARDS]", "3", "[/CARDS]", "[MEANINGS]",
                                   "a", "b", "c", "[/MEANINGS]", "[POSITIONS]", "5,65", "45,5",
                                   "85,125", "[/POSITIONS]", "[/SRML]"});
        window = fixture.start();
        auto* state = window->findChild<AppState*>();
        state->preferences.faceDown = faceDown;
        state->preferences.deckAtBottom = atBottom;
        state->preferences.repeatCards = true;
        state->announcePreferences();
        clickListEntry(window.get(), "ListBox3", QStringLiteral("Corner"));
        click(window.get(), "ButtonShowDeck");
        panel = window->findChild<ManualChoicePanel*>();
        QVERIFY(panel->isVisible());
    }
    AppState& state() const { return *window->findChild<AppState*>(); }
    CardBack* back(int k) const { return backWidget(window.get(), k); }
};

} // namespace

class CardsTest : public QObject
{
    Q_OBJECT

private slots:
    void picksLayPositionsInOrder();
    void faceDownUntilRevealed();
    void lastPickOpensContinue();
    void deckAtTheBottom();
    void keyboardPicksAndReveals();
};

void CardsTest::picksLayPositionsInOrder()
{
    Choice c(false);
    QVERIFY(c.fixture.prompter.messages.empty());
    QVERIFY(!c.state().preferences.repeatCards);
    QVERIFY(c.state().session().manualChoice());
    QCOMPARE(widget<QLineEdit>(c.window.get(), "tc")->text(), QStringLiteral("3"));
    QVERIFY(showsBack(c.back(40)));
    QCOMPARE(c.back(40)->accessibleName(), QStringLiteral("Card back 40"));

    QTest::mouseClick(c.back(40), Qt::LeftButton);
    QTest::mouseClick(c.back(3), Qt::LeftButton);
    QCOMPARE(c.back(40)->pos(), QPoint(15, 135)); // design 5,65
    QCOMPARE(c.back(3)->pos(), QPoint(95, 15));
    QCOMPARE(c.back(40)->parentWidget()->objectName(), QStringLiteral("Panel10"));
    QVERIFY(!showsBack(c.back(40)));
    const Lines& fortune = c.state().session().rendered().fortune;
    const auto titles = c.state().titleList();
    for (const auto& [k, p] : {std::pair{40, 0}, std::pair{3, 1}}) {
        const QString expected =
            QStringLiteral("Position %1: %2, ")
                .arg(p + 1)
                .arg(QString::fromStdString(titles[std::stoul(fortune[std::size_t(p)])]));
        QVERIFY2(c.back(k)->accessibleName().startsWith(expected),
                 qPrintable(c.back(k)->accessibleName()));
    }
    QCOMPARE(widget<QLineEdit>(c.window.get(), "cr")->text(), QStringLiteral("1"));
}

void CardsTest::faceDownUntilRevealed()
{
    Choice c(true);
    // A back still in the strip does not turn.
    QTest::mouseClick(c.back(12), Qt::RightButton);
    rightClickMenu(c.back(12));
    QVERIFY(showsBack(c.back(12)));
    QCOMPARE(c.back(12)->parentWidget()->objectName(), QStringLiteral("Panel9"));

    QTest::mouseClick(c.back(12), Qt::LeftButton);
    QVERIFY(showsBack(c.back(12)));
    QCOMPARE(c.back(12)->accessibleName(), QStringLiteral("Position 1, face down"));
    QTest::mouseClick(c.back(12), Qt::RightButton);
    rightClickMenu(c.back(12));
    QVERIFY(!showsBack(c.back(12)));
    QVERIFY(c.back(12)->accessibleName().startsWith(QStringLiteral("Position 1: ")));

    // Hovering a back in the strip drops it by 5 pixels.
    QTest::mouseMove(c.back(20), QPoint(5, 5));
    QCOMPARE(c.back(20)->y(), 10);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(c.back(20), &leave);
    QCOMPARE(c.back(20)->y(), 5);
}

void CardsTest::lastPickOpensContinue()
{
    Choice c(true);
    auto* next = widget<QPushButton>(c.window.get(), "ButtonNext");
    QVERIFY(!next->isEnabled());
    for (const int k : {1, 2, 3})
        QTest::mouseClick(c.back(k), Qt::LeftButton);
    QVERIFY(next->isEnabled());
    QVERIFY(!widget<QWidget>(c.window.get(), "Panel9")->isEnabled());
    QTest::mouseClick(c.back(4), Qt::LeftButton);
    QCOMPARE(c.back(4)->parentWidget()->objectName(), QStringLiteral("Panel9"));
    QCOMPARE(widget<QLineEdit>(c.window.get(), "cr")->text(), QStringLiteral("0"));

    QTest::mouseClick(next, Qt::LeftButton);
    QVERIFY(!c.panel->isVisible());
    QVERIFY(!c.state().session().manualChoice());
    auto* table = widget<QWidget>(c.window.get(), "TabSheet3");
    QVERIFY(table->isVisible());
}

void CardsTest::deckAtTheBottom()
{
    for (const bool bottom : {false, true}) {
        Choice c(true, bottom);
        const QWidget* strip = widget<QWidget>(c.window.get(), "Panel12");
        const QWidget* table = widget<QWidget>(c.window.get(), "ScrollBox4");
        QCOMPARE(strip->y() > table->y(), bottom);
    }
}

void CardsTest::keyboardPicksAndReveals()
{
    Choice c(true);
    QVERIFY(c.back(1)->hasFocus());
    QTest::keyClick(c.back(1), Qt::Key_Right);
    QTest::keyClick(c.back(2), Qt::Key_Right);
    QVERIFY(c.back(3)->hasFocus());
    QTest::keyClick(c.back(3), Qt::Key_Return);
    QCOMPARE(c.panel->choice().registerEntry(3), 0);
    c.back(3)->setFocus();
    QTest::keyClick(c.back(3), Qt::Key_Menu);
    QVERIFY(!showsBack(c.back(3)));
    c.back(5)->setFocus();
    QTest::keyClick(c.back(5), Qt::Key_Space);
    QCOMPARE(c.panel->choice().registerEntry(5), 1);
}

QTEST_MAIN(CardsTest)
#include "cardsTest.moc"
