#pragma once

#include "core/diary/ReadingStore.h"
#include "core/diary/StoreFilter.h"

#include <QString>
#include <QWidget>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kestrava {

class AppState;

// The "My Readings" page: the saved readings of the database or the diary,
// the facts of the selected one, Load, Edit, Remove and Remove All.
class MyReadingsPage : public QWidget
{
    Q_OBJECT

public:
    MyReadingsPage(AppState& state, QWidget* parent);

    // The store whose entries the list shows.
    Store shownStore() const;
    // The entry names the list shows, in its order.
    const std::vector<std::string>& shownEntries() const { return m_shown; }

signals:
    // "Edit" of a diary entry: the file the readings editor opens.
    void editRequested(const QString& entryFile);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Reads the shown store's folder again; no entry stays selected.
    void refreshList();
    // Shows the entries that pass the filter; no entry stays selected.
    void showEntries();
    std::optional<std::string> selectedEntry() const;
    void selectRow(int row);
    void entrySelected();
    void applyButtonRule();
    void applyUnlockRule();

    void Button8Click();
    void Button19Click();
    void Button9Click();
    void CheckBoxRemoveAllUnlockedClick();
    void Button11Click();

    AppState& m_state;
    Store m_store = Store::Database;
    std::vector<std::string> m_entries;
    // The details of every entry, read once the filter is first used after a refresh.
    std::optional<std::vector<IndexedEntry>> m_index;
    std::vector<std::string> m_shown;

    QRadioButton* m_database;
    QRadioButton* m_diary;
    QLineEdit* m_filter;
    QListWidget* m_list;
    QLineEdit* m_spread;
    QLineEdit* m_person;
    QLineEdit* m_dateTime;
    QPlainTextEdit* m_question;
    QPushButton* m_load;
    QPushButton* m_edit;
    QPushButton* m_remove;
    QPushButton* m_removeAll;
    QCheckBox* m_unlock;
};

} // namespace kestrava
