#include "gui/common/HtmlView.h"

#include "core/Prompter.h"
#include "core/TextFile.h"
#include "gui/common/Texts.h"
#include "pdf/DocumentPage.h"

#include <QEventLoop>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>

namespace kestrava {

namespace {

// setContent takes pages up to 2 MB; a larger one is loaded from its file.
constexpr std::uintmax_t kMaxContentBytes = 1'900'000;

} // namespace

HtmlView::HtmlView(QWidget* parent) : QWebEngineView(parent)
{
    makeDocumentOnly(*page());
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(this, &QWebEngineView::loadStarted, this, [this] { m_loading = true; });
    connect(this, &QWebEngineView::loadFinished, this, [this] { m_loading = false; });
}

void HtmlView::showFile(const std::filesystem::path& file)
{
    const QUrl url = QUrl::fromLocalFile(pathText(file));
    m_loading = true;
    // The generated pages are XHTML whatever their name (".srml" too); the
    // engine would take an unknown ending for plain text and show the markup.
    const std::string ending = file.extension().string();
    if (ending != ".html" && ending != ".htm") {
        std::error_code error;
        const auto size = std::filesystem::file_size(file, error);
        if (!error && size < kMaxContentBytes) {
            const std::string bytes = readFile(file);
            setContent(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())),
                       QStringLiteral("text/html"), url);
            return;
        }
    }
    if (url == this->url())
        reload();
    else
        load(url);
}

void HtmlView::waitUntilLoaded()
{
    if (!m_loading)
        return;
    QEventLoop loop;
    connect(this, &QWebEngineView::loadFinished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void HtmlView::saveAs(Prompter& prompter, const std::filesystem::path& start)
{
    const auto file =
        prompter.chooseSaveFile("Save As", "Web Page, HTML only (*.html *.htm)", start);
    if (!file)
        return;
    std::error_code error;
    if (std::filesystem::exists(*file, error) &&
        prompter.ask(file->string() + " already exists.\nDo you want to replace it?") !=
            Answer::Yes)
        return;
    waitUntilLoaded();
    QWebEngineProfile* profile = page()->profile();
    const QString target = pathText(*file);
    auto* guard = new QObject(this);
    Prompter* asker = &prompter;
    connect(profile, &QWebEngineProfile::downloadRequested, guard,
            [this, guard, target, asker](QWebEngineDownloadRequest* download) {
                connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this,
                        [this, download, target, asker] {
                            if (!download->isFinished())
                                return;
                            // Only a completed download is a save; anything else says why.
                            // The engine may call a download complete that wrote
                            // elsewhere (a folder in the file's place): the file must be there.
                            std::error_code error;
                            const bool written =
                                download->state() == QWebEngineDownloadRequest::DownloadCompleted &&
                                std::filesystem::is_regular_file(toPath(target), error);
                            if (written) {
                                emit saved(target);
                                return;
                            }
                            QString reason = download->interruptReasonString();
                            if (reason.isEmpty())
                                reason = QStringLiteral("The page could not be saved.");
                            asker->tell(
                                toBytes(QStringLiteral("Cannot save %1: %2").arg(target, reason)));
                            emit saveFailed(target);
                        });
                guard->deleteLater();
            });
    page()->save(target, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
}

} // namespace kestrava
