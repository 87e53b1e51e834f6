#pragma once

#include "core/Clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace kestrava {

// The characters a saved reading's name may not hold, in the order they are removed.
inline constexpr std::string_view kRestrictedSymbols = "/|\\^:*<?>\"";
inline constexpr std::string_view kRestoredFileNameTemplate = "#N, #S, [#D]";

std::string removeRestrictedSymbols(std::string_view text);

// The suggested name of a reading, or nothing when no spread is selected (the
// preview then keeps what it showed).
std::optional<std::string> generateFileName(std::string_view nameTemplate,
                                            std::string_view dateTimeFormat,
                                            const std::optional<std::string>& selectedSpread,
                                            std::string_view querentName, const DateTime& now);

} // namespace kestrava
