#pragma once

#include <QWidget>

class QLabel;

namespace kestrava {

class AppState;

// The "About | Updates" page: version, components, the web-site link and the
// sub-page "Updates and News" with the update check.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    AboutPage(AppState& state, QWidget* parent);

    // Start-up: the installed version and the newest one from the last check.
    void showVersions();
    void checkForUpdatesNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setLinkColour(const char* colour);

    AppState& m_state;
    QLabel* m_link;
    QLabel* m_installed;
    QLabel* m_newest;
    QLabel* m_lastCheck;
};

} // namespace kestrava
