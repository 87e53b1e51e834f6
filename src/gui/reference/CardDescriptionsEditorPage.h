#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Card Descriptions Editor" sub-page of "Editors".
class CardDescriptionsEditorPage : public QWidget
{
    Q_OBJECT

public:
    CardDescriptionsEditorPage(AppState& state, QWidget* parent);

private:
    AppState& m_state;
};

} // namespace kestrava
