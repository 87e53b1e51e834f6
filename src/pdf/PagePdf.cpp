#include "pdf/PagePdf.h"

#include "core/Error.h"
#include "core/TextFile.h"
#include "pdf/DocumentPage.h"

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPageLayout>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace kestrava {

namespace {

// The engine gets this long to load and to print a page before a headless run gives up.
constexpr int kHeadlessTimeoutMs = 120'000;

QtMessageHandler previousHandler = nullptr;

// A headless run has no session, no sandbox as root and no graphics: the
// platform's and the engine's notes about that are noise on a command line's
// error output.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    for (const char* note : {"QStandardPaths:", "Sandboxing disabled by user",
                             "WebEngineContext used before", "No suitable graphics backend"})
        if (message.startsWith(QLatin1String(note)))
            return;
    if (previousHandler)
        previousHandler(type, context, message);
}

struct Wait
{
    bool finished = false;
    QEventLoop* loop = nullptr;
};

// Runs the event loop until the started work calls its finish or the time is
// up; a finish that comes later finds nothing to wake.
bool waitFor(const std::function<void(std::function<void()>)>& start)
{
    QEventLoop loop;
    auto wait = std::make_shared<Wait>();
    wait->loop = &loop;
    start([wait] {
        wait->finished = true;
        if (wait->loop)
            wait->loop->quit();
    });
    if (!wait->finished) {
        QTimer::singleShot(kHeadlessTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
    wait->loop = nullptr;
    return wait->finished;
}

} // namespace

QPageLayout readingPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

void printPageToPdf(QWebEnginePage& page, std::function<void(const QByteArray&)> done)
{
    page.printToPdf([done = std::move(done)](const QByteArray& pdf) { done(pdf); },
                    readingPageLayout());
}

void writePdf(const std::filesystem::path& file, const QByteArray& pdf)
{
    if (pdf.isEmpty())
        throw Error("Cannot save " + file.string() + ": the page could not be printed.");
    writeFileAtomically(file,
                        std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
}

void ensurePdfApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The browser engine refuses to run as root inside its sandbox.
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    previousHandler = qInstallMessageHandler(quietHandler);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    static int argc = 1;
    static char name[] = "kestrava";
    static char* argv[] = {name, nullptr};
    // Never destroyed: the engine's threads outlive main, and an application
    // torn down under them crashes the exit.
    static QGuiApplication* const app = new QGuiApplication(argc, argv);
    Q_UNUSED(app);
}

void printFileToPdf(const std::filesystem::path& file, const std::filesystem::path& pdf)
{
    ensurePdfApplication();
    // What the engine hands back outlives the page, which may still call back as it goes.
    auto loaded = std::make_shared<bool>(false);
    auto document = std::make_shared<QByteArray>();
    // A profile of its own keeps nothing on disk.
    QWebEngineProfile profile;
    QWebEnginePage page(&profile);
    makeDocumentOnly(page);

    QMetaObject::Connection loading;
    const bool loadDone = waitFor([&](std::function<void()> finish) {
        loading = QObject::connect(&page, &QWebEnginePage::loadFinished, &page,
                                   [loaded, finish](bool ok) {
                                       *loaded = ok;
                                       finish();
                                   });
        page.load(QUrl::fromLocalFile(QFile::decodeName(file.c_str())));
    });
    QObject::disconnect(loading);
    if (!loadDone || !*loaded)
        throw Error("Cannot save " + pdf.string() + ": the page " + file.string() +
                    " could not be shown.");

    const bool printDone = waitFor([&](std::function<void()> finish) {
        printPageToPdf(page, [document, finish](const QByteArray& bytes) {
            *document = bytes;
            finish();
        });
    });
    if (!printDone)
        throw Error("Cannot save " + pdf.string() + ": printing did not finish.");
    writePdf(pdf, *document);
}

void printHtmlToPdf(std::string_view html, const std::filesystem::path& pdf)
{
    ensurePdfApplication();
    const QTemporaryDir folder;
    if (!folder.isValid())
        throw Error("Cannot save " + pdf.string() + ": no temporary folder for the page (" +
                    folder.errorString().toStdString() + ").");
    const std::filesystem::path page =
        std::filesystem::path(QFile::encodeName(folder.path()).toStdString()) / "reading.html";
    writeFileAtomically(page, html);
    printFileToPdf(page, pdf);
}

} // namespace kestrava
