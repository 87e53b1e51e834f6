#pragma once

#include <cstdint>

namespace kestrava {

// The 64-bit linear congruential generator every shuffle uses. Its constants
// and arithmetic are fixed so a seed always gives the same deal.
class Generator
{
public:
    void seed(std::uint32_t value);
    // Next number in 0..2147483647.
    std::uint32_t next();
    // 0 for m == 0 without consuming a number; otherwise next() mod m.
    std::uint32_t below(std::uint32_t m);

    std::uint64_t state() const { return m_state; }

private:
    std::uint64_t m_state = 0;
};

} // namespace kestrava
