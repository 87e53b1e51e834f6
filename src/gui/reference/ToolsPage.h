#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Tools" page: "Compare Cards", "Read Cards" and "Statistics".
class ToolsPage : public QWidget
{
    Q_OBJECT

public:
    ToolsPage(AppState& state, QWidget* parent);
};

} // namespace kestrava
