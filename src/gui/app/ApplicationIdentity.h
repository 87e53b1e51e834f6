#pragma once

#include "core/ProgramFolder.h"

class QApplication;

namespace kestrava {

// How the desktop knows the program: its icon on every window (the splash
// too) and the desktop entry it belongs to. No display name is set, so the
// platform adds no suffix to a box's caption: boxes read exactly as given.
void applyApplicationIdentity(QApplication& application, const ProgramFolder& folder);

} // namespace kestrava
