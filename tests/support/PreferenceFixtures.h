#pragma once

#include "core/app/Preferences.h"

namespace kestrava::test {

// Preferences with every value away from its default, for round trips. The
// named entries (deck, hidden source) and the source checks are the caller's
// to set, since they must match the caller's lists; the title set stays on
// the default titles, which need no custom document.
Preferences everyPreferenceChanged();

} // namespace kestrava::test
