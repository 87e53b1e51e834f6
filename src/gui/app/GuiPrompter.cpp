#include "gui/app/GuiPrompter.h"

#include "gui/common/Texts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace kestrava {

Answer GuiPrompter::ask(std::string_view question)
{
    const auto button = QMessageBox::question(
        m_parent, QStringLiteral("What to do?"), toQt(question),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (button == QMessageBox::Yes)
        return Answer::Yes;
    return button == QMessageBox::No ? Answer::No : Answer::Cancel;
}

void GuiPrompter::tell(std::string_view message)
{
    QMessageBox::information(m_parent, QStringLiteral("KESTRAVA"), toQt(message));
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
