#pragma once

#include <string_view>

namespace kestrava {

// The product's home page: written into every generated page and footer, and
// the base of the update check and the web links. A reserved name, so nothing
// ever points at a stranger's host.
inline constexpr std::string_view kProductAddress = "https://kestrava.example";

inline constexpr std::string_view kProductVersion = "9.1.21";
inline constexpr std::string_view kGeneratedIn = "Generated in Kestrava 9.1.21";

} // namespace kestrava
