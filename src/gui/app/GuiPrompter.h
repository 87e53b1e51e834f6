#pragma once

#include "core/Prompter.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace kestrava {

// Questions and messages as modal boxes, files through the save dialog.
class GuiPrompter : public Prompter
{
public:
    void setParent(QWidget* parent) { m_parent = parent; }

    Answer ask(std::string_view question) override;
    void tell(std::string_view message) override;
    std::optional<std::filesystem::path>
    chooseSaveFile(std::string_view title, std::string_view filter,
                   const std::filesystem::path& start) override;

private:
    QWidget* m_parent = nullptr;
};

// A message: a plain box under the program's title with one OK button.
std::unique_ptr<QMessageBox> messageBox(QWidget* parent, std::string_view message);
// A question: "What to do?" with Yes, No and Cancel.
std::unique_ptr<QMessageBox> questionBox(QWidget* parent, std::string_view question);

} // namespace kestrava
