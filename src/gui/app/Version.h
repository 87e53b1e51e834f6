#pragma once

#include <QString>
#include <QStringList>

namespace kestrava {

inline const QString kVersionLine = QStringLiteral("Assembly Version " KESTRAVA_VERSION);
inline const QString kAboutLine =
    QStringLiteral("Kestrava, tarot readings on the desktop. Assembly Version " KESTRAVA_VERSION);
inline const QStringList kComponents = {
    QStringLiteral("Program " KESTRAVA_VERSION),       QStringLiteral("Library 9.1.2"),
    QStringLiteral("Card Descriptions Editor 8.8.17"), QStringLiteral("Card Titles Editor 8.7.20"),
    QStringLiteral("Card Spreads Editor 9.1.5"),       QStringLiteral("Readings Editor 9.1.20"),
    QStringLiteral("Diary/Database 9.1.20"),
};

} // namespace kestrava
