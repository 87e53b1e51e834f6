#include "gui/app/UpdateCheck.h"

#include "core/TextFile.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace kestrava {

namespace {
const char kVersionFile[] = "version.txt";
}

std::optional<std::string> storedNewestVersion(const ProgramFolder& folder)
{
    try {
        const Lines lines = readLines(folder.xfiles() / kVersionFile);
        if (!lines.empty())
            return lines.front();
    } catch (const std::exception&) {
        // No file yet: the label keeps its text.
    }
    return std::nullopt;
}

std::optional<std::string> checkForUpdates(const QUrl& site, const ProgramFolder& folder)
{
    QNetworkAccessManager network;
    QNetworkRequest request(site.resolved(QUrl(QStringLiteral("/version.txt"))));
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    const QByteArray body = reply->readAll();
    const bool failed = reply->error() != QNetworkReply::NoError || body.isEmpty();
    reply->deleteLater();
    if (failed)
        return std::nullopt;
    try {
        writeFileAtomically(
            folder.xfiles() / kVersionFile,
            std::string_view(body.constData(), static_cast<std::size_t>(body.size())));
    } catch (const std::exception&) {
        return std::nullopt;
    }
    return storedNewestVersion(folder);
}

} // namespace kestrava
