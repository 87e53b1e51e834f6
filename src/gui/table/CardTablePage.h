#pragma once

#include "gui/common/FullScreenPage.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

class QLabel;
class QLineEdit;
class QPrinter;
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
class CardTablePage : public QWidget, public FullScreenPage
{
    Q_OBJECT

public:
    CardTablePage(AppState& state, QWidget* parent);
    ~CardTablePage() override;

    // The container of toolbar, views and tab strip, which full screen moves
    // onto the main window.
    QWidget* panel() const { return m_panel; }
    void putPanelBack() override;
    bool isFullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on) override;

    // What the reading session changed: picture and rich text, pages, name.
    void showChange();

    void ADockTabSet();
    void Edit2Change();
    void Button4Click();
    void saveRtf();
    void saveHtml();
    void savePdf();
    void print();
    void screenshot();

    // Asks for the printer and its settings; false when the user cancels.
    // The system's print dialog unless a test stands in its own printer.
    using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;
    void setPrinterChooser(PrinterChooser chooser) { m_choosePrinter = std::move(chooser); }

signals:
    void fullScreenRequested();
    void restoreRequested();
    void newReadingRequested();
    void pdfSaved(const QString& file);

private:
    void showRendering();
    void reloadHtmlViews();
    void showReport();
    std::filesystem::path startFile() const;

    AppState& m_state;
    bool m_fullScreen = false;
    QWidget* m_panel;
    QLineEdit* m_name;
    QPushButton* m_saveSrml;
    QPushButton* m_savePdfButton;
    QPushButton* m_printButton;
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
    PrinterChooser m_choosePrinter;
    // The printer of the print job under way; the view prints onto it until it finishes.
    std::unique_ptr<QPrinter> m_printer;
};

} // namespace kestrava
