#pragma once

#include "core/Prompter.h"

#include <exception>

namespace kestrava {

// Every handler runs its operation through this: an error of the core stops
// the operation and its text is shown; no error ends the program.
template <typename Operation> bool guarded(Prompter& prompter, Operation&& operation)
{
    try {
        operation();
        return true;
    } catch (const std::exception& error) {
        prompter.tell(error.what());
    }
    return false;
}

} // namespace kestrava
