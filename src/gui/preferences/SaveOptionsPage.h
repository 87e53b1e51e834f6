#pragma once

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace kestrava {

class AppState;

// Preferences, "Save Options": the file name template of new readings with
// its date-time format, the restricted symbols and a preview of the result.
class SaveOptionsPage : public QWidget
{
    Q_OBJECT

public:
    SaveOptionsPage(AppState& state, QWidget* parent);

private:
    void LabeledEdit3Change();
    void CBDTFChange();
    void ActionDFNExecute();

    AppState& m_state;
    QLineEdit* m_template;
    QComboBox* m_format;
    QLineEdit* m_preview;
};

} // namespace kestrava
