#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// Preferences, "Appearance": what the report shows, the orientation labels
// and the extras of the card-table picture.
class AppearancePage : public QWidget
{
    Q_OBJECT

public:
    AppearancePage(AppState& state, QWidget* parent);
};

} // namespace kestrava
