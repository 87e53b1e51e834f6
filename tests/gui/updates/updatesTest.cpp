#include "core/TextFile.h"
#include "gui/app/AppState.h"
#include "support/GuiFixture.h"

#include <QEnterEvent>
#include <QLabel>
#include <QTcpServer>
#include <QTcpSocket>

using namespace kestrava;
using namespace kestrava::test;

namespace {

// Answers every request with one fixed HTTP response and remembers the paths asked for.
class VersionServer : public QObject
{
public:
    explicit VersionServer(QByteArray response) : m_response(std::move(response))
    {
        m_server.listen(QHostAddress::LocalHost);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* socket = m_server.nextPendingConnection();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
                const QByteArray request = socket->readAll();
                paths.append(QString::fromLatin1(request.split(' ').value(1)));
                socket->write(m_response);
                socket->disconnectFromHost();
            });
        });
    }

    QUrl site() const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()));
    }

    QStringList paths;

private:
    QTcpServer m_server;
    QByteArray m_response;
};

QByteArray response(const QByteArray& status, const QByteArray& body)
{
    return "HTTP/1.1 " + status +
           "\r\nContent-Type: text/plain\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nConnection: close\r\n\r\n" + body;
}

QString text(QWidget* window, const char* label)
{
    return widget<QLabel>(window, label)->text();
}

} // namespace

class UpdatesTest : public QObject
{
    Q_OBJECT

private slots:
    void checkForUpdates_data();
    void checkForUpdates();
    void refusedConnectionChangesNothing();
    void startUpShowsTheLastVersionFile();
    void linksOpenTheSite();
    void siteLinkChangesColourUnderThePointer();
};

void UpdatesTest::checkForUpdates_data()
{
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("newest");
    QTest::newRow("served version")
        << QByteArray("200 OK") << QByteArray("9.2.0\r\nNews\r\n") << QStringLiteral("9.2.0");
    QTest::newRow("not found") << QByteArray("404 Not Found") << QByteArray("missing")
                               << QStringLiteral("XXX");
    QTest::newRow("empty body") << QByteArray("200 OK") << QByteArray() << QStringLiteral("XXX");
}

void UpdatesTest::checkForUpdates()
{
    QFETCH(QByteArray, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, newest);
    VersionServer server(response(status, body));
    ProgramFixture fixture;
    const auto window = fixture.start(server.site());
    window->pages()->setCurrentIndex(MainWindow::About);
    click(window.get(), "ButtonCheckUpdates");

    QCOMPARE(server.paths, QStringList{QStringLiteral("/version.txt")});
    QCOMPARE(text(window.get(), "LabelVersion1"), QStringLiteral("9.1.21"));
    QCOMPARE(text(window.get(), "LabelVersion2"), newest);
    const bool succeeded = newest != QLatin1String("XXX");
    const auto file = fixture.folder().xfiles() / "version.txt";
    QCOMPARE(std::filesystem::exists(file), succeeded);
    if (succeeded) {
        QCOMPARE(readFile(file), body.toStdString());
        QVERIFY(text(window.get(), "LabelVersion3").contains(QStringLiteral("14:07:00")));
        QCOMPARE(window->state().preferences.lastUpdateCheck,
                 text(window.get(), "LabelVersion3").toStdString());
    } else {
        QCOMPARE(text(window.get(), "LabelVersion3"), QStringLiteral("XXX"));
    }
    QVERIFY(fixture.prompter.messages.empty());
}

void UpdatesTest::refusedConnectionChangesNothing()
{
    QUrl site;
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        site = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort()));
    }
    ProgramFixture fixture;
    fixture.home().writeLines("xfiles/version.txt", {"9.1.30"});
    const auto window = fixture.start(site);
    click(window.get(), "ButtonCheckUpdates");
    QCOMPARE(text(window.get(), "LabelVersion2"), QStringLiteral("9.1.30"));
    QCOMPARE(text(window.get(), "LabelVersion3"), QStringLiteral("XXX"));
    QVERIFY(fixture.prompter.messages.empty());
}

void UpdatesTest::startUpShowsTheLastVersionFile()
{
    ProgramFixture fixture;
    fixture.home().writeLines("xfiles/version.txt", {"9.3.1", "later lines"});
    const auto window = fixture.start();
    QCOMPARE(text(window.get(), "LabelVersion2"), QStringLiteral("9.3.1"));
}

void UpdatesTest::linksOpenTheSite()
{
    ProgramFixture fixture;
    const QUrl site(QStringLiteral("https://kestrava.example"));
    const auto window = fixture.start(site);
    window->pages()->setCurrentIndex(MainWindow::About);
    click(window.get(), "ButtonDownloadNewest");
    QTest::mouseClick(widget<QLabel>(window.get(), "LabelWebSite"), Qt::LeftButton);
    window->pages()->setCurrentIndex(MainWindow::MyDecks);
    click(window.get(), "ButtonDMTD");
    const QUrl downloads(QStringLiteral("https://kestrava.example/en/downloads/"));
    QCOMPARE(fixture.openedUrls, (std::vector<QUrl>{downloads, site, downloads}));
}

void UpdatesTest::siteLinkChangesColourUnderThePointer()
{
    ProgramFixture fixture;
    const auto window = fixture.start();
    window->pages()->setCurrentIndex(MainWindow::About);
    auto* link = widget<QLabel>(window.get(), "LabelWebSite");
    QCOMPARE(link->toolTip(), QStringLiteral("Click to Visit WebSite"));
    QVERIFY(link->font().underline());
    QVERIFY(link->styleSheet().contains(QStringLiteral("green")));
    QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)));
    QCoreApplication::sendEvent(link, &enter);
    QVERIFY(link->styleSheet().contains(QStringLiteral("red")));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(link, &leave);
    QVERIFY(link->styleSheet().contains(QStringLiteral("green")));
}

QTEST_MAIN(UpdatesTest)
#include "updatesTest.moc"
