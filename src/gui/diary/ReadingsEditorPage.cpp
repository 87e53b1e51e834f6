#include "gui/diary/ReadingsEditorPage.h"

#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/diary/ReadingStore.h"
#include "core/reading/PageFrame.h"
#include "core/reference/DescriptionsEditor.h"
#include "gui/app/AppState.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"
#include "gui/reference/TitleSetModel.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace kestrava {

namespace fs = std::filesystem;

namespace {

constexpr int kSidePanelWidth = 185;
constexpr int kChooserHeight = 134;
constexpr int kAreaMargin = 5;

void whiten(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
}

// Text the user may have typed into; what is unchanged keeps its bytes, so a
// field the program shows in another code page is written back as it was read.
std::string typed(const QString& text, const std::string& before)
{
    return text == toQt(before) ? before : toBytes(text);
}

} // namespace

PositionPicture::PositionPicture(int position, QWidget* parent)
    : QLabel(parent), m_position(position)
{
    setObjectName(QStringLiteral("ImageC%1").arg(position));
    setFixedSize(kCardWidth, kCardHeight);
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void PositionPicture::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The keyboard's place among the positions.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

void PositionPicture::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    emit picked(m_position);
}

void PositionPicture::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit picked(m_position);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

ReadingsEditorPage::ReadingsEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state),
      m_panel(named(new QWidget(this), QStringLiteral("PanelReadingsEditor"))),
      m_scrollBox(named(new QScrollArea(m_panel), QStringLiteral("ScrollBox1"))),
      m_area(new QWidget), m_side(named(new QWidget(m_panel), QStringLiteral("Panel8")))
{
    whiten(m_scrollBox->viewport());
    whiten(m_area);
    m_scrollBox->setWidgetResizable(false);
    m_scrollBox->setWidget(m_area);
    m_scrollBox->setAccessibleName(QStringLiteral("Reading"));
    for (int i = 1; i <= kEditorPositions; ++i) {
        auto* panel = named(new QFrame(m_area), QStringLiteral("PanelC%1").arg(i));
        panel->setFrameStyle(QFrame::Box | QFrame::Plain);
        panel->setFixedSize(kCardWidth, kCardHeight);
        auto* number = new QLabel(QString::number(i), panel);
        number->setGeometry(0, 0, kCardWidth, kCardHeight);
        number->setAlignment(Qt::AlignCenter);
        auto* picture = new PositionPicture(i, panel);
        picture->move(0, 0);
        picture->raise();
        panel->hide();
        connect(picture, &PositionPicture::picked, this, &ReadingsEditorPage::selectPosition);
        m_positions[static_cast<std::size_t>(i - 1)] = {panel, picture};
    }

    m_side->setFixedWidth(kSidePanelWidth);
    m_saveAsNew =
        makeButton(QStringLiteral("ButtonSaveToDiary"), QStringLiteral("Save as New"), m_side);
    m_saveChanges = makeButton(QStringLiteral("Button20"), QStringLiteral("Save Changes"), m_side);
    m_fullScreenButton =
        makeButton(QStringLiteral("Button23"), QStringLiteral("Full Screen"), m_side);
    m_restoreButton =
        makeButton(QStringLiteral("Button24"), QStringLiteral("Restore Window"), m_side);
    m_restoreButton->hide();
    const LabeledEdit spread =
        makeLabeledEdit(QStringLiteral("LabeledEdit13"), QStringLiteral("Spread:"), m_side);
    const LabeledEdit person =
        makeLabeledEdit(QStringLiteral("LabeledEdit6"), QStringLiteral("Person:"), m_side);
    const LabeledEdit dateTime =
        makeLabeledEdit(QStringLiteral("LabeledEdit10"), QStringLiteral("Date and Time:"), m_side);
    m_spread = spread.edit;
    m_spread->setReadOnly(true);
    m_person = person.edit;
    m_dateTime = dateTime.edit;
    auto* questionLabel =
        makeLabel(QStringLiteral("Memo5Label"), QStringLiteral("Question(s) or notes:"), m_side);
    m_question = named(new QPlainTextEdit(m_side), QStringLiteral("Memo5"));
    m_question->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_question->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_question->setTabChangesFocus(true);
    questionLabel->setBuddy(m_question);
    auto* selectedLabel =
        makeLabel(QStringLiteral("LabelSelectedCard"), QStringLiteral("Selected Card is:"), m_side);
    m_selected = makeLabel(QStringLiteral("Label66"), QStringLiteral("not selected"), m_side);
    auto* chooserLabel =
        makeLabel(QStringLiteral("LabelSetCard"), QStringLiteral("Set Selected Card to:"), m_side);
    m_chooser = named(new QListWidget(m_side), QStringLiteral("ListBox8"));
    m_chooser->setFixedHeight(kChooserHeight);
    chooserLabel->setBuddy(m_chooser);
    m_chooser->setAccessibleName(chooserLabel->text());
    m_reversed =
        makeCheck(QStringLiteral("CheckBoxSetReversed"), QStringLiteral("Reversed"), m_side);
    m_set = makeButton(QStringLiteral("Button15"), QStringLiteral("Set"), m_side);
    // Narrower than a dialog button, so a longer caption of the tick still fits.
    m_set->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    m_set->setMinimumWidth(60);

    auto* selection = new QHBoxLayout;
    selection->addWidget(selectedLabel);
    selection->addWidget(m_selected, 1);
    auto* setting = new QHBoxLayout;
    setting->addWidget(m_reversed, 1);
    setting->addWidget(m_set);
    m_sideLayout = new QVBoxLayout(m_side);
    m_sideLayout->setContentsMargins(4, 4, 4, 4);
    m_sideLayout->setSpacing(2);
    m_sideLayout->addWidget(m_saveAsNew);
    m_sideLayout->addWidget(m_saveChanges);
    m_sideLayout->addWidget(m_fullScreenButton);
    m_sideLayout->addWidget(m_restoreButton);
    for (const LabeledEdit& field : {spread, person, dateTime}) {
        m_sideLayout->addWidget(field.label);
        m_sideLayout->addWidget(field.edit);
    }
    m_sideLayout->addWidget(questionLabel);
    m_sideLayout->addWidget(m_question, 1);
    m_sideLayout->addLayout(selection);
    m_sideLayout->addWidget(chooserLabel);
    m_sideLayout->addWidget(m_chooser);
    m_sideLayout->addLayout(setting);

    auto* panelLayout = new QHBoxLayout(m_panel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->setSpacing(0);
    panelLayout->addWidget(m_scrollBox, 1);
    panelLayout->addWidget(m_side);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_panel);

    connect(m_set, &QPushButton::clicked, this, &ReadingsEditorPage::Button15Click);
    connect(m_saveAsNew, &QPushButton::clicked, this, &ReadingsEditorPage::ButtonSaveToDiaryClick);
    connect(m_saveChanges, &QPushButton::clicked, this, &ReadingsEditorPage::Button20Click);
    connect(m_fullScreenButton, &QPushButton::clicked, this,
            &ReadingsEditorPage::fullScreenRequested);
    connect(m_restoreButton, &QPushButton::clicked, this, &ReadingsEditorPage::restoreRequested);
    // The chooser lists the card title list; it is refilled whenever that is rebuilt.
    connect(&state.session(), &ReadingSession::readingChanged, this,
            &ReadingsEditorPage::rebuildChooser);
    connect(&state.titles(), &TitleSetModel::loaded, this, &ReadingsEditorPage::rebuildChooser);
    connect(&state, &AppState::preferencesChanged, this, [this] {
        if (m_state.preferences.selectedDeck != m_deck ||
            m_state.preferences.defaultTitles != m_defaultTitles)
            rebuildChooser();
    });
    resetPositions();
    rebuildChooser();
}

void ReadingsEditorPage::putPanelBack()
{
    layout()->addWidget(m_panel);
    m_panel->show();
}

void ReadingsEditorPage::setFullScreen(bool on)
{
    m_fullScreen = on;
    m_fullScreenButton->setVisible(!on);
    m_restoreButton->setVisible(on);
    // In full screen the chooser takes what the taller side panel gains.
    if (on) {
        m_chooser->setMinimumHeight(kChooserHeight);
        m_chooser->setMaximumHeight(QWIDGETSIZE_MAX);
    } else {
        m_chooser->setFixedHeight(kChooserHeight);
    }
    m_sideLayout->setStretchFactor(m_chooser, on ? 2 : 0);
}

void ReadingsEditorPage::resetPositions()
{
    m_empty.load(pathText(m_state.folder().xfiles() / "empty.gif"));
    for (std::size_t i = 0; i < m_positions.size(); ++i) {
        m_positions[i].panel->hide();
        m_positions[i].picture->setPixmap(m_empty);
        m_positions[i].picture->setAccessibleName(QStringLiteral("Position %1: empty").arg(i + 1));
    }
    m_area->resize(0, 0);
}

void ReadingsEditorPage::showReading()
{
    const DiaryEntry& entry = m_editor.entry();
    resetPositions();
    for (const auto& [field, text] :
         {std::pair{m_spread, &entry.spreadName}, std::pair{m_person, &entry.person},
          std::pair{m_dateTime, &entry.dateTime}}) {
        field->setText(toQt(*text));
        field->setCursorPosition(0);
    }
    m_question->setPlainText(toQt(paneText(entry.question)));
    m_question->moveCursor(QTextCursor::Start);
    m_question->ensureCursorVisible();
    m_scrollBox->ensureVisible(0, 0);
    QSize used;
    for (int i = 1; i <= m_editor.shownPositions(); ++i) {
        const Position& position = m_positions[static_cast<std::size_t>(i - 1)];
        const CardPlace place = m_editor.place(i);
        position.panel->move(place.x, place.y);
        position.panel->show();
        used = used.expandedTo(
            QSize(place.x + kCardWidth + kAreaMargin, place.y + kCardHeight + kAreaMargin));
        m_area->resize(used);
        showPicture(i);
    }
}

void ReadingsEditorPage::showPicture(int position)
{
    PositionPicture* picture = m_positions[static_cast<std::size_t>(position - 1)].picture;
    QPixmap pixmap = m_empty;
    if (const auto file = m_editor.picture(position)) {
        if (!pixmap.load(pathText(*file)))
            throw Error("Cannot open the picture \"" + file->string() + "\".");
    }
    picture->setPixmap(pixmap);
    describe(position);
}

void ReadingsEditorPage::describe(int position)
{
    m_positions[static_cast<std::size_t>(position - 1)].picture->setAccessibleName(
        toQt(m_editor.describe(position, m_titles)));
}

void ReadingsEditorPage::rebuildChooser()
{
    m_deck = m_state.preferences.selectedDeck;
    m_defaultTitles = m_state.preferences.defaultTitles;
    // The operation that rebuilt the titles reports a title set that cannot
    // be read; the chooser then keeps what it holds.
    try {
        std::vector<std::string> titles = m_state.titleList();
        std::string size;
        if (m_deck)
            size = deckSize(m_state.selectedDeckFolder());
        const int count = std::min(chooserCardCount(size), static_cast<int>(titles.size()));
        const int chosen = m_chooser->currentRow();
        const QSignalBlocker blocker(m_chooser);
        m_chooser->clear();
        for (int i = 0; i < count; ++i)
            m_chooser->addItem(toQt(titles[static_cast<std::size_t>(i)]));
        if (chosen >= 0 && chosen < count)
            m_chooser->setCurrentRow(chosen);
        m_titles = std::move(titles);
    } catch (const std::exception&) {
        return;
    }
    for (int i = 1; i <= m_editor.shownPositions(); ++i)
        describe(i);
}

void ReadingsEditorPage::edit(const QString& entryFile)
{
    guarded(m_state.prompter(), [&] {
        const fs::path file = toPath(entryFile);
        const Lines document = readLines(file);
        checkSavedReading(document, file.string());
        const fs::path deck = m_state.selectedDeckFolder();
        if (!deckFitsReading(deckSize(deck), document, m_state.prompter()))
            return;
        m_editor.open(file, document, deck);
        showReading();
        emit showRequested();
    });
}

void ReadingsEditorPage::addExistingReading()
{
    guarded(m_state.prompter(), [&] {
        const std::optional<std::string> spread = m_state.selectedSpread();
        if (!spread)
            return;
        const Lines document = readLines(m_state.folder().spreadFile(*spread));
        m_editor.startFromSpread(document, m_state.selectedDeckFolder());
        showReading();
        emit showRequested();
    });
}

void ReadingsEditorPage::selectPosition(int position)
{
    m_editor.select(position);
    m_selected->setText(QString::number(position));
}

void ReadingsEditorPage::Button15Click()
{
    guarded(m_state.prompter(), [&] {
        std::optional<int> card;
        const QListWidgetItem* item = m_chooser->currentItem();
        if (item && item->isSelected())
            card = m_chooser->row(item);
        if (!m_editor.set(card, m_reversed->isChecked()))
            return;
        showPicture(*m_editor.selected());
    });
}

void ReadingsEditorPage::takeFields()
{
    DiaryEntry& entry = m_editor.entry();
    entry.person = typed(m_person->text(), entry.person);
    entry.dateTime = typed(m_dateTime->text(), entry.dateTime);
    const QString question = m_question->toPlainText();
    if (question != toQt(paneText(entry.question)))
        entry.question = paneLines(toBytes(question));
}

void ReadingsEditorPage::announceDiary()
{
    m_state.preferences.savedReadingsStore = settingOfStore(Store::Diary);
    m_state.announcePreferences();
    m_state.announceSavedReadings();
}

void ReadingsEditorPage::ButtonSaveToDiaryClick()
{
    takeFields();
    guarded(m_state.prompter(), [&] { m_editor.saveAsNew(m_state.prompter(), m_state.folder()); });
    announceDiary();
}

void ReadingsEditorPage::Button20Click()
{
    takeFields();
    DiarySaveOutcome outcome = DiarySaveOutcome::Declined;
    if (!guarded(m_state.prompter(),
                 [&] { outcome = m_editor.saveChanges(m_state.prompter(), m_state.folder()); }))
        return;
    if (outcome != DiarySaveOutcome::Saved)
        return;
    announceDiary();
    m_state.prompter().tell(kSaveSuccess);
}

} // namespace kestrava
