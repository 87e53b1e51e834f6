#pragma once

#include "core/reference/DeckImport.h"

#include <QDialog>
#include <filesystem>
#include <string>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kestrava {

class AppState;

// "Import Deck": reads a folder of pictures, shows card by card where each
// picture goes, and builds the deck from it once the user confirms.
class ImportDeckDialog : public QDialog
{
    Q_OBJECT

public:
    ImportDeckDialog(AppState& state, QWidget* parent);

    // Opens the dialog afresh, empty.
    void start();

signals:
    void deckImported(const QString& name);

private:
    void browse();
    void readFolder();
    void showPlan();
    void import();
    ImportOptions options() const;

    AppState& m_state;
    ImportPlan m_plan;
    bool m_read = false;
    QLineEdit* m_folderEdit;
    QRadioButton* m_detect;
    QRadioButton* m_identifiers;
    QRadioButton* m_common;
    QCheckBox* m_justiceEight;
    QListWidget* m_mapping;
    QListWidget* m_unplaced;
    QLabel* m_summary;
    QLineEdit* m_name;
    QLineEdit* m_designer;
    QLineEdit* m_year;
    QLineEdit* m_country;
    QPlainTextEdit* m_description;
    QPushButton* m_import;
};

} // namespace kestrava
