#pragma once

#include <QWidget>

class QTabWidget;

namespace kestrava {

class AppState;
class ReadingsEditorPage;

// The "Editors" page: the sub-pages of the four editors.
class EditorsPage : public QWidget
{
    Q_OBJECT

public:
    EditorsPage(AppState& state, QWidget* parent);

    ReadingsEditorPage* readingsEditor() const { return m_readingsEditor; }
    // Opens the "Readings Editor" sub-page.
    void showReadingsEditor();

private:
    QTabWidget* m_pages;
    ReadingsEditorPage* m_readingsEditor;
};

} // namespace kestrava
