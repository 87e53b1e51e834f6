#include "gui/cards/ManualChoicePanel.h"

#include "core/Error.h"
#include "core/Numbers.h"
#include "gui/app/AppState.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace kestrava {

namespace {

QPixmap loadPicture(const std::filesystem::path& path)
{
    QPixmap picture;
    if (!picture.load(toQt(path.string())))
        throw Error("Cannot open the picture \"" + path.string() + "\".");
    return picture;
}

void whiten(QWidget* widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
}

} // namespace

CardBack::CardBack(int back, QWidget* parent) : QLabel(parent), m_back(back)
{
    setObjectName(QStringLiteral("im%1").arg(back));
    setFixedSize(kBackWidth, kBackHeight);
    setScaledContents(true);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void CardBack::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        emit picked(m_back);
    else
        QLabel::mousePressEvent(event); // a right-click goes on to the context menu
}

void CardBack::mouseMoveEvent(QMouseEvent*)
{
    emit hovered(m_back, true);
}

void CardBack::leaveEvent(QEvent*)
{
    emit hovered(m_back, false);
}

void CardBack::contextMenuEvent(QContextMenuEvent*)
{
    emit revealed(m_back);
}

void CardBack::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit picked(m_back);
        return;
    case Qt::Key_Menu:
        emit revealed(m_back);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        emit focusStep(m_back, -1);
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit focusStep(m_back, 1);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void CardBack::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // The focus frame shows which back Enter would pick.
    QPainter painter(this);
    painter.setPen(QPen(QColor(0x00, 0x60, 0xC0), 3));
    painter.drawRect(rect().adjusted(1, 1, -2, -2));
}

ManualChoicePanel::ManualChoicePanel(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_strip = named(new QWidget(this), QStringLiteral("Panel12"));
    whiten(m_strip);
    m_strip->setFixedHeight(kBackHeight + 30);
    m_stripScroll = named(new QScrollArea(m_strip), QStringLiteral("ScrollBox5"));
    m_stripScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_stripScroll->setFrameShape(QFrame::NoFrame);
    m_fan = named(new QWidget, QStringLiteral("Panel9"));
    whiten(m_fan);
    m_fan->setFixedSize(kStripWidth, kBackHeight + 12);
    m_stripScroll->setWidget(m_fan);

    m_controls = named(new QWidget(m_strip), QStringLiteral("Panel11"));
    auto* totalLabel = makeLabel(QStringLiteral("Label78"), QStringLiteral("Total Cards:"), this);
    m_total = named(new QLineEdit(m_controls), QStringLiteral("tc"));
    auto* remainLabel = makeLabel(QStringLiteral("Label79"), QStringLiteral("Cards Remain:"), this);
    m_remain = named(new QLineEdit(m_controls), QStringLiteral("cr"));
    for (auto [label, edit] : {std::pair{totalLabel, m_total}, std::pair{remainLabel, m_remain}}) {
        edit->setReadOnly(true);
        edit->setFixedWidth(40);
        edit->setAccessibleName(label->text());
        label->setBuddy(edit);
    }
    m_next = makeButton(QStringLiteral("ButtonNext"), QStringLiteral("Continue"), m_controls);
    m_fullScreen =
        makeButton(QStringLiteral("ButtonFSV2"), QStringLiteral("Full Screen"), m_controls);
    m_restore =
        makeButton(QStringLiteral("ButtonNSV2"), QStringLiteral("Restore Window"), m_controls);
    for (QPushButton* b : {m_next, m_fullScreen, m_restore})
        b->setAccessibleName(b->text());
    m_restore->hide();
    auto* controls = new QGridLayout(m_controls);
    controls->addWidget(totalLabel, 0, 0);
    controls->addWidget(m_total, 0, 1);
    controls->addWidget(remainLabel, 1, 0);
    controls->addWidget(m_remain, 1, 1);
    controls->addWidget(m_next, 2, 0, 1, 2);
    controls->addWidget(m_fullScreen, 3, 0, 1, 2);
    controls->addWidget(m_restore, 3, 0, 1, 2);
    auto* stripLayout = new QHBoxLayout(m_strip);
    stripLayout->setContentsMargins(0, 0, 0, 0);
    stripLayout->addWidget(m_stripScroll, 1);
    stripLayout->addWidget(m_controls);

    m_tableScroll = named(new QScrollArea(this), QStringLiteral("ScrollBox4"));
    m_table = named(new QWidget, QStringLiteral("Panel10"));
    whiten(m_table);
    whiten(m_tableScroll->viewport());
    m_tableScroll->setWidget(m_table);
    m_tableScroll->setAccessibleName(QStringLiteral("Choice table"));

    for (int k = 1; k <= kBackCount; ++k) {
        auto* back = new CardBack(k, m_fan);
        m_backs[static_cast<std::size_t>(k - 1)] = back;
        connect(back, &CardBack::picked, this, &ManualChoicePanel::pick);
        connect(back, &CardBack::revealed, this, &ManualChoicePanel::reveal);
        connect(back, &CardBack::hovered, this, &ManualChoicePanel::hover);
        connect(back, &CardBack::focusStep, this, &ManualChoicePanel::stepFocus);
    }
    connect(m_next, &QPushButton::clicked, this, &ManualChoicePanel::ButtonNextClick);
    connect(m_fullScreen, &QPushButton::clicked, this, [this] { setFullScreen(true); });
    connect(m_restore, &QPushButton::clicked, this, [this] { setFullScreen(false); });
}

void ManualChoicePanel::start(const std::string& question)
{
    Preferences& p = m_state.preferences;
    p.repeatCards = false;
    p.useBlankCards = false;
    m_state.announcePreferences();
    m_stripScroll->horizontalScrollBar()->setValue(0);
    ReadingSession& session = m_state.session();
    session.setManualChoice(true);
    if (p.fullScreenManualChoice)
        setFullScreen(true);
    emit pagesHiddenRequested(true);
    guarded(m_state.prompter(), [&] { session.deal(question); });

    const RenderResult& rendered = session.rendered();
    m_choice.start(p.cardSet, p.faceDown, session.hasRendering() ? rendered.fortune : Lines(),
                   session.hasRendering() ? rendered.mirrors : Lines(), m_state.layoutLefts,
                   m_state.layoutTops);
    m_next->setEnabled(false);

    m_layout->removeWidget(m_strip);
    m_layout->removeWidget(m_tableScroll);
    if (p.deckAtBottom) {
        m_layout->addWidget(m_tableScroll, 1);
        m_layout->addWidget(m_strip);
    } else {
        m_layout->addWidget(m_strip);
        m_layout->addWidget(m_tableScroll, 1);
    }
    m_fan->move(0, 0);
    m_fan->setEnabled(true);
    m_stripScroll->setHorizontalScrollBarPolicy(stripScrolls(p.cardSet) ? Qt::ScrollBarAsNeeded
                                                                        : Qt::ScrollBarAlwaysOff);
    const Layout& layout = rendered.layout;
    m_table->setFixedSize(std::max(layout.choiceRangeX, 1), std::max(layout.choiceRangeY, 1));
    show();

    guarded(m_state.prompter(), [&] {
        m_backPicture =
            loadPicture(backPicture(m_state.folder(), session.deckFolder(), p.customBackAlways));
    });
    for (int k = 1; k <= kBackCount; ++k) {
        CardBack* back = m_backs[static_cast<std::size_t>(k - 1)];
        back->setParent(m_fan);
        back->setPixmap(m_backPicture);
        const TablePoint place = stripPlace(k);
        back->move(place.x, place.y);
        back->setVisible(m_choice.isShown(k));
        back->raise();
        nameBack(k);
    }
    showCounts();
    if (m_choice.isShown(1))
        m_backs[0]->setFocus(Qt::OtherFocusReason);
}

void ManualChoicePanel::pick(int back)
{
    if (!m_fan->isEnabled())
        return;
    guarded(m_state.prompter(), [&] {
        if (!m_choice.inStrip(back))
            return;
        const int position = m_choice.total() - m_choice.remaining();
        // The face is read before the back moves, so a missing picture lays nothing.
        QPixmap face;
        if (!m_state.preferences.faceDown)
            face = loadPicture(m_choice.cardPicture(m_state.session().deckFolder(), position));
        if (!m_choice.pick(back))
            return;
        CardBack* widget = m_backs[static_cast<std::size_t>(back - 1)];
        widget->setParent(m_table);
        const TablePoint place = m_choice.tablePlace(back);
        widget->move(place.x, place.y);
        if (!face.isNull())
            widget->setPixmap(face);
        widget->show();
        nameBack(back);
    });
    showCounts();
}

void ManualChoicePanel::reveal(int back)
{
    if (m_choice.inStrip(back) || m_choice.registerEntry(back) == kUnplaced)
        return;
    guarded(m_state.prompter(), [&] {
        const QPixmap face = loadPicture(
            m_choice.cardPicture(m_state.session().deckFolder(), m_choice.registerEntry(back)));
        m_choice.reveal(back);
        m_backs[static_cast<std::size_t>(back - 1)]->setPixmap(face);
        nameBack(back);
    });
}

void ManualChoicePanel::hover(int back, bool over)
{
    if (!m_choice.inStrip(back) || !m_fan->isEnabled())
        return;
    const TablePoint place = stripPlace(back, over);
    m_backs[static_cast<std::size_t>(back - 1)]->move(place.x, place.y);
}

void ManualChoicePanel::stepFocus(int back, int step)
{
    const bool inStrip = m_choice.inStrip(back);
    for (int k = back + step; k >= 1 && k <= kBackCount; k += step) {
        const bool candidate =
            inStrip ? m_choice.inStrip(k) : m_choice.registerEntry(k) != kUnplaced;
        if (candidate) {
            CardBack* target = m_backs[static_cast<std::size_t>(k - 1)];
            target->setFocus(Qt::TabFocusReason);
            if (inStrip)
                m_stripScroll->ensureWidgetVisible(target);
            else
                m_tableScroll->ensureWidgetVisible(target);
            return;
        }
    }
}

void ManualChoicePanel::nameBack(int back)
{
    CardBack* widget = m_backs[static_cast<std::size_t>(back - 1)];
    const int position = m_choice.registerEntry(back);
    if (position == kUnplaced) {
        widget->setAccessibleName(QStringLiteral("Card back %1").arg(back));
        return;
    }
    if (!m_choice.isFaceUp(back)) {
        widget->setAccessibleName(QStringLiteral("Position %1, face down").arg(position + 1));
        return;
    }
    QString title = toQt(m_choice.identifier(position));
    int id = 0;
    const std::vector<std::string> titles = m_state.titleList();
    if (tryToInteger(m_choice.identifier(position), id) && id >= 0 &&
        id < static_cast<int>(titles.size()))
        title = toQt(titles[static_cast<std::size_t>(id)]);
    widget->setAccessibleName(QStringLiteral("Position %1: %2, %3")
                                  .arg(position + 1)
                                  .arg(title, toQt(m_choice.orientation(position))));
}

void ManualChoicePanel::showCounts()
{
    m_total->setText(QString::number(m_choice.total()));
    m_remain->setText(QString::number(m_choice.remaining()));
    if (m_choice.canContinue()) {
        m_fan->setEnabled(false);
        m_next->setEnabled(true);
        m_next->setFocus(Qt::OtherFocusReason);
    }
}

void ManualChoicePanel::setFullScreen(bool on)
{
    m_fullScreen->setVisible(!on);
    m_restore->setVisible(on);
    if (on) {
        emit fullScreenRequested();
    } else {
        emit restoreRequested();
        // The window restores its pages; the choice keeps them hidden.
        if (m_state.session().manualChoice())
            emit pagesHiddenRequested(true);
    }
}

void ManualChoicePanel::ButtonNextClick()
{
    m_state.session().setManualChoice(false);
    if (m_restore->isVisible())
        setFullScreen(false);
    hide();
    emit pagesHiddenRequested(false);
    emit finished();
}

} // namespace kestrava
