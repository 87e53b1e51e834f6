#include "core/ProgramFolder.h"
#include "core/app/Product.h"
#include "gui/app/ApplicationIdentity.h"
#include "gui/app/GuiPrompter.h"
#include "gui/app/MainWindow.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/SplashWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <unistd.h>

int main(int argc, char* argv[])
{
    // The embedded browser refuses to run as root inside its sandbox.
    if (::geteuid() == 0)
        ::setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);
    // The embedded browser shares its OpenGL context with the widgets.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    try {
        const kestrava::ProgramFolder folder = kestrava::ProgramFolder::ofExecutable();
        kestrava::SingleInstance instance(kestrava::SingleInstance::socketName(folder.root()));
        if (!instance.claim())
            return 0;

        kestrava::applyApplicationIdentity(application, folder);
        kestrava::SplashWindow splash(folder.xfiles() / "splash.jpg");
        splash.show();
        application.processEvents();

        kestrava::GuiPrompter prompter;
        const kestrava::SystemClock clock;
        kestrava::Services services;
        services.folder = folder;
        services.prompter = &prompter;
        services.clock = &clock;
        services.site = QUrl(QString::fromLatin1(kestrava::kProductAddress.data(),
                                                 kestrava::kProductAddress.size()));
        services.openUrl = [](const QUrl& url) {
            QDesktopServices::openUrl(url);
        };
        services.language = QStringLiteral(KESTRAVA_LANGUAGE_CODE);
        services.arguments = application.arguments().mid(1);

        kestrava::MainWindow window(services);
        prompter.setParent(&window);
        QObject::connect(&instance, &kestrava::SingleInstance::raiseRequested, &window,
                         &kestrava::MainWindow::bringToFront);
        splash.hide();
        window.show();
        return application.exec();
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("KESTRAVA"), QString::fromUtf8(error.what()));
    }
    return 0;
}
