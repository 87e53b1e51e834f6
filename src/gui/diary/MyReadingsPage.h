#pragma once

#include <QWidget>

class QRadioButton;

namespace kestrava {

class AppState;

// The "My Readings" page: the saved readings of the database and the diary.
class MyReadingsPage : public QWidget
{
    Q_OBJECT

public:
    MyReadingsPage(AppState& state, QWidget* parent);

private:
    AppState& m_state;
    QRadioButton* m_database;
    QRadioButton* m_diary;
};

} // namespace kestrava
