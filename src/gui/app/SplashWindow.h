#pragma once

#include <QWidget>
#include <filesystem>

namespace kestrava {

// Shown while the main window is being built: the splash picture with the
// version and a line asking to wait.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    explicit SplashWindow(const std::filesystem::path& picture);
};

} // namespace kestrava
