#pragma once

#include "core/diary/ReadingEditor.h"
#include "gui/common/FullScreenPage.h"

#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

class QBoxLayout;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

namespace kestrava {

class AppState;

// The card picture of one position: a click, Space or Enter selects it.
class PositionPicture : public QLabel
{
    Q_OBJECT

public:
    PositionPicture(int position, QWidget* parent);

signals:
    void picked(int position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    int m_position;
};

// The "Readings Editor" sub-page of "Editors": one diary reading laid out as
// its spread, card by card, with the person, date and question beside it.
class ReadingsEditorPage : public QWidget, public FullScreenPage
{
    Q_OBJECT

public:
    ReadingsEditorPage(AppState& state, QWidget* parent);

    const ReadingEditor& editor() const { return m_editor; }

    // The picture area and the side panel, which full screen moves onto the
    // main window.
    QWidget* panel() const { return m_panel; }
    void putPanelBack() override;
    bool isFullScreen() const { return m_fullScreen; }
    void setFullScreen(bool on) override;

    // "Edit" of a diary entry: the entry's file checked against the selected
    // deck, then opened on the page.
    void edit(const QString& entryFile);
    // "Add an Existing Reading to the Diary": an empty reading of the spread
    // selected on New Reading.
    void addExistingReading();

    void selectPosition(int position);
    void Button15Click();
    void ButtonSaveToDiaryClick();
    void Button20Click();

signals:
    // The page has a new reading and asks to be shown.
    void showRequested();
    void fullScreenRequested();
    void restoreRequested();

private:
    struct Position
    {
        QFrame* panel;
        PositionPicture* picture;
    };

    void resetPositions();
    // Fills the fields from the editor and lays out its positions; stops at
    // the first picture that cannot be loaded.
    void showReading();
    void showPicture(int position);
    void describe(int position);
    // The typed fields into the reading; unedited text keeps its bytes.
    void takeFields();
    void rebuildChooser();
    void announceDiary();

    AppState& m_state;
    ReadingEditor m_editor;
    std::vector<std::string> m_titles;
    // xfiles/empty.gif, read at every reset of the positions.
    QPixmap m_empty;
    std::optional<std::string> m_deck;
    bool m_defaultTitles = true;
    bool m_fullScreen = false;

    QWidget* m_panel;
    QScrollArea* m_scrollBox;
    QWidget* m_area;
    std::array<Position, kEditorPositions> m_positions{};
    QWidget* m_side;
    QBoxLayout* m_sideLayout;
    QLineEdit* m_spread;
    QLineEdit* m_person;
    QLineEdit* m_dateTime;
    QPlainTextEdit* m_question;
    QLabel* m_selected;
    QListWidget* m_chooser;
    QCheckBox* m_reversed;
    QPushButton* m_set;
    QPushButton* m_saveAsNew;
    QPushButton* m_saveChanges;
    QPushButton* m_fullScreenButton;
    QPushButton* m_restoreButton;
};

} // namespace kestrava
