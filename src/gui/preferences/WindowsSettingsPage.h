#pragma once

#include <QWidget>

class QRadioButton;

namespace kestrava {

class AppState;

// Preferences, "Windows Settings": full-screen modes, the code page of the
// generated pages, and the options of the pages that lay cards by the mouse,
// design spreads and list saved readings.
class WindowsSettingsPage : public QWidget
{
    Q_OBJECT

public:
    WindowsSettingsPage(AppState& state, QWidget* parent);

private:
    void resetToDefault();

    AppState& m_state;
    QRadioButton* m_database;
    QRadioButton* m_diary;
};

} // namespace kestrava
