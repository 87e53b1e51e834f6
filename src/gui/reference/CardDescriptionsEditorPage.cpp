#include "gui/reference/CardDescriptionsEditorPage.h"

#include "core/Error.h"
#include "core/cards/Card.h"
#include "core/reference/CardTools.h"
#include "gui/app/AppState.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"
#include "gui/reference/TitleSetModel.h"

#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

namespace {

constexpr int kPictureWidth = 90;
constexpr int kPictureHeight = 150;

QPlainTextEdit* makePane(const QString& name, const QString& caption, QWidget* parent)
{
    auto* pane = named(new QPlainTextEdit(parent), name);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    pane->setAccessibleName(caption);
    return pane;
}

QLabel* makePicture(const QString& name, QWidget* parent)
{
    auto* picture = named(new QLabel(parent), name);
    picture->setFixedSize(kPictureWidth, kPictureHeight);
    picture->setAlignment(Qt::AlignCenter);
    return picture;
}

} // namespace

CardDescriptionsEditorPage::CardDescriptionsEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state), m_editor(state.folder()),
      m_cards(named(new QListWidget(this), QStringLiteral("ListBox4"))),
      m_deck(state.preferences.selectedDeck)
{
    m_cards->setAccessibleName(QStringLiteral("Cards"));
    m_cards->setFixedWidth(220);
    auto* normalGroup = makeGroup(QStringLiteral("GroupBox13"),
                                  QStringLiteral("Normal Position of the Card"), this);
    auto* reversedGroup =
        makeGroup(QStringLiteral("GroupBox14"), QStringLiteral("Reversed Card"), this);
    m_normalPicture = makePicture(QStringLiteral("Image1"), normalGroup);
    m_normal = makePane(QStringLiteral("Memo6"), QStringLiteral("Normal Position of the Card"),
                        normalGroup);
    m_reversed = makePane(QStringLiteral("Memo8"), QStringLiteral("Reversed Card"), reversedGroup);
    m_reversedPicture = makePicture(QStringLiteral("Image2"), reversedGroup);
    m_save = makeButton(QStringLiteral("Button10"), QStringLiteral("Save"), this);
    m_save->setAccessibleName(m_save->text());
    auto* note = makeLabel(
        QStringLiteral("StaticText1"),
        QStringLiteral("Note: to use these card's descriptions - You should select \"Custom Card "
                       "Descriptions\" option in the Program Options Page."),
        this);
    note->setWordWrap(true);
    note->setAccessibleName(note->text());

    auto* normalLayout = new QHBoxLayout(normalGroup);
    normalLayout->addWidget(m_normalPicture, 0, Qt::AlignTop);
    normalLayout->addWidget(m_normal, 1);
    auto* reversedLayout = new QHBoxLayout(reversedGroup);
    reversedLayout->addWidget(m_reversed, 1);
    reversedLayout->addWidget(m_reversedPicture, 0, Qt::AlignTop);
    auto* right = new QVBoxLayout;
    right->addWidget(normalGroup, 1);
    right->addWidget(reversedGroup, 1);
    right->addWidget(m_save, 0, Qt::AlignLeft);
    right->addWidget(note);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(m_cards);
    layout->addLayout(right, 1);

    connect(m_cards, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { selectCard(m_cards->row(item)); });
    connect(m_save, &QPushButton::clicked, this, [this] { save(); });
    // A deal, a load, another deck or another title set rebuilds the titles.
    connect(&state.session(), &ReadingSession::readingChanged, this, [this] { rebuild(); });
    connect(&state.titles(), &TitleSetModel::loaded, this, [this] { rebuild(); });
    connect(&state, &AppState::preferencesChanged, this, [this] {
        if (m_state.preferences.selectedDeck != m_deck)
            rebuild();
    });
    rebuild();
}

CardTexts CardDescriptionsEditorPage::panes() const
{
    return {paneLines(toBytes(m_normal->toPlainText())),
            paneLines(toBytes(m_reversed->toPlainText()))};
}

void CardDescriptionsEditorPage::rebuild()
{
    m_deck = m_state.preferences.selectedDeck;
    const bool reset =
        guarded(m_state.prompter(), [&] { m_editor.reset(panes(), m_state.prompter()); });
    // A deck folder that cannot be listed keeps the card list as it is.
    try {
        const std::vector<std::string> titles = m_state.titleList();
        std::string size;
        if (m_deck)
            size = deckSize(m_state.selectedDeckFolder());
        if (const auto entries = cardPickerEntries(titles, size)) {
            const QSignalBlocker blocker(m_cards);
            m_cards->clear();
            for (std::size_t i = 0; i < entries->size(); ++i) {
                auto* item = new QListWidgetItem(toQt((*entries)[i]), m_cards);
                item->setData(Qt::AccessibleTextRole,
                              QStringLiteral("Card %1: %2").arg(i + 1).arg(item->text()));
            }
        }
    } catch (const std::exception&) {
    }
    // A save that failed keeps the card and its edits on screen.
    if (!reset)
        return;
    m_normal->clear();
    m_reversed->clear();
    showEmpty();
    m_save->setEnabled(false);
}

void CardDescriptionsEditorPage::showEmpty()
{
    const QPixmap empty(pathText(m_state.folder().xfiles() / "empty.gif"));
    for (QLabel* picture : {m_normalPicture, m_reversedPicture}) {
        picture->setPixmap(empty);
        picture->setAccessibleName(QStringLiteral("No card"));
    }
}

void CardDescriptionsEditorPage::showPicture(QLabel* picture, const std::filesystem::path& file,
                                             const QString& what)
{
    QPixmap pixmap(pathText(file));
    if (pixmap.isNull())
        throw Error("Cannot open file \"" + file.string() + "\".");
    if (pixmap.width() > kPictureWidth || pixmap.height() > kPictureHeight)
        pixmap = pixmap.scaled(kPictureWidth, kPictureHeight, Qt::KeepAspectRatio,
                               Qt::SmoothTransformation);
    picture->setPixmap(pixmap);
    picture->setAccessibleName(what);
}

void CardDescriptionsEditorPage::selectCard(int row)
{
    if (row < 0)
        return;
    const int card = row + 1;
    m_normal->clear();
    m_reversed->clear();
    guarded(m_state.prompter(), [&] {
        const CardTexts texts = m_editor.select(card);
        m_normal->setPlainText(toQt(paneText(texts.normal)));
        m_reversed->setPlainText(toQt(paneText(texts.reversed)));
        const auto deck = m_state.selectedDeckFolder();
        const QString title = m_cards->item(row)->text();
        showPicture(m_normalPicture, cardPicturePath(deck, kNormal, std::to_string(card)),
                    QStringLiteral("Card %1: %2").arg(card).arg(title));
        showPicture(m_reversedPicture, cardPicturePath(deck, kReversed, std::to_string(card)),
                    QStringLiteral("Card %1: %2, reversed").arg(card).arg(title));
        m_save->setEnabled(true);
        m_normal->moveCursor(QTextCursor::Start);
        m_reversed->moveCursor(QTextCursor::Start);
    });
}

void CardDescriptionsEditorPage::save()
{
    if (m_cards->currentRow() < 0 && !m_editor.card())
        return;
    guarded(m_state.prompter(), [&] { m_editor.save(panes()); });
}

} // namespace kestrava
