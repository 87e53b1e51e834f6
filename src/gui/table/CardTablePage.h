#pragma once

#include <QWidget>
#include <filesystem>

class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QTabBar;
class QTextEdit;

namespace kestrava {

class AppState;
class HtmlView;

// The "Card Table" page: the four views of the current reading, the name it
// is saved under, and its exports.
class CardTablePage : public QWidget
{
    Q_OBJECT

public:
    CardTablePage(AppState& state, QWidget* parent);

    // The container of toolbar, views and tab strip, which full screen moves
    // onto the main window.
    QWidget* panel() const { return m_panel; }
    void putPanelBack();
    bool isFullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on);

    // What the reading session changed: picture and rich text, pages, name.
    void showChange();

    void ADockTabSet();
    void Edit2Change();
    void Button4Click();
    void saveRtf();
    void saveHtml();
    void screenshot();

signals:
    void fullScreenRequested();
    void restoreRequested();
    void newReadingRequested();

private:
    void showRendering();
    void reloadHtmlViews();
    std::filesystem::path startFile() const;

    AppState& m_state;
    bool m_fullScreen = false;
    QWidget* m_panel;
    QLineEdit* m_name;
    QPushButton* m_saveSrml;
    QPushButton* m_fullScreenButton;
    QPushButton* m_restoreButton;
    QPushButton* m_newReadingButton;
    QStackedWidget* m_views;
    QScrollArea* m_pictureBox;
    QLabel* m_picture;
    HtmlView* m_report;
    HtmlView* m_preview;
    QTextEdit* m_richText;
    QTabBar* m_tabs;
};

} // namespace kestrava
