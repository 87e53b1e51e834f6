#include "gui/table/CardTablePage.h"

#include "core/Numbers.h"
#include "core/diary/FileNameTemplate.h"
#include "core/diary/ReadingStore.h"
#include "core/reading/RtfWriter.h"
#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Guard.h"
#include "gui/common/HtmlView.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"
#include "pdf/PagePdf.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabBar>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kestrava {

namespace {

QWidget* viewPanel(const QString& name, QWidget* view, QWidget* parent)
{
    auto* panel = named(new QWidget(parent), name);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    return panel;
}

} // namespace

CardTablePage::CardTablePage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_panel(named(new QWidget(this), QStringLiteral("Panel2")))
{
    auto* toolbar = named(new QWidget(m_panel), QStringLiteral("Panel1"));
    auto* nameLabel = makeLabel(QStringLiteral("Label49"), QStringLiteral("Name:"), toolbar);
    m_name = named(new QLineEdit(toolbar), QStringLiteral("Edit2"));
    nameLabel->setBuddy(m_name);
    m_saveSrml = makeButton(QStringLiteral("Button4"), QStringLiteral("Save SRML"), toolbar);
    auto* saveRtfButton =
        makeButton(QStringLiteral("ButtonSaveRTF"), QStringLiteral("Save RTF"), toolbar);
    auto* saveHtmlButton =
        makeButton(QStringLiteral("Button6"), QStringLiteral("Save HTML"), toolbar);
    m_savePdfButton =
        makeButton(QStringLiteral("ButtonSavePdf"), QStringLiteral("Save PDF"), toolbar);
    m_printButton = makeButton(QStringLiteral("ButtonPrint"), QStringLiteral("Print…"), toolbar);
    auto* screenshotButton =
        makeButton(QStringLiteral("ButtonScreenshot"), QStringLiteral("Screenshot"), toolbar);
    m_newReadingButton =
        makeButton(QStringLiteral("ButtonReturnNS"), QStringLiteral("New Reading"), toolbar);
    m_fullScreenButton =
        makeButton(QStringLiteral("ButtonFSV"), QStringLiteral("Full Screen"), toolbar);
    m_restoreButton =
        makeButton(QStringLiteral("ButtonNSV"), QStringLiteral("Restore Window"), toolbar);
    m_newReadingButton->hide();
    m_restoreButton->hide();
    m_saveSrml->setEnabled(false);
    auto* bar = new QHBoxLayout(toolbar);
    bar->setContentsMargins(4, 2, 4, 2);
    bar->addWidget(nameLabel);
    bar->addWidget(m_name, 1);
    for (QPushButton* button :
         {m_saveSrml, saveRtfButton, saveHtmlButton, m_savePdfButton, m_printButton,
          screenshotButton, m_newReadingButton, m_fullScreenButton, m_restoreButton})
        bar->addWidget(button);

    m_views = named(new QStackedWidget(m_panel), QStringLiteral("PanelViews"));
    m_pictureBox = named(new QScrollArea(m_views), QStringLiteral("ScrollBoxCardTable"));
    m_pictureBox->setBackgroundRole(QPalette::Base);
    m_pictureBox->setStyleSheet(QStringLiteral("QScrollArea { background: white; }"));
    m_picture = makeLabel(QStringLiteral("ImageCardTable"), QString(), m_pictureBox);
    m_pictureBox->setWidget(m_picture);
    m_report = named(new HtmlView(m_views), QStringLiteral("CppWebBrowser1"));
    m_preview = named(new HtmlView(m_views), QStringLiteral("CppWebBrowserPreview"));
    m_richText = named(new QTextEdit(m_views), QStringLiteral("RichEditPreview"));
    m_richText->setReadOnly(true);
    m_richText->setLineWrapMode(QTextEdit::NoWrap);
    m_richText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_richText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_views->addWidget(viewPanel(QStringLiteral("PanelCardTable1"), m_pictureBox, m_views));
    m_views->addWidget(viewPanel(QStringLiteral("PanelReport"), m_report, m_views));
    m_views->addWidget(viewPanel(QStringLiteral("PanelPreviewHTML"), m_preview, m_views));
    m_views->addWidget(viewPanel(QStringLiteral("PanelPreviewRTF"), m_richText, m_views));

    m_tabs = named(new QTabBar(m_panel), QStringLiteral("DockTabSet1"));
    m_tabs->setShape(QTabBar::RoundedSouth);
    m_tabs->setExpanding(false);
    for (const char* caption :
         {"Card Table", "The Report (SRML Preview)", "Export HTML Preview", "Export RTF Preview"})
        m_tabs->addTab(QString::fromLatin1(caption));

    auto* panelLayout = new QVBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    panelLayout->addWidget(toolbar);
    panelLayout->addWidget(m_views, 1);
    panelLayout->addWidget(m_tabs);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);

    auto* binder = new Binder(state, this);
    binder->onRefresh([this] {
        const int view = m_state.preferences.cardTableView;
        if (view < 0 || view >= m_tabs->count() || view == m_tabs->currentIndex())
            return;
        // Selecting a view tab from the settings switches the view at once.
        const QSignalBlocker blocker(m_tabs);
        m_tabs->setCurrentIndex(view);
        ADockTabSet();
    });
    connect(m_tabs, &QTabBar::currentChanged, this, [this](int index) {
        m_state.preferences.cardTableView = index;
        ADockTabSet();
    });
    connect(&state.session(), &ReadingSession::readingChanged, this, &CardTablePage::showChange);
    connect(m_name, &QLineEdit::textChanged, this, &CardTablePage::Edit2Change);
    connect(m_saveSrml, &QPushButton::clicked, this, &CardTablePage::Button4Click);
    connect(saveRtfButton, &QPushButton::clicked, this, &CardTablePage::saveRtf);
    connect(saveHtmlButton, &QPushButton::clicked, this, &CardTablePage::saveHtml);
    connect(m_savePdfButton, &QPushButton::clicked, this, &CardTablePage::savePdf);
    connect(m_printButton, &QPushButton::clicked, this, &CardTablePage::print);
    connect(m_report, &QWebEngineView::printFinished, this, [this](bool success) {
        m_printer.reset();
        m_printButton->setEnabled(true);
        if (!success)
            m_state.prompter().tell("The reading could not be printed.");
    });
    connect(screenshotButton, &QPushButton::clicked, this, &CardTablePage::screenshot);
    connect(m_fullScreenButton, &QPushButton::clicked, this, &CardTablePage::fullScreenRequested);
    connect(m_restoreButton, &QPushButton::clicked, this, &CardTablePage::restoreRequested);
    connect(m_newReadingButton, &QPushButton::clicked, this, &CardTablePage::newReadingRequested);
}

void CardTablePage::putPanelBack()
{
    layout()->addWidget(m_panel);
    m_panel->show();
}

CardTablePage::~CardTablePage() = default;

void CardTablePage::setFullScreen(bool on)
{
    m_fullScreen = on;
    m_fullScreenButton->setVisible(!on);
    m_restoreButton->setVisible(on);
    m_newReadingButton->setVisible(on);
    reloadHtmlViews();
}

void CardTablePage::showChange()
{
    const ReadingSession& session = m_state.session();
    const ReadingSession::Change& change = session.lastChange();
    if (change.rendered)
        showRendering();
    if (change.pagesWritten)
        reloadHtmlViews();
    if (change.named)
        m_name->setText(session.name());
}

void CardTablePage::showRendering()
{
    const QImage& picture = m_state.session().picture().image();
    m_picture->setPixmap(QPixmap::fromImage(picture));
    m_picture->resize(picture.size());
    m_pictureBox->horizontalScrollBar()->setValue(0);
    m_pictureBox->verticalScrollBar()->setValue(0);

    m_richText->clear();
    QTextCursor cursor(m_richText->document());
    bool first = true;
    for (const RichLine& line : m_state.session().richText().lines()) {
        QTextCharFormat format;
        format.setFontPointSize(line.pointSize);
        format.setFontWeight(line.bold ? QFont::Bold : QFont::Normal);
        format.setFontUnderline(line.underline);
        if (!first)
            cursor.insertBlock();
        first = false;
        cursor.insertText(toQt(line.text), format);
    }
    m_richText->moveCursor(QTextCursor::Start);
}

void CardTablePage::ADockTabSet()
{
    const int view = m_tabs->currentIndex();
    if (view < 0 || view > 3)
        return;
    m_views->setCurrentIndex(view);
    reloadHtmlViews();
}

void CardTablePage::reloadHtmlViews()
{
    m_report->showFile(m_state.reportFile());
    m_preview->showFile(m_state.previewFile());
}

void CardTablePage::Edit2Change()
{
    const QString cleaned = toQt(removeRestrictedSymbols(toBytes(m_name->text())));
    if (cleaned != m_name->text())
        m_name->setText(cleaned);
    // The saved name is trimmed, so blanks alone cannot name a file.
    m_saveSrml->setEnabled(!trimmed(toBytes(m_name->text())).empty());
}

void CardTablePage::Button4Click()
{
    guarded(m_state.prompter(), [this] {
        const ReadingStore database(m_state.folder(), Store::Database);
        if (database.save(toBytes(m_name->text()), m_state.session().reading(), m_state.prompter(),
                          kDatabaseOverwriteQuestion)) {
            // The list holds the new entry by the time success is said.
            m_state.announceSavedReadings();
            m_state.prompter().tell(kSaveSuccess);
        } else {
            m_name->setFocus();
        }
        m_state.preferences.savedReadingsStore = 1;
        m_state.announcePreferences();
    });
}

std::filesystem::path CardTablePage::startFile() const
{
    // A desktop folder that does not exist is not found: the dialog then
    // keeps its folder and starts with the name alone.
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    const std::filesystem::path name = toBytes(m_name->text());
    std::error_code error;
    if (desktop.isEmpty() || !std::filesystem::is_directory(toPath(desktop), error))
        return name;
    return toPath(desktop) / name;
}

void CardTablePage::saveRtf()
{
    guarded(m_state.prompter(), [this] {
        const auto file = m_state.prompter().chooseSaveFile(
            "Save RTF", "Rich Text Format File (*.rtf)", startFile());
        if (file)
            kestrava::saveRtf(*file, m_state.session().richText());
    });
}

void CardTablePage::saveHtml()
{
    m_tabs->setCurrentIndex(2);
    ADockTabSet();
    guarded(m_state.prompter(), [this] { m_preview->saveAs(m_state.prompter(), {}); });
}

void CardTablePage::showReport()
{
    m_tabs->setCurrentIndex(1);
    ADockTabSet();
    m_report->waitUntilLoaded();
}

void CardTablePage::savePdf()
{
    guarded(m_state.prompter(), [this] {
        Prompter& prompter = m_state.prompter();
        const auto file = prompter.chooseSaveFile("Save PDF", "PDF Document (*.pdf)", startFile());
        if (!file)
            return;
        std::error_code error;
        if (std::filesystem::exists(*file, error) &&
            prompter.ask(file->string() + " already exists.\nDo you want to replace it?") !=
                Answer::Yes)
            return;
        showReport();
        // The engine prints on its own time; one print at a time.
        m_savePdfButton->setEnabled(false);
        const QPointer<CardTablePage> self(this);
        printPageToPdf(*m_report->page(), [self, target = *file](const QByteArray& pdf) {
            if (!self)
                return;
            self->m_savePdfButton->setEnabled(true);
            guarded(self->m_state.prompter(), [&] {
                writePdf(target, pdf);
                emit self->pdfSaved(pathText(target));
            });
        });
    });
}

void CardTablePage::print()
{
    guarded(m_state.prompter(), [this] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPageLayout(readingPageLayout());
        const bool chosen = m_choosePrinter ? m_choosePrinter(*printer, this) : [&] {
            QPrintDialog dialog(printer.get(), this);
            return dialog.exec() == QDialog::Accepted;
        }();
        if (!chosen)
            return;
        showReport();
        m_printButton->setEnabled(false);
        m_printer = std::move(printer);
        m_report->print(m_printer.get());
    });
}

void CardTablePage::screenshot()
{
    guarded(m_state.prompter(), [this] {
        const auto file = m_state.prompter().chooseSaveFile(
            "Screenshot", "KAJPEG Image File (*.jpg)", startFile());
        if (!file)
            return;
        if (std::filesystem::exists(*file) &&
            m_state.prompter().ask(file->string() +
                                   " already exists.\nDo you want to replace it?") != Answer::Yes)
            return;
        m_state.session().picture().saveJpeg(*file);
    });
}

} // namespace kestrava
