#include "gui/app/AboutPage.h"

#include "gui/app/AppState.h"
#include "gui/app/UpdateCheck.h"
#include "gui/app/Version.h"
#include "gui/common/Binder.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QDate>
#include <QEvent>
#include <QGridLayout>
#include <QListWidget>
#include <QLocale>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTime>
#include <QVBoxLayout>

namespace kestrava {

namespace {

QString nowText(const Clock& clock)
{
    const DateTime now = clock.now();
    const QLocale locale;
    return locale.toString(QDate(now.year, now.month, now.day), QLocale::ShortFormat) +
           QLatin1Char(' ') +
           locale.toString(QTime(now.hour, now.minute, now.second), QStringLiteral("HH:mm:ss"));
}

} // namespace

AboutPage::AboutPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* name = makeLabel(QStringLiteral("LabelProgramName"), QStringLiteral("Kestrava"), this);
    QFont big = name->font();
    big.setPointSize(20);
    big.setBold(true);
    name->setFont(big);
    auto* version = makeLabel(QStringLiteral("LabelAssembly"), QString(), this);
    version->setText(kVersionLine);
    m_link = makeLabel(QStringLiteral("LabelWebSite"), state.services().site.toString(), this);
    m_link->setToolTip(QStringLiteral("Click to Visit WebSite"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);
    QFont underlined = m_link->font();
    underlined.setUnderline(true);
    m_link->setFont(underlined);
    setLinkColour("green");
    auto* language =
        makeLabel(QStringLiteral("Label64"), QStringLiteral("Language: English_US"), this);
    language->hide();

    auto* componentsLabel =
        makeLabel(QStringLiteral("LabelComponents"), QStringLiteral("Components:"), this);
    auto* components = named(new QListWidget(this), QStringLiteral("ListBoxComponents"));
    components->addItems(kComponents);
    components->setMaximumWidth(300);

    auto* pages = named(new QTabWidget(this), QStringLiteral("PageControlAbout"));
    auto* updates = named(new QWidget(pages), QStringLiteral("TabSheetUpdates"));
    pages->addTab(updates, QStringLiteral("Updates and News"));
    m_installed = makeLabel(QStringLiteral("LabelVersion1"), QStringLiteral("XXX"), updates);
    m_newest = makeLabel(QStringLiteral("LabelVersion2"), QStringLiteral("XXX"), updates);
    m_lastCheck = makeLabel(QStringLiteral("LabelVersion3"), QStringLiteral("XXX"), updates);
    auto* check = makeButton(QStringLiteral("ButtonCheckUpdates"),
                             QStringLiteral("Check For Updates Now!"), updates);
    auto* download = makeButton(QStringLiteral("ButtonDownloadNewest"),
                                QStringLiteral("Download the Newest Version"), updates);
    auto* automatic = makeCheck(QStringLiteral("CheckBoxAutoUpdate"),
                                QStringLiteral("Check for updates automatically"), updates);
    automatic->setEnabled(false);

    auto* grid = new QGridLayout(updates);
    grid->addWidget(new QLabel(QStringLiteral("Installed Version:"), updates), 0, 0);
    grid->addWidget(m_installed, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Newest Version:"), updates), 1, 0);
    grid->addWidget(m_newest, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Date and Time of the last Check: "), updates), 2, 0);
    grid->addWidget(m_lastCheck, 2, 1);
    grid->addWidget(check, 3, 0);
    grid->addWidget(download, 3, 1, Qt::AlignLeft);
    grid->addWidget(automatic, 4, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(5, 1);

    auto* top = new QGridLayout;
    top->addWidget(name, 0, 0);
    top->addWidget(version, 1, 0);
    top->addWidget(m_link, 2, 0);
    top->addWidget(language, 3, 0);
    top->addWidget(componentsLabel, 0, 1);
    top->addWidget(components, 1, 1, 4, 1);
    top->setColumnStretch(0, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(pages, 1);

    connect(check, &QPushButton::clicked, this, &AboutPage::checkForUpdatesNow);
    connect(download, &QPushButton::clicked, this,
            [this] { m_state.openSitePage(QStringLiteral("/en/downloads/")); });
    auto* binder = new Binder(state, this);
    binder->onRefresh([this] { m_lastCheck->setText(toQt(m_state.preferences.lastUpdateCheck)); });
    binder->refresh();
}

void AboutPage::showVersions()
{
    m_installed->setText(QStringLiteral(KESTRAVA_VERSION));
    if (const auto newest = storedNewestVersion(m_state.folder()))
        m_newest->setText(toQt(*newest));
}

void AboutPage::checkForUpdatesNow()
{
    const auto newest = checkForUpdates(m_state.services().site, m_state.folder());
    if (!newest)
        return;
    m_newest->setText(toQt(*newest));
    m_state.preferences.lastUpdateCheck = toBytes(nowText(m_state.clock()));
    m_state.announcePreferences();
}

bool AboutPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_link) {
        switch (event->type()) {
        case QEvent::Enter:
        case QEvent::MouseMove:
            setLinkColour("red");
            break;
        case QEvent::Leave:
            setLinkColour("green");
            break;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                m_state.services().openUrl)
                m_state.services().openUrl(m_state.services().site);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void AboutPage::setLinkColour(const char* colour)
{
    m_link->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(colour)));
}

} // namespace kestrava
