#include "gui/preferences/SaveOptionsPage.h"

#include "core/diary/FileNameTemplate.h"
#include "gui/app/AppState.h"
#include "gui/common/Binder.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace kestrava {

SaveOptionsPage::SaveOptionsPage(AppState& state, QWidget* parent) : QWidget(parent), m_state(state)
{
    auto* group = makeGroup(QStringLiteral("GroupBox11"), QStringLiteral("Save Options"), this);
    const LabeledEdit nameTemplate = makeLabeledEdit(QStringLiteral("LabeledEdit3"),
                                                     QStringLiteral("Default File Name:"), group);
    m_template = nameTemplate.edit;
    auto* formatLabel = makeLabel(QStringLiteral("Label60"),
                                  QStringLiteral("Date and Time Format Template:"), group);
    m_format = named(new QComboBox(group), QStringLiteral("CBDTF"));
    for (const auto format : Preferences::kDateTimeFormats)
        m_format->addItem(toQt(format));
    formatLabel->setBuddy(m_format);
    const LabeledEdit restricted = makeLabeledEdit(QStringLiteral("LabeledEdit5"),
                                                   QStringLiteral("Restricted symbols:"), group);
    restricted.edit->setText(toQt(kRestrictedSymbols));
    restricted.edit->setReadOnly(true);
    const LabeledEdit preview =
        makeLabeledEdit(QStringLiteral("LabeledEdit4"), QStringLiteral("Preview:"), group);
    m_preview = preview.edit;
    m_preview->setReadOnly(true);
    auto* restore =
        makeButton(QStringLiteral("Button12"), QStringLiteral("Restore Default"), group);

    auto* layout = new QGridLayout(group);
    layout->addWidget(nameTemplate.label, 0, 0);
    layout->addWidget(m_template, 1, 0);
    layout->addWidget(makeLabel(QStringLiteral("Label50"), QStringLiteral("#N - Name"), group), 1,
                      1);
    layout->addWidget(makeLabel(QStringLiteral("Label51"), QStringLiteral("#S - Spread"), group), 2,
                      1);
    layout->addWidget(
        makeLabel(QStringLiteral("Label52"), QStringLiteral("#D - Date, Time"), group), 3, 1);
    layout->addWidget(formatLabel, 2, 0);
    layout->addWidget(m_format, 3, 0);
    layout->addWidget(restricted.label, 4, 0);
    layout->addWidget(restricted.edit, 5, 0);
    layout->addWidget(preview.label, 6, 0);
    layout->addWidget(m_preview, 7, 0);
    layout->addWidget(restore, 8, 0, Qt::AlignLeft);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(9, 1);
    auto* outer = new QVBoxLayout(this);
    outer->addWidget(group);

    auto* binder = new Binder(state, this);
    binder->bind(m_template, &Preferences::fileNameTemplate);
    binder->bind(m_format, &Preferences::dateTimeFormat);
    binder->onRefresh([this] {
        const QString text = toQt(m_state.fileNamePreview);
        if (m_preview->text() != text)
            m_preview->setText(text);
    });
    binder->refresh();

    connect(m_template, &QLineEdit::textChanged, this, &SaveOptionsPage::LabeledEdit3Change);
    connect(m_format, &QComboBox::activated, this, &SaveOptionsPage::CBDTFChange);
    connect(restore, &QPushButton::clicked, this, &SaveOptionsPage::ActionDFNExecute);
}

void SaveOptionsPage::LabeledEdit3Change()
{
    guarded(m_state.prompter(), [this] { m_state.regenerateFileName(); });
}

void SaveOptionsPage::CBDTFChange()
{
    guarded(m_state.prompter(), [this] { m_state.regenerateFileName(); });
}

void SaveOptionsPage::ActionDFNExecute()
{
    // The format alone does not regenerate; the template's change does.
    m_state.preferences.dateTimeFormat = 0;
    m_state.preferences.fileNameTemplate = std::string(kRestoredFileNameTemplate);
    m_state.announcePreferences();
    guarded(m_state.prompter(), [this] { m_state.regenerateFileName(); });
}

} // namespace kestrava
