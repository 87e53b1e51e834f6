#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Card Spreads Editor" sub-page of "Editors".
class SpreadEditorPage : public QWidget
{
    Q_OBJECT

public:
    SpreadEditorPage(AppState& state, QWidget* parent);

private:
    AppState& m_state;
};

} // namespace kestrava
