#pragma once

#include "core/reference/DescriptionsEditor.h"

#include <QWidget>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace kestrava {

class AppState;

// The "Card Descriptions Editor" sub-page of "Editors": the user's own texts
// of every card, normal and reversed, in descriptions/Custom.srml.
class CardDescriptionsEditorPage : public QWidget
{
    Q_OBJECT

public:
    CardDescriptionsEditorPage(AppState& state, QWidget* parent);

    // What a rebuild of the card title list does to the editor: the card list
    // refilled, the panes emptied (edited ones offered for saving first).
    void rebuild();

private:
    void selectCard(int row);
    void save();
    CardTexts panes() const;
    void showPicture(QLabel* picture, const std::filesystem::path& file, const QString& what);
    void showEmpty();

    AppState& m_state;
    DescriptionsEditor m_editor;
    QListWidget* m_cards;
    QLabel* m_normalPicture;
    QLabel* m_reversedPicture;
    QPlainTextEdit* m_normal;
    QPlainTextEdit* m_reversed;
    QPushButton* m_save;
    std::optional<std::string> m_deck;
};

} // namespace kestrava
