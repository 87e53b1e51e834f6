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

// A field of a date-time pattern: its letters and how many digits it takes.
struct PatternField
{
    int DateTime::*member = nullptr; // none: the character stands for itself
    std::size_t width = 1;
};

// The field the pattern names at its start.
PatternField fieldAt(std::string_view pattern)
{
    if (pattern.starts_with("yyyy"))
        return {&DateTime::year, 4};
    if (pattern.starts_with("mm"))
        return {&DateTime::month, 2};
    if (pattern.starts_with("dd"))
        return {&DateTime::day, 2};
    if (pattern.starts_with("hh"))
        return {&DateTime::hour, 2};
    if (pattern.starts_with("nn"))
        return {&DateTime::minute, 2};
    return {};
}

// Reads exactly `width` digits at the start of the text.
bool readDigits(std::string_view text, std::size_t width, int& value)
{
    if (text.size() < width)
        return false;
    value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}
} // namespace

std::string formatDateTime(std::string_view pattern, const DateTime& moment)
{
    std::string out;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const PatternField field = fieldAt(pattern.substr(i));
        if (field.member) {
            appendPadded(out, moment.*field.member, static_cast<int>(field.width));
            i += field.width;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

std::optional<DateTime> parseDateTime(std::string_view pattern, std::string_view text)
{
    DateTime moment;
    std::size_t i = 0;
    std::size_t at = 0;
    while (i < pattern.size()) {
        const PatternField field = fieldAt(pattern.substr(i));
        if (field.member) {
            if (!readDigits(text.substr(at), field.width, moment.*field.member))
                return std::nullopt;
            i += field.width;
            at += field.width;
        } else {
            if (at >= text.size() || text[at] != pattern[i])
                return std::nullopt;
            ++i;
            ++at;
        }
    }
    if (at != text.size())
        return std::nullopt;
    if (moment.month < 1 || moment.month > 12 || moment.day < 1 ||
        moment.day > daysInMonth(moment.year, moment.month) || moment.hour > 23 ||
        moment.minute > 59)
        return std::nullopt;
    return moment;
}

int daysInMonth(int year, int month)
{
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[(month - 1 + 12) % 12];
}

// The civil-calendar conversions count in eras of 400 years, which repeat exactly.
int dayNumber(int year, int month, int day)
{
    const int y = month <= 2 ? year - 1 : year;
    const int era = (y >= 0 ? y : y - 399) / 400;
    const int yearOfEra = y - era * 400;
    const int dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

DateTime dateOfDay(int number)
{
    const int z = number + 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int dayOfEra = z - era * 146097;
    const int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int mp = (5 * dayOfYear + 2) / 153;
    DateTime date;
    date.day = dayOfYear - (153 * mp + 2) / 5 + 1;
    date.month = mp < 10 ? mp + 3 : mp - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
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
