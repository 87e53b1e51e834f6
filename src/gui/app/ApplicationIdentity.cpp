#include "gui/app/ApplicationIdentity.h"

#include <QApplication>
#include <QIcon>

namespace kestrava {

void applyApplicationIdentity(QApplication& application, const ProgramFolder& folder)
{
    QIcon icon;
    for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"})
        icon.addFile(QString::fromStdString(
            (folder.root() / "share/icons/hicolor" / size / "apps/kestrava.png").string()));
    application.setWindowIcon(icon);
    // Wayland takes the icon from the desktop entry.
    application.setDesktopFileName(QStringLiteral("kestrava"));
}

} // namespace kestrava
