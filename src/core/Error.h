#pragma once

#include <stdexcept>
#include <string>

namespace kestrava {

// Every failure the user should hear about: the message is shown as it stands.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace kestrava
