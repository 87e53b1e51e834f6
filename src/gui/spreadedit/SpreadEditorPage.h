#pragma once

#include "core/spreadedit/SpreadDesign.h"

#include <QFrame>
#include <QWidget>
#include <array>

class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QSlider;
class QTableWidget;
class QUndoStack;

namespace kestrava {

class AppState;

// The white design area with its grid, on which the markers lie.
class DesignArea : public QWidget
{
public:
    DesignArea(AppState& state, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppState& m_state;
};

// Position marker k: follows the pointer while the button is held; every
// pointer movement over it ends in the snap. Arrow keys move it by 5.
class PositionMarker : public QFrame
{
    Q_OBJECT

public:
    PositionMarker(int index, QWidget* parent);

signals:
    void moved(int index, DesignPosition position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index;
    bool m_dragging = false;
    QPoint m_grip;
};

// The "Card Spreads Editor" sub-page of "Editors".
class SpreadEditorPage : public QWidget
{
    Q_OBJECT

public:
    SpreadEditorPage(AppState& state, QWidget* parent);

    const SpreadDesign& design() const { return m_design; }
    // Undo and redo changes of the current design.
    QUndoStack* undoStack() const { return m_undo; }

    // Shows a design in every control; undo commands call it.
    void applyDesign(const SpreadDesign& design);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void commit(SpreadDesign after, int mergeId);
    void refillList(const QString& select = QString());
    void refreshListButtons();
    void showCount(int count);
    void BAddCardsClick();
    void trackBarChange(int position);
    void BNewCSpreadClick();
    void BSaveCSpreadClick();
    void BLoadCSpreadClick();
    void BDeleteCSpreadClick();
    void markerMoved(int index, DesignPosition position);

    AppState& m_state;
    SpreadDesign m_design;
    bool m_applying = false;
    QUndoStack* m_undo;
    QScrollArea* m_viewport;
    DesignArea* m_area;
    std::array<PositionMarker*, kMarkerCount> m_markers{};
    QTableWidget* m_grid;
    QLineEdit* m_title;
    QPlainTextEdit* m_description;
    QPlainTextEdit* m_comments;
    QLineEdit* m_addCards;
    QLineEdit* m_totalCards;
    QSlider* m_trackBar;
    QPushButton* m_save;
    QListWidget* m_list;
    QPushButton* m_load;
    QPushButton* m_delete;
};

} // namespace kestrava
