#include "gui/common/HtmlView.h"
#include "support/GuiFixture.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>

using namespace kestrava;
using namespace kestrava::test;

// Generated pages and description files are documents: the embedded view
// runs no script and fetches nothing from the network.
class ViewsTest : public QObject
{
    Q_OBJECT

private slots:
    void pagesRunNoScript();
    void pagesFetchNothingRemote();
    void srmlPagesShowAsPages();
};

void ViewsTest::pagesRunNoScript()
{
    TempProgramFolder home;
    const auto page =
        home.writeLines("xfiles/page.html", {"<html><head><title>document</title></head><body>",
                                             "<script>document.title = 'script ran';</script>",
                                             "<p>text</p></body></html>"});
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QSignalSpy loaded(&view, &HtmlView::loadFinished);
    view.showFile(page);
    QVERIFY(loaded.wait(20000));
    QCOMPARE(view.title(), QStringLiteral("document"));
}

void ViewsTest::srmlPagesShowAsPages()
{
    TempProgramFolder home;
    home.writeRaw("cards/Deck/normal/1.jpg", "x");
    const auto page =
        home.writeLines("cards/preview.srml", {"<html><head><title>deck page</title></head><body>",
                                               "<p>The <b>Fool</b></p></body></html>"});
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QSignalSpy loaded(&view, &HtmlView::loadFinished);
    view.showFile(page);
    QVERIFY(loaded.wait(20000));
    QCOMPARE(view.title(), QStringLiteral("deck page"));
    QString text;
    view.page()->toPlainText([&](const QString& shown) { text = shown; });
    QTRY_VERIFY_WITH_TIMEOUT(!text.isEmpty(), 10000);
    QVERIFY(!text.contains(QStringLiteral("<b>")));
    QVERIFY(text.contains(QStringLiteral("The Fool")));
}

void ViewsTest::pagesFetchNothingRemote()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    int requests = 0;
    connect(&server, &QTcpServer::newConnection, this, [&] {
        ++requests;
        delete server.nextPendingConnection();
    });
    const QString address = QStringLiteral("http://127.0.0.1:%1/").arg(server.serverPort());
    TempProgramFolder home;
    const std::string remote = address.toStdString();
    const auto page = home.writeLines(
        "xfiles/page.html",
        {"<html><head><title>document</title>",
         "<link rel=\"stylesheet\" href=\"" + remote + "style.css\" /></head><body>",
         "<img src=\"" + remote + "picture.png\" />",
         "<iframe src=\"" + remote + "frame\"></iframe>", "</body></html>"});
    HtmlView view;
    view.resize(400, 300);
    view.show();
    QSignalSpy loaded(&view, &HtmlView::loadFinished);
    view.showFile(page);
    QVERIFY(loaded.wait(20000));
    QCoreApplication::processEvents();
    QCOMPARE(requests, 0);
}

QTEST_MAIN(ViewsTest)
#include "viewsTest.moc"
