#include "gui/app/GuiPrompter.h"

#include "gui/common/Texts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace kestrava {

namespace {

// A box without a visible window to sit on (during start-up, under the
// always-on-top splash) stays on top itself, so it is never hidden.
void keepInSight(QMessageBox& box, QWidget* parent)
{
    if (!parent || !parent->isVisible())
        box.setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

} // namespace

std::unique_ptr<QMessageBox> messageBox(QWidget* parent, std::string_view message)
{
    auto box = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("KESTRAVA"),
                                             toQt(message), QMessageBox::Ok, parent);
    keepInSight(*box, parent);
    return box;
}

std::unique_ptr<QMessageBox> questionBox(QWidget* parent, std::string_view question)
{
    auto box = std::make_unique<QMessageBox>(
        QMessageBox::Question, QStringLiteral("What to do?"), toQt(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    box->setDefaultButton(QMessageBox::Yes);
    keepInSight(*box, parent);
    return box;
}

Answer GuiPrompter::ask(std::string_view question)
{
    const int button = questionBox(m_parent, question)->exec();
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void GuiPrompter::tell(std::string_view message)
{
    messageBox(m_parent, message)->exec();
}

std::optional<std::filesystem::path> GuiPrompter::chooseSaveFile(std::string_view title,
                                                                 std::string_view filter,
                                                                 const std::filesystem::path& start)
{
    QFileDialog dialog(m_parent, toQt(title), pathText(start));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // Whoever asks decides about replacing a file; the dialog never asks itself.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setNameFilter(toQt(filter));
    const auto suffix = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(toQt(filter));
    if (suffix.hasMatch())
        dialog.setDefaultSuffix(suffix.captured(1));
    dialog.selectFile(pathText(start));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return toPath(dialog.selectedFiles().constFirst());
}

} // namespace kestrava
