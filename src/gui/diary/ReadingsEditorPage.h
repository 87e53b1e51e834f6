#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Readings Editor" sub-page of "Editors".
class ReadingsEditorPage : public QWidget
{
    Q_OBJECT

public:
    ReadingsEditorPage(AppState& state, QWidget* parent);

private:
    AppState& m_state;
};

} // namespace kestrava
