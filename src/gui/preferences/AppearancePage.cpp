#include "gui/preferences/AppearancePage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Widgets.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace kestrava {

namespace {

struct CheckRow
{
    const char* name;
    const char* caption;
    bool Preferences::*member;
};

QGroupBox* checkGroup(Binder* binder, const QString& name, const QString& caption,
                      std::initializer_list<CheckRow> rows, QWidget* parent)
{
    auto* group = makeGroup(name, caption, parent);
    auto* layout = new QVBoxLayout(group);
    for (const CheckRow& row : rows) {
        auto* box =
            makeCheck(QString::fromLatin1(row.name), QString::fromLatin1(row.caption), group);
        binder->bind(box, row.member);
        layout->addWidget(box);
    }
    layout->addStretch();
    return group;
}

} // namespace

AppearancePage::AppearancePage(AppState& state, QWidget* parent) : QWidget(parent)
{
    auto* binder = new Binder(state, this);

    auto* report =
        checkGroup(binder, QStringLiteral("GroupBoxReport"), QStringLiteral("Reading Report"),
                   {
                       {"CheckBox3", "Add Date and Time to Spread", &Preferences::addDateTime},
                       {"CheckBox11", "Add Name to Spread", &Preferences::addName},
                       {"CheckBox12", "Add Question to Spread", &Preferences::addQuestion},
                       {"CheckBox13", "Show Frames around Cards", &Preferences::showFrames},
                       {"CheckBox4", "Show Reading (Texts)", &Preferences::showTexts},
                       {"CheckBox8", "Show Card Titles under cards", &Preferences::showCardTitles},
                       {"CheckBox9", "Show Card Positions Numbers above cards",
                        &Preferences::showPositionNumbers},
                       {"CheckBox10", "Show Meanings", &Preferences::showMeanings},
                   },
                   this);

    auto* table = checkGroup(
        binder, QStringLiteral("GroupBoxCardTable"), QStringLiteral("Card Table Settings"),
        {
            {"CheckBoxHI", "Add information about the Spread to the top of Screenshot",
             &Preferences::screenshotHeader},
            {"CheckBoxFB", "Add Tiny Frame (border) around Screenshot",
             &Preferences::screenshotFrame},
            {"CheckBoxACN", "Add Card Numbers above the cards",
             &Preferences::screenshotCardNumbers},
            {"CheckBoxACT", "Add Card Titles under the cards", &Preferences::screenshotCardTitles},
        },
        this);

    auto* labels = makeGroup(QStringLiteral("GroupBoxCardLabels"),
                             QStringLiteral("Orientation of the Cards"), this);
    auto* labelsLayout = new QGridLayout(labels);
    const struct
    {
        const char* check;
        const char* edit;
        const char* caption;
        bool Preferences::*enabled;
        std::string Preferences::*text;
    } rows[] = {
        {"CheckBoxLEBlank", "LabeledEditBlank", "Blank Card Text:", &Preferences::blankLabelEnabled,
         &Preferences::blankLabel},
        {"CheckBoxLENormal", "LabeledEditNormal",
         "Normal Card Text:", &Preferences::normalLabelEnabled, &Preferences::normalLabel},
        {"CheckBoxLEReversed", "LabeledEditReversed",
         "Reversed Card Text:", &Preferences::reversedLabelEnabled, &Preferences::reversedLabel},
    };
    int line = 0;
    for (const auto& row : rows) {
        const LabeledEdit edit = makeLabeledEdit(QString::fromLatin1(row.edit),
                                                 QString::fromLatin1(row.caption), labels);
        auto* enable = makeCheck(QString::fromLatin1(row.check), QStringLiteral("Enable"), labels);
        labelsLayout->addWidget(edit.label, line, 0, 1, 2);
        labelsLayout->addWidget(edit.edit, line + 1, 0);
        labelsLayout->addWidget(enable, line + 1, 1);
        binder->bind(enable, row.enabled);
        binder->bind(edit.edit, row.text);
        line += 2;
    }
    labelsLayout->setRowStretch(line, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(table);
    right->addWidget(labels);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(report, 1);
    layout->addLayout(right, 1);
    binder->refresh();
}

} // namespace kestrava
