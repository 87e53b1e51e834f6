#pragma once

#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/Prompter.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

namespace kestrava {

// What the main window needs from outside: the program folder, the user's
// answers, the clock, the product's web site and the desktop's browser. The
// program passes the real ones; tests pass temporary folders and scripts.
struct Services
{
    ProgramFolder folder{std::filesystem::path()};
    Prompter* prompter = nullptr;
    const Clock* clock = nullptr;
    QUrl site;
    std::function<void(const QUrl&)> openUrl;
    QString language = QStringLiteral("EN");
    QStringList arguments; // the command line without the program's own name
};

} // namespace kestrava
