#pragma once

#include <QString>

class QWidget;

namespace kestrava {

struct ReportWords;

// Applies the interface language of the build to the main window's captions
// and to the report's words. "EN" keeps the design texts; "RU" applies the
// second language.
void applyLanguage(const QString& code, QWidget* mainWindow, ReportWords& words);

} // namespace kestrava
