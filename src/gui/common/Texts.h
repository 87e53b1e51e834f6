#pragma once

#include "core/reading/DisplayText.h"

#include <QString>
#include <filesystem>
#include <string>
#include <string_view>

namespace kestrava {

// The core keeps text as 8-bit bytes; the widgets speak QString. These are
// the only two crossings, and they read bytes as every other view of the
// program does (displayUtf8), so a window shows what a picture shows.
inline QString toQt(std::string_view bytes)
{
    return QString::fromStdString(displayUtf8(bytes));
}

inline std::string toBytes(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

inline QString pathText(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

inline std::filesystem::path toPath(const QString& text)
{
    return std::filesystem::path(text.toStdString());
}

} // namespace kestrava
