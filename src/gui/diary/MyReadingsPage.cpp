#include "gui/diary/MyReadingsPage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reading/ReadingSession.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <functional>

namespace kestrava {

namespace {

// Enter on the list loads the selected entry, as a double click does.
class ReadingsList : public QListWidget
{
public:
    using QListWidget::QListWidget;
    std::function<void()> onActivate;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && onActivate) {
            onActivate();
            return;
        }
        // With nothing selected the first arrow selects an end of the list,
        // even when the unselected current entry is already there.
        const int key = event->key();
        if (selectedItems().isEmpty() && count() > 0 &&
            (key == Qt::Key_Down || key == Qt::Key_Up || key == Qt::Key_Home ||
             key == Qt::Key_End)) {
            setCurrentRow(key == Qt::Key_Down || key == Qt::Key_Home ? 0 : count() - 1,
                          QItemSelectionModel::ClearAndSelect);
            return;
        }
        QListWidget::keyPressEvent(event);
    }
};

QLineEdit* addDetail(QGridLayout* layout, int row, const QString& name, const QString& caption,
                     QWidget* parent)
{
    const LabeledEdit field = makeLabeledEdit(name, caption, parent);
    field.edit->setReadOnly(true);
    layout->addWidget(field.label, row * 2, 0);
    layout->addWidget(field.edit, row * 2 + 1, 0);
    return field.edit;
}

} // namespace

MyReadingsPage::MyReadingsPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* group =
        makeGroup(QStringLiteral("GroupBoxSavedReadings"),
                  QStringLiteral("Saved KestravaReadings and ZiriVidevavi - The Diary"), this);
    m_database = makeRadio(QStringLiteral("RadioButton4"),
                           QStringLiteral("Show Saved \"KestravaReadings\" - The Database"), group);
    m_diary = makeRadio(QStringLiteral("RadioButton5"),
                        QStringLiteral("Show Saved \"ZiriVidevavi\" - The Diary"), group);

    const LabeledEdit filter =
        makeLabeledEdit(QStringLiteral("EditFilter"), QStringLiteral("Filter:"), group);
    m_filter = filter.edit;
    m_filter->setClearButtonEnabled(true);

    auto* list = named(new ReadingsList(group), QStringLiteral("FileListBox1"));
    list->onActivate = [this] {
        if (m_load->isEnabled())
            Button8Click();
    };
    m_list = list;
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setAccessibleName(QStringLiteral("Saved readings"));

    auto* details = new QGridLayout;
    m_spread =
        addDetail(details, 0, QStringLiteral("LabeledEdit12"), QStringLiteral("Spread:"), group);
    m_person =
        addDetail(details, 1, QStringLiteral("LabeledEdit8"), QStringLiteral("Person:"), group);
    m_dateTime = addDetail(details, 2, QStringLiteral("LabeledEdit9"),
                           QStringLiteral("Date and Time:"), group);
    const QString questionCaption = QStringLiteral("Question to the Cards or Notes/Comments:");
    auto* questionLabel = makeLabel(QStringLiteral("Memo1Label"), questionCaption, group);
    m_question = named(new QPlainTextEdit(group), QStringLiteral("Memo1"));
    m_question->setReadOnly(true);
    questionLabel->setBuddy(m_question);
    details->addWidget(questionLabel, 6, 0);
    details->addWidget(m_question, 7, 0);
    details->setRowStretch(7, 1);

    m_load = makeButton(QStringLiteral("Button8"), QStringLiteral("Load"), group);
    m_edit = makeButton(QStringLiteral("Button19"), QStringLiteral("Edit"), group);
    m_remove = makeButton(QStringLiteral("Button9"), QStringLiteral("Remove"), group);
    m_removeAll = makeButton(QStringLiteral("Button11"), QStringLiteral("Remove All"), group);
    m_unlock = makeCheck(QStringLiteral("CheckBoxRemoveAllUnlocked"),
                         QStringLiteral("Unlock Button"), group);
    m_removeAll->setEnabled(false);

    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(m_database);
    listColumn->addWidget(m_diary);
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(filter.label);
    filterRow->addWidget(m_filter, 1);
    listColumn->addLayout(filterRow);
    listColumn->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_load);
    buttons->addWidget(m_edit);
    buttons->addWidget(m_remove);
    buttons->addStretch();
    buttons->addWidget(m_unlock);
    buttons->addWidget(m_removeAll);

    auto* columns = new QHBoxLayout;
    columns->addLayout(listColumn, 3);
    columns->addLayout(details, 2);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addLayout(columns, 1);
    groupLayout->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);

    connect(m_filter, &QLineEdit::textChanged, this, [this] { showEntries(); });
    connect(m_list, &QListWidget::itemSelectionChanged, this, &MyReadingsPage::entrySelected);
    connect(m_list, &QListWidget::itemDoubleClicked, this, [this] {
        if (m_load->isEnabled())
            Button8Click();
    });
    connect(m_load, &QPushButton::clicked, this, &MyReadingsPage::Button8Click);
    connect(m_edit, &QPushButton::clicked, this, &MyReadingsPage::Button19Click);
    connect(m_remove, &QPushButton::clicked, this, &MyReadingsPage::Button9Click);
    connect(m_removeAll, &QPushButton::clicked, this, &MyReadingsPage::Button11Click);
    connect(m_unlock, &QCheckBox::clicked, this, &MyReadingsPage::CheckBoxRemoveAllUnlockedClick);
    connect(&state, &AppState::savedReadingsChanged, this, &MyReadingsPage::refreshList);

    auto* binder = new Binder(state, this);
    binder->bind<int>({{m_database, 1}, {m_diary, 2}}, &Preferences::savedReadingsStore);
    // Turning either store on, by a click or from code, shows that store.
    binder->onRefresh([this] {
        const Store store = storeOfSetting(m_state.preferences.savedReadingsStore);
        if (store != m_store) {
            m_store = store;
            refreshList();
        }
    });
    // The store is known before the buttons are set, so its folder is read once.
    m_store = storeOfSetting(state.preferences.savedReadingsStore);
    binder->refresh();
    refreshList();
}

Store MyReadingsPage::shownStore() const
{
    return m_store;
}

void MyReadingsPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    applyUnlockRule();
    m_list->clearSelection();
    applyButtonRule();
}

void MyReadingsPage::refreshList()
{
    m_index.reset();
    m_entries.clear();
    guarded(m_state.prompter(),
            [this] { m_entries = ReadingStore(m_state.folder(), m_store).list(); });
    showEntries();
}

void MyReadingsPage::showEntries()
{
    const std::string text = toBytes(m_filter->text());
    if (text.empty()) {
        m_shown = m_entries;
    } else {
        if (!m_index)
            m_index = indexEntries(ReadingStore(m_state.folder(), m_store), m_entries);
        m_shown = filterEntries(*m_index, text);
    }
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        for (const std::string& entry : m_shown)
            m_list->addItem(toQt(entry));
    }
    applyButtonRule();
    applyUnlockRule();
}

std::optional<std::string> MyReadingsPage::selectedEntry() const
{
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    const int row = m_list->row(selected.constFirst());
    if (row < 0 || row >= static_cast<int>(m_shown.size()))
        return std::nullopt;
    return m_shown[static_cast<std::size_t>(row)];
}

void MyReadingsPage::selectRow(int row)
{
    if (row < 0 || row >= m_list->count())
        return;
    const QSignalBlocker blocker(m_list);
    m_list->setCurrentRow(row);
    m_list->item(row)->setSelected(true);
}

void MyReadingsPage::entrySelected()
{
    const std::optional<std::string> entry = selectedEntry();
    if (entry) {
        m_spread->clear();
        m_person->clear();
        m_dateTime->clear();
        m_question->clear();
        guarded(m_state.prompter(), [&] {
            const ReadingDetails details = ReadingStore(m_state.folder(), m_store).details(*entry);
            m_spread->setText(toQt(details.spread));
            m_person->setText(toQt(details.person));
            m_dateTime->setText(toQt(details.dateTime));
            QStringList lines;
            for (const std::string& line : details.question)
                lines << toQt(line);
            m_question->setPlainText(lines.join(QLatin1Char('\n')));
            m_question->moveCursor(QTextCursor::Start);
            m_spread->setCursorPosition(0);
            m_person->setCursorPosition(0);
            m_dateTime->setCursorPosition(0);
        });
    }
    applyButtonRule();
}

void MyReadingsPage::applyButtonRule()
{
    const bool selected = selectedEntry().has_value();
    m_load->setEnabled(selected);
    m_remove->setEnabled(selected);
    m_edit->setEnabled(selected && m_store == Store::Diary);
}

void MyReadingsPage::applyUnlockRule()
{
    m_unlock->setEnabled(!m_shown.empty());
}

void MyReadingsPage::Button8Click()
{
    const std::optional<std::string> entry = selectedEntry();
    if (!entry)
        return;
    guarded(m_state.prompter(),
            [&] { m_state.session().loadEntry(ReadingStore(m_state.folder(), m_store), *entry); });
}

void MyReadingsPage::Button19Click()
{
    const std::optional<std::string> entry = selectedEntry();
    if (!entry || m_store != Store::Diary)
        return;
    emit editRequested(pathText(ReadingStore(m_state.folder(), m_store).entryPath(*entry)));
}

void MyReadingsPage::Button9Click()
{
    const std::optional<std::string> entry = selectedEntry();
    if (!entry)
        return;
    const int row = m_list->row(m_list->selectedItems().constFirst());
    guarded(m_state.prompter(), [&] { ReadingStore(m_state.folder(), m_store).remove(*entry); });
    // Listed again all the same: a file that stayed shows that it stayed.
    refreshList();
    selectRow(row);
    applyButtonRule();
}

void MyReadingsPage::CheckBoxRemoveAllUnlockedClick()
{
    m_removeAll->setEnabled(m_unlock->isChecked());
    applyUnlockRule();
}

void MyReadingsPage::Button11Click()
{
    const std::vector<std::string> entries = m_shown;
    guarded(m_state.prompter(),
            [&] { ReadingStore(m_state.folder(), m_store).removeAll(entries); });
    refreshList();
    m_unlock->setChecked(false);
    CheckBoxRemoveAllUnlockedClick();
}

} // namespace kestrava
