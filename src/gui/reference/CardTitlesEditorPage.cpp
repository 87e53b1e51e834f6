#include "gui/reference/CardTitlesEditorPage.h"

#include "core/reference/TitlesEditor.h"
#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "gui/reference/TitleSetModel.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

namespace {

// What a screen reader says for a field: its labels are bare numbers.
QString spokenName(const TitleField& field)
{
    const QString name = QString::fromStdString(field.name);
    if (field.group == TitleGroup::Blank)
        return QStringLiteral("Title of card 0, the empty card");
    if (field.group == TitleGroup::Majors)
        return QStringLiteral("Title of card %1").arg(QString::fromStdString(field.label));
    if (name.startsWith(QLatin1String("Edit")))
        return QStringLiteral("Name of the %1 suit")
            .arg(QString::fromStdString(field.label).toLower());
    if (field.index == TitleSet::kDivider)
        return QStringLiteral("Divider between rank and suit");
    return QStringLiteral("Word of rank %1").arg(field.index - TitleSet::kFirstRank + 1);
}

QLabel* labelOf(const TitleField& field, QWidget* parent)
{
    const QString name = field.labelObject.empty()
                             ? QString::fromStdString(field.name) + QStringLiteral("Label")
                             : QString::fromStdString(field.labelObject);
    return makeLabel(name, QString::fromStdString(field.label), parent);
}

} // namespace

CardTitlesEditorPage::CardTitlesEditorPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
    auto* majors =
        makeGroup(QStringLiteral("GroupBox7"), QStringLiteral("Major Arcans (Trumps)"), this);
    auto* blank = makeGroup(QStringLiteral("GroupBox8"), QStringLiteral("Empty Card"), this);
    auto* minors = makeGroup(QStringLiteral("GroupBox6"), QStringLiteral("Minor Arcans"), this);
    auto* majorsGrid = new QGridLayout(majors);
    auto* blankGrid = new QGridLayout(blank);
    auto* minorsGrid = new QGridLayout(minors);
    for (QGridLayout* grid : {majorsGrid, blankGrid, minorsGrid})
        grid->setVerticalSpacing(3);
    // A gap between the two columns of ranks.
    minorsGrid->setColumnMinimumWidth(2, 48);

    for (const TitleField& field : titleFields()) {
        QWidget* parentGroup = field.group == TitleGroup::Majors  ? majors
                               : field.group == TitleGroup::Blank ? blank
                                                                  : minors;
        QLabel* label = labelOf(field, parentGroup);
        QWidget* control = makeField(field, parentGroup);
        label->setBuddy(control);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (field.group == TitleGroup::Blank) {
            blankGrid->addWidget(label, 0, 0);
            blankGrid->addWidget(control, 0, 1);
            continue;
        }
        if (field.group == TitleGroup::Majors) {
            // Cards 1-11 on the left, 12-22 on the right.
            const int n = field.index - TitleSet::kFirstMajor;
            majorsGrid->addWidget(label, n % 11, 2 * (n / 11));
            majorsGrid->addWidget(control, n % 11, 2 * (n / 11) + 1);
            continue;
        }
        // Ranks 1-7 and 8-14 side by side; below them the suits two by two,
        // then the divider.
        if (field.index == TitleSet::kDivider) {
            minorsGrid->addWidget(label, 9, 0, 1, 3);
            minorsGrid->addWidget(control, 9, 3);
            continue;
        }
        int row = 0;
        int column = 0;
        if (field.index >= TitleSet::kFirstRank) {
            const int k = field.index - TitleSet::kFirstRank;
            row = k % 7;
            column = k / 7;
        } else {
            const int suit = field.index - TitleSet::kFirstSuit;
            row = 7 + suit / 2;
            column = suit % 2;
        }
        minorsGrid->addWidget(label, row, 2 * column);
        minorsGrid->addWidget(control, row, 2 * column + 1);
    }

    auto* settings =
        makeGroup(QStringLiteral("GroupBox9"), QStringLiteral("Save New Settings"), this);
    auto* save = makeButton(QStringLiteral("Button3"), QStringLiteral("Save Current Set as Custom"),
                            settings);
    save->setAccessibleName(save->text());
    m_defaultTitles = makeRadio(QStringLiteral("RadioDefaultCardNames"),
                                QStringLiteral("Default Card Titles"), settings);
    m_customTitles = makeRadio(QStringLiteral("RadioCustomCardNames"),
                               QStringLiteral("Custom Card Titles"), settings);
    m_defaultTitles->setAccessibleName(m_defaultTitles->text());
    m_customTitles->setAccessibleName(m_customTitles->text());
    auto* settingsLayout = new QVBoxLayout(settings);
    settingsLayout->addWidget(save);
    settingsLayout->addWidget(m_defaultTitles);
    settingsLayout->addWidget(m_customTitles);

    auto* left = new QVBoxLayout;
    left->addWidget(majors);
    left->addWidget(blank, 0, Qt::AlignLeft);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(minors);
    right->addWidget(settings);
    right->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);

    connect(save, &QPushButton::clicked, this, [this] { saveAsCustom(); });
    connect(m_defaultTitles, &QRadioButton::clicked, this, [this] { chooseTitles(true); });
    connect(m_customTitles, &QRadioButton::clicked, this, [this] { chooseTitles(false); });
    connect(&state.titles(), &TitleSetModel::fieldsReplaced, this, [this] { showFields(); });
    auto* binder = new Binder(state, this);
    binder->onRefresh([this] { refresh(); });
    binder->refresh();
    showFields();
}

QWidget* CardTitlesEditorPage::makeField(const TitleField& field, QWidget* parent)
{
    const QString name = QString::fromStdString(field.name);
    const int index = field.index;
    TitleSetModel& titles = m_state.titles();
    QWidget* control = nullptr;
    if (field.dropDown) {
        auto* dropDown = named(new QComboBox(parent), name);
        dropDown->setEditable(true);
        // The suggestions stay what they are; what is typed is the title.
        dropDown->setInsertPolicy(QComboBox::NoInsert);
        dropDown->completer()->setCompletionMode(QCompleter::PopupCompletion);
        for (const std::string& text : titleSuggestionsFor(field.name))
            dropDown->addItem(toQt(text));
        dropDown->setMinimumContentsLength(field.group == TitleGroup::Minors ? 9 : 16);
        dropDown->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(dropDown, &QComboBox::editTextChanged, this,
                [&titles, index](const QString& text) { titles.setField(index, toBytes(text)); });
        m_fields.push_back({index, dropDown, nullptr});
        control = dropDown;
    } else {
        auto* edit = named(new QLineEdit(parent), name);
        edit->setFixedWidth(index == TitleSet::kDivider ? 40 : 90);
        connect(edit, &QLineEdit::textChanged, this,
                [&titles, index](const QString& text) { titles.setField(index, toBytes(text)); });
        m_fields.push_back({index, nullptr, edit});
        control = edit;
    }
    control->setAccessibleName(spokenName(field));
    return control;
}

void CardTitlesEditorPage::showFields()
{
    const TitleSet& titles = m_state.titles().titles();
    for (const Field& field : m_fields) {
        const QString text = toQt(titles.fields[static_cast<std::size_t>(field.index)]);
        if (field.dropDown) {
            const QSignalBlocker blocker(field.dropDown);
            field.dropDown->setEditText(text);
        } else {
            const QSignalBlocker blocker(field.edit);
            field.edit->setText(text);
        }
    }
}

void CardTitlesEditorPage::saveAsCustom()
{
    guarded(m_state.prompter(), [this] { m_state.titles().saveAsCustom(); });
}

void CardTitlesEditorPage::chooseTitles(bool defaultTitles)
{
    if (m_state.preferences.defaultTitles == defaultTitles)
        return;
    // A set whose document cannot be read keeps the fields and the set in use.
    guarded(m_state.prompter(),
            [&] { m_state.titles().switchTo(defaultTitles, m_state.preferences.defaultTitles); });
    m_state.announcePreferences();
}

void CardTitlesEditorPage::refresh()
{
    const QSignalBlocker blockDefault(m_defaultTitles);
    const QSignalBlocker blockCustom(m_customTitles);
    m_defaultTitles->setChecked(m_state.preferences.defaultTitles);
    m_customTitles->setChecked(!m_state.preferences.defaultTitles);
}

} // namespace kestrava
