#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Read Cards" sub-page of "Tools".
class ReadCardsPage : public QWidget
{
    Q_OBJECT

public:
    ReadCardsPage(AppState& state, QWidget* parent);

private:
    AppState& m_state;
};

} // namespace kestrava
