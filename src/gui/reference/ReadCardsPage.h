#pragma once

#include "gui/reference/CardToolPage.h"

class QLabel;
class QLineEdit;
class QListWidget;

namespace kestrava {

// The "Read Cards" sub-page of "Tools": what every checked description
// source says about one card, normal and reversed, and a search for the
// cards whose descriptions in the checked sources hold some words.
class ReadCardsPage : public CardToolPage
{
    Q_OBJECT

public:
    ReadCardsPage(AppState& state, QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void search();

    QLineEdit* m_query;
    QListWidget* m_found;
    QLabel* m_outcome;
};

} // namespace kestrava
