#pragma once

#include "core/ProgramFolder.h"

#include <QUrl>
#include <optional>
#include <string>

namespace kestrava {

// Fetches "/version.txt" from the product's site, blocking until the answer
// is in, stores it as xfiles/version.txt and returns its first line. Every
// failure gives nothing and says nothing.
std::optional<std::string> checkForUpdates(const QUrl& site, const ProgramFolder& folder);

// The first line of xfiles/version.txt, when there is one.
std::optional<std::string> storedNewestVersion(const ProgramFolder& folder);

} // namespace kestrava
