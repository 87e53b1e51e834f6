#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// Preferences, "Windows Settings": full-screen modes, the code page of the
// generated pages, and the options of the pages that lay cards by the mouse
// and design spreads.
class WindowsSettingsPage : public QWidget
{
    Q_OBJECT

public:
    WindowsSettingsPage(AppState& state, QWidget* parent);

private:
    void resetToDefault();

    AppState& m_state;
};

} // namespace kestrava
