#include "gui/reference/ImportDeckDialog.h"

#include "gui/app/AppState.h"
#include "gui/common/FolderLists.h"
#include "gui/common/Guard.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"
#include "raster/PictureFile.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace kestrava {

namespace {

constexpr int kThumbWidth = 48;
constexpr int kThumbHeight = 78;

QIcon thumbnail(const std::filesystem::path& file)
{
    QImageReader reader(pathText(file));
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(kThumbWidth, kThumbHeight, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (image.isNull())
        return QIcon();
    return QIcon(QPixmap::fromImage(image));
}

QLineEdit* addLabeled(QGridLayout* grid, int row, const QString& name, const QString& caption,
                      QWidget* parent)
{
    const LabeledEdit field = makeLabeledEdit(name, caption, parent);
    field.edit->setAccessibleName(caption);
    grid->addWidget(field.label, row, 0);
    grid->addWidget(field.edit, row, 1);
    return field.edit;
}

} // namespace

ImportDeckDialog::ImportDeckDialog(AppState& state, QWidget* parent)
    : QDialog(parent), m_state(state)
{
    setObjectName(QStringLiteral("ImportDeckDialog"));
    setWindowTitle(QStringLiteral("Import Deck"));
    setModal(true);
    resize(820, 560);

    const LabeledEdit folder = makeLabeledEdit(QStringLiteral("EditImportFolder"),
                                               QStringLiteral("Folder of pictures:"), this);
    m_folderEdit = folder.edit;
    m_folderEdit->setAccessibleName(QStringLiteral("Folder of pictures"));
    auto* browse =
        makeButton(QStringLiteral("ButtonImportBrowse"), QStringLiteral("Browse…"), this);
    auto* read =
        makeButton(QStringLiteral("ButtonImportRead"), QStringLiteral("Read Folder"), this);
    auto* numberingGroup = makeGroup(QStringLiteral("GroupImportNumbering"),
                                     QStringLiteral("Numbers in the file names"), this);
    m_detect = makeRadio(QStringLiteral("RadioImportDetect"),
                         QStringLiteral("As the folder suggests"), numberingGroup);
    m_identifiers = makeRadio(QStringLiteral("RadioImportIds"),
                              QStringLiteral("1–78 (the Fool is 21)"), numberingGroup);
    m_common = makeRadio(QStringLiteral("RadioImportCommon"),
                         QStringLiteral("00–77 (the Fool is 00)"), numberingGroup);
    m_justiceEight = makeCheck(QStringLiteral("CheckImportJusticeEight"),
                               QStringLiteral("Trump 8 is Justice, 11 Strength"), numberingGroup);
    m_detect->setChecked(true);
    m_mapping = named(new QListWidget(this), QStringLiteral("ListImportMapping"));
    m_mapping->setViewMode(QListView::IconMode);
    m_mapping->setIconSize(QSize(kThumbWidth, kThumbHeight));
    m_mapping->setGridSize(QSize(96, 118));
    m_mapping->setResizeMode(QListView::Adjust);
    m_mapping->setMovement(QListView::Static);
    m_mapping->setWordWrap(true);
    m_mapping->setAccessibleName(QStringLiteral("Where each picture goes"));
    auto* unplacedLabel =
        makeLabel(QStringLiteral("LabelImportUnplaced"), QStringLiteral("Not placed:"), this);
    m_unplaced = named(new QListWidget(this), QStringLiteral("ListImportUnplaced"));
    m_unplaced->setAccessibleName(QStringLiteral("Pictures not placed"));
    m_unplaced->setMaximumHeight(80);
    unplacedLabel->setBuddy(m_unplaced);
    m_summary = makeLabel(QStringLiteral("LabelImportSummary"), QString(), this);
    m_summary->setWordWrap(true);

    auto* form = new QGridLayout;
    m_name =
        addLabeled(form, 0, QStringLiteral("EditImportName"), QStringLiteral("Deck name:"), this);
    m_designer = addLabeled(form, 1, QStringLiteral("EditImportDesigner"),
                            QStringLiteral("Designer:"), this);
    m_year = addLabeled(form, 2, QStringLiteral("EditImportYear"), QStringLiteral("Year:"), this);
    m_country =
        addLabeled(form, 3, QStringLiteral("EditImportCountry"), QStringLiteral("Country:"), this);
    auto* descriptionLabel =
        makeLabel(QStringLiteral("LabelImportDescription"), QStringLiteral("Description:"), this);
    m_description = named(new QPlainTextEdit(this), QStringLiteral("MemoImportDescription"));
    m_description->setAccessibleName(QStringLiteral("Description"));
    descriptionLabel->setBuddy(m_description);
    m_import = makeButton(QStringLiteral("ButtonImport"), QStringLiteral("Import"), this);
    auto* cancel = makeButton(QStringLiteral("ButtonImportCancel"), QStringLiteral("Cancel"), this);
    for (QAbstractButton* button : std::initializer_list<QAbstractButton*>{
             browse, read, m_detect, m_identifiers, m_common, m_justiceEight, m_import, cancel})
        button->setAccessibleName(button->text());
    // Return in the folder field reads the folder; it never imports.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);

    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(folder.label);
    folderRow->addWidget(m_folderEdit, 1);
    folderRow->addWidget(browse);
    folderRow->addWidget(read);
    auto* numbering = new QVBoxLayout(numberingGroup);
    numbering->addWidget(m_detect);
    numbering->addWidget(m_identifiers);
    numbering->addWidget(m_common);
    numbering->addWidget(m_justiceEight);
    auto* left = new QVBoxLayout;
    left->addWidget(m_mapping, 1);
    left->addWidget(unplacedLabel);
    left->addWidget(m_unplaced);
    auto* right = new QVBoxLayout;
    right->addWidget(numberingGroup);
    right->addLayout(form);
    right->addWidget(descriptionLabel);
    right->addWidget(m_description, 1);
    right->addWidget(m_summary);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_import);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 3);
    body->addLayout(right, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(folderRow);
    layout->addLayout(body, 1);

    connect(browse, &QPushButton::clicked, this, [this] { this->browse(); });
    connect(read, &QPushButton::clicked, this, [this] { readFolder(); });
    connect(m_folderEdit, &QLineEdit::returnPressed, this, [this] { readFolder(); });
    for (QAbstractButton* choice :
         std::initializer_list<QAbstractButton*>{m_detect, m_identifiers, m_common, m_justiceEight})
        connect(choice, &QAbstractButton::clicked, this, [this] {
            if (m_read)
                readFolder();
        });
    connect(m_import, &QPushButton::clicked, this, [this] { import(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showPlan();
}

void ImportDeckDialog::start()
{
    m_folderEdit->clear();
    m_read = false;
    m_plan = ImportPlan();
    for (QLineEdit* edit : {m_name, m_designer, m_year, m_country})
        edit->clear();
    m_description->clear();
    m_detect->setChecked(true);
    m_justiceEight->setChecked(false);
    showPlan();
    open();
}

ImportOptions ImportDeckDialog::options() const
{
    ImportOptions chosen;
    chosen.numbering = m_common->isChecked()        ? Numbering::Common
                       : m_identifiers->isChecked() ? Numbering::Identifiers
                                                    : Numbering::Detect;
    chosen.strengthIsEight = !m_justiceEight->isChecked();
    return chosen;
}

void ImportDeckDialog::browse()
{
    const QString chosen =
        QFileDialog::getExistingDirectory(this, windowTitle(), m_folderEdit->text());
    if (chosen.isEmpty())
        return;
    m_folderEdit->setText(chosen);
    readFolder();
}

void ImportDeckDialog::readFolder()
{
    const std::filesystem::path folder = toPath(m_folderEdit->text().trimmed());
    m_read = guarded(m_state.prompter(),
                     [&] { m_plan = planImport(listImportPictures(folder), options()); });
    if (!m_read)
        m_plan = ImportPlan();
    else if (m_name->text().trimmed().isEmpty())
        m_name->setText(pathText(folder.filename().empty() ? folder.parent_path().filename()
                                                           : folder.filename()));
    showPlan();
}

void ImportDeckDialog::showPlan()
{
    m_mapping->clear();
    m_unplaced->clear();
    const std::vector<std::string> titles = m_state.titleList();
    const auto title = [&](int card) {
        return card >= 0 && card < static_cast<int>(titles.size())
                   ? toQt(titles[static_cast<std::size_t>(card)])
                   : QString();
    };
    const auto add = [&](const PlacedPicture& picture, const QString& text, const QString& spoken) {
        auto* item = new QListWidgetItem(thumbnail(picture.file), text, m_mapping);
        item->setData(Qt::AccessibleTextRole, spoken);
        item->setToolTip(toQt(picture.shownName));
    };
    for (const PlacedPicture& picture : m_plan.normal)
        add(picture, QStringLiteral("%1 %2").arg(picture.card).arg(title(picture.card)),
            QStringLiteral("Card %1: %2, from %3")
                .arg(picture.card)
                .arg(title(picture.card), toQt(picture.shownName)));
    for (const PlacedPicture& picture : m_plan.reversed)
        add(picture, QStringLiteral("%1 %2, reversed").arg(picture.card).arg(title(picture.card)),
            QStringLiteral("Card %1: %2, reversed, from %3")
                .arg(picture.card)
                .arg(title(picture.card), toQt(picture.shownName)));
    if (m_plan.back)
        add(*m_plan.back, QStringLiteral("Back"),
            QStringLiteral("Card back, from %1").arg(toQt(m_plan.back->shownName)));
    if (m_plan.blank)
        add(*m_plan.blank, QStringLiteral("0 %1").arg(title(0)),
            QStringLiteral("Blank card, from %1").arg(toQt(m_plan.blank->shownName)));
    for (const UnplacedPicture& picture : m_plan.unplaced)
        new QListWidgetItem(
            QStringLiteral("%1 (%2)").arg(toQt(picture.shownName), toQt(picture.reason)),
            m_unplaced);

    QString summary;
    if (!m_read) {
        summary = QStringLiteral("Choose a folder of JPEG or PNG pictures.");
    } else if (m_plan.complete()) {
        summary = QStringLiteral("A deck of %1 cards, numbered %2. %3 reversed pictures are "
                                 "made by turning the normal ones.")
                      .arg(m_plan.deckSize)
                      .arg(m_plan.numbering == Numbering::Common
                               ? QStringLiteral("00–77")
                               : QStringLiteral("as the program's cards 1–78"))
                      .arg(m_plan.turned());
    } else {
        QStringList missing;
        for (const int card : m_plan.missing)
            missing << QString::number(card);
        summary = QStringLiteral("No deck of 22 or 78 cards: %1 missing (%2).")
                      .arg(m_plan.missing.size())
                      .arg(missing.join(QStringLiteral(", ")));
    }
    m_summary->setText(summary);
    m_summary->setAccessibleName(summary);
    m_import->setEnabled(m_read && m_plan.complete());
}

void ImportDeckDialog::import()
{
    if (!m_read || !m_plan.complete())
        return;
    DeckInformation information;
    information.designer = toBytes(m_designer->text());
    information.year = toBytes(m_year->text());
    information.country = toBytes(m_country->text());
    information.description = toBytes(m_description->toPlainText());
    std::string name;
    bool made = false;
    const bool ok = guarded(m_state.prompter(), [&] {
        name = checkedDeckName(toBytes(m_name->text()));
        made = importDeck(m_state.folder(), name, m_plan, information, decodePicture,
                          m_state.prompter());
    });
    if (!ok || !made)
        return;
    m_state.lists().refresh();
    accept();
    emit deckImported(toQt(name));
}

} // namespace kestrava
