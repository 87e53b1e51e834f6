#include "core/Numbers.h"

#include "core/Error.h"

#include <charconv>

namespace kestrava {

bool tryToInteger(std::string_view text, int& value)
{
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+')
        return false;
    int result = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), result);
    if (ec != std::errc() || end != digits.data() + digits.size())
        return false;
    value = result;
    return true;
}

int toInteger(std::string_view text)
{
    int value = 0;
    if (!tryToInteger(text, value))
        throw Error("'" + std::string(text) + "' is not a valid integer value.");
    return value;
}

std::string trimmed(std::string_view text)
{
    const auto isBlank = [](char c) {
        return static_cast<unsigned char>(c) <= 32;
    };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

} // namespace kestrava
