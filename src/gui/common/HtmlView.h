#pragma once

#include <QWebEngineView>
#include <filesystem>

namespace kestrava {

class Prompter;

// The embedded HTML view of the generated pages. Pages are documents, not
// programs: JavaScript is off and nothing is fetched from the network, as
// description files may come from anywhere.
class HtmlView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit HtmlView(QWidget* parent = nullptr);

    // Shows a local file; showing the same file again reloads it.
    void showFile(const std::filesystem::path& file);
    bool isLoading() const { return m_loading; }
    // Waits until the page being loaded is shown.
    void waitUntilLoaded();
    // The view's own "Save As": asks for a file and writes the page shown.
    void saveAs(Prompter& prompter, const std::filesystem::path& start);

signals:
    void saved(const QString& file);
    void saveFailed(const QString& file);

private:
    bool m_loading = false;
};

} // namespace kestrava
