#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kestrava {

struct DateTime
{
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Formats with the letters yyyy, mm, dd, hh, nn (zero-padded); every other
// character stands for itself.
std::string formatDateTime(std::string_view pattern, const DateTime& moment);
// The reverse: the moment a text written with the pattern stands for, when
// the whole text fits it (four digits for yyyy, two for the others) and names
// a real date and time; fields the pattern lacks keep their defaults.
std::optional<DateTime> parseDateTime(std::string_view pattern, std::string_view text);

// Days since 1 January 1970 of a date (negative before it), and back.
int dayNumber(int year, int month, int day);
DateTime dateOfDay(int dayNumber);
int daysInMonth(int year, int month);

// Time and chance as a service, so a deal can be reproduced.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual DateTime now() const = 0;
    // The 32-bit value the shuffle seeds its generator with.
    virtual std::uint32_t shuffleSeed() const = 0;
};

// Local time; the seed mixes the nanoseconds into the seconds, so two shuffles
// in the same second deal differently.
class SystemClock : public Clock
{
public:
    DateTime now() const override;
    std::uint32_t shuffleSeed() const override;
};

class FixedClock : public Clock
{
public:
    FixedClock(DateTime moment, std::uint32_t seed) : m_moment(moment), m_seed(seed) {}
    DateTime now() const override { return m_moment; }
    std::uint32_t shuffleSeed() const override { return m_seed; }

private:
    DateTime m_moment;
    std::uint32_t m_seed;
};

} // namespace kestrava
