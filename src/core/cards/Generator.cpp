#include "core/cards/Generator.h"

namespace kestrava {

void Generator::seed(std::uint32_t value)
{
    // The low word takes the value and advances once with the 32-bit step.
    m_state = static_cast<std::uint32_t>(value * 22695477u + 1u);
}

std::uint32_t Generator::next()
{
    m_state = m_state * 0x0000015A00004E35ull + 1u;
    return static_cast<std::uint32_t>(m_state >> 32) & 0x7FFFFFFFu;
}

std::uint32_t Generator::below(std::uint32_t m)
{
    return m == 0 ? 0 : next() % m;
}

} // namespace kestrava
