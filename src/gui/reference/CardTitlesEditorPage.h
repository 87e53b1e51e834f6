#pragma once

#include <QWidget>
#include <vector>

class QComboBox;
class QLineEdit;
class QRadioButton;

namespace kestrava {

class AppState;
struct TitleField;

// The "Card Titles Editor" sub-page of "Editors": the 42 fields of the title
// set in memory, saving them as the custom set, and which set is in force.
class CardTitlesEditorPage : public QWidget
{
    Q_OBJECT

public:
    CardTitlesEditorPage(AppState& state, QWidget* parent);

private:
    struct Field
    {
        int index;
        QComboBox* dropDown; // one of the two is set
        QLineEdit* edit;
    };

    QWidget* makeField(const TitleField& field, QWidget* parent);
    void chooseTitles(bool defaultTitles);
    void saveAsCustom();
    void showFields();
    void refresh();

    AppState& m_state;
    std::vector<Field> m_fields;
    QRadioButton* m_defaultTitles;
    QRadioButton* m_customTitles;
};

} // namespace kestrava
