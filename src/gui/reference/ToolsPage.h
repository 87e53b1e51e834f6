#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Tools" page: "Compare Cards" and "Read Cards".
class ToolsPage : public QWidget
{
    Q_OBJECT

public:
    ToolsPage(AppState& state, QWidget* parent);
};

} // namespace kestrava
