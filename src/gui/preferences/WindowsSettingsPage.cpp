#include "gui/preferences/WindowsSettingsPage.h"

#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace kestrava {

namespace {

QCheckBox* boundCheck(Binder* binder, const char* name, const char* caption,
                      bool Preferences::*member, QWidget* parent)
{
    auto* box = makeCheck(QString::fromLatin1(name), QString::fromLatin1(caption), parent);
    binder->bind(box, member);
    return box;
}

} // namespace

WindowsSettingsPage::WindowsSettingsPage(AppState& state, QWidget* parent)
    : QWidget(parent), m_state(state)
{
    auto* binder = new Binder(state, this);

    auto* windows =
        makeGroup(QStringLiteral("GroupBox15"), QStringLiteral("Window settings"), this);
    auto* windowsLayout = new QVBoxLayout(windows);
    windowsLayout->addWidget(boundCheck(binder, "CheckBox6",
                                        "Always Full Screen Mode for Card Table",
                                        &Preferences::fullScreenCardTable, windows));
    windowsLayout->addWidget(boundCheck(
        binder, "CheckBox15", "Always Full Screen Mode when choosing the cards by the mouse",
        &Preferences::fullScreenManualChoice, windows));
    // Only the settings file turns this on.
    auto* position = boundCheck(binder, "CheckBox7", "Remember position of the window",
                                &Preferences::rememberWindowPosition, windows);
    position->hide();
    windowsLayout->addWidget(position);
    auto* reset =
        makeButton(QStringLiteral("Button1"), QStringLiteral("Reset to Default"), windows);
    windowsLayout->addWidget(reset, 0, Qt::AlignLeft);

    auto* codePage =
        makeGroup(QStringLiteral("GroupBox17"), QStringLiteral("Codepage Settings"), this);
    auto* codePages = named(new QComboBox(codePage), QStringLiteral("CBCodePage"));
    for (const auto name : Preferences::kCodePages)
        codePages->addItem(toQt(name));
    binder->bind(codePages, &Preferences::codePage);
    auto* note = makeLabel(QStringLiteral("LabelCodePageNote"),
                           QStringLiteral("Use UTF-8 as Default CodePage for English/US Language. "
                                          "Use iso-8859-1 or iso-8859-2  if UTF-8 does not work "
                                          "correctly."),
                           codePage);
    note->setWordWrap(true);
    auto* codePageLayout = new QVBoxLayout(codePage);
    codePageLayout->addWidget(codePages);
    codePageLayout->addWidget(note);

    auto* choice = makeGroup(QStringLiteral("GroupBoxChoice"),
                             QStringLiteral("Choosing the cards by the mouse"), this);
    auto* faceDown = boundCheck(
        binder, "CheckBoxCFD",
        "Put the cards \"face down\" when choosing the cards by the mouse (if this option is an "
        "unchecked then every card lays \"face up\")",
        &Preferences::faceDown, choice);
    auto* choiceLayout = new QVBoxLayout(choice);
    choiceLayout->addWidget(faceDown);
    choiceLayout->addWidget(boundCheck(
        binder, "CheckBox17",
        "Display the deck at the bottom of the screen when choosing the cards by the mouse",
        &Preferences::deckAtBottom, choice));
    choiceLayout->addWidget(boundCheck(binder, "CheckBox16",
                                       "Always use custom Back Image for the cards",
                                       &Preferences::customBackAlways, choice));

    auto* grid = makeGroup(QStringLiteral("GroupBoxSpreadGrid"),
                           QStringLiteral("Card Spreads Editor"), this);
    auto* gridLayout = new QVBoxLayout(grid);
    gridLayout->addWidget(boundCheck(binder, "CheckBoxCSEcr", "Show Numbers of the Rows",
                                     &Preferences::spreadEditorRowNumbers, grid));
    gridLayout->addWidget(boundCheck(binder, "CheckBoxCSEcc", "Show Numbers of the Columns",
                                     &Preferences::spreadEditorColumnNumbers, grid));
    gridLayout->addWidget(boundCheck(binder, "CheckBoxCSEg1", "Show Grid (solid)",
                                     &Preferences::spreadEditorSolidGrid, grid));
    gridLayout->addWidget(boundCheck(binder, "CheckBoxCSEg2", "Show an additional Grid (dashed)",
                                     &Preferences::spreadEditorDashedGrid, grid));

    auto* layout = new QGridLayout(this);
    layout->addWidget(windows, 0, 0);
    layout->addWidget(codePage, 1, 0);
    layout->addWidget(choice, 0, 1);
    layout->addWidget(grid, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(2, 1);
    binder->refresh();

    connect(reset, &QPushButton::clicked, this, &WindowsSettingsPage::resetToDefault);
}

void WindowsSettingsPage::resetToDefault()
{
    const Preferences defaults;
    Preferences& p = m_state.preferences;
    p.fullScreenCardTable = defaults.fullScreenCardTable;
    p.fullScreenManualChoice = defaults.fullScreenManualChoice;
    p.codePage = defaults.codePage;
    m_state.announcePreferences();
}

} // namespace kestrava
