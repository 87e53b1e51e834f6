#include "gui/app/SplashWindow.h"

#include "gui/app/Version.h"
#include "gui/common/Texts.h"
#include "gui/common/Widgets.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

namespace kestrava {

namespace {

constexpr int kWidth = 503;
constexpr int kHeight = 275;

QPixmap splashPicture(const std::filesystem::path& file)
{
    QPixmap picture(pathText(file));
    if (!picture.isNull())
        return picture.scaled(kWidth, kHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Without the picture of the program folder the splash paints its own.
    QPixmap painted(kWidth, kHeight);
    QPainter painter(&painted);
    QLinearGradient night(0, 0, 0, kHeight);
    night.setColorAt(0, QColor(0x1d, 0x1f, 0x4a));
    night.setColorAt(1, QColor(0x4b, 0x1f, 0x5e));
    painter.fillRect(painted.rect(), night);
    painter.setPen(QColor(0xe8, 0xc8, 0x6a));
    QFont title(QStringLiteral("DejaVu Serif"), 30, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(0, 60, kWidth, 60), Qt::AlignCenter, QStringLiteral("KESTRAVA"));
    return painted;
}

} // namespace

SplashWindow::SplashWindow(const std::filesystem::path& picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("SplashWindow"));
    setFixedSize(kWidth, kHeight);
    auto* image = makeLabel(QStringLiteral("SplashImage"), QString(), this);
    image->setGeometry(0, 0, kWidth, kHeight);
    image->setPixmap(splashPicture(picture));

    auto* version = makeLabel(QStringLiteral("LabelSplashVersion"), kVersionLine, this);
    QFont bold = version->font();
    bold.setPointSize(10);
    bold.setBold(true);
    version->setFont(bold);
    version->setStyleSheet(QStringLiteral("color: white;"));
    version->setGeometry(16, kHeight - 62, kWidth - 32, 22);
    auto* loading = makeLabel(QStringLiteral("LabelSplashLoading"),
                              QStringLiteral("Loading .... Please wait"), this);
    loading->setStyleSheet(QStringLiteral("color: white;"));
    loading->setGeometry(16, kHeight - 36, kWidth - 32, 20);
    auto* srml = makeLabel(QStringLiteral("LabelSplashSrml"), QStringLiteral("SRML 1.1"), this);
    srml->hide();

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

} // namespace kestrava
