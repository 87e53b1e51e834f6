#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "Editors" page: the sub-pages of the four editors.
class EditorsPage : public QWidget
{
    Q_OBJECT

public:
    EditorsPage(AppState& state, QWidget* parent);
};

} // namespace kestrava
