#pragma once

#include <QWidget>

namespace kestrava {

class AppState;

// The "My Readings" page: the saved readings of the database and the diary.
class MyReadingsPage : public QWidget
{
    Q_OBJECT

public:
    MyReadingsPage(AppState& state, QWidget* parent);
};

} // namespace kestrava
