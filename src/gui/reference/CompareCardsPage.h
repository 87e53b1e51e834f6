#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Compare Cards" sub-page of "Tools".
class CompareCardsPage : public QWidget
{
    Q_OBJECT

public:
    CompareCardsPage(AppState& state, QWidget* parent);

private:
    AppState& m_state;
};

} // namespace kestrava
