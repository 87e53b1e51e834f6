#pragma once

#include <cstdint>
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
