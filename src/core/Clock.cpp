#include "core/Clock.h"

#include <chrono>
#include <ctime>

namespace kestrava {

namespace {
void appendPadded(std::string& out, int value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        out.append(static_cast<std::size_t>(width) - digits.size(), '0');
    out += digits;
}
} // namespace

std::string formatDateTime(std::string_view pattern, const DateTime& moment)
{
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        if (rest.starts_with("yyyy")) {
            appendPadded(out, moment.year, 4);
            i += 4;
        } else if (rest.starts_with("mm")) {
            appendPadded(out, moment.month, 2);
            i += 2;
        } else if (rest.starts_with("dd")) {
            appendPadded(out, moment.day, 2);
            i += 2;
        } else if (rest.starts_with("hh")) {
            appendPadded(out, moment.hour, 2);
            i += 2;
        } else if (rest.starts_with("nn")) {
            appendPadded(out, moment.minute, 2);
            i += 2;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

DateTime SystemClock::now() const
{
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return DateTime{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
                    local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::uint32_t SystemClock::shuffleSeed() const
{
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(sinceEpoch);
    const auto nanos = std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch - seconds);
    // Spread the nanoseconds over all 32 bits before mixing them in.
    const auto fine = static_cast<std::uint32_t>(nanos.count()) * 2654435761u;
    return static_cast<std::uint32_t>(seconds.count()) ^ fine;
}

} // namespace kestrava
