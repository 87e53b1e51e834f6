#include "pdf/DocumentPage.h"

#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>

namespace kestrava {

namespace {

class LocalOnly : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override
    {
        const QString scheme = info.requestUrl().scheme();
        if (scheme != QLatin1String("file") && scheme != QLatin1String("data"))
            info.block(true);
    }
};

} // namespace

void makeDocumentOnly(QWebEnginePage& page)
{
    QWebEngineProfile* profile = page.profile();
    // One interceptor per profile, owned by it.
    if (!profile->findChild<LocalOnly*>(QString(), Qt::FindDirectChildrenOnly))
        profile->setUrlRequestInterceptor(new LocalOnly(profile));
    QWebEngineSettings* settings = page.settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadImages, true);
    settings->setAttribute(QWebEngineSettings::PrintElementBackgrounds, true);
}

} // namespace kestrava
