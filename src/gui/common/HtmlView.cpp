#include "gui/common/HtmlView.h"

#include "core/Prompter.h"
#include "core/TextFile.h"
#include "gui/common/Texts.h"
#include "pdf/DocumentPage.h"

#include <QEventLoop>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <memory>

namespace kestrava {

namespace {

// setContent takes pages up to 2 MB; a larger one is loaded from its file.
constexpr std::uintmax_t kMaxContentBytes = 1'900'000;

// Why a save failed, in the program's own words: the engine's own texts come
// from resources that are not always there.
QString failureText(QWebEngineDownloadRequest::DownloadInterruptReason reason)
{
    using R = QWebEngineDownloadRequest;
    switch (reason) {
    case R::FileAccessDenied:
        return QStringLiteral("access to the file was denied.");
    case R::FileNoSpace:
        return QStringLiteral("the disk is full.");
    case R::FileNameTooLong:
        return QStringLiteral("the file name is too long.");
    case R::FileTooLarge:
        return QStringLiteral("the file is too large for the disk.");
    case R::UserCanceled:
        return QStringLiteral("the save was cancelled.");
    default:
        return QStringLiteral("the page could not be written.");
    }
}

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
                // The engine reports the end of a download through several
                // signals in an order of its own; the first one that finds it
                // over settles it, once.
                auto settled = std::make_shared<bool>(false);
                const auto settle = [this, download, target, asker, settled] {
                    const auto state = download->state();
                    if (*settled || !download->isFinished() ||
                        (state != QWebEngineDownloadRequest::DownloadCompleted &&
                         state != QWebEngineDownloadRequest::DownloadCancelled &&
                         state != QWebEngineDownloadRequest::DownloadInterrupted))
                        return;
                    *settled = true;
                    // Only a completed download is a save; anything else says why.
                    // The engine may call a download complete that wrote
                    // elsewhere (a folder in the file's place): the file must be there.
                    std::error_code error;
                    if (state == QWebEngineDownloadRequest::DownloadCompleted &&
                        std::filesystem::is_regular_file(toPath(target), error)) {
                        emit saved(target);
                        return;
                    }
                    asker->tell(
                        toBytes(QStringLiteral("Cannot save %1: %2")
                                    .arg(target, failureText(download->interruptReason()))));
                    emit saveFailed(target);
                };
                connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, settle);
                connect(download, &QWebEngineDownloadRequest::stateChanged, this, settle);
                guard->deleteLater();
            });
    page()->save(target, QWebEngineDownloadRequest::SingleHtmlSaveFormat);
}

} // namespace kestrava
