#include "gui/spreadedit/SpreadEditorPage.h"

#include "core/srml/SectionReader.h"
#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QListWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QStatusBar>
#include <QTableWidget>
#include <QToolTip>
#include <QUndoStack>

namespace kestrava {

namespace {

enum MergeId { NoMerge = -1, TitleEdit = 1, DescriptionEdit, CommentsEdit, MeaningEdit = 100 };

// One change of the design: the whole design before and after, so undo
// restores exactly what the user saw.
class DesignCommand : public QUndoCommand
{
public:
    DesignCommand(SpreadEditorPage& page, SpreadDesign before, SpreadDesign after, int mergeId)
        : m_page(page), m_before(std::move(before)), m_after(std::move(after)), m_id(mergeId)
    {
    }
    void undo() override { m_page.applyDesign(m_before); }
    void redo() override { m_page.applyDesign(m_after); }
    int id() const override { return m_id; }
    bool mergeWith(const QUndoCommand* other) override
    {
        m_after = static_cast<const DesignCommand*>(other)->m_after;
        return true;
    }

private:
    SpreadEditorPage& m_page;
    SpreadDesign m_before;
    SpreadDesign m_after;
    int m_id;
};

Lines hardLines(const QPlainTextEdit* edit)
{
    const QString text = edit->toPlainText();
    if (text.isEmpty())
        return {};
    Lines lines;
    for (const QString& line : text.split(QLatin1Char('\n')))
        lines.push_back(toBytes(line));
    return lines;
}

QString joined(const Lines& lines)
{
    QStringList parts;
    for (const auto& line : lines)
        parts << toQt(line);
    return parts.join(QLatin1Char('\n'));
}

QString markerName(int index, DesignPosition p)
{
    return QStringLiteral("Marker %1 at %2, %3").arg(index + 1).arg(p.left).arg(p.top);
}

} // namespace

DesignArea::DesignArea(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    setFixedSize(kDesignWidth, kDesignHeight);
    setAccessibleName(QStringLiteral("Spread design area"));
}

void DesignArea::paintEvent(QPaintEvent*)
{
    const Preferences& p = m_state.preferences;
    QPainter painter(this);
    painter.fillRect(QRect(QPoint(-1, -1), QPoint(1000, 1000)), Qt::white);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(QColor(0xE9, 0xE9, 0xE9));
    const auto lines = [&](int stepX, int stepY) {
        for (int i = 0; i < 1500; ++i) {
            for (const int x : {stepX * i - 1, stepX * i + 5})
                painter.drawLine(x, 0, x, 2200);
            for (const int y : {stepY * i - 1, stepY * i + 5})
                painter.drawLine(0, y, 2200, y);
        }
    };
    if (p.spreadEditorDashedGrid) {
        painter.setPen(QPen(QColor(0x00, 0x80, 0x00), 1, Qt::DotLine));
        lines(20, 30);
    }
    if (p.spreadEditorSolidGrid) {
        painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::SolidLine));
        lines(40, 60);
    }
    painter.setPen(Qt::black);
    const QFontMetrics metrics(painter.font());
    if (p.spreadEditorRowNumbers)
        for (int n = 1; n <= 10; ++n)
            painter.drawText(9, 60 * n - 50 + metrics.ascent(), QString::number(n));
    if (p.spreadEditorColumnNumbers)
        for (int n = 2; n <= 10; ++n)
            painter.drawText(40 * n - 31, 10 + metrics.ascent(), QString::number(n));
}

PositionMarker::PositionMarker(int index, QWidget* parent) : QFrame(parent), m_index(index)
{
    setObjectName(QStringLiteral("PCard%1").arg(index + 1));
    setFixedSize(kDesignCardWidth, kDesignCardHeight);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    auto* caption = new QLabel(QString::number(index + 1), this);
    caption->setAlignment(Qt::AlignCenter);
    caption->setGeometry(rect());
    caption->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PositionMarker::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_grip = event->position().toPoint();
    setFocus(Qt::MouseFocusReason);
}

void PositionMarker::mouseMoveEvent(QMouseEvent* event)
{
    QPoint place = pos();
    if (m_dragging)
        place = parentWidget()->mapFromGlobal(event->globalPosition().toPoint()) - m_grip;
    emit moved(m_index, snapPosition({place.x(), place.y()}));
}

void PositionMarker::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void PositionMarker::keyPressEvent(QKeyEvent* event)
{
    QPoint step;
    switch (event->key()) {
    case Qt::Key_Left:
        step = {-5, 0};
        break;
    case Qt::Key_Right:
        step = {5, 0};
        break;
    case Qt::Key_Up:
        step = {0, -5};
        break;
    case Qt::Key_Down:
        step = {0, 5};
        break;
    default:
        QFrame::keyPressEvent(event);
        return;
    }
    const QPoint place = pos() + step;
    emit moved(m_index, snapPosition({place.x(), place.y()}));
}

SpreadEditorPage::SpreadEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_undo(new QUndoStack(this))
{
    m_viewport = named(new QScrollArea(this), QStringLiteral("ScrollBoxDesign"));
    m_viewport->setFixedSize(426, 311);
    m_viewport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* frame = new QFrame;
    frame->setFixedSize(kDesignWidth + 4, kDesignHeight + 4);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    m_area = named(new DesignArea(state, frame), QStringLiteral("PaintBoxDesign"));
    m_area->move(2, 2);
    m_viewport->setWidget(frame);
    for (int i = 0; i < kMarkerCount; ++i) {
        auto* marker = new PositionMarker(i, m_area);
        m_markers[static_cast<std::size_t>(i)] = marker;
        connect(marker, &PositionMarker::moved, this, &SpreadEditorPage::markerMoved);
    }

    m_grid = named(new QTableWidget(kMarkerCount, 2, this), QStringLiteral("sg"));
    const bool russian = state.services().language == QLatin1String("RU");
    m_grid->setHorizontalHeaderLabels({russian ? QStringLiteral("№") : QStringLiteral("#"),
                                       russian ? QStringLiteral("Значение карты в раскладе")
                                               : QStringLiteral("Meaning of card in the Spread")});
    m_grid->verticalHeader()->hide();
    m_grid->setColumnWidth(0, 20);
    m_grid->setColumnWidth(1, 381);
    m_grid->setAccessibleName(QStringLiteral("Meaning of card in the Spread"));
    for (int row = 0; row < kMarkerCount; ++row) {
        m_grid->setRowHeight(row, 20);
        auto* number = new QTableWidgetItem(QString::number(row + 1));
        number->setFlags(Qt::ItemIsEnabled);
        m_grid->setItem(row, 0, number);
        m_grid->setItem(row, 1, new QTableWidgetItem);
    }

    const LabeledEdit title =
        makeLabeledEdit(QStringLiteral("LESpreadTitle"), QStringLiteral("Spread Title:"), this);
    m_title = title.edit;
    m_title->setAccessibleName(QStringLiteral("Spread Title:"));
    auto* descriptionLabel =
        makeLabel(QStringLiteral("Label54"), QStringLiteral("Spread Description:"), this);
    m_description = named(new QPlainTextEdit(this), QStringLiteral("MemoSpreadDescription"));
    m_description->setAccessibleName(QStringLiteral("Spread Description:"));
    descriptionLabel->setBuddy(m_description);
    auto* commentsLabel = makeLabel(QStringLiteral("Label55"), QStringLiteral("Comments:"), this);
    m_comments = named(new QPlainTextEdit(this), QStringLiteral("MemoSpreadComments"));
    m_comments->setAccessibleName(QStringLiteral("Comments:"));
    commentsLabel->setBuddy(m_comments);

    m_addCards = named(new QLineEdit(QStringLiteral("1"), this), QStringLiteral("LEAddCards"));
    m_addCards->setMaxLength(2);
    m_addCards->setFixedWidth(40);
    m_addCards->setAccessibleName(QStringLiteral("Number of Cards"));
    auto* setCards =
        makeButton(QStringLiteral("BAddCards"), QStringLiteral("Set Number of Cards"), this);
    m_totalCards = named(new QLineEdit(QStringLiteral("1"), this), QStringLiteral("LETotalCards"));
    m_totalCards->hide();
    auto* note = makeLabel(QStringLiteral("Label56"), QStringLiteral("* - up to 30 cards"), this);
    note->hide();
    m_trackBar = named(new QSlider(Qt::Horizontal, this), QStringLiteral("TrackBar1"));
    m_trackBar->setRange(1, kMarkerCount);
    m_trackBar->setAccessibleName(QStringLiteral("Number of Cards"));
    auto* newButton = makeButton(QStringLiteral("BNewCSpread"), QStringLiteral("New"), this);
    m_save = makeButton(QStringLiteral("BSaveCSpread"), QStringLiteral("Save"), this);
    auto* listLabel = makeLabel(QStringLiteral("Label57"), QStringLiteral("Spreads List:"), this);
    m_list = named(new QListWidget(this), QStringLiteral("FLBSpreads"));
    m_list->setAccessibleName(QStringLiteral("Spreads List:"));
    listLabel->setBuddy(m_list);
    m_load = makeButton(QStringLiteral("BLoadCSpread"), QStringLiteral("Load"), this);
    m_delete = makeButton(QStringLiteral("BDeleteCSpread"), QStringLiteral("Delete"), this);
    for (QPushButton* b : {setCards, newButton, m_save, m_load, m_delete})
        b->setAccessibleName(b->text());

    auto* layout = new QGridLayout(this);
    layout->addWidget(m_viewport, 0, 0, 8, 1);
    layout->addWidget(title.label, 0, 1, 1, 3);
    layout->addWidget(m_title, 1, 1, 1, 3);
    layout->addWidget(descriptionLabel, 2, 1, 1, 3);
    layout->addWidget(m_description, 3, 1, 1, 3);
    layout->addWidget(commentsLabel, 4, 1, 1, 3);
    layout->addWidget(m_comments, 5, 1, 1, 3);
    layout->addWidget(m_addCards, 6, 1);
    layout->addWidget(setCards, 6, 2);
    layout->addWidget(m_trackBar, 6, 3);
    layout->addWidget(newButton, 7, 1);
    layout->addWidget(m_save, 7, 2);
    layout->addWidget(m_grid, 8, 0, 4, 1);
    layout->addWidget(listLabel, 8, 1, 1, 3);
    layout->addWidget(m_list, 9, 1, 1, 3);
    layout->addWidget(m_load, 10, 1);
    layout->addWidget(m_delete, 10, 2);

    auto* undo = new QAction(this);
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(undo, &QAction::triggered, m_undo, &QUndoStack::undo);
    auto* redo = new QAction(this);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence::Redo});
    redo->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(redo, &QAction::triggered, m_undo, &QUndoStack::redo);
    addAction(undo);
    addAction(redo);

    connect(setCards, &QPushButton::clicked, this, &SpreadEditorPage::BAddCardsClick);
    connect(m_addCards, &QLineEdit::returnPressed, this, &SpreadEditorPage::BAddCardsClick);
    connect(m_trackBar, &QSlider::valueChanged, this, &SpreadEditorPage::trackBarChange);
    connect(m_trackBar, &QSlider::sliderMoved, this, [this](int p) {
        QToolTip::showText(
            m_trackBar->mapToGlobal(QPoint(m_trackBar->width() / 2, m_trackBar->height())),
            QString::number(p), m_trackBar);
    });
    connect(newButton, &QPushButton::clicked, this, &SpreadEditorPage::BNewCSpreadClick);
    connect(m_save, &QPushButton::clicked, this, &SpreadEditorPage::BSaveCSpreadClick);
    connect(m_load, &QPushButton::clicked, this, &SpreadEditorPage::BLoadCSpreadClick);
    connect(m_delete, &QPushButton::clicked, this, &SpreadEditorPage::BDeleteCSpreadClick);
    connect(m_list, &QListWidget::currentRowChanged, this, &SpreadEditorPage::refreshListButtons);
    connect(m_list, &QListWidget::itemSelectionChanged, this,
            &SpreadEditorPage::refreshListButtons);
    connect(m_title, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (m_applying)
            return;
        // The restricted symbols are the ones the save options show.
        const auto* field = window()->findChild<QLineEdit*>(QStringLiteral("LabeledEdit5"));
        const std::string symbols =
            field ? toBytes(field->text()) : std::string(kRestrictedSymbols);
        SpreadDesign after = m_design;
        after.title = cleanTitle(toBytes(text), symbols);
        if (toQt(after.title) != text) {
            const int cursor = m_title->cursorPosition();
            m_title->setText(toQt(after.title)); // re-enters with the clean text
            m_title->setCursorPosition(std::min(cursor, static_cast<int>(m_title->text().size())));
            return;
        }
        commit(after, TitleEdit);
    });
    connect(m_description, &QPlainTextEdit::textChanged, this, [this] {
        if (m_applying)
            return;
        SpreadDesign after = m_design;
        after.description = hardLines(m_description);
        commit(after, DescriptionEdit);
    });
    connect(m_comments, &QPlainTextEdit::textChanged, this, [this] {
        if (m_applying)
            return;
        SpreadDesign after = m_design;
        after.comments = hardLines(m_comments);
        commit(after, CommentsEdit);
    });
    connect(m_grid, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (m_applying || item->column() != 1)
            return;
        SpreadDesign after = m_design;
        after.meanings[static_cast<std::size_t>(item->row())] = toBytes(item->text());
        commit(after, MeaningEdit + item->row());
    });
    connect(&state.lists(), &FolderLists::changed, this, [this] { refillList(); });
    connect(&state, &AppState::preferencesChanged, m_area, qOverload<>(&QWidget::update));

    applyDesign(m_design);
    refillList();
}

void SpreadEditorPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    refreshListButtons();
}

void SpreadEditorPage::applyDesign(const SpreadDesign& design)
{
    m_applying = true;
    m_design = design;
    if (m_title->text() != toQt(design.title))
        m_title->setText(toQt(design.title));
    if (m_description->toPlainText() != joined(design.description))
        m_description->setPlainText(joined(design.description));
    if (m_comments->toPlainText() != joined(design.comments))
        m_comments->setPlainText(joined(design.comments));
    for (int row = 0; row < kMarkerCount; ++row) {
        const QString meaning = toQt(design.meanings[static_cast<std::size_t>(row)]);
        if (m_grid->item(row, 1)->text() != meaning)
            m_grid->item(row, 1)->setText(meaning);
        PositionMarker* marker = m_markers[static_cast<std::size_t>(row)];
        const DesignPosition p = design.markers[static_cast<std::size_t>(row)];
        marker->move(p.left, p.top);
        marker->setAccessibleName(markerName(row, p));
    }
    showCount(design.count);
    m_save->setEnabled(!design.title.empty());
    m_applying = false;
}

void SpreadEditorPage::showCount(int count)
{
    for (int i = 0; i < kMarkerCount; ++i)
        m_markers[static_cast<std::size_t>(i)]->setVisible(i < count);
    m_addCards->setText(QString::number(count));
    m_totalCards->setText(QString::number(count));
    const bool applying = m_applying;
    m_applying = true;
    m_trackBar->setValue(count);
    m_trackBar->setToolTip(QString::number(count));
    m_applying = applying;
}

void SpreadEditorPage::commit(SpreadDesign after, int mergeId)
{
    if (after == m_design) {
        m_save->setEnabled(!m_design.title.empty());
        return;
    }
    m_undo->push(new DesignCommand(*this, m_design, std::move(after), mergeId));
}

void SpreadEditorPage::markerMoved(int index, DesignPosition position)
{
    SpreadDesign after = m_design;
    after.markers[static_cast<std::size_t>(index)] = position;
    commit(after, NoMerge);
}

void SpreadEditorPage::BAddCardsClick()
{
    SpreadDesign after = m_design;
    after.count = appliedCount(toBytes(m_addCards->text()), m_design.count);
    if (after == m_design)
        showCount(m_design.count); // an invalid count restores the previous one
    else
        commit(after, NoMerge);
}

void SpreadEditorPage::trackBarChange(int position)
{
    if (m_applying)
        return;
    SpreadDesign after = m_design;
    after.count = position;
    commit(after, NoMerge);
}

void SpreadEditorPage::refillList(const QString& select)
{
    const QString current =
        select.isEmpty() && m_list->currentItem() ? m_list->currentItem()->text() : select;
    m_list->clear();
    for (const auto& file : listSpreadFiles(m_state.folder()))
        m_list->addItem(toQt(file));
    if (!current.isEmpty()) {
        const auto found = m_list->findItems(current, Qt::MatchExactly);
        if (!found.isEmpty())
            m_list->setCurrentItem(found.constFirst());
    }
    refreshListButtons();
}

void SpreadEditorPage::refreshListButtons()
{
    const bool selected =
        m_list->count() > 0 && m_list->currentItem() && m_list->currentItem()->isSelected();
    m_load->setEnabled(selected);
    m_delete->setEnabled(selected);
}

void SpreadEditorPage::BNewCSpreadClick()
{
    m_undo->clear();
    applyDesign(SpreadDesign{});
    m_list->clearSelection();
    m_list->setCurrentItem(nullptr);
    m_save->setEnabled(false);
    m_load->setEnabled(false);
    m_delete->setEnabled(false);
}

void SpreadEditorPage::BSaveCSpreadClick()
{
    guarded(m_state.prompter(), [this] {
        std::vector<std::string> listed;
        for (int i = 0; i < m_list->count(); ++i)
            listed.push_back(toBytes(m_list->item(i)->text()));
        const SaveOutcome outcome =
            saveDesign(m_state.folder(), m_state.prompter(), m_design, listed);
        if (outcome == SaveOutcome::NoTitle)
            return;
        if (outcome == SaveOutcome::Declined)
            m_title->setFocus();
        // The New Reading list and this one refill from the folder.
        m_state.lists().refresh();
        refillList();
    });
}

void SpreadEditorPage::BLoadCSpreadClick()
{
    if (!m_list->currentItem())
        return;
    SectionSources sources(m_state.folder());
    sources.spreadEditorFile = m_state.folder().spreads() / toPath(m_list->currentItem()->text());
    const auto* field = window()->findChild<QLineEdit*>(QStringLiteral("LabeledEdit5"));
    const std::string symbols = field ? toBytes(field->text()) : std::string(kRestrictedSymbols);
    SpreadDesign design = m_design;
    LoadReport report;
    const bool loaded =
        guarded(m_state.prompter(), [&] { report = loadDesign(sources, design, symbols); });
    m_undo->clear();
    applyDesign(design);
    if (!loaded)
        return;
    m_viewport->verticalScrollBar()->setValue(0);
    if (report.truncated) {
        const QString message =
            QStringLiteral("The spread has %1 positions; the first 30 were loaded.")
                .arg(report.positionLines);
        if (auto* main = qobject_cast<QMainWindow*>(window()))
            main->statusBar()->showMessage(message);
    }
}

void SpreadEditorPage::BDeleteCSpreadClick()
{
    const int index = m_list->currentRow();
    if (index < 0)
        return;
    const std::string file = toBytes(m_list->currentItem()->text());
    bool answeredYes = true;
    // A file that cannot go is named in the message; the list is read again all the same.
    guarded(m_state.prompter(),
            [&] { answeredYes = deleteSpreadFile(m_state.folder(), m_state.prompter(), file); });
    if (!answeredYes)
        return;
    m_state.lists().refresh();
    refillList();
    const int next = selectionAfterDelete(index, m_list->count());
    m_list->setCurrentRow(next);
    if (next < 0)
        m_list->clearSelection();
    refreshListButtons();
}

} // namespace kestrava
