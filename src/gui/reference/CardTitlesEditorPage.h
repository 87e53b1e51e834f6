#pragma once

#include <QWidget>

class QRadioButton;

namespace kestrava {

class AppState;

// The "Card Titles Editor" sub-page of "Editors": which title set is in
// force, the default one or the user's own.
class CardTitlesEditorPage : public QWidget
{
    Q_OBJECT

public:
    CardTitlesEditorPage(AppState& state, QWidget* parent);

private:
    void chooseTitles(bool defaultTitles);
    void refresh();

    AppState& m_state;
    QRadioButton* m_defaultTitles;
    QRadioButton* m_customTitles;
};

} // namespace kestrava
